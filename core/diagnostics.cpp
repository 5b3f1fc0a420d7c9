#include "diagnostics.h"

#include "core/identity.h"

#include <cstdio>

namespace core {

void warn(const QString& line) noexcept {
    std::fprintf(stderr, "%s: %s\n", kProgramName, line.toLocal8Bit().constData());
}

} // namespace core
