// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace drevant {

// A request to end the program that arrived from outside (SIGTERM, SIGINT, SIGHUP on Unix):
// noted by the signal handler, read by long work such as a save, which then abandons what it
// was doing cleanly instead of being cut off half-way. Safe to call from a signal handler.
void noteTerminationRequest(int signal) noexcept;
// The signal that asked the program to end, or 0.
int terminationRequest() noexcept;
// Forgets the request (tests run several in one process).
void clearTerminationRequest() noexcept;

} // namespace drevant
