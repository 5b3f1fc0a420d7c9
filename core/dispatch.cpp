#include "dispatch.h"

#include "diagnostics.h"

namespace core {

void reportUntrapped(std::string_view handler, const std::exception& error) noexcept {
    warn(QStringLiteral("%1: %2").arg(
        QString::fromUtf8(handler.data(), static_cast<qsizetype>(handler.size())),
        QString::fromLocal8Bit(error.what())));
}

} // namespace core
