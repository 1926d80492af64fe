// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/printing.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace drevant::testing {

// A drawing surface that remembers what was drawn on it, for checking positions exactly.
// Every character is `charWidth` twips wide; the zones use `averageWidth`. Numbers are printed
// in the user's locale unless another is set.
class RecordingSurface : public DrawingSurface {
public:
    struct Text {
        QString text;
        double x, y;
    };
    struct Line {
        int x1, y1, x2, y2, width;
    };
    struct Circle {
        int x, y, radius, width;
    };

    explicit RecordingSurface(double charWidth = 95, double averageWidth = 100,
                              double lineHeight = 200)
        : m_charWidth(charWidth), m_averageWidth(averageWidth), m_lineHeight(lineHeight) {}

    void setLocale(const QLocale& locale) { m_locale = locale; }
    QLocale locale() const override { return m_locale ? *m_locale : PrintTarget::locale(); }

    void setLineWidth(int pixels) override { m_width = pixels; }
    int lineWidth() const override { return m_width; }
    void drawLine(int x1, int y1, int x2, int y2) override {
        lines.push_back({x1, y1, x2, y2, m_width});
    }
    void drawCircle(int x, int y, int radius) override {
        circles.push_back({x, y, radius, m_width});
    }
    double averageCharWidth() const override { return m_averageWidth; }
    double lineHeight() const override { return m_lineHeight; }

    // The texts drawn since the last clear, joined per line (y), with their x positions.
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Circle> circles;
    int clears = 0;

    // The texts on line `row` (0-based, by y), in drawing order.
    std::vector<Text> row(int index) const {
        std::vector<Text> out;
        for (const Text& t : texts)
            if (t.y == index * m_lineHeight)
                out.push_back(t);
        return out;
    }
    // All text drawn since the last clear, one string per line of text, rows joined by "|".
    QString joinedRows() const {
        QString out;
        double lastY = -1;
        for (const Text& t : texts) {
            if (t.y != lastY && lastY >= 0)
                out += u'|';
            out += t.text;
            lastY = t.y;
        }
        return out;
    }

protected:
    void clearImage() override {
        texts.clear();
        lines.clear();
        circles.clear();
        ++clears;
    }
    double drawText(double x, double y, const QString& text) override {
        texts.push_back({text, x, y});
        return m_charWidth * static_cast<double>(text.size());
    }

private:
    double m_charWidth, m_averageWidth, m_lineHeight;
    int m_width = 1;
    std::optional<QLocale> m_locale;
};

} // namespace drevant::testing
