// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/terminationsignals.h"

#include "export/terminationrequest.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace drevant {

namespace {

constexpr int WatchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

int wakeFds[2] = {-1, -1}; // a pipe from the handler to the event loop

void onSignal(int signal) {
    // Only async-signal-safe work: an atomic store and a write().
    const int savedErrno = errno;
    noteTerminationRequest(signal);
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeFds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

void watchTerminationSignals(QObject* owner, std::function<void()> onRequest) {
    if (wakeFds[0] < 0 && ::pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // no watch: the signals keep their default action
    auto* notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner,
                     [onRequest = std::move(onRequest)] {
                         char bytes[16];
                         while (::read(wakeFds[0], bytes, sizeof bytes) > 0) {
                         }
                         onRequest();
                     });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART; // a write under way goes on; the save checks the note
    for (const int signal : WatchedSignals)
        ::sigaction(signal, &action, nullptr);
}

void endAsRequested() {
    const int signal = terminationRequest();
    if (signal == 0)
        return;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace drevant
