// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

namespace drevant {

// A horizontal scroll bar that sets a quantity: its value times `unit` (0.001 N a step for
// the normality, 1 mL for the volume). It takes the keyboard focus: arrows move by the small
// step, Page Up and Page Down by the large one, Home and End to the ends. Assistive technology
// reads the quantity as its value and the text the window shows for it as its description.
class SettingScrollBar : public QScrollBar {
    Q_OBJECT
public:
    SettingScrollBar(double unit, QWidget* parent = nullptr);

    double unit() const { return m_unit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The style draws no focus on scroll bars: a frame in the highlight colour shows it.
    void paintEvent(QPaintEvent* event) override;

private:
    double m_unit;
};

} // namespace drevant
