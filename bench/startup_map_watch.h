// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <memory>
#include <optional>
#include <set>

namespace pictolex {

using Clock = std::chrono::steady_clock;

// Watches the root window of $DISPLAY for the first top-level window of one process to be
// mapped. A window counts as the process's own when its _NET_WM_PID is that process, or, for a
// window without _NET_WM_PID, when its title is "Pictolex".
//
// Without a window manager the map seen is the game's own window. With one, the manager
// reparents the game's window into a frame and maps the frame on the root: the map seen is
// then the frame's, which the manager makes just after mapping the game's window inside it.
class MapWatcher {
public:
    // Connects and selects SubstructureNotify on the root; throws std::runtime_error on failure.
    MapWatcher();

    // Drops every event received so far; call just before starting the process.
    void discardPending();

    // The time the first map of a top-level window of `pid` was read, or nothing when `deadline`
    // passes or `stillRunning` returns false first.
    template <typename StillRunning>
    std::optional<Clock::time_point> waitForMap(pid_t pid, Clock::time_point deadline,
                                                StillRunning stillRunning) {
        frames_.clear();
        while (Clock::now() < deadline) {
            if (const auto mapped = readEvents(pid))
                return mapped;
            if (!stillRunning())
                return std::nullopt;
            waitForInput(deadline);
        }
        return std::nullopt;
    }

private:
    struct Disconnect {
        void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
    };

    std::optional<Clock::time_point> readEvents(pid_t pid);
    bool isMappedWindowOf(const xcb_map_notify_event_t& event, pid_t pid);
    void noteReparent(const xcb_reparent_notify_event_t& event, pid_t pid);
    bool belongsTo(xcb_window_t window, pid_t pid);
    xcb_window_t topLevelOf(xcb_window_t window);
    xcb_atom_t atom(const char* name);
    void waitForInput(Clock::time_point deadline);

    std::unique_ptr<xcb_connection_t, Disconnect> connection_;
    xcb_window_t root_ = XCB_NONE;
    xcb_atom_t pidAtom_ = XCB_NONE;
    xcb_atom_t nameAtom_ = XCB_NONE;
    xcb_atom_t utf8Atom_ = XCB_NONE;
    std::set<xcb_window_t> frames_;
};

} // namespace pictolex
