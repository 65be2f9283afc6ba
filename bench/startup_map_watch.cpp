// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup_map_watch.h"

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

namespace pictolex {

namespace {

template <typename T> struct FreeReply {
    void operator()(T* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply<T>>;

} // namespace

MapWatcher::MapWatcher() {
    int screenNumber = 0;
    connection_.reset(xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(connection_.get()))
        throw std::runtime_error("cannot connect to the X display named by DISPLAY");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_.get()));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    root_ = screens.data->root;

    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(connection_.get(), root_, XCB_CW_EVENT_MASK, &mask);
    if (Reply<xcb_generic_error_t> error{xcb_request_check(connection_.get(), cookie)})
        throw std::runtime_error("cannot watch the root window");
    pidAtom_ = atom("_NET_WM_PID");
    nameAtom_ = atom("_NET_WM_NAME");
    utf8Atom_ = atom("UTF8_STRING");
}

void MapWatcher::discardPending() {
    xcb_flush(connection_.get());
    while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_.get())}) {
    }
}

std::optional<Clock::time_point> MapWatcher::readEvents(pid_t pid) {
    while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_.get())}) {
        const Clock::time_point read = Clock::now();
        switch (event->response_type & 0x7f) {
        case XCB_MAP_NOTIFY:
            if (isMappedWindowOf(*reinterpret_cast<xcb_map_notify_event_t*>(event.get()), pid))
                return read;
            break;
        case XCB_REPARENT_NOTIFY:
            noteReparent(*reinterpret_cast<xcb_reparent_notify_event_t*>(event.get()), pid);
            break;
        default:
            break;
        }
    }
    if (xcb_connection_has_error(connection_.get()))
        throw std::runtime_error("lost the connection to the X display");
    return std::nullopt;
}

bool MapWatcher::isMappedWindowOf(const xcb_map_notify_event_t& event, pid_t pid) {
    if (event.event != root_ || event.override_redirect)
        return false;
    return frames_.count(event.window) > 0 || belongsTo(event.window, pid);
}

// A window manager moves the game's window from the root into a frame of its own; the frame,
// a child of the root, is what gets mapped there.
void MapWatcher::noteReparent(const xcb_reparent_notify_event_t& event, pid_t pid) {
    if (event.event != root_ || event.parent == root_ || event.override_redirect)
        return;
    if (belongsTo(event.window, pid))
        frames_.insert(topLevelOf(event.parent));
}

bool MapWatcher::belongsTo(xcb_window_t window, pid_t pid) {
    xcb_connection_t* const c = connection_.get();
    const auto pidCookie = xcb_get_property(c, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1);
    const auto nameCookie = xcb_get_property(c, 0, window, nameAtom_, utf8Atom_, 0, 64);
    const Reply<xcb_get_property_reply_t> pidReply{xcb_get_property_reply(c, pidCookie, nullptr)};
    const Reply<xcb_get_property_reply_t> nameReply{xcb_get_property_reply(c, nameCookie, nullptr)};
    if (pidReply && xcb_get_property_value_length(pidReply.get()) == 4)
        return *static_cast<const uint32_t*>(xcb_get_property_value(pidReply.get())) ==
               static_cast<uint32_t>(pid);
    if (!nameReply)
        return false;
    const std::string_view title(static_cast<const char*>(xcb_get_property_value(nameReply.get())),
                                 xcb_get_property_value_length(nameReply.get()));
    return title == "Pictolex";
}

xcb_window_t MapWatcher::topLevelOf(xcb_window_t window) {
    for (;;) {
        const Reply<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(
            connection_.get(), xcb_query_tree(connection_.get(), window), nullptr)};
        if (!tree || tree->parent == root_ || tree->parent == XCB_NONE)
            return window;
        window = tree->parent;
    }
}

xcb_atom_t MapWatcher::atom(const char* name) {
    const auto cookie = xcb_intern_atom(connection_.get(), 0, std::string_view(name).size(), name);
    const Reply<xcb_intern_atom_reply_t> reply{
        xcb_intern_atom_reply(connection_.get(), cookie, nullptr)};
    return reply ? reply->atom : XCB_NONE;
}

// Sleeps until the X connection has input, for at most 20 ms so that a process that died is
// noticed.
void MapWatcher::waitForInput(Clock::time_point deadline) {
    using std::chrono::milliseconds;
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
    pollfd input{xcb_get_file_descriptor(connection_.get()), POLLIN, 0};
    poll(&input, 1, static_cast<int>(std::clamp<milliseconds::rep>(left.count(), 0, 20)));
}

} // namespace pictolex
