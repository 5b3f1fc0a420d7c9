// xprobe: the small X client that bench/measure.py times the desktop with.
// It talks to the X server in $DISPLAY (a private Xvfb, without a window
// manager or with openbox) and measures from outside the program under test:
//
//   xprobe start LOG PROGRAM [ARGS...]
//       Runs PROGRAM with its output in LOG and waits for its first top-level
//       window to be mapped (MapNotify on the root window). Prints
//       "pid=P ms=T window=W x=X y=Y w=W h=H", T from just before the fork.
//       PROGRAM keeps running after xprobe has ended.
//   xprobe start-all N LOG PROGRAM [ARGS...]
//       As start, but waits for N top-level windows to be mapped (a start
//       that brings back recorded timings).
//   xprobe click X Y
//       A synthetic left click (XTest) at root coordinates X, Y.
//   xprobe click-map X Y
//       Clicks and waits for a new top-level window to be mapped. Prints
//       "ms=T window=W x=X y=Y w=W h=H", T from the button release.
//   xprobe type TEXT
//       Types TEXT (printable ASCII) through XTest into the window that has
//       the keyboard focus.
//   xprobe move WINDOW X Y
//       Moves a top-level window; without a window manager it moves at once.
//   xprobe respond X Y WINDOW RX RY RW RH
//       Clicks and prints "ms=T": the time from the button release until the
//       pixels of the rectangle (window coordinates) have changed on the
//       server, seen through the DAMAGE extension and read back. Gives up
//       after 2 s and prints that time, with "timeout=1".
//   xprobe count SECONDS WINDOW RX RY RW RH [WINDOW RX RY RW RH ...]
//       Counts, for SECONDS, the updates drawn into each rectangle: one for
//       every drawing request that touches it. Prints one rate per rectangle,
//       in updates per second.
//   xprobe layout
//       Prints "client 0 0 W H", then "NAME X Y W H" for every control of the
//       timer window: the layout table's places in pixels, in the client area.
//
// With a window manager (EWMH, as openbox):
//   xprobe wm
//       Waits up to 10 s for a window manager to announce itself on the root
//       window (_NET_SUPPORTING_WM_CHECK). Prints "ms=T".
//   xprobe client PID
//       Waits up to 10 s for the window manager to list a window of process
//       PID (_NET_CLIENT_LIST, _NET_WM_PID): the program's own window, not
//       the frame around it. Prints "window=W x=X y=Y w=W h=H", X and Y on
//       the root window.
//   xprobe iconify WINDOW
//       Asks the window manager to minimize the window (WM_CHANGE_STATE,
//       IconicState) and waits until its WM_STATE says so. Prints "ms=T".
//   xprobe restore WINDOW RX RY RW RH
//       Asks the window manager to bring the minimized window back and
//       activate it (_NET_ACTIVE_WINDOW, as a task bar does), and prints
//       "ms=T map_ms=M": the times from the request to the first drawing
//       that touches the rectangle and to the window's MapNotify. Gives up
//       after 2 s, with "timeout=1".
//   xprobe desktop N
//       Switches to workspace N (_NET_CURRENT_DESKTOP) and waits until the
//       window manager says it has.
#include "core/types.h"
#include "layout.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) * 1e-6;
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "xprobe: %s\n", what.c_str());
    std::exit(1);
}

struct FreeDeleter {
    void operator()(void* p) const noexcept { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    [[nodiscard]] bool intersects(const xcb_rectangle_t& r) const {
        return r.x < x + w && x < r.x + r.width && r.y < y + h && y < r.y + r.height;
    }
};

class Display {
public:
    Display() {
        int screenNumber = 0;
        c_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(c_) != 0) {
            fail("cannot open the display");
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c_));
        for (int i = 0; i < screenNumber; ++i) {
            xcb_screen_next(&it);
        }
        root_ = it.data->root;
    }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;
    ~Display() { xcb_disconnect(c_); }

    [[nodiscard]] xcb_connection_t* c() const { return c_; }
    [[nodiscard]] xcb_window_t root() const { return root_; }

    // A round trip: every request sent before has been carried out.
    void sync() const {
        Reply<xcb_get_input_focus_reply_t> r(
            xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
    }

    void watchRoot() const {
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        sync();
    }

    void initDamage() {
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c_, &xcb_damage_id);
        if (ext == nullptr || ext->present == 0) {
            fail("the X server has no DAMAGE extension");
        }
        damageEvent_ = ext->first_event + XCB_DAMAGE_NOTIFY;
        Reply<xcb_damage_query_version_reply_t> v(xcb_damage_query_version_reply(
            c_, xcb_damage_query_version(c_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        if (!v) {
            fail("DAMAGE version query failed");
        }
    }
    [[nodiscard]] int damageEvent() const { return damageEvent_; }

    xcb_damage_damage_t damage(xcb_window_t window) const {
        const xcb_damage_damage_t id = xcb_generate_id(c_);
        xcb_damage_create(c_, id, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        return id;
    }

    // The server reports a window's whole area once when a damage object is
    // made for it; those reports, and anything else queued, are dropped.
    void syncAndDrop() const {
        sync();
        while (xcb_generic_event_t* e = xcb_poll_for_queued_event(c_)) {
            std::free(e);
        }
    }

    void pointerTo(int x, int y) const {
        xcb_test_fake_input(c_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_,
                            static_cast<int16_t>(x), static_cast<int16_t>(y), 0);
    }
    void button(bool press) const {
        xcb_test_fake_input(c_, press ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME,
                            XCB_NONE, 0, 0, 0);
    }

    // Presses at (x, y), lets the press be handled, and releases. Returns the
    // time the release was sent.
    double click(int x, int y) const {
        pointerTo(x, y);
        button(true);
        sync();
        usleep(30000);
        const double released = nowMs();
        button(false);
        xcb_flush(c_);
        return released;
    }

    // The next event, or null after `timeoutMs`.
    [[nodiscard]] Reply<xcb_generic_event_t> next(double timeoutMs) const {
        const double deadline = nowMs() + timeoutMs;
        for (;;) {
            if (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                return Reply<xcb_generic_event_t>(e);
            }
            if (xcb_connection_has_error(c_) != 0) {
                fail("lost the display");
            }
            const double left = deadline - nowMs();
            if (left <= 0) {
                return nullptr;
            }
            pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&p, 1, static_cast<int>(left) + 1);
        }
    }

    [[nodiscard]] std::vector<uint8_t> pixels(xcb_window_t window, const Rect& r) const {
        Reply<xcb_get_image_reply_t> img(xcb_get_image_reply(
            c_,
            xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<int16_t>(r.x),
                          static_cast<int16_t>(r.y), static_cast<uint16_t>(r.w),
                          static_cast<uint16_t>(r.h), ~0U),
            nullptr));
        if (!img) {
            fail("cannot read the window's pixels");
        }
        const uint8_t* data = xcb_get_image_data(img.get());
        return {data, data + xcb_get_image_data_length(img.get())};
    }

    [[nodiscard]] xcb_atom_t atom(const char* name) const {
        Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
        if (!r) {
            fail(std::string("cannot intern ") + name);
        }
        return r->atom;
    }

    // A property of 32-bit values; empty when it is not set.
    [[nodiscard]] std::vector<uint32_t> property(xcb_window_t window, xcb_atom_t name) const {
        Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(
            c_, xcb_get_property(c_, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096),
            nullptr));
        if (!r || r->format != 32) {
            return {};
        }
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
        return {data, data + xcb_get_property_value_length(r.get()) / 4};
    }

    // A client message to the window manager, as EWMH and ICCCM prescribe.
    void tellWindowManager(xcb_window_t window, xcb_atom_t type, uint32_t d0, uint32_t d1 = 0,
                           uint32_t d2 = 0) const {
        xcb_client_message_event_t m{};
        m.response_type = XCB_CLIENT_MESSAGE;
        m.format = 32;
        m.window = window;
        m.type = type;
        m.data.data32[0] = d0;
        m.data.data32[1] = d1;
        m.data.data32[2] = d2;
        xcb_send_event(c_, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&m));
        xcb_flush(c_);
    }

    void watchProperties(xcb_window_t window) const {
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(c_, window, XCB_CW_EVENT_MASK, &mask);
        sync();
    }

    // Waits until `done` holds, checking it at every event and every 50 ms.
    template <typename Done> bool waitUntil(double timeoutMs, Done done) const {
        const double deadline = nowMs() + timeoutMs;
        while (!done()) {
            if (nowMs() >= deadline) {
                return false;
            }
            next(50).reset(); // any event may be the change awaited
        }
        return true;
    }

    void printGeometry(xcb_window_t window) const {
        Reply<xcb_get_geometry_reply_t> g(
            xcb_get_geometry_reply(c_, xcb_get_geometry(c_, window), nullptr));
        if (!g) {
            fail("cannot read the window's geometry");
        }
        std::printf(" window=%u x=%d y=%d w=%d h=%d\n", window, g->x, g->y, g->width, g->height);
    }

private:
    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = 0;
    int damageEvent_ = -1;
};

int eventType(const xcb_generic_event_t* e) {
    return e->response_type & 0x7F;
}

// Waits for a top-level window (not a popup) to be mapped.
xcb_window_t waitForMap(const Display& d, double timeoutMs, pid_t child) {
    const double deadline = nowMs() + timeoutMs;
    for (;;) {
        const double left = deadline - nowMs();
        if (left <= 0) {
            fail("no window was mapped");
        }
        auto e = d.next(left < 50 ? left : 50);
        if (child > 0) {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                fail("the program ended before it mapped a window");
            }
        }
        if (e && eventType(e.get()) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(e.get());
            if (map->event == d.root() && map->override_redirect == 0) {
                return map->window;
            }
        }
    }
}

int toInt(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 0);
    if (end == text || *end != '\0') {
        fail(std::string("not a number: ") + text);
    }
    return static_cast<int>(value);
}

// Runs argv[0...] with its output in `log` and waits until `windows` top-level
// windows are mapped; prints the pid, the time and the last window's geometry.
int launch(const char* log, char** program, int windows) {
    Display d;
    d.watchRoot();
    const double t0 = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        fail("fork failed");
    }
    if (pid == 0) {
        const int out = open(log, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
        }
        close(xcb_get_file_descriptor(d.c()));
        execvp(program[0], program);
        _exit(127);
    }
    xcb_window_t window = XCB_NONE;
    for (int i = 0; i < windows; ++i) {
        window = waitForMap(d, 20000, pid);
    }
    const double t1 = nowMs();
    std::printf("pid=%d ms=%.2f", static_cast<int>(pid), t1 - t0);
    d.printGeometry(window);
    return 0;
}

int start(int /*argc*/, char** argv) {
    return launch(argv[2], argv + 3, 1);
}

int startAll(int /*argc*/, char** argv) {
    return launch(argv[3], argv + 4, toInt(argv[2]));
}

int click(int /*argc*/, char** argv) {
    Display d;
    d.click(toInt(argv[2]), toInt(argv[3]));
    d.sync();
    return 0;
}

int type(int /*argc*/, char** argv) {
    Display d;
    const xcb_setup_t* setup = xcb_get_setup(d.c());
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    Reply<xcb_get_keyboard_mapping_reply_t> map(xcb_get_keyboard_mapping_reply(
        d.c(), xcb_get_keyboard_mapping(d.c(), setup->min_keycode, static_cast<uint8_t>(count)),
        nullptr));
    if (!map) {
        fail("cannot read the keyboard mapping");
    }
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int per = map->keysyms_per_keycode;
    // The keycode that gives `sym`, and whether with Shift.
    const auto find = [&](xcb_keysym_t sym, bool& shifted) {
        for (int k = 0; k < count; ++k) {
            for (int col = 0; col < per && col < 2; ++col) {
                if (syms[k * per + col] == sym) {
                    shifted = col == 1;
                    return static_cast<uint8_t>(first + k);
                }
            }
        }
        fail("no key gives keysym " + std::to_string(sym));
    };
    bool unused = false;
    const uint8_t shift = find(0xffe1, unused); // Shift_L
    const auto key = [&](uint8_t code, bool press) {
        xcb_test_fake_input(d.c(), press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, code, XCB_CURRENT_TIME,
                            XCB_NONE, 0, 0, 0);
        d.sync();
        usleep(10000);
    };
    for (const char* c = argv[2]; *c != '\0'; ++c) {
        bool shifted = false;
        // Printable ASCII characters are their own keysyms.
        const uint8_t code = find(static_cast<unsigned char>(*c), shifted);
        if (shifted) {
            key(shift, true);
        }
        key(code, true);
        key(code, false);
        if (shifted) {
            key(shift, false);
        }
    }
    return 0;
}

int clickMap(int /*argc*/, char** argv) {
    Display d;
    d.watchRoot();
    const double t0 = d.click(toInt(argv[2]), toInt(argv[3]));
    const xcb_window_t window = waitForMap(d, 10000, 0);
    std::printf("ms=%.2f", nowMs() - t0);
    d.printGeometry(window);
    return 0;
}

int move(int /*argc*/, char** argv) {
    Display d;
    const uint32_t where[2] = {static_cast<uint32_t>(toInt(argv[3])),
                               static_cast<uint32_t>(toInt(argv[4]))};
    xcb_configure_window(d.c(), static_cast<xcb_window_t>(toInt(argv[2])),
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, where);
    d.sync();
    return 0;
}

int respond(int /*argc*/, char** argv) {
    Display d;
    d.initDamage();
    const auto window = static_cast<xcb_window_t>(toInt(argv[4]));
    const Rect rect{toInt(argv[5]), toInt(argv[6]), toInt(argv[7]), toInt(argv[8])};
    const xcb_damage_damage_t damage = d.damage(window);
    d.syncAndDrop();
    const std::vector<uint8_t> before = d.pixels(window, rect);
    const double t0 = d.click(toInt(argv[2]), toInt(argv[3]));
    const double deadline = t0 + 2000;
    while (nowMs() < deadline) {
        auto e = d.next(deadline - nowMs());
        if (!e || eventType(e.get()) != d.damageEvent()) {
            continue;
        }
        const auto* n = reinterpret_cast<const xcb_damage_notify_event_t*>(e.get());
        if (n->damage == damage && rect.intersects(n->area) && d.pixels(window, rect) != before) {
            std::printf("ms=%.2f\n", nowMs() - t0);
            return 0;
        }
    }
    std::printf("ms=%.2f timeout=1\n", deadline - t0); // counted as the whole wait
    return 2;
}

int count(int argc, char** argv) {
    if ((argc - 3) % 5 != 0) {
        fail("count: a rectangle is WINDOW RX RY RW RH");
    }
    struct Target {
        xcb_damage_damage_t damage;
        Rect rect;
        long updates = 0;
        bool inGroup = false; // the rectangles of one request come with "more" set
    };
    Display d;
    d.initDamage();
    std::vector<Target> targets;
    for (int i = 3; i < argc; i += 5) {
        const auto window = static_cast<xcb_window_t>(toInt(argv[i]));
        targets.push_back(
            {d.damage(window),
             {toInt(argv[i + 1]), toInt(argv[i + 2]), toInt(argv[i + 3]), toInt(argv[i + 4])}});
    }
    d.syncAndDrop();
    const double seconds = std::strtod(argv[2], nullptr);
    const double t0 = nowMs();
    const double deadline = t0 + seconds * 1000;
    while (nowMs() < deadline) {
        auto e = d.next(deadline - nowMs());
        if (!e || eventType(e.get()) != d.damageEvent()) {
            continue;
        }
        const auto* n = reinterpret_cast<const xcb_damage_notify_event_t*>(e.get());
        for (Target& t : targets) {
            if (t.damage != n->damage) {
                continue;
            }
            if (t.rect.intersects(n->area) && !t.inGroup) {
                ++t.updates;
                t.inGroup = true;
            }
            if ((n->level & 0x80) == 0) {
                t.inGroup = false;
            }
        }
    }
    const double elapsed = (nowMs() - t0) / 1000;
    for (const Target& t : targets) {
        std::printf("%.1f\n", static_cast<double>(t.updates) / elapsed);
    }
    return 0;
}

int waitForWindowManager(int /*argc*/, char** /*argv*/) {
    Display d;
    const double t0 = nowMs();
    const xcb_atom_t check = d.atom("_NET_SUPPORTING_WM_CHECK");
    if (!d.waitUntil(10000, [&] { return !d.property(d.root(), check).empty(); })) {
        fail("no window manager came up");
    }
    std::printf("ms=%.2f\n", nowMs() - t0);
    return 0;
}

int client(int /*argc*/, char** argv) {
    Display d;
    const auto pid = static_cast<uint32_t>(toInt(argv[2]));
    const xcb_atom_t list = d.atom("_NET_CLIENT_LIST");
    const xcb_atom_t wmPid = d.atom("_NET_WM_PID");
    d.watchProperties(d.root());
    xcb_window_t found = XCB_NONE;
    const bool listed = d.waitUntil(10000, [&] {
        for (const uint32_t window : d.property(d.root(), list)) {
            const std::vector<uint32_t> owner = d.property(window, wmPid);
            if (!owner.empty() && owner.front() == pid) {
                found = window;
                return true;
            }
        }
        return false;
    });
    if (!listed) {
        fail("the window manager lists no window of that process");
    }
    Reply<xcb_get_geometry_reply_t> g(
        xcb_get_geometry_reply(d.c(), xcb_get_geometry(d.c(), found), nullptr));
    Reply<xcb_translate_coordinates_reply_t> at(xcb_translate_coordinates_reply(
        d.c(), xcb_translate_coordinates(d.c(), found, d.root(), 0, 0), nullptr));
    if (!g || !at) {
        fail("cannot read the window's geometry");
    }
    std::printf("window=%u x=%d y=%d w=%d h=%d\n", found, at->dst_x, at->dst_y, g->width,
                g->height);
    return 0;
}

int iconify(int /*argc*/, char** argv) {
    Display d;
    const auto window = static_cast<xcb_window_t>(toInt(argv[2]));
    const xcb_atom_t wmState = d.atom("WM_STATE");
    constexpr uint32_t kIconicState = 3;
    d.watchProperties(window);
    const double t0 = nowMs();
    d.tellWindowManager(window, d.atom("WM_CHANGE_STATE"), kIconicState);
    if (!d.waitUntil(2000, [&] {
            const std::vector<uint32_t> state = d.property(window, wmState);
            return !state.empty() && state.front() == kIconicState;
        })) {
        fail("the window manager did not minimize the window");
    }
    std::printf("ms=%.2f\n", nowMs() - t0);
    return 0;
}

int restore(int /*argc*/, char** argv) {
    Display d;
    d.initDamage();
    const auto window = static_cast<xcb_window_t>(toInt(argv[2]));
    const Rect rect{toInt(argv[3]), toInt(argv[4]), toInt(argv[5]), toInt(argv[6])};
    const xcb_damage_damage_t damage = d.damage(window);
    const xcb_atom_t activate = d.atom("_NET_ACTIVE_WINDOW");
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(d.c(), window, XCB_CW_EVENT_MASK, &mask);
    d.syncAndDrop();
    constexpr uint32_t kFromPager = 2; // the request comes from a task bar or pager
    const double t0 = nowMs();
    double mapped = -1;
    d.tellWindowManager(window, activate, kFromPager, XCB_CURRENT_TIME);
    const double deadline = t0 + 2000;
    while (nowMs() < deadline) {
        auto e = d.next(deadline - nowMs());
        if (e && eventType(e.get()) == XCB_MAP_NOTIFY && mapped < 0) {
            mapped = nowMs() - t0;
        }
        if (!e || eventType(e.get()) != d.damageEvent()) {
            continue;
        }
        const auto* n = reinterpret_cast<const xcb_damage_notify_event_t*>(e.get());
        if (n->damage == damage && rect.intersects(n->area)) {
            std::printf("ms=%.2f map_ms=%.2f\n", nowMs() - t0, mapped);
            return 0;
        }
    }
    std::printf("ms=%.2f map_ms=%.2f timeout=1\n", deadline - t0, mapped);
    return 2;
}

int desktop(int /*argc*/, char** argv) {
    Display d;
    const auto wanted = static_cast<uint32_t>(toInt(argv[2]));
    const xcb_atom_t current = d.atom("_NET_CURRENT_DESKTOP");
    d.watchProperties(d.root());
    d.tellWindowManager(d.root(), current, wanted, XCB_CURRENT_TIME);
    if (!d.waitUntil(2000, [&] {
            const std::vector<uint32_t> now = d.property(d.root(), current);
            return !now.empty() && now.front() == wanted;
        })) {
        fail("the window manager did not switch the workspace");
    }
    return 0;
}

// The timer window's controls as the layout table places them, in pixels
// from the top left of the client area, and the client area's size: the
// places that the measurements click and watch.
int places(int /*argc*/, char** /*argv*/) {
    constexpr int kPx = core::kTwipsPerPixel;
    std::printf("client 0 0 %d %d\n", layout::kClientWidth / kPx, layout::kClientHeight / kPx);
    for (const layout::Row& row : layout::kRows) {
        if (const auto* c = std::get_if<layout::Control>(&row)) {
            std::printf("%.*s %d %d %d %d\n", static_cast<int>(c->name.size()), c->name.data(),
                        c->left / kPx, c->top / kPx, c->width / kPx, c->height / kPx);
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Each command with the count of its words after "xprobe": exactly that
    // many, or at least as many when negative.
    struct Command {
        const char* name;
        int (*run)(int, char**);
        int words;
    };
    static constexpr Command kCommands[] = {
        {"start", start, -3},       {"click", click, 3},         {"type", type, 2},
        {"click-map", clickMap, 3}, {"move", move, 4},           {"respond", respond, 8},
        {"count", count, -7},       {"layout", places, 1},       {"wm", waitForWindowManager, 1},
        {"client", client, 2},      {"iconify", iconify, 2},     {"restore", restore, 6},
        {"desktop", desktop, 2},    {"start-all", startAll, -4},
    };
    for (const Command& c : kCommands) {
        if (argc > 1 && std::strcmp(argv[1], c.name) == 0) {
            if (c.words >= 0 ? argc - 1 != c.words : argc - 1 < -c.words) {
                fail(std::string("wrong arguments for ") + c.name + "; see the top of xprobe.cpp");
            }
            return c.run(argc, argv);
        }
    }
    fail("usage: xprobe start|click|type|click-map|move|respond|count|layout|wm|client|iconify|"
         "restore|desktop ...");
}
