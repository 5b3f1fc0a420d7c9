// The beep at the end of a countdown: the sound theme's bell on the desktop's
// sound server, the window system's beep where that cannot play, and never a
// wait or a failure on a machine without sound.
#include "platform/dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A beep may take a few milliseconds to reach a sound server; a wait for a
// missing one would take seconds.
constexpr qint64 kQuick = 500;

// Sound only through the given PulseAudio server, never a real sound card.
void useSoundServer(const QString& address) {
    qputenv("CANBERRA_DRIVER", "pulse");
    qputenv("PULSE_SERVER", address.toUtf8());
}

} // namespace

class TestBell : public QObject {
    Q_OBJECT
private slots:
    // Nothing to play on: the bell reports it, the beep falls back, quickly,
    // every time.
    void withoutSound_data() {
        QTest::addColumn<QByteArray>("driver");
        QTest::newRow("no sound server") << QByteArray("pulse");
        QTest::newRow("no such sound driver") << QByteArray("none-such");
    }
    void withoutSound() {
        QFETCH(QByteArray, driver);
        const QTemporaryDir nowhere;
        useSoundServer(QStringLiteral("unix:") + nowhere.filePath(QStringLiteral("none")));
        qputenv("CANBERRA_DRIVER", driver);
        platform::QtDialogs dialogs;
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(!dialogs.playBell());
        dialogs.beep();
        dialogs.beep();
        QVERIFY(!dialogs.playBell());
        QVERIFY2(elapsed.elapsed() < kQuick, qPrintable(QString::number(elapsed.elapsed())));
    }

    // With a sound server at hand, the bell reaches it as the theme's "bell"
    // event under the program's name. Runs where PulseAudio is installed: a
    // private server with a silent output, on a socket of its own.
    void withASoundServer() {
        if (!HOROLUX_LINUX_DESKTOP) {
            QSKIP("built without the Linux desktop services");
        }
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (pulseaudio.isEmpty()) {
            QSKIP("no PulseAudio server to play to");
        }
        const QTemporaryDir home;
        const QString socket = home.filePath(QStringLiteral("pulse.sock"));
        QProcess server;
        server.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        server.setProcessEnvironment(env);
        server.start(pulseaudio, {"-n", "--daemonize=no", "--exit-idle-time=-1",
                                  "--use-pid-file=no", "--disable-shm=yes", "--log-target=stderr",
                                  "--log-level=info", "-L", "module-null-sink", "-L",
                                  "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        QVERIFY(server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket) || server.state() == QProcess::NotRunning,
                                 10000);
        if (!QFile::exists(socket)) {
            QSKIP(qPrintable("PulseAudio did not start: " + server.readAll()));
        }
        useSoundServer(QStringLiteral("unix:") + socket);

        QByteArray log;
        {
            platform::QtDialogs dialogs;
            QElapsedTimer elapsed;
            elapsed.start();
            QVERIFY(dialogs.playBell());
            dialogs.beep(); // plays the bell again, the same way
            QVERIFY2(elapsed.elapsed() < kQuick, qPrintable(QString::number(elapsed.elapsed())));
            QTRY_VERIFY_WITH_TIMEOUT((log += server.readAll()).count("event.id = \"bell\"") >= 2,
                                     5000);
        } // the context goes, and with it the connection
        QVERIFY2(log.contains("application.name = \"Horolux\""), log.constData());
        QVERIFY(log.contains("bell.oga"));
        server.terminate();
        QVERIFY(server.waitForFinished(5000));
    }
};

QTEST_MAIN(TestBell)
#include "test_bell.moc"
