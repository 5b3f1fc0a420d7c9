#pragma once
// One line on standard error, behind the program's name: how every layer
// tells what went wrong beside the window ("horolux: ...").
#include <QString>

namespace core {

void warn(const QString& line) noexcept;

} // namespace core
