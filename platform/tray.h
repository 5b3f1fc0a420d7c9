#pragma once
// The program's icon in the desktop's system tray (a StatusNotifierItem where
// the desktop has a host for them), shown while something is timing.
#include <QObject>
#include <QPixmap>
#include <QString>

#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace platform {

class Tray {
public:
    Tray() = default;
    Tray(const Tray&) = delete;
    Tray& operator=(const Tray&) = delete;
    virtual ~Tray() = default;

    // Shows the icon with `toolTip` and, with `progress` from 0 to 1, a pie of
    // that progress over the program's icon; a negative `progress` draws
    // none. Only what changed is passed on to the desktop.
    virtual void show(const QString& toolTip, double progress) = 0;
    virtual void hide() = 0;
    // The icon's menu, which the caller fills.
    [[nodiscard]] virtual QMenu& menu() = 0;
};

// Qt's system tray icon. It is made at the first show(), not before: Qt asks
// the desktop once whether it has a tray, and the desktop's panel may come
// up after the program. Where the desktop has no tray, or its tray does not
// answer within two seconds, nothing shows, nothing is said and nothing is
// asked again. `activated` runs when the user clicks the icon.
class QtTray final : public QObject, public Tray {
public:
    QtTray(QPixmap icon, std::function<void()> activated);
    ~QtTray() override;
    QtTray(const QtTray&) = delete;
    QtTray& operator=(const QtTray&) = delete;

    void show(const QString& toolTip, double progress) override;
    void hide() override;
    // Made at its first use: a start with nothing running makes none.
    [[nodiscard]] QMenu& menu() override;

private:
    struct Look {
        bool shown = false;
        QString toolTip;
        int step = -2; // the pie's step; -1: none; -2: not yet drawn
    };
    void ask();   // whether the desktop has a tray, without waiting for it
    void make();  // the icon, where it has
    void apply(); // what changed of the look wanted, to the icon
    [[nodiscard]] QPixmap drawn(int step) const;

    QPixmap base_;
    std::function<void()> activated_;
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon* icon_ = nullptr;
    bool asked_ = false;
    Look wanted_; // as the last show() or hide() asked
    Look shown_;  // as the icon shows it
};

} // namespace platform
