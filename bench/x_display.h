// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sys/types.h>
#include <xcb/xcb.h>

namespace pictolex::bench {

using Instant = std::chrono::steady_clock::time_point;

// The X display named by DISPLAY as the benchmarks watch and play it: the maps of top-level
// windows, the screen's pixels, and a player's pointer and keys (XTest).
class XDisplay {
public:
    // Connects and watches the root window's children; throws std::runtime_error on failure.
    XDisplay();

    struct Mapped {
        xcb_window_t window; // the process's own window, inside any frame
        Instant at;          // when its map was read
    };
    // Forgets every map so far; call it just before whatever makes the map waited for.
    void discardEvents();
    // The first top-level window of `pid` (_NET_WM_PID) mapped since, or nothing when
    // `deadline` passes or `running` answers false first. With openbox, the map seen is that of
    // the frame it made round the window, which it maps right after the window.
    std::optional<Mapped> waitForMap(pid_t pid, Instant deadline,
                                     const std::function<bool()>& running);

    bool hasFocus(xcb_window_t window);
    QPoint origin(xcb_window_t window); // the top left of its inside on the screen
    QImage grab(const QRect& area);     // the screen's pixels there

    void moveTo(QPoint at) { fake(XCB_MOTION_NOTIFY, 0, at); }
    void press() { fake(XCB_BUTTON_PRESS, 1); } // the left button
    void release() { fake(XCB_BUTTON_RELEASE, 1); }
    void key(xcb_keysym_t keysym); // pressed and let go

private:
    struct Disconnect {
        void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
    };
    bool belongsTo(xcb_window_t window, pid_t pid);
    void fake(uint8_t type, uint8_t detail, QPoint at = {});

    std::unique_ptr<xcb_connection_t, Disconnect> connection_;
    xcb_connection_t* c_; // the same
    xcb_window_t root_ = XCB_NONE;
    xcb_atom_t pidAtom_ = XCB_NONE;
    std::map<xcb_window_t, xcb_window_t> frames_; // a frame, and the window inside it
};

} // namespace pictolex::bench
