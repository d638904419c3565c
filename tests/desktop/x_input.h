#pragma once
#include <QRect>
#include <cstdint>
#include <vector>

struct xcb_connection_t;

// A user's hands on the X server the program runs on: the windows on the
// screen, keyboard focus and key presses through the server's XTEST
// extension, so the program gets the input a real keyboard would give it.
class XInput {
public:
    XInput();
    ~XInput();
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    bool connected() const { return conn_ != nullptr; }

    struct Window {
        std::uint32_t id;
        QRect geometry;
        std::uint32_t transientFor;  // the window it is a dialog of, 0 if none
    };
    // Top-level windows now mapped, in stacking order (bottom first).
    std::vector<Window> mappedWindows();
    void focus(std::uint32_t window);
    // Presses the keys named by X keysyms in turn, holding each one down
    // until the last is pressed (Alt+H: {XK_Alt_L, XK_h}). False when a key
    // is not on the keyboard or the server has no XTEST.
    bool press(const std::vector<std::uint32_t>& keysyms);

private:
    std::uint8_t keycode(std::uint32_t keysym);
    bool fakeKey(bool down, std::uint8_t keycode);

    xcb_connection_t* conn_ = nullptr;
    std::uint32_t root_ = 0;
};
