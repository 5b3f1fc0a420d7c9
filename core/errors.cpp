#include "errors.h"

namespace core {

namespace {
std::string describe(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::Overflow:
        return "Overflow (6)";
    case ErrorNumber::TypeMismatch:
        return "Type mismatch (13)";
    }
    return "Runtime error " + std::to_string(static_cast<int>(number));
}
} // namespace

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(describe(number)), number_(number) {}

RuntimeError::RuntimeError(ErrorNumber number, const std::string& detail)
    : std::runtime_error(describe(number) + ": " + detail), number_(number) {}

void raise(ErrorNumber number) {
    throw RuntimeError(number);
}

} // namespace core
