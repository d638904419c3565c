#include "x_input.h"

#include <cstdlib>
#include <memory>
#include <sys/uio.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T* r) {
    return Reply<T>(r, &std::free);
}

// XTEST's FakeInput request; libxcb's own binding is a separate package.
xcb_extension_t xtestExtension = {"XTEST", 0};
constexpr std::uint8_t kFakeInput = 2;

struct FakeInputRequest {
    std::uint8_t major = 0, minor = 0;
    std::uint16_t length = 0;
    std::uint8_t type = 0, detail = 0;
    std::uint8_t pad0[2] = {};
    std::uint32_t time = 0, root = 0;
    std::uint8_t pad1[8] = {};
    std::int16_t rootX = 0, rootY = 0;
    std::uint8_t pad2[7] = {};
    std::uint8_t deviceid = 0;
};
static_assert(sizeof(FakeInputRequest) == 36);

}  // namespace

XInput::XInput() {
    int screen = 0;
    conn_ = xcb_connect(nullptr, &screen);
    if (xcb_connection_has_error(conn_)) {
        xcb_disconnect(conn_);
        conn_ = nullptr;
        return;
    }
    auto it = xcb_setup_roots_iterator(xcb_get_setup(conn_));
    for (; it.rem && screen > 0; --screen) xcb_screen_next(&it);
    root_ = it.data->root;
}

XInput::~XInput() {
    if (conn_) xcb_disconnect(conn_);
}

std::vector<XInput::Window> XInput::mappedWindows() {
    std::vector<Window> out;
    auto tree = reply(xcb_query_tree_reply(conn_, xcb_query_tree(conn_, root_), nullptr));
    if (!tree) return out;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        auto attrs = reply(xcb_get_window_attributes_reply(conn_, xcb_get_window_attributes(conn_, children[i]), nullptr));
        if (!attrs || attrs->map_state != XCB_MAP_STATE_VIEWABLE || attrs->override_redirect) continue;
        auto geo = reply(xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, children[i]), nullptr));
        if (!geo) continue;
        auto owner = reply(xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, children[i], XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1), nullptr));
        std::uint32_t transientFor = 0;
        if (owner && xcb_get_property_value_length(owner.get()) == 4)
            transientFor = *static_cast<const std::uint32_t*>(xcb_get_property_value(owner.get()));
        out.push_back({children[i], QRect(geo->x, geo->y, geo->width, geo->height), transientFor});
    }
    return out;
}

void XInput::focus(std::uint32_t window) {
    xcb_set_input_focus(conn_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    xcb_flush(conn_);
}

std::uint8_t XInput::keycode(std::uint32_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(conn_);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto map = reply(xcb_get_keyboard_mapping_reply(
        conn_, xcb_get_keyboard_mapping(conn_, setup->min_keycode, static_cast<std::uint8_t>(count)), nullptr));
    if (!map) return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    for (int k = 0; k < count; ++k)
        for (int level = 0; level < map->keysyms_per_keycode; ++level)
            if (syms[k * map->keysyms_per_keycode + level] == keysym)
                return static_cast<std::uint8_t>(setup->min_keycode + k);
    return 0;
}

bool XInput::fakeKey(bool down, std::uint8_t code) {
    FakeInputRequest req;
    req.type = down ? XCB_KEY_PRESS : XCB_KEY_RELEASE;
    req.detail = code;
    req.root = root_;
    iovec parts[3];
    parts[2].iov_base = &req;
    parts[2].iov_len = sizeof req;
    const xcb_protocol_request_t proto = {1, &xtestExtension, kFakeInput, 1};
    const unsigned sequence = xcb_send_request(conn_, XCB_REQUEST_CHECKED, parts + 2, &proto);
    if (sequence == 0) return false;
    auto error = reply(xcb_request_check(conn_, xcb_void_cookie_t{sequence}));
    return !error;
}

bool XInput::press(const std::vector<std::uint32_t>& keysyms) {
    std::vector<std::uint8_t> codes;
    for (std::uint32_t sym : keysyms) {
        codes.push_back(keycode(sym));
        if (codes.back() == 0) return false;
    }
    for (std::uint8_t code : codes)
        if (!fakeKey(true, code)) return false;
    for (auto it = codes.rbegin(); it != codes.rend(); ++it)
        if (!fakeKey(false, *it)) return false;
    return true;
}
