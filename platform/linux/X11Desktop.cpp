#include "platform/X11Desktop.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <map>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xinput.h>

namespace trumbel {

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> Own(T* p) {
    return Reply<T>(p, &std::free);
}

constexpr std::uint32_t kKeysymControlL = 0xFFE3;
constexpr std::uint32_t kKeysymControlR = 0xFFE4;
constexpr std::uint32_t kKeysymShiftL = 0xFFE1;
constexpr std::uint32_t kKeysymShiftR = 0xFFE2;
constexpr std::uint32_t kKeysymPause = 0xFF13;
constexpr std::uint32_t kKeysymNumLock = 0xFF7F;

std::vector<std::uint8_t> KeycodesFor(xcb_key_symbols_t* symbols,
                                      std::initializer_list<std::uint32_t> keysyms) {
    std::vector<std::uint8_t> codes;
    for (std::uint32_t sym : keysyms) {
        Reply<xcb_keycode_t> list = Own(xcb_key_symbols_get_keycode(symbols, sym));
        for (xcb_keycode_t* k = list.get(); k && *k != XCB_NO_SYMBOL; ++k) {
            if (std::find(codes.begin(), codes.end(), *k) == codes.end()) {
                codes.push_back(*k);
            }
        }
    }
    return codes;
}

bool Alive(xcb_connection_t* c) {
    return c && xcb_connection_has_error(c) == 0;
}

} // namespace

struct X11Desktop::Atoms {
    std::map<std::string, xcb_atom_t> byName;
};

X11Desktop::X11Desktop(xcb_connection_t* connection, std::uint32_t root)
    : connection_(connection), root_(root), atoms_(std::make_unique<Atoms>()) {
    if (!Alive(connection_)) {
        return;
    }
    // Intern every atom in one round of requests.
    static const char* const kNames[] = {
        "_NET_CLIENT_LIST",
        "_NET_CLIENT_LIST_STACKING",
        "_NET_ACTIVE_WINDOW",
        "_NET_WM_NAME",
        "UTF8_STRING",
        "_NET_WM_STATE",
        "_NET_WM_STATE_HIDDEN",
        "_NET_WM_STATE_MAXIMIZED_VERT",
        "_NET_WM_STATE_MAXIMIZED_HORZ",
        "_NET_WM_STATE_FULLSCREEN",
        "_NET_WM_STATE_ABOVE",
        "_NET_WM_STATE_BELOW",
        "_NET_WM_WINDOW_TYPE",
        "_NET_WM_WINDOW_TYPE_DESKTOP",
        "_NET_WM_WINDOW_TYPE_DOCK",
        "_NET_FRAME_EXTENTS",
        "_NET_SUPPORTING_WM_CHECK",
    };
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (const char* n : kNames) {
        cookies.push_back(
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(n)), n));
    }
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        auto r = Own(xcb_intern_atom_reply(connection_, cookies[i], nullptr));
        atoms_->byName[kNames[i]] = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection_);
    if (symbols) {
        ctrlCodes_ = KeycodesFor(symbols, {kKeysymControlL, kKeysymControlR});
        shiftCodes_ = KeycodesFor(symbols, {kKeysymShiftL, kKeysymShiftR});
        pauseCodes_ = KeycodesFor(symbols, {kKeysymPause});
        xcb_key_symbols_free(symbols);
    }
}

X11Desktop::~X11Desktop() {
    if (pointerWindow_ != 0 && Alive(connection_)) {
        xcb_destroy_window(connection_, pointerWindow_);
        xcb_flush(connection_);
    }
}

std::uint32_t X11Desktop::Atom(const char* name) const {
    auto it = atoms_->byName.find(name);
    return it == atoms_->byName.end() ? static_cast<xcb_atom_t>(XCB_ATOM_NONE) : it->second;
}

namespace {

std::vector<std::uint32_t> WindowList(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop) {
    std::vector<std::uint32_t> out;
    if (prop == XCB_ATOM_NONE) {
        return out;
    }
    auto r = Own(xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, prop, XCB_ATOM_WINDOW, 0, 16384), nullptr));
    if (r && r->format == 32 && r->type == XCB_ATOM_WINDOW) {
        const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r.get()));
        out.assign(v, v + xcb_get_property_value_length(r.get()) / 4);
    }
    return out;
}

std::string PropertyText(xcb_get_property_reply_t* r) {
    if (!r || r->format != 8) {
        return {};
    }
    const char* p = static_cast<const char*>(xcb_get_property_value(r));
    return std::string(p, static_cast<std::size_t>(xcb_get_property_value_length(r)));
}

std::vector<std::uint32_t> PropertyCardinals(xcb_get_property_reply_t* r) {
    std::vector<std::uint32_t> out;
    if (r && r->format == 32) {
        const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r));
        out.assign(v, v + xcb_get_property_value_length(r) / 4);
    }
    return out;
}

} // namespace

bool X11Desktop::HasWindowManager() const {
    if (!Alive(connection_)) {
        return false;
    }
    const xcb_atom_t check = Atom("_NET_SUPPORTING_WM_CHECK");
    const std::vector<std::uint32_t> w = WindowList(connection_, root_, check);
    if (w.empty()) {
        return false;
    }
    // A stale property from a window manager that has gone names a window that is gone too.
    const std::vector<std::uint32_t> self = WindowList(connection_, w[0], check);
    return !self.empty() && self[0] == w[0];
}

std::vector<TopLevelWindow> X11Desktop::TopLevelWindows() const {
    std::vector<TopLevelWindow> out;
    if (!Alive(connection_)) {
        return out;
    }
    xcb_connection_t* c = connection_;
    std::vector<std::uint32_t> ids = WindowList(c, root_, Atom("_NET_CLIENT_LIST_STACKING"));
    if (ids.empty()) {
        ids = WindowList(c, root_, Atom("_NET_CLIENT_LIST"));
    } else {
        std::reverse(ids.begin(), ids.end()); // stacking lists bottom first
    }
    return DescribeWindows(ids);
}

std::vector<TopLevelWindow>
X11Desktop::DescribeWindows(const std::vector<std::uint32_t>& ids) const {
    std::vector<TopLevelWindow> out;
    if (!Alive(connection_)) {
        return out;
    }
    xcb_connection_t* c = connection_;
    struct Pending {
        xcb_get_property_cookie_t netName, name, cls, state, type, extents;
        xcb_get_window_attributes_cookie_t attributes;
        xcb_get_geometry_cookie_t geometry;
        xcb_translate_coordinates_cookie_t origin;
    };
    // Send every request first and collect the replies after: one round trip, not dozens.
    std::vector<Pending> pending;
    pending.reserve(ids.size());
    for (std::uint32_t w : ids) {
        Pending p;
        p.netName = xcb_get_property(c, 0, w, Atom("_NET_WM_NAME"), Atom("UTF8_STRING"), 0, 1024);
        p.name = xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
        p.cls = xcb_get_property(c, 0, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256);
        p.state = xcb_get_property(c, 0, w, Atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 64);
        p.type = xcb_get_property(c, 0, w, Atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 0, 64);
        p.extents = xcb_get_property(c, 0, w, Atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4);
        p.attributes = xcb_get_window_attributes(c, w);
        p.geometry = xcb_get_geometry(c, w);
        p.origin = xcb_translate_coordinates(c, w, root_, 0, 0);
        pending.push_back(p);
    }
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const Pending& p = pending[i];
        auto netName = Own(xcb_get_property_reply(c, p.netName, nullptr));
        auto name = Own(xcb_get_property_reply(c, p.name, nullptr));
        auto cls = Own(xcb_get_property_reply(c, p.cls, nullptr));
        auto state = Own(xcb_get_property_reply(c, p.state, nullptr));
        auto type = Own(xcb_get_property_reply(c, p.type, nullptr));
        auto extents = Own(xcb_get_property_reply(c, p.extents, nullptr));
        auto attributes = Own(xcb_get_window_attributes_reply(c, p.attributes, nullptr));
        auto geometry = Own(xcb_get_geometry_reply(c, p.geometry, nullptr));
        auto origin = Own(xcb_translate_coordinates_reply(c, p.origin, nullptr));
        if (!attributes || !geometry || !origin) {
            continue; // closed meanwhile
        }
        TopLevelWindow w;
        w.id = ids[i];
        w.title = PropertyText(netName.get());
        if (w.title.empty()) {
            w.title = PropertyText(name.get());
        }
        const std::string classes = PropertyText(cls.get());
        // WM_CLASS is "instance\0class\0": the class part names the kind of window.
        const std::size_t nul = classes.find('\0');
        w.className = nul == std::string::npos ? classes : classes.substr(nul + 1);
        if (!w.className.empty() && w.className.back() == '\0') {
            w.className.pop_back();
        }
        bool hidden = false;
        bool maxV = false;
        bool maxH = false;
        bool fullScreen = false;
        for (std::uint32_t a : PropertyCardinals(state.get())) {
            hidden = hidden || a == Atom("_NET_WM_STATE_HIDDEN");
            maxV = maxV || a == Atom("_NET_WM_STATE_MAXIMIZED_VERT");
            maxH = maxH || a == Atom("_NET_WM_STATE_MAXIMIZED_HORZ");
            fullScreen = fullScreen || a == Atom("_NET_WM_STATE_FULLSCREEN");
        }
        for (std::uint32_t a : PropertyCardinals(type.get())) {
            w.desktopOrDock = w.desktopOrDock || a == Atom("_NET_WM_WINDOW_TYPE_DESKTOP") ||
                              a == Atom("_NET_WM_WINDOW_TYPE_DOCK");
        }
        w.visible = attributes->map_state == XCB_MAP_STATE_VIEWABLE && !hidden;
        w.normalState = !hidden && !(maxV && maxH) && !fullScreen;
        std::array<std::uint32_t, 4> ext{}; // left, right, top, bottom
        const std::vector<std::uint32_t> e = PropertyCardinals(extents.get());
        if (e.size() == 4) {
            std::copy(e.begin(), e.end(), ext.begin());
        }
        const int x = origin->dst_x;
        const int y = origin->dst_y;
        w.frame = {x - static_cast<int>(ext[0]), y - static_cast<int>(ext[2]),
                   x + geometry->width + static_cast<int>(ext[1]),
                   y + geometry->height + static_cast<int>(ext[3])};
        out.push_back(std::move(w));
    }
    return out;
}

WindowId X11Desktop::ActiveWindow() const {
    if (!Alive(connection_)) {
        return 0;
    }
    const std::vector<std::uint32_t> w = WindowList(connection_, root_, Atom("_NET_ACTIVE_WINDOW"));
    return w.empty() ? 0 : w[0];
}

KeyState X11Desktop::Keys() const {
    KeyState k;
    if (!Alive(connection_)) {
        return k;
    }
    auto r = Own(xcb_query_keymap_reply(connection_, xcb_query_keymap(connection_), nullptr));
    if (!r) {
        return k;
    }
    auto down = [&](const std::vector<std::uint8_t>& codes) {
        for (std::uint8_t code : codes) {
            if (r->keys[code / 8] & (1u << (code % 8))) {
                return true;
            }
        }
        return false;
    };
    k.ctrl = down(ctrlCodes_);
    k.shift = down(shiftCodes_);
    k.pause = down(pauseCodes_);
    return k;
}

bool X11Desktop::WatchKeys() {
    if (watching_) {
        return true;
    }
    if (!Alive(connection_)) {
        return false;
    }
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(connection_, &xcb_input_id);
    if (!ext || !ext->present) {
        return false;
    }
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t bits;
    } mask{};
    mask.head.deviceid = XCB_INPUT_DEVICE_ALL_MASTER;
    mask.head.mask_len = 1;
    mask.bits = XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE;
    auto select = [&] {
        return Own(xcb_request_check(
            connection_, xcb_input_xi_select_events_checked(connection_, root_, 1, &mask.head)));
    };
    // The toolkit has normally announced its XInput version on this connection already; a
    // second announcement of a lower one would be refused, so announce only when needed.
    if (select()) {
        auto v = Own(xcb_input_xi_query_version_reply(
            connection_, xcb_input_xi_query_version(connection_, 2, 0), nullptr));
        if (!v || v->major_version < 2 || select()) {
            return false;
        }
    }
    xinputOpcode_ = ext->major_opcode;
    watching_ = true;
    // Selected first, read second: a key that moves in between arrives as an event.
    ResyncWatchedKeys();
    return true;
}

KeyState X11Desktop::ResyncWatchedKeys() {
    auto r = Own(xcb_query_keymap_reply(connection_, xcb_query_keymap(connection_), nullptr));
    held_.clear();
    if (r) {
        for (const auto* codes : {&ctrlCodes_, &shiftCodes_, &pauseCodes_}) {
            for (std::uint8_t code : *codes) {
                if (r->keys[code / 8] & (1u << (code % 8))) {
                    held_.push_back(code);
                }
            }
        }
    }
    return WatchedKeys();
}

KeyEvent X11Desktop::TakeKeyEvent(const void* xcbEvent) {
    const auto* g = static_cast<const xcb_ge_generic_event_t*>(xcbEvent);
    if (!watching_ || (g->response_type & 0x7F) != XCB_GE_GENERIC ||
        g->extension != xinputOpcode_ ||
        (g->event_type != XCB_INPUT_RAW_KEY_PRESS && g->event_type != XCB_INPUT_RAW_KEY_RELEASE)) {
        return KeyEvent::NotOurs;
    }
    const auto* e = static_cast<const xcb_input_raw_key_press_event_t*>(xcbEvent);
    const bool press = g->event_type == XCB_INPUT_RAW_KEY_PRESS;
    const auto code = static_cast<std::uint8_t>(e->detail);
    auto watched = [code](const std::vector<std::uint8_t>& codes) {
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    };
    if (!watched(ctrlCodes_) && !watched(shiftCodes_) && !watched(pauseCodes_)) {
        return KeyEvent::Unchanged;
    }
    const KeyState before = WatchedKeys();
    const auto it = std::find(held_.begin(), held_.end(), code);
    if (press && it == held_.end()) {
        held_.push_back(code);
    } else if (!press && it != held_.end()) {
        held_.erase(it);
    }
    const KeyState after = WatchedKeys();
    const bool same =
        before.ctrl == after.ctrl && before.shift == after.shift && before.pause == after.pause;
    return same ? KeyEvent::Unchanged : KeyEvent::Changed;
}

KeyState X11Desktop::WatchedKeys() const {
    auto down = [&](const std::vector<std::uint8_t>& codes) {
        return std::any_of(codes.begin(), codes.end(), [&](std::uint8_t c) {
            return std::find(held_.begin(), held_.end(), c) != held_.end();
        });
    };
    return {down(ctrlCodes_), down(shiftCodes_), down(pauseCodes_)};
}

X11Presenter::X11Presenter(xcb_connection_t* connection, std::uint32_t window)
    : connection_(connection), window_(window) {
    if (!Alive(connection_) || window_ == 0) {
        return;
    }
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const std::uint32_t one = 1;
    const bool littleEndianHost = *reinterpret_cast<const std::uint8_t*>(&one) == 1;
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || !littleEndianHost) {
        return;
    }
    auto geometry =
        Own(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window_), nullptr));
    auto attributes = Own(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window_), nullptr));
    if (!geometry || !attributes || geometry->depth != 24) {
        return;
    }
    bool thirtyTwoBits = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f)) {
        if (f.data->depth == 24) {
            thirtyTwoBits = f.data->bits_per_pixel == 32;
        }
    }
    bool rgb = false;
    for (auto sc = xcb_setup_roots_iterator(setup); sc.rem; xcb_screen_next(&sc)) {
        for (auto d = xcb_screen_allowed_depths_iterator(sc.data); d.rem; xcb_depth_next(&d)) {
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
                if (v.data->visual_id == attributes->visual) {
                    rgb = v.data->red_mask == 0xFF0000 && v.data->green_mask == 0xFF00 &&
                          v.data->blue_mask == 0xFF;
                }
            }
        }
    }
    if (!thirtyTwoBits || !rgb) {
        return;
    }
    depth_ = geometry->depth;
    gc_ = xcb_generate_id(connection_);
    // No exposures: the toolkit's expose events already bring a full frame.
    const std::uint32_t noExposures = 0;
    xcb_create_gc(connection_, gc_, window_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
}

X11Presenter::~X11Presenter() {
    if (gc_ != 0 && Alive(connection_)) {
        xcb_free_gc(connection_, gc_);
        xcb_flush(connection_);
    }
}

void X11Presenter::Put(const std::uint32_t* pixels, int stride, int left, int top, int right,
                       int bottom) {
    if (gc_ == 0 || !Alive(connection_) || left >= right || top >= bottom) {
        return;
    }
    const auto width = static_cast<std::size_t>(right - left);
    // Bands of whole rows that fit one request (the length is in 4-byte units).
    const std::size_t limit = xcb_get_maximum_request_length(connection_) * 4u - 64u;
    const int rowsPerBand = std::max<int>(1, static_cast<int>(limit / (width * 4u)));
    for (int y = top; y < bottom; y += rowsPerBand) {
        const int rows = std::min(rowsPerBand, bottom - y);
        const std::uint32_t* data = pixels + static_cast<std::ptrdiff_t>(y) * stride + left;
        if (width != static_cast<std::size_t>(stride)) {
            band_.resize(width * static_cast<std::size_t>(rows));
            for (int r = 0; r < rows; ++r) {
                std::memcpy(&band_[static_cast<std::size_t>(r) * width],
                            data + static_cast<std::ptrdiff_t>(r) * stride, width * 4u);
            }
            data = band_.data();
        }
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_,
                      static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(rows),
                      static_cast<std::int16_t>(left), static_cast<std::int16_t>(y), 0, depth_,
                      static_cast<std::uint32_t>(width * static_cast<std::size_t>(rows) * 4u),
                      reinterpret_cast<const std::uint8_t*>(data));
    }
    xcb_flush(connection_);
}

void X11Desktop::SetLayer(std::uint32_t window, WindowLayer layer, bool mapped) {
    if (!Alive(connection_) || window == 0) {
        return;
    }
    const xcb_atom_t stateAtom = Atom("_NET_WM_STATE");
    const xcb_atom_t above = Atom("_NET_WM_STATE_ABOVE");
    const xcb_atom_t below = Atom("_NET_WM_STATE_BELOW");
    if (stateAtom == XCB_ATOM_NONE) {
        return;
    }
    if (!mapped) {
        // Before a map the state is the client's to set; merge with what is there.
        auto r = Own(xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, stateAtom, XCB_ATOM_ATOM, 0, 64),
            nullptr));
        std::vector<std::uint32_t> atoms = PropertyCardinals(r.get());
        atoms.erase(std::remove_if(atoms.begin(), atoms.end(),
                                   [&](std::uint32_t a) { return a == above || a == below; }),
                    atoms.end());
        if (layer == WindowLayer::Above)
            atoms.push_back(above);
        if (layer == WindowLayer::Below)
            atoms.push_back(below);
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, stateAtom, XCB_ATOM_ATOM,
                            32, static_cast<std::uint32_t>(atoms.size()), atoms.data());
        Flush();
        return;
    }
    auto send = [&](std::uint32_t action, xcb_atom_t a) {
        xcb_client_message_event_t ev{};
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = window;
        ev.type = stateAtom;
        ev.data.data32[0] = action; // 0 remove, 1 add
        ev.data.data32[1] = a;
        ev.data.data32[2] = 0;
        ev.data.data32[3] = 1; // from a normal application
        xcb_send_event(connection_, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&ev));
    };
    // Remove first: a window manager may refuse a window that is both above and below.
    if (layer != WindowLayer::Above)
        send(0, above);
    if (layer != WindowLayer::Below)
        send(0, below);
    if (layer == WindowLayer::Above)
        send(1, above);
    if (layer == WindowLayer::Below)
        send(1, below);
    Flush();
}

bool X11Desktop::WatchPointerEntering(const Rect& area) {
    if (!Alive(connection_) || root_ == 0) {
        return false;
    }
    if (pointerWindow_ == 0) {
        pointerWindow_ = xcb_generate_id(connection_);
        // Override-redirect: no window manager frames, moves or focuses it.
        const std::uint32_t values[] = {1, XCB_EVENT_MASK_ENTER_WINDOW};
        xcb_create_window(connection_, 0, pointerWindow_, root_, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                          XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    }
    if (!pointerMapped_ || !(area == pointerArea_)) {
        const std::uint32_t geometry[] = {
            static_cast<std::uint32_t>(area.left), static_cast<std::uint32_t>(area.top),
            static_cast<std::uint32_t>(std::max(1, area.Width())),
            static_cast<std::uint32_t>(std::max(1, area.Height())), XCB_STACK_MODE_ABOVE};
        xcb_configure_window(connection_, pointerWindow_,
                             XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                                 XCB_CONFIG_WINDOW_HEIGHT | XCB_CONFIG_WINDOW_STACK_MODE,
                             geometry);
        // Mapped under the pointer, the window gets an enter event at once.
        xcb_map_window(connection_, pointerWindow_);
        xcb_flush(connection_);
        pointerArea_ = area;
        pointerMapped_ = true;
    }
    return true;
}

void X11Desktop::StopWatchingPointer() {
    if (pointerMapped_ && Alive(connection_)) {
        xcb_unmap_window(connection_, pointerWindow_);
        xcb_flush(connection_);
    }
    pointerMapped_ = false;
}

bool X11Desktop::TakePointerEvent(const void* xcbEvent) {
    const auto* e = static_cast<const xcb_enter_notify_event_t*>(xcbEvent);
    if (pointerWindow_ == 0 || (e->response_type & 0x7F) != XCB_ENTER_NOTIFY ||
        e->event != pointerWindow_) {
        return false;
    }
    // One that arrives after the watch was stopped reports nothing.
    const bool watched = pointerMapped_;
    StopWatchingPointer();
    return watched;
}

void X11Desktop::Flush() const {
    if (Alive(connection_)) {
        xcb_flush(connection_);
    }
}

// --- Hot key ----------------------------------------------------------------------------------

X11KeyGrabber::X11KeyGrabber(xcb_connection_t* connection, std::uint32_t root)
    : connection_(connection), root_(root) {}

X11KeyGrabber::~X11KeyGrabber() {
    Ungrab();
}

std::uint16_t X11KeyGrabber::NumLockMask() const {
    std::uint16_t mask = XCB_MOD_MASK_2; // where every common layout has it
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection_);
    if (!symbols) {
        return mask;
    }
    const std::vector<std::uint8_t> numLock = KeycodesFor(symbols, {kKeysymNumLock});
    xcb_key_symbols_free(symbols);
    auto r = Own(xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_),
                                                nullptr));
    if (!r || numLock.empty()) {
        return mask;
    }
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(r.get());
    const int perMod = r->keycodes_per_modifier;
    for (int mod = 0; mod < 8; ++mod) {
        for (int i = 0; i < perMod; ++i) {
            const xcb_keycode_t k = codes[mod * perMod + i];
            if (k != 0 && std::find(numLock.begin(), numLock.end(), k) != numLock.end()) {
                return static_cast<std::uint16_t>(1u << mod);
            }
        }
    }
    return mask;
}

GrabResult X11KeyGrabber::Grab(std::span<const std::uint32_t> keysyms, int modifiers) {
    Ungrab();
    if (!Alive(connection_)) {
        return GrabResult::Unsupported;
    }
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection_);
    if (!symbols) {
        return GrabResult::Unsupported;
    }
    for (std::uint32_t keysym : keysyms) {
        keycodes_ = KeycodesFor(symbols, {keysym});
        if (!keycodes_.empty()) {
            break;
        }
    }
    xcb_key_symbols_free(symbols);
    if (keycodes_.empty()) {
        return GrabResult::NoSuchKey;
    }
    mask_ = 0;
    if (modifiers & kModShift)
        mask_ |= XCB_MOD_MASK_SHIFT;
    if (modifiers & kModControl)
        mask_ |= XCB_MOD_MASK_CONTROL;
    if (modifiers & kModAlt)
        mask_ |= XCB_MOD_MASK_1;
    const std::uint16_t numLock = NumLockMask();
    ignored_ = static_cast<std::uint16_t>(numLock | XCB_MOD_MASK_LOCK);
    const std::uint16_t variants[] = {0, XCB_MOD_MASK_LOCK, numLock,
                                      static_cast<std::uint16_t>(numLock | XCB_MOD_MASK_LOCK)};
    std::vector<xcb_void_cookie_t> cookies;
    for (std::uint8_t code : keycodes_) {
        for (std::uint16_t v : variants) {
            cookies.push_back(xcb_grab_key_checked(connection_, 1, root_,
                                                   static_cast<std::uint16_t>(mask_ | v), code,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        }
    }
    bool ok = true;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* e = xcb_request_check(connection_, cookie)) {
            ok = false; // another program holds the combination
            std::free(e);
        }
    }
    grabbed_ = true;
    return ok ? GrabResult::Grabbed : GrabResult::Taken;
}

void X11KeyGrabber::Ungrab() {
    if (!grabbed_) {
        return;
    }
    grabbed_ = false;
    if (!Alive(connection_)) {
        return;
    }
    const std::uint16_t variants[] = {
        0, XCB_MOD_MASK_LOCK, static_cast<std::uint16_t>(ignored_ & ~XCB_MOD_MASK_LOCK), ignored_};
    for (std::uint8_t code : keycodes_) {
        for (std::uint16_t v : variants) {
            xcb_ungrab_key(connection_, code, root_, static_cast<std::uint16_t>(mask_ | v));
        }
    }
    xcb_flush(connection_);
    keycodes_.clear();
}

bool X11KeyGrabber::IsHotKeyPress(const void* xcbEvent) const {
    if (!grabbed_ || !xcbEvent) {
        return false;
    }
    const auto* ev = static_cast<const xcb_generic_event_t*>(xcbEvent);
    if ((ev->response_type & 0x7F) != XCB_KEY_PRESS) {
        return false;
    }
    const auto* key = static_cast<const xcb_key_press_event_t*>(xcbEvent);
    if (std::find(keycodes_.begin(), keycodes_.end(), key->detail) == keycodes_.end()) {
        return false;
    }
    const std::uint16_t relevant =
        XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
    return (key->state & relevant & ~ignored_) == mask_;
}

} // namespace trumbel
