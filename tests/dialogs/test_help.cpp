// The Help menu item: the Help text (tests/core/test_windowdialogs.cpp checks
// it word for word) in a real box over this window.
#include "core/windowdialogs.h"
#include "support/messageboxes.h"

#include <QAction>

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void boxOverTheWindow() {
        RealBoxWindow f;
        SeenBox seen;
        f.script.pressEnter(&seen);
        f.p.control<QAction>("mnuHelp")->trigger();
        QCOMPARE(f.script.opened(), 1);
        QCOMPARE(f.script.unexpected(), 0);

        const core::Message help = core::helpMessage();
        QCOMPARE(seen.owner.data(), static_cast<QWidget*>(f.w));
        QCOMPARE(seen.modality, Qt::ApplicationModal);
        QCOMPARE(seen.title, QString::fromStdString(help.title));
        // The box breaks its lines with LF alone.
        QCOMPARE(seen.text,
                 QString::fromStdString(help.prompt).replace(QStringLiteral("\r\n"), "\n"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QStringList{"OK"});
        QVERIFY(f.w->isVisible());
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
