#pragma once
// The boundary where the event loop calls a handler. An error the handler did
// not trap ends the event there: it is reported on standard error and the
// program carries on. Nothing may unwind through Qt's event loop.
#include "errors.h"

#include <exception>
#include <string_view>

namespace core {

void reportUntrapped(std::string_view handler, const std::exception& error) noexcept;

template <typename Handler> void dispatchEvent(std::string_view handler, Handler&& body) noexcept {
    try {
        body();
    } catch (const std::exception& error) {
        reportUntrapped(handler, error);
    } catch (...) {
        reportUntrapped(handler, std::runtime_error("unknown error"));
    }
}

} // namespace core
