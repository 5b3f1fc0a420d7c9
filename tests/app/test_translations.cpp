// Each shipped translation as the program loads it: complete against the
// program's sources, its accelerators unique in the window, and every caption
// the window shows in each state it passes through whole inside its control,
// measured in the window's own fonts, each character drawn by an installed
// font. English (no translation) is measured alike, so that the measure itself
// is held to what already fits. The window reads from the right exactly when
// the language is written from the right: every place mirrored, the displays'
// digits still left to right.
#include "layout.h"
#include "platform/translation.h"
#include "support/probe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeySequence>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTranslator>

#include <algorithm>

namespace {

// The width a control needs for its text on one line, beside its own frame.
int widthNeeded(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        return edit->fontMetrics().horizontalAdvance(edit->text()) + 2 * (frame + 2);
    }
    return w->sizeHint().width(); // buttons, the check box and labels
}

// Whether an installed font draws every character of `text`: laid out in
// `font` with Qt's fallbacks, a character none has comes out as glyph 0, the
// empty box.
bool drawn(const QString& text, const QFont& font) {
    QTextLayout line(text, font);
    line.beginLayout();
    line.createLine();
    line.endLayout();
    const QList<QGlyphRun> runs = line.glyphRuns();
    return std::none_of(runs.begin(), runs.end(),
                        [](const QGlyphRun& run) { return run.glyphIndexes().contains(0); });
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void shipped_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({"horolux_*.qm"});
        QVERIFY(files.size() >= 3);
        for (const QString& file : files) {
            const QString language = file.mid(8).chopped(3);
            QTest::newRow(qPrintable(language)) << language;
        }
    }
    void shipped() {
        QFETCH(QString, language);
        QTranslator translator;
        if (!language.isEmpty()) {
            upToDateAndFinished(language);
            QVERIFY(platform::loadProgramTranslation(translator, QLocale(language)));
            QVERIFY(QCoreApplication::installTranslator(&translator));
        }
        const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

        ActiveWindow a;
        placesFollowDirection(*a.w, QLocale(language).textDirection() == Qt::RightToLeft);
        a.p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral(".25"));
        // Each state the captions change in: idle, running, captured, stopped,
        // converted; the countdown started, then done.
        const QStringList clicks{
            "", "cmdSWButton", "cmdSWPause", "cmdSWButton", "cmdSWButton", "cmdCountdown"};
        for (const QString& click : clicks) {
            if (!click.isEmpty()) {
                a.p.control<QPushButton>(qPrintable(click))->click();
            }
            captionsFit(*a.w, click);
        }
        a.t.clock.advance(20);
        a.p.call("tmrCountdown_Timer");
        QCOMPARE(a.p.control<QLineEdit>("txtCountdown")->text(),
                 QCoreApplication::translate("frmStopwatch", "DONE"));
        captionsFit(*a.w, QStringLiteral("countdown done"));
        accessKeysUnique(*a.w);
    }

private:
    static void captionsFit(QMainWindow& window, const QString& state) {
        for (QWidget* w : window.centralWidget()->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || qobject_cast<QComboBox*>(w->parentWidget())) {
                continue;
            }
            QVERIFY2(widthNeeded(w) <= w->width(),
                     qPrintable(QStringLiteral("%1 after %2: %3 needs %4 of %5 pixels")
                                    .arg(w->objectName(), state, w->property("text").toString())
                                    .arg(widthNeeded(w))
                                    .arg(w->width())));
            QVERIFY2(drawn(w->property("text").toString(), w->font()), qPrintable(w->objectName()));
        }
    }

    // Each control at its place in the layout table, mirrored about the
    // client area's vertical centre line exactly when the language is written
    // from right to left, where only the boxes of digits and times still read
    // left to right.
    static void placesFollowDirection(QMainWindow& window, bool rtl) {
        for (const layout::Row& row : layout::kRows) {
            if (const auto* c = std::get_if<layout::Control>(&row)) {
                const int x = c->left / core::kTwipsPerPixel, w = c->width / core::kTwipsPerPixel;
                const int mirrored = window.centralWidget()->width() - x - w;
                auto* widget =
                    window.centralWidget()->findChild<QWidget*>(QString::fromLatin1(c->name));
                QCOMPARE(widget->geometry(),
                         QRect(rtl ? mirrored : x, c->top / core::kTwipsPerPixel, w,
                               c->height / core::kTwipsPerPixel));
                QCOMPARE(widget->layoutDirection() == Qt::RightToLeft, rtl && !c->leftToRight);
            }
        }
    }

    // Alt with a letter reaches one control: the menu's titles and the
    // captions together. A title is drawn by an installed font.
    static void accessKeysUnique(QMainWindow& window) {
        QStringList texts;
        for (const QAction* action : window.menuBar()->actions()) {
            QVERIFY2(!QKeySequence::mnemonic(action->text()).isEmpty(), qPrintable(action->text()));
            QVERIFY2(drawn(action->text(), window.menuBar()->font()), qPrintable(action->text()));
            texts << action->text();
        }
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            texts << button->text();
        }
        QList<QKeySequence> keys;
        for (const QString& text : texts) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(text));
            keys << key;
        }
    }

    // The .ts file brought up to date with the sources, in a copy, as the
    // target update_translations would: no text new to it or gone from the
    // sources, none unfinished, none empty.
    static void upToDateAndFinished(const QString& language) {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("copy.ts"));
        QVERIFY(QFile::copy(
            QStringLiteral(HOROLUX_SOURCE_DIR "/data/translations/horolux_%1.ts").arg(language),
            copy));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const QString source = QStringLiteral(HOROLUX_SOURCE_DIR);
        lupdate.start(QStringLiteral(HOROLUX_LUPDATE),
                      {"-silent", "-locations", "none", source + "/core", source + "/platform",
                       source + "/app", "-ts", copy});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString ts = QString::fromUtf8(file.readAll());
        for (const char* flaw : {"type=\"unfinished\"", "type=\"vanished\"", "type=\"obsolete\"",
                                 "<translation></translation>"}) {
            QVERIFY2(!ts.contains(QLatin1String(flaw)), flaw);
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
