// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace drevant {

// The export dialog's file name box. While it holds the pattern it opens with, the focus
// arriving by Tab or by a click selects the whole text, so that the name typed replaces the
// pattern instead of being added to it.
class NameBox : public QLineEdit {
    Q_OBJECT
public:
    static inline const QString Pattern = QStringLiteral("*.dat");

    explicit NameBox(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_selectedOnFocus = false; // the click that gave the focus keeps the selection
};

} // namespace drevant
