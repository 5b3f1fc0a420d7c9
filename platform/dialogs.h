#pragma once
// Message boxes and the bell, behind an interface so that tests can answer
// the questions from a script.
#include "core/message.h"

#include <QString>

#include <memory>

class QWidget;
#if HOROLUX_LINUX_DESKTOP
struct ca_context; // libcanberra's connection to the sound server
#endif

namespace platform {

class Dialogs {
public:
    Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;
    virtual ~Dialogs() = default;

    // A modal message box over `owner`. Returns the button pressed
    // (core::MsgBoxResult).
    virtual int messageBox(QWidget* owner, const core::Message& message) = 0;
    // One short alert sound.
    virtual void beep() = 0;
    // The desktop's dialog for the name of a file to write, starting at
    // `suggested`, offering the files that `filter` names; empty when the user
    // cancelled.
    virtual QString saveFileName(QWidget* owner, const QString& title, const QString& suggested,
                                 const QString& filter) = 0;
};

// The real boxes: QMessageBox, modal to the whole application. The beep is
// the desktop sound theme's "bell".
class QtDialogs final : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;

    int messageBox(QWidget* owner, const core::Message& message) override;
    // The bell of playBell(); where it cannot be played, the window system's
    // beep. Returns at once: the sound plays on in the background.
    void beep() override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& suggested,
                         const QString& filter) override;

    // Starts the sound theme's "bell" event on the desktop's sound server.
    // False when no sound could be started: no sound server or sound card, no
    // sound theme, or a build without the Linux desktop services.
    [[nodiscard]] bool playBell();

private:
#if HOROLUX_LINUX_DESKTOP
    struct SoundContextDeleter {
        void operator()(ca_context* context) const noexcept;
    };
    // Made at the first bell, kept for the next ones.
    std::unique_ptr<ca_context, SoundContextDeleter> sound_;
#endif
};

} // namespace platform
