#include "dispatch.h"

#include <cstdio>

namespace core {

void reportUntrapped(std::string_view handler, const std::exception& error) noexcept {
    std::fprintf(stderr, "horolux: %.*s: %s\n", static_cast<int>(handler.size()), handler.data(),
                 error.what());
}

} // namespace core
