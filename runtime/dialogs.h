#pragma once
// Message boxes and the beep, behind an interface so that tests can answer
// the questions from a script.
#include <QString>

#include <deque>
#include <memory>
#include <vector>

class QWidget;
#if HOROLUX_LINUX_DESKTOP
struct ca_context; // libcanberra's connection to the sound server
#endif

namespace runtime {

inline const QString kApplicationTitle = QStringLiteral("Horolux");

// Style codes of a message box: buttons + icon + default button.
namespace MsgBoxStyle {
inline constexpr int OkOnly = 0;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
} // namespace MsgBoxStyle

// The button that closed a message box.
namespace MsgBoxResult {
inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MsgBoxResult

class Dialogs {
public:
    Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;
    virtual ~Dialogs() = default;

    // A modal message box over `owner`; an empty title shows the application
    // title. Returns the button pressed (MsgBoxResult).
    virtual int messageBox(QWidget* owner, const QString& prompt, int style,
                           const QString& title) = 0;
    // One short alert sound.
    virtual void beep() = 0;
};

// The button a box with this style answers when dismissed without a choice
// (Enter on the default button): No for a Yes/No box whose second button is
// the default, Yes for any other Yes/No box, else OK.
[[nodiscard]] int defaultAnswer(int style);

// The real boxes: QMessageBox, modal to the whole application. The beep is
// the desktop sound theme's "bell".
class QtDialogs final : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;

    int messageBox(QWidget* owner, const QString& prompt, int style, const QString& title) override;
    // The bell of playBell(); where it cannot be played, the window system's
    // beep. Returns at once: the sound plays on in the background.
    void beep() override;

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

// Answers from a script and records what was asked, for tests.
class ScriptedDialogs final : public Dialogs {
public:
    struct Box {
        QString prompt;
        int style = 0;
        QString title; // as shown: the application title when none was given
    };

    // Queues the answers for the next boxes; a box without a queued answer
    // gets defaultAnswer(style).
    void answer(int result) { answers_.push_back(result); }

    int messageBox(QWidget* owner, const QString& prompt, int style, const QString& title) override;
    void beep() override { ++beeps_; }

    [[nodiscard]] const std::vector<Box>& boxes() const { return boxes_; }
    [[nodiscard]] int beeps() const { return beeps_; }
    void clear() {
        boxes_.clear();
        answers_.clear();
        beeps_ = 0;
    }

private:
    std::vector<Box> boxes_;
    std::deque<int> answers_;
    int beeps_ = 0;
};

} // namespace runtime
