// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoder_messages.h"

#include <QtGlobal>
#include <atomic>
#include <cstring>
#include <mutex>

namespace pictolex {

namespace {

// The handler is installed while any thread decodes, once, and the one before it put back when
// the last has done; in between, messages of threads that do not decode go on to that one.
std::mutex g_installing;
int g_holders = 0;
std::atomic<QtMessageHandler> g_passOn = nullptr;
thread_local bool* t_damage = nullptr;

// Qt's colour-space code names its category; its warnings leave the pixels whole.
bool harmless(QtMsgType type, const QMessageLogContext& context) {
    return type == QtDebugMsg || type == QtInfoMsg ||
           (context.category && std::strcmp(context.category, "qt.gui.icc") == 0);
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (t_damage) {
        *t_damage = *t_damage || !harmless(type, context);
        return;
    }
    if (const QtMessageHandler next = g_passOn.load())
        next(type, context, text);
}

} // namespace

DecoderMessages::DecoderMessages() {
    {
        const std::lock_guard lock(g_installing);
        if (g_holders++ == 0)
            g_passOn = qInstallMessageHandler(holdBack);
    }
    t_damage = &damage_;
}

DecoderMessages::~DecoderMessages() {
    t_damage = nullptr;
    const std::lock_guard lock(g_installing);
    if (--g_holders == 0)
        qInstallMessageHandler(g_passOn.load());
}

} // namespace pictolex
