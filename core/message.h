#pragma once
// What a message box says, and the codes of its style and of its answer.
#include "core/identity.h"

#include <string>

namespace core {

// The title of a box that names none.
inline constexpr const char* kApplicationTitle = kAppName;

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

// One message box: its prompt (lines broken with CR LF), style and title; an
// empty title shows the application title.
struct Message {
    std::string prompt;
    int style = MsgBoxStyle::OkOnly;
    std::string title;

    friend bool operator==(const Message&, const Message&) = default;
};

// The button a box with this style answers when dismissed without a choice
// (Enter on the default button): No for a Yes/No box whose second button is
// the default, Yes for any other Yes/No box, else OK.
[[nodiscard]] constexpr int defaultAnswer(int style) {
    if ((style & 0xF) == MsgBoxStyle::YesNo) {
        return (style & MsgBoxStyle::DefaultButton2) != 0 ? MsgBoxResult::No : MsgBoxResult::Yes;
    }
    return MsgBoxResult::Ok;
}

} // namespace core
