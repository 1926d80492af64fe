// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

namespace drevant {

// Catches the platform's requests to end the program (SIGTERM, SIGINT and SIGHUP on Unix).
// The handler only notes the request (terminationRequest()) and wakes the event loop, where
// `onRequest` then runs on the user-interface thread; a save under way sees the note after
// its current line and abandons itself first. Call once; the watch lives as long as `owner`.
void watchTerminationSignals(QObject* owner, std::function<void()> onRequest);

// After the program has shut down on such a request: ends the process as that signal would
// have, so whoever sent it sees the usual status. Returns when there was no request.
void endAsRequested();

} // namespace drevant
