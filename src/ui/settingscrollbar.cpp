// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingscrollbar.h"

#include <QKeyEvent>
#include <QPainter>

namespace drevant {

SettingScrollBar::SettingScrollBar(double unit, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent), m_unit(unit) {
    setFocusPolicy(Qt::StrongFocus);
}

void SettingScrollBar::keyPressEvent(QKeyEvent* event) {
    SliderAction action = SliderNoAction;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
            action = SliderSingleStepAdd;
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            action = SliderSingleStepSub;
            break;
        case Qt::Key_PageUp:
            action = SliderPageStepAdd;
            break;
        case Qt::Key_PageDown:
            action = SliderPageStepSub;
            break;
        case Qt::Key_Home:
            action = SliderToMinimum;
            break;
        case Qt::Key_End:
            action = SliderToMaximum;
            break;
        default:
            break;
        }
    }
    if (action == SliderNoAction) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void SettingScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace drevant
