// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QImage>

#include <map>

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
//   auto-repeated key events of a held Space are ignored, so a held Space is one press.
// - Losing the keyboard focus while held (Tab, a click elsewhere, another window coming to
//   the front) ends the press there with released(), since the release itself would go to
//   another widget.
// - Being disabled or hidden while held (the button itself or its window) abandons the
//   press without released(): whoever did it has taken the bench away or is closing the
//   window, and a release must not deliver into that. Later mouse or key releases are
//   ignored.
//
// Pictures: the closed burette while enabled and up, the dripping burette while held down,
// the copy of the closed burette (drawn faded) while disabled.
class BuretteButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit BuretteButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    const QImage& normalPicture() const { return m_normalPicture; }
    const QImage& downPicture() const { return m_downPicture; }
    const QImage& disabledPicture() const { return m_disabledPicture; }
    // The one of the three that the button shows in its present state.
    const QImage& currentPicture() const;

    // Whether a press is in progress (pressed() emitted, released() not yet).
    bool isHeld() const { return m_holder != Holder::None; }

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
    void endPress();     // with released()
    void abandonPress(); // without a signal

    // The picture scaled for painting at the given size in device pixels, cached.
    const QImage& scaledPicture(const QImage& picture, QSize devicePixels) const;

    QImage m_normalPicture;
    QImage m_downPicture;
    QImage m_disabledPicture;
    Holder m_holder = Holder::None;
    Qt::MouseButton m_mouseButton = Qt::NoButton; // the button holding a mouse press
    mutable std::map<qint64, QImage> m_scaled;    // by the source picture's cacheKey()
};

} // namespace drevant
