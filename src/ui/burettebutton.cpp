// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/burettebutton.h"

#include "ui/keyrepeat.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace drevant {

namespace {

constexpr QSize HintSize(193, 537); // 2895 x 8055 twips at 15 twips per pixel
constexpr int ContentInset = 3;     // pixels between the face's contents rectangle and ours
constexpr int CaptionGap = 2;       // pixels between the picture and the caption
constexpr int CaptionFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

BuretteButton::BuretteButton(QWidget* parent)
    : QAbstractButton(parent), m_normalPicture(closedBuretteImage()),
      m_downPicture(drippingBuretteImage()), m_disabledPicture(closedBuretteCopyImage()) {
    setText(tr("Press to Drevant"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_releaseTimer.setSingleShot(true);
    m_releaseTimer.setInterval(keyReleaseWaitMs());
    connect(&m_releaseTimer, &QTimer::timeout, this, [this] {
        if (m_holder == Holder::Key)
            endPress(true);
    });
}

QSize BuretteButton::sizeHint() const {
    return HintSize;
}

QSize BuretteButton::minimumSizeHint() const {
    return {24, 2 * fontMetrics().height() + 16};
}

void BuretteButton::updatePictures() const {
    if (m_pictureFill == m_fill)
        return;
    m_normalPicture = buretteImage(BuretteView::Closed, m_fill);
    m_downPicture = buretteImage(BuretteView::Dripping, m_fill);
    m_disabledPicture = buretteImage(BuretteView::ClosedCopy, m_fill);
    m_pictureFill = m_fill;
}

const QImage& BuretteButton::normalPicture() const {
    updatePictures();
    return m_normalPicture;
}

const QImage& BuretteButton::downPicture() const {
    updatePictures();
    return m_downPicture;
}

const QImage& BuretteButton::disabledPicture() const {
    updatePictures();
    return m_disabledPicture;
}

BuretteView BuretteButton::currentView() const {
    if (!isEnabled())
        return BuretteView::ClosedCopy;
    if (isDown())
        return BuretteView::Dripping;
    return BuretteView::Closed;
}

const QImage& BuretteButton::currentPicture() const {
    switch (currentView()) {
    case BuretteView::ClosedCopy:
        return disabledPicture();
    case BuretteView::Dripping:
        return downPicture();
    case BuretteView::Closed:
        break;
    }
    return normalPicture();
}

void BuretteButton::setFill(const BuretteFill& fill) {
    const BuretteFill shown = BuretteFrames::quantized(fill);
    if (shown == m_fill)
        return;
    m_fill = shown;
    update();
}

void BuretteButton::beginPress(Holder holder, Qt::MouseButton button) {
    m_holder = holder;
    m_mouseButton = button;
    setDown(true);
    emit pressed();
}

void BuretteButton::endPress(bool releaseWaited) {
    // The state is settled before the signal: its handler may disable or even delete us.
    // A Space release that was waiting ended this press, whenever the press ends now.
    const bool deferred = m_releaseTimer.isActive() || releaseWaited;
    abandonPress();
    m_lastReleaseDeferred = deferred;
    emit released();
}

void BuretteButton::abandonPress() {
    m_releaseTimer.stop();
    m_holder = Holder::None;
    m_mouseButton = Qt::NoButton;
    setDown(false);
}

void BuretteButton::mousePressEvent(QMouseEvent* event) {
    // The same button going down again means its release never reached us (the grab was
    // lost): end that press before starting the new one.
    if (m_holder == Holder::Mouse && event->button() == m_mouseButton)
        endPress();
    if (m_holder == Holder::None && hitButton(event->position().toPoint()))
        beginPress(Holder::Mouse, event->button());
    event->accept();
}

void BuretteButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt 6 sends the second press of a double click and then this event for the same
    // button; when the press was not delivered, this event is the press.
    if (m_holder == Holder::Mouse && event->button() == m_mouseButton) {
        event->accept();
        return;
    }
    mousePressEvent(event);
}

void BuretteButton::mouseMoveEvent(QMouseEvent* event) {
    if (m_holder == Holder::Mouse && !(event->buttons() & m_mouseButton))
        endPress(); // its release was lost
    event->accept();
}

void BuretteButton::mouseReleaseEvent(QMouseEvent* event) {
    // Wherever the pointer is: the grab brings the release here and the press must end.
    if (m_holder == Holder::Mouse && event->button() == m_mouseButton)
        endPress();
    event->accept();
}

void BuretteButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyPressEvent(event); // not QAbstractButton's: its Escape would release
        return;
    }
    if (m_holder == Holder::Key && m_releaseTimer.isActive()) {
        if (isRepeatPair(m_releaseTimestamp, event->timestamp())) {
            m_releaseTimer.stop(); // the release was a repeat after all: the press goes on
        } else {
            // A new keystroke: the waiting release was real and ends its press at its own
            // moment; the handler of released() may lock or hide us before the new press.
            endPress(true);
            if (m_holder == Holder::None && isEnabled() && isVisible())
                beginPress(Holder::Key, Qt::NoButton);
        }
    } else if (!event->isAutoRepeat() && m_holder == Holder::None) {
        beginPress(Holder::Key, Qt::NoButton);
    }
    event->accept();
}

void BuretteButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && m_holder == Holder::Key && !m_releaseTimer.isActive()) {
        if (m_releaseTimer.interval() == 0) {
            endPress();
        } else {
            m_releaseTimestamp = event->timestamp();
            m_releaseTimer.start();
            emit releaseDeferred();
        }
    }
    event->accept();
}

void BuretteButton::focusOutEvent(QFocusEvent* event) {
    // Tab, a click elsewhere or another window coming to the front: the release will go to
    // someone else, so the press ends here. A button that is disabled (it loses the focus
    // before it hears of that) or hidden (its window closing) abandons the press instead:
    // nobody is there to take a delivery.
    if (isHeld()) {
        // A window being hidden, closed or destroyed is marked hidden before the focus
        // leaves it, while its widgets still count as visible.
        const bool shown = isVisible() && !window()->isHidden() && isVisibleTo(window());
        if (isEnabled() && shown)
            endPress();
        else
            abandonPress();
    }
    QWidget::focusOutEvent(event);
}

void BuretteButton::hideEvent(QHideEvent* event) {
    abandonPress();
    QAbstractButton::hideEvent(event);
}

void BuretteButton::changeEvent(QEvent* event) {
    // Abandoned before QAbstractButton sees the change, which would emit released().
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        abandonPress();
    QAbstractButton::changeEvent(event);
}

void BuretteButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);

    QRect content = style()
                        ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                        .adjusted(ContentInset, ContentInset, -ContentInset, -ContentInset);
    if (isDown())
        content.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));

    const QRect captionBounds = fontMetrics().boundingRect(
        QRect(0, 0, content.width(), content.height()), CaptionFlags, text());
    const int captionHeight = std::min(captionBounds.height(), content.height());
    const QRect caption(content.left(), content.bottom() + 1 - captionHeight, content.width(),
                        captionHeight);
    const QRect pictureArea(content.left(), content.top(), content.width(),
                            caption.top() - CaptionGap - content.top());

    if (pictureArea.width() > 0 && pictureArea.height() > 0) {
        // One scale for all three pictures, fitted to the normal one, so that the burette
        // keeps its size and place when the slightly larger dripping picture replaces it.
        const QSize normal = buretteImageSize(BuretteView::Closed);
        const double scale = std::min(double(pictureArea.width()) / normal.width(),
                                      double(pictureArea.height()) / normal.height());
        const BuretteView view = currentView();
        const QSize picture = buretteImageSize(view);
        const double ratio = devicePixelRatioF();
        const QSize device(std::max(1, int(std::lround(picture.width() * scale * ratio))),
                           std::max(1, int(std::lround(picture.height() * scale * ratio))));
        const QSizeF shown = QSizeF(device) / ratio;
        const QPointF centre(pictureArea.left() + pictureArea.width() / 2.0,
                             pictureArea.top() + pictureArea.height() / 2.0);
        // Whole device pixels, so the picture drawn at that size is copied, not resampled.
        const QPointF topLeft(std::round((centre.x() - shown.width() / 2) * ratio) / ratio,
                              std::round((centre.y() - shown.height() / 2) * ratio) / ratio);
        p.save();
        p.setClipRect(pictureArea);
        if (!isEnabled())
            p.setOpacity(0.55);
        p.drawImage(QRectF(topLeft, shown), m_frames.frame(view, m_fill, device));
        p.restore();
    }

    style()->drawItemText(&p, caption, CaptionFlags, palette(), isEnabled(), text(),
                          QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = content.adjusted(-2, -2, 2, 2);
        focus.backgroundColor = palette().color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace drevant
