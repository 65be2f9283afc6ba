// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_display.h"

#include <algorithm>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <string_view>
#include <xcb/xtest.h>

namespace pictolex::bench {

namespace {

struct Free {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, Free>;

} // namespace

XDisplay::XDisplay() : connection_(xcb_connect(nullptr, nullptr)), c_(connection_.get()) {
    if (xcb_connection_has_error(c_) || !xcb_get_extension_data(c_, &xcb_test_id)->present)
        throw std::runtime_error("no X display with XTest named by DISPLAY");
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
    constexpr std::string_view kPid = "_NET_WM_PID";
    const Reply<xcb_intern_atom_reply_t> atom{
        xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, kPid.size(), kPid.data()), nullptr)};
    pidAtom_ = atom ? atom->atom : XCB_NONE;
}

void XDisplay::discardEvents() {
    xcb_flush(c_);
    while (Reply<xcb_generic_event_t>{xcb_poll_for_event(c_)}) {
    }
    frames_.clear();
}

std::optional<XDisplay::Mapped> XDisplay::waitForMap(pid_t pid, Instant deadline,
                                                     const std::function<bool()>& running) {
    while (std::chrono::steady_clock::now() < deadline && running()) {
        while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(c_)}) {
            const Instant read = std::chrono::steady_clock::now();
            const auto* moved = reinterpret_cast<xcb_reparent_notify_event_t*>(event.get());
            const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            switch (event->response_type & 0x7f) {
            case XCB_REPARENT_NOTIFY: // openbox moves the window into its frame, a top-level
                if (moved->event == root_ && moved->parent != root_ &&
                    belongsTo(moved->window, pid))
                    frames_[moved->parent] = moved->window;
                break;
            case XCB_MAP_NOTIFY:
                if (mapped->event != root_ || mapped->override_redirect)
                    break;
                if (const auto frame = frames_.find(mapped->window); frame != frames_.end())
                    return Mapped{frame->second, read};
                if (belongsTo(mapped->window, pid))
                    return Mapped{mapped->window, read};
            }
        }
        if (xcb_connection_has_error(c_))
            throw std::runtime_error("lost the connection to the X display");
        pollfd input{xcb_get_file_descriptor(c_), POLLIN, 0};
        poll(&input, 1, 20); // and so notices within 20 ms a process that ended
    }
    return std::nullopt;
}

bool XDisplay::belongsTo(xcb_window_t window, pid_t pid) {
    const Reply<xcb_get_property_reply_t> reply{xcb_get_property_reply(
        c_, xcb_get_property(c_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr)};
    return reply && xcb_get_property_value_length(reply.get()) == 4 &&
           *static_cast<const uint32_t*>(xcb_get_property_value(reply.get())) == uint32_t(pid);
}

bool XDisplay::hasFocus(xcb_window_t window) {
    const Reply<xcb_get_input_focus_reply_t> focus{
        xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr)};
    return focus && focus->focus == window;
}

QPoint XDisplay::origin(xcb_window_t window) {
    const Reply<xcb_translate_coordinates_reply_t> at{xcb_translate_coordinates_reply(
        c_, xcb_translate_coordinates(c_, window, root_, 0, 0), nullptr)};
    return at ? QPoint(at->dst_x, at->dst_y) : QPoint();
}

// The screen has 24 bits of colour in 32, as with-display starts Xvfb: RGB32 as it comes.
QImage XDisplay::grab(const QRect& area) {
    const Reply<xcb_get_image_reply_t> image{xcb_get_image_reply(
        c_,
        xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, int16_t(area.x()), int16_t(area.y()),
                      uint16_t(area.width()), uint16_t(area.height()), ~0u),
        nullptr)};
    return image ? QImage(xcb_get_image_data(image.get()), area.width(), area.height(),
                          QImage::Format_RGB32)
                       .copy()
                 : QImage();
}

void XDisplay::key(xcb_keysym_t keysym) {
    const xcb_setup_t* const setup = xcb_get_setup(c_);
    const Reply<xcb_get_keyboard_mapping_reply_t> map{xcb_get_keyboard_mapping_reply(
        c_,
        xcb_get_keyboard_mapping(c_, setup->min_keycode,
                                 uint8_t(setup->max_keycode - setup->min_keycode + 1)),
        nullptr)};
    const xcb_keysym_t* const keysyms = xcb_get_keyboard_mapping_keysyms(map.get());
    const auto at =
        std::find(keysyms, keysyms + xcb_get_keyboard_mapping_keysyms_length(map.get()), keysym) -
        keysyms;
    const auto code = uint8_t(setup->min_keycode + at / map->keysyms_per_keycode);
    fake(XCB_KEY_PRESS, code);
    fake(XCB_KEY_RELEASE, code);
}

// When the answer to the request after the event comes, the server has handled the event.
void XDisplay::fake(uint8_t type, uint8_t detail, QPoint at) {
    xcb_test_fake_input(c_, type, detail, XCB_CURRENT_TIME, root_, int16_t(at.x()), int16_t(at.y()),
                        0);
    std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
}

} // namespace pictolex::bench
