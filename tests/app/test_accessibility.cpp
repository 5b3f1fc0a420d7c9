// What a screen reader finds in a timer window, through Qt's accessibility
// interface: every control named, the name holding its caption and told
// apart from every other in the window, in each state the window passes
// through; the combo box named by what it holds whatever is typed; each
// label tied to the field it names.
#include "support/probe.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void namesHoldCaptionsAndAreUnique_data() {
        QTest::addColumn<QStringList>("clicks"); // buttons clicked in turn
        QTest::newRow("idle") << QStringList{};
        QTest::newRow("stopwatch running") << QStringList{"cmdSWButton"};
        QTest::newRow("captured") << QStringList{"cmdSWButton", "cmdSWPause"};
        QTest::newRow("stopped") << QStringList{"cmdSWButton", "cmdSWButton"};
        QTest::newRow("converted") << QStringList{"cmdSWButton", "cmdSWButton", "cmdSWButton"};
        QTest::newRow("countdown running") << QStringList{"cmdCountdown"};
        QTest::newRow("both running") << QStringList{"cmdSWButton", "cmdCountdown"};
    }
    void namesHoldCaptionsAndAreUnique() {
        QFETCH(QStringList, clicks);
        ActiveWindow a;
        a.p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("5"));
        for (const QString& name : clicks) {
            a.t.clock.advance(1.5);
            a.p.control<QPushButton>(qPrintable(name))->click();
        }
        std::map<QString, QString> owners; // accessible name -> control
        QList<QWidget*> controls = a.w->centralWidget()->findChildren<QWidget*>();
        QLineEdit* typed = a.p.control<QComboBox>("cmbMinutes")->lineEdit();
        typed->setObjectName(QStringLiteral("cmbMinutes's text field"));
        for (QWidget* w : controls) {
            if (!w->isVisibleTo(a.w.get()) || w->objectName().isEmpty() ||
                w->objectName() == QLatin1String("Line1")) {
                continue;
            }
            const QString name = nameOf(w);
            QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
            // A box's text is what it holds, not what it is.
            const bool box = qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QComboBox*>(w);
            const QString caption = box ? QString() : captionOf(w);
            QVERIFY2(name.contains(caption),
                     qPrintable(w->objectName() + ": " + name + " / " + caption));
            const auto [at, fresh] = owners.emplace(name, w->objectName());
            QVERIFY2(fresh, qPrintable(name + ": " + at->second + " and " + w->objectName()));
        }
        QVERIFY(owners.size() >= 17); // 16 controls in the idle window, and the combo's field
    }

    // The boxes that have no caption of their own are named by what they show
    // or hold.
    void boxesNamedByWhatTheyHold_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("txtSWTime") << "txtSWTime"
                                   << "Stopwatch display";
        QTest::newRow("txtSWTime1") << "txtSWTime1"
                                    << "Capture display";
        QTest::newRow("txtCountdown") << "txtCountdown"
                                      << "Countdown display";
        QTest::newRow("cmbMinutes") << "cmbMinutes"
                                    << "Countdown minutes";
        QTest::newRow("txtTime") << "txtTime"
                                 << "Time to set";
        QTest::newRow("Text1") << "Text1"
                               << "Identification";
    }
    void boxesNamedByWhatTheyHold() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        ActiveWindow a;
        QCOMPARE(nameOf(a.p.control(qPrintable(control))), name);
    }

    // The stopwatch's button is named after its caption, and never shares
    // the countdown's "Stop".
    void stopwatchButtonFollowsItsCaption() {
        ActiveWindow a;
        auto* button = a.p.control<QPushButton>("cmdSWButton");
        const QStringList expected{"Stopwatch", "Stop stopwatch", "H:MM:SS stopwatch",
                                   "Reset stopwatch", "Stopwatch"};
        for (const QString& name : expected) {
            QCOMPARE(nameOf(button), name);
            button->click();
        }
        QCOMPARE(nameOf(a.p.control("cmdReset")), "Stop countdown");
    }

    void comboNamedByWhatItHolds_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("nothing") << "";
        QTest::newRow("a length") << "0.05";
        QTest::newRow("a word") << "Minutes";
        QTest::newRow("picked from the list") << "1440";
    }
    void comboNamedByWhatItHolds() {
        QFETCH(QString, typed);
        ActiveWindow a;
        auto* combo = a.p.control<QComboBox>("cmbMinutes");
        combo->setEditText(typed);
        QAccessibleInterface* box = accessible(combo);
        QCOMPARE(box->role(), QAccessible::ComboBox);
        QCOMPARE(box->text(QAccessible::Name), "Countdown minutes");
        QCOMPARE(box->text(QAccessible::Value), typed);
        QCOMPARE(nameOf(combo->lineEdit()), "Countdown minutes, typed");
        QVERIFY(box->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::showMenuAction()));
    }

    void labelsNameTheirFields_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        QTest::newRow("Minutes") << "Label1"
                                 << "cmbMinutes";
        QTest::newRow("Hr..Min...Sec") << "Label2"
                                       << "txtCountdown";
        QTest::newRow("I. D.") << "Label3"
                               << "Text1";
        QTest::newRow("Seconds") << "lblTimeType"
                                 << "txtSWTime";
    }
    void labelsNameTheirFields() {
        QFETCH(QString, label);
        QFETCH(QString, field);
        ActiveWindow a;
        QAccessibleInterface* fieldIface = accessible(a.p.control(qPrintable(field)));
        bool labelled = false;
        for (const auto& [other, relation] : fieldIface->relations(QAccessible::Label)) {
            labelled = labelled || other->object() == a.p.control(qPrintable(label));
        }
        QVERIFY(labelled);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
