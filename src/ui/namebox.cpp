// SPDX-License-Identifier: GPL-3.0-or-later
#include "namebox.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace drevant {

NameBox::NameBox(QWidget* parent) : QLineEdit(Pattern, parent) {}

void NameBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    m_selectedOnFocus = false;
    if (text() == Pattern) {
        selectAll();
        m_selectedOnFocus = event->reason() == Qt::MouseFocusReason;
    }
}

void NameBox::mousePressEvent(QMouseEvent* event) {
    // The press that brought the focus would place the cursor and drop the selection.
    if (m_selectedOnFocus && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void NameBox::mouseReleaseEvent(QMouseEvent* event) {
    if (m_selectedOnFocus) {
        m_selectedOnFocus = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

} // namespace drevant
