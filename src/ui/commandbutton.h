// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace drevant {

// A command button whose caption wraps onto several lines when it is wider than the button
// ("Begin Again With New Titration" on a narrow button), as the window layout needs.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

    // The button's font, shrunk where the wrapped caption would not fit (long translations).
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace drevant
