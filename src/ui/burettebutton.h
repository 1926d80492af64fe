// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/buretteframes.h"
#include "ui/burettepictures.h"

#include <QAbstractButton>
#include <QImage>
#include <QTimer>

namespace drevant {

// The tall burette button: a picture above a centred caption on a raised button face.
//
// It reports a press and a release through QAbstractButton's pressed() and released()
// signals, strictly alternating: every pressed() is followed by exactly one released(),
// except when the button is disabled or hidden in the middle of a press (below). clicked()
// is never emitted.
//
// - Any mouse button presses it. The press lasts until that same mouse button is released,
//   wherever the pointer is by then; other mouse buttons and Space are ignored meanwhile.
// - Space on the focused button presses it and the release of Space releases it; the
//   auto-repeated key events of a held Space are ignored, so a held Space is one press and
//   every real keystroke, however fast, is a press of its own. Where the toolkit cannot
//   always mark a repeat (X11, see keyrepeat.h) a Space release waits for a press that may
//   follow: one with the release's timestamp is a repeat and the press goes on; any other
//   ends the press at that release and starts a new one; none within the wait ends it too.
//   releaseDeferred() marks the moment of such a release, so that the delivery can be
//   measured to it rather than to the end of the wait (lastReleaseDeferred()).
// - Losing the keyboard focus while held (Tab, a click elsewhere, another window coming to
//   the front) ends the press there with released(), since the release itself would go to
//   another widget.
// - Being disabled or hidden while held (the button itself or its window) abandons the
//   press without released(): whoever did it has taken the bench away or is closing the
//   window, and a release must not deliver into that. Later mouse or key releases are
//   ignored.
//
// Pictures: the closed burette while enabled and up, the dripping burette while held down,
// the copy of the closed burette (drawn faded) while disabled; all three at the fill set last
// (full over the sample alone until then).
class BuretteButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit BuretteButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The three pictures at their own sizes and the present fill.
    const QImage& normalPicture() const;
    const QImage& downPicture() const;
    const QImage& disabledPicture() const;
    // The one of the three that the button shows in its present state.
    const QImage& currentPicture() const;
    BuretteView currentView() const;

    // The level of titrant and of the beaker's solution that the pictures show, in the steps
    // the pictures are drawn in; repaints when that changes.
    void setFill(const BuretteFill& fill);
    const BuretteFill& fill() const { return m_fill; }
    const BuretteFrames& frames() const { return m_frames; }

    // Whether a press is in progress (pressed() emitted, released() not yet).
    bool isHeld() const { return m_holder != Holder::None; }

    // How long a Space release waits for a repeat's press (keyReleaseWaitMs() by default);
    // 0 ends the press at once.
    void setReleaseGraceMs(int ms) { m_releaseTimer.setInterval(ms); }
    int releaseGraceMs() const { return m_releaseTimer.interval(); }
    // Whether the press that released() just ended was ended by a Space release that waited
    // (releaseDeferred() was emitted at that release).
    bool lastReleaseDeferred() const { return m_lastReleaseDeferred; }

signals:
    // Space was released while held: released() follows unless the press that comes next
    // has this release's timestamp (an auto-repeat the toolkit did not flag).
    void releaseDeferred();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum class Holder { None, Mouse, Key };

    void beginPress(Holder holder, Qt::MouseButton button);
    void endPress(bool releaseWaited = false); // with released()
    void abandonPress();                       // without a signal

    // Redraws the pictures at their own sizes when the fill has changed since.
    void updatePictures() const;

    mutable QImage m_normalPicture;
    mutable QImage m_downPicture;
    mutable QImage m_disabledPicture;
    mutable BuretteFill m_pictureFill; // the fill those three show
    BuretteFill m_fill;
    BuretteFrames m_frames; // what is painted, at the painted size
    Holder m_holder = Holder::None;
    Qt::MouseButton m_mouseButton = Qt::NoButton; // the button holding a mouse press
    QTimer m_releaseTimer;                        // runs while a Space release waits
    quint64 m_releaseTimestamp = 0; // of the Space release that waits (ms, server time)
    bool m_lastReleaseDeferred = false;
};

} // namespace drevant
