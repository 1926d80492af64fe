// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/terminationrequest.h"

#include <atomic>

namespace drevant {

namespace {

std::atomic<int> requestedBy{0};
static_assert(std::atomic<int>::is_always_lock_free, "read and written in a signal handler");

} // namespace

void noteTerminationRequest(int signal) noexcept {
    requestedBy.store(signal, std::memory_order_relaxed);
}

int terminationRequest() noexcept {
    return requestedBy.load(std::memory_order_relaxed);
}

void clearTerminationRequest() noexcept {
    requestedBy.store(0, std::memory_order_relaxed);
}

} // namespace drevant
