#pragma once
// The program's texts stay English here; the window, the message boxes, the
// notification and the command line translate them where they reach the user
// (platform/translation.h). Each text is marked for lupdate where it is
// defined, in one of a few contexts:
//   "frmStopwatch"  captions, labels, tooltips and accessible names of the window
//   "Messages"      message boxes: prompts, titles, the reasons a clock was not set
//   "Notification"  the desktop notifications: a finished countdown, the
//                   timings' records that cannot be kept or read
//   "CommandLine"   --help and the refusals of the command line
//
// A text composed from pieces is built from a pattern, "%1" standing for the
// first piece and "%2" for the second, so that a translation can put the
// pieces where its language wants them. Every pattern is listed in
// kComposedTexts, where the translation finds it again in the composed
// English.
#include <QtGlobal>

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace core {

struct ComposedText {
    const char* context;
    const char* pattern;
};

inline constexpr ComposedText kClockNotChanged{
    "Messages", QT_TRANSLATE_NOOP("Messages", "The clock was not changed.\r\n%1")};
inline constexpr ComposedText kTimeServiceRefused{
    "Messages", QT_TRANSLATE_NOOP("Messages", "The time service refused: %1")};
inline constexpr ComposedText kSystemRefused{
    "Messages", QT_TRANSLATE_NOOP("Messages", "The system refused: %1.")};
inline constexpr ComposedText kCountdownDoneFor{
    "Notification", QT_TRANSLATE_NOOP("Notification", "%1: countdown done")};

// A countdown that ended while Horolux was not running, with when it ended.
inline constexpr ComposedText kCountdownDoneAt{
    "Notification", QT_TRANSLATE_NOOP("Notification", "Countdown done at %1")};
inline constexpr ComposedText kCountdownDoneForAt{
    "Notification", QT_TRANSLATE_NOOP("Notification", "%1: countdown done at %2")};
// A window brought back without its timing.
inline constexpr ComposedText kNotRestoredFor{
    "Notification", QT_TRANSLATE_NOOP("Notification", "%1: timing not restored")};

// The timings' records: %1 a file or folder, %2 why (the system's words).
inline constexpr ComposedText kRecordSetAside{
    "Notification",
    QT_TRANSLATE_NOOP("Notification",
                      "A timing record that could not be read was set aside as %1: %2")};
inline constexpr ComposedText kRecordLeftAlone{
    "Notification",
    QT_TRANSLATE_NOOP("Notification",
                      "A timing record that could not be read is left as it is, %1: %2")};
inline constexpr ComposedText kRecordsNotWritten{
    "Notification",
    QT_TRANSLATE_NOOP("Notification",
                      "The timings cannot be written to %1 (%2). Horolux keeps trying; until it "
                      "succeeds they would not outlive the program.")};
inline constexpr ComposedText kRecordsNotLocked{
    "Notification",
    QT_TRANSLATE_NOOP("Notification",
                      "The timings cannot be kept in %1 (%2). Horolux keeps trying; until it "
                      "succeeds they would not outlive the program.")};
inline constexpr ComposedText kRecordsNotKept{
    "Notification",
    QT_TRANSLATE_NOOP("Notification", "The timings cannot be kept in %1 (%2): Horolux runs "
                                      "without keeping them.")};

inline constexpr std::array kComposedTexts{
    kClockNotChanged,   kTimeServiceRefused, kSystemRefused,  kCountdownDoneFor,
    kCountdownDoneAt,   kCountdownDoneForAt, kRecordSetAside, kRecordLeftAlone,
    kRecordsNotWritten, kRecordsNotLocked,   kRecordsNotKept, kNotRestoredFor};

// The pattern with "%1", "%2", ... replaced by the pieces in order.
[[nodiscard]] std::string compose(const ComposedText& text,
                                  std::initializer_list<std::string_view> pieces);

} // namespace core
