// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace drevant {

// The most a key release waits on X11 for the press of a repeat: that press follows its
// release in the same batch of events from the X server, so this only bounds the wait after
// a real release.
inline constexpr int XcbRepeatWaitMs = 100;

// How a held key's repeats reach a widget on this platform.
//
// X11 sends each repeat of a held key as a release and a press that carry the same server
// timestamp. Qt marks such a pair as a repeat only when the press has already arrived when
// the release is handled; otherwise the release looks real. There a key release must wait
// for a press that may follow (at most the returned time) and the press's timestamp decides:
// the same as the release's, a repeat; another, a new press. Elsewhere (Windows, Wayland,
// offscreen) Qt marks every repeat itself and 0 is returned: a release is a release.
int keyReleaseWaitMs();

// Whether a key press continues the key release before it as one repeat: X11 gives the two
// halves of a repeat one timestamp (ms), while two real keystrokes are never simultaneous.
constexpr bool isRepeatPair(quint64 releaseTimestamp, quint64 pressTimestamp) {
    return releaseTimestamp == pressTimestamp;
}

} // namespace drevant
