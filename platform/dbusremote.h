#pragma once
// The verbs on the session bus (Linux desktop builds only): the object that
// serves the interface org.horolux.Horolux, as data/dbus/org.horolux.Horolux.xml
// describes it (app.remote_program holds the two to each other), and the call
// that hands a verb to the Horolux holding the name.
#include "remote.h"

#include <QDBusContext>
#include <QObject>

namespace platform {

class DBusRemote final : public QObject, public RemoteEndpoint, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.horolux.Horolux")
public:
    explicit DBusRemote(RemoteHandlers handlers);
    ~DBusRemote() override;
    DBusRemote(const DBusRemote&) = delete;
    DBusRemote& operator=(const DBusRemote&) = delete;

    void countdownFinished(const QString& identification) override;

    // The interface's methods and signal, named as it names them: exported to
    // the bus, all of them and nothing else.
public slots: // NOLINT(readability-redundant-access-specifiers)
    void NewWindow(const QString& identification);
    void StartStopwatch(const QString& identification);
    void StartCountdown(const QString& minutes, const QString& identification, bool validate);
    void PressStopwatch(const QString& identification);
    void Capture(const QString& identification);
    void StopCountdown(const QString& identification);
    QString ListWindows();

signals:
    void CountdownFinished(const QString& identification);

private:
    void perform(const core::Verb& verb);

    RemoteHandlers handlers_;
    bool served_ = false;
};

[[nodiscard]] VerbAnswer sendVerbOverDBus(const core::Verb& verb);

} // namespace platform
