#pragma once
// Numbered runtime errors and the trap that ends a handler at a failing step.
#include <stdexcept>
#include <string>

namespace core {

enum class ErrorNumber : int {
    Overflow = 6,
    TypeMismatch = 13,
};

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorNumber number);
    RuntimeError(ErrorNumber number, const std::string& detail);

    [[nodiscard]] ErrorNumber number() const noexcept { return number_; }
    [[nodiscard]] int code() const noexcept { return static_cast<int>(number_); }

private:
    ErrorNumber number_;
};

[[noreturn]] void raise(ErrorNumber number);

// Runs body; a numbered runtime error ends it silently. Whatever body did
// before the failing step stays done. Returns false when an error ended it.
template <typename Body> bool exitOnError(Body&& body) {
    try {
        body();
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

} // namespace core
