#include "colorscheme.h"

#if HOROLUX_LINUX_DESKTOP
#include "portalcolorscheme.h"
#endif

namespace platform {

namespace {

// Where nothing tells the desktop's preference.
class NoColorScheme final : public ColorScheme {
public:
    void start() override {}
};

} // namespace

std::unique_ptr<ColorScheme> makeDesktopColorScheme() {
#if HOROLUX_LINUX_DESKTOP
    return std::make_unique<PortalColorScheme>();
#else
    return std::make_unique<NoColorScheme>();
#endif
}

} // namespace platform
