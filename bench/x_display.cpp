// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_display.h"

#include "figures.h"

#include <cstdlib>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <xcb/xcb.h>

namespace pictolex::bench {

namespace {

struct Free {
    void operator()(void* reply) const { std::free(reply); }
};

// The size of `window`, or of the window inside it when it is a frame.
QSize clientSize(xcb_connection_t* c, xcb_window_t window) {
    const std::unique_ptr<xcb_query_tree_reply_t, Free> tree{
        xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr)};
    if (tree && xcb_query_tree_children_length(tree.get()) > 0)
        window = xcb_query_tree_children(tree.get())[0];
    const std::unique_ptr<xcb_get_geometry_reply_t, Free> geometry{
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr)};
    if (!geometry)
        throw std::runtime_error("the mapped window went before its size was read");
    return {geometry->width, geometry->height};
}

} // namespace

double msToMap(Game& game, QSize* size) {
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection{
        xcb_connect(nullptr, nullptr), &xcb_disconnect};
    xcb_connection_t* const c = connection.get();
    if (xcb_connection_has_error(c))
        throw std::runtime_error("no X display named by DISPLAY");
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root,
                                 XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // and it is done
    const Instant started = std::chrono::steady_clock::now();
    game.start();
    while (msSince(started) < 20000 && game.running()) {
        while (const std::unique_ptr<xcb_generic_event_t, Free> event{xcb_poll_for_event(c)}) {
            const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY || mapped->override_redirect)
                continue;
            const double ms = msSince(started);
            if (size)
                *size = clientSize(c, mapped->window);
            return ms;
        }
        if (xcb_connection_has_error(c))
            throw std::runtime_error("lost the connection to the X display");
        pollfd input{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&input, 1, 20); // and so notices within 20 ms a game that ended
    }
    throw std::runtime_error("the game's window was not mapped within 20 s");
}

} // namespace pictolex::bench
