#pragma once
// The verbs on the session bus (Linux desktop builds only): the object that
// serves the interface org.horolux.Horolux (data/dbus/org.horolux.Horolux.xml,
// through the adaptor generated from it), and the call that hands a verb to
// the Horolux holding the name.
#include "remote.h"

#include <QDBusContext>
#include <QObject>

namespace platform {

class DBusRemote final : public QObject, public RemoteEndpoint, protected QDBusContext {
    Q_OBJECT
public:
    explicit DBusRemote(RemoteHandlers handlers);
    ~DBusRemote() override;
    DBusRemote(const DBusRemote&) = delete;
    DBusRemote& operator=(const DBusRemote&) = delete;

    void countdownFinished(const QString& identification) override;

    // The interface's methods, named as it names them; the adaptor calls them.
public slots:
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
