// The window's colours against a desktop portal stand-in on a private session
// bus (tests/support/private_bus.py --session with portal_template.py) whose
// desktop prefers dark: dark at start, light after a switch while running,
// and the colours the handlers give the displays kept through both; and the
// hold on suspend that a running countdown asks of the same portal.
#include "platform/colorscheme.h"
#include "palette.h"
#include "platform/inhibitor.h"
#include "support/probe.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

class TestColorScheme : public QObject {
    Q_OBJECT
private slots:
    void followsTheDesktop() {
        QVERIFY(qgetenv("DBUS_SESSION_BUS_ADDRESS") == qgetenv("HOROLUX_PRIVATE_SESSION_BUS"));
        configureTestApplication();
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        auto* countdown = p.control<QLineEdit>("txtCountdown"); // no colour of its own
        auto* running = p.control<QLineEdit>("txtSWTime");
        p.control<QPushButton>("cmdSWButton")->click(); // yellow while running
        QLineEdit returned; // a box whose own colour a handler took back
        setBoxColor(returned, QPalette::Base, Qt::yellow);
        setBoxColor(returned, QPalette::Base, std::nullopt);

        const auto dark = [] {
            return QApplication::palette().color(QPalette::Window).value() < 128;
        };
        const std::unique_ptr<platform::ColorScheme> scheme = platform::makeDesktopColorScheme();
        followColorScheme(*scheme, QApplication::palette());
        QTRY_VERIFY(dark());
        for (const QPalette& expected : {darkPalette(), QApplication::style()->standardPalette()}) {
            QCOMPARE(countdown->palette().color(QPalette::Base), expected.color(QPalette::Base));
            QCOMPARE(returned.palette().color(QPalette::Base), expected.color(QPalette::Base));
            QCOMPARE(running->palette().color(QPalette::Base), QColor(Qt::yellow));
            QCOMPARE(running->palette().color(QPalette::Text), QColor(Qt::black));

            QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.portal.Desktop"),
                QStringLiteral("/org/freedesktop/portal/desktop"),
                QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("SetColorScheme"));
            call << 2U; // prefer light
            QCOMPARE(QDBusConnection::sessionBus().call(call).type(), QDBusMessage::ReplyMessage);
            QTRY_VERIFY(!dark());
        }
    }

    void holdsSuspend() {
        const auto held = [] {
            const QDBusMessage reply =
                QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
                    QStringLiteral("org.freedesktop.portal.Desktop"),
                    QStringLiteral("/org/freedesktop/portal/desktop"),
                    QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("Held")));
            return reply.arguments().value(0).toUInt();
        };
        auto inhibitor = platform::makeDesktopInhibitor();
        inhibitor->hold(true);
        QTRY_COMPARE(held(), 1U);
        inhibitor->hold(false); // the finish, or "Stop"
        QTRY_COMPARE(held(), 0U);
        inhibitor->hold(true);
        inhibitor->hold(false); // let go, and held again, before the portal answers
        inhibitor->hold(true);
        QTRY_COMPARE(held(), 1U);
        inhibitor.reset(); // the window closes
        QTRY_COMPARE(held(), 0U);
    }
};

QTEST_MAIN(TestColorScheme)
#include "colorscheme.moc"
