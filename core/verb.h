#pragma once
// What may be asked of Horolux from outside its windows (the command line, the
// session bus): open a window, with its stopwatch or a countdown started, or
// press a button of an open window found by its I.D. Every argument is checked
// here, as strictly from the bus as from the command line, before anything
// happens; a refusal says why in one line.
#include <QString>

namespace core {

struct Verb {
    enum class Kind { NewWindow, Stopwatch, Countdown, Press, Capture, StopCountdown };
    Kind kind = Kind::NewWindow;
    // The new window's I.D. text, or the I.D. of the window to act on.
    QString identification{};
    QString minutes{};     // Countdown: the length as given
    bool validate = false; // Countdown: "Validate Countdown" ticked

    // Opens a window, rather than acting on one that is open.
    [[nodiscard]] bool opensWindow() const { return kind <= Kind::Countdown; }
};

// Why an argument is refused: an English pattern of the context "CommandLine",
// "%1" standing for `piece`. None: the argument is sound.
struct Refusal {
    const char* pattern = nullptr;
    QString piece{}; // null where the pattern has no "%1"
    explicit operator bool() const { return pattern != nullptr; }
    // The refusal in words: `translated`, the pattern in the user's language,
    // with the piece put in.
    [[nodiscard]] QString filled(const QString& translated) const {
        return piece.isNull() ? translated : translated.arg(piece);
    }
};

// A countdown's length from outside the window: a decimal number of minutes
// with a point ("5", "0.5", " 90 ", "1e1"), whose length in seconds, narrowed
// as the window narrows it, lies above 0 and at most 24 hours. The window's
// minutes box reads the same text to the same length.
struct CountdownLength {
    double seconds = 0.0;
    Refusal refusal{};
};
[[nodiscard]] CountdownLength countdownLength(const QString& minutes);

// Every argument of `verb`; `longest` is the most characters the I.D. box takes.
[[nodiscard]] Refusal checkVerb(const Verb& verb, qsizetype longest);

// Whether a window whose I.D. box holds `text` is the window `identification`
// names: the same text, blanks around either aside.
[[nodiscard]] bool identifies(const QString& text, const QString& identification);

// An argument as a refusal quotes it: control characters shown as "?", and
// cut short after `longest` characters.
[[nodiscard]] QString quoted(const QString& argument, qsizetype longest = 24);

} // namespace core
