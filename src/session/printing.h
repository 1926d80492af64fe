// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logvalue.h"
#include "number.h"

#include <QLocale>
#include <QString>

#include <variant>

class QIODevice;

namespace drevant {

inline constexpr int PrintZoneColumns = 14;

// One item of a print statement: a text, a number, a value (number or text), or nothing.
class PrintItem {
public:
    static PrintItem none() { return PrintItem(); }
    PrintItem(const QString& text) : m_item(text) {}
    PrintItem(const char* text) : m_item(QString::fromUtf8(text)) {}
    PrintItem(Number n) : m_item(n) {}
    PrintItem(const LogValue& v) {
        if (v.isNumber())
            m_item = v.number();
        else
            m_item = v.text();
    }

    // What the item writes: a number with its sign position and trailing blank, a text as is.
    QString render(const QLocale& locale) const;

private:
    PrintItem() = default;
    std::variant<std::monostate, QString, Number> m_item;
};

// Where a print statement goes: a drawing surface or the export file.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // Writes text at the current position and moves the position past it.
    virtual void write(const QString& text) = 0;
    // Moves to the start of the print zone after the one holding the current position
    // (a position exactly on a zone start moves on to the following zone).
    virtual void nextZone() = 0;
    virtual void endLine() = 0;
    // The locale whose decimal separator numbers are written with (the user's by default).
    virtual QLocale locale() const { return QLocale(); }
};

// The five layouts every print statement of the program uses.
void TextLine(PrintTarget& target, const PrintItem& item);
void EmptyLine(PrintTarget& target);
void ZonedPair(PrintTarget& target, const PrintItem& first, const PrintItem& second);
void ZonedPairSkip(PrintTarget& target, const PrintItem& first, const PrintItem& second);
void JoinedPair(PrintTarget& target, const PrintItem& first, const PrintItem& second);

// A surface that retains what is drawn on it: the message panel, the graph, the export
// dialog. Positions and lengths are in twips; line widths in pixels. The print zones are
// measured in the font's average character width.
class DrawingSurface : public PrintTarget {
public:
    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double twips) { m_x = twips; }
    void setCurrentY(double twips) { m_y = twips; }

    // Erases everything and puts the current position at the top-left corner.
    void cls() {
        clearImage();
        m_x = 0;
        m_y = 0;
    }

    void write(const QString& text) override;
    void nextZone() override;
    void endLine() override;

    virtual void setLineWidth(int pixels) = 0;
    virtual int lineWidth() const = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    virtual void drawCircle(int x, int y, int radius) = 0;

    virtual double averageCharWidth() const = 0; // twips
    virtual double lineHeight() const = 0;       // twips

protected:
    virtual void clearImage() = 0;
    // Draws text with its top-left corner at (x, y) and returns its width in twips.
    virtual double drawText(double x, double y, const QString& text) = 0;

private:
    double m_x = 0;
    double m_y = 0;
};

// The export file: counts columns from 1 and ends lines with CR LF.
class TextFileTarget final : public PrintTarget {
public:
    explicit TextFileTarget(QIODevice& device, QLocale locale = QLocale())
        : m_device(device), m_locale(std::move(locale)) {}

    void write(const QString& text) override;
    void nextZone() override;
    void endLine() override;
    QLocale locale() const override { return m_locale; }

    int column() const { return m_column; }
    // False once any write to the device has failed.
    bool ok() const { return m_ok; }

private:
    void put(const QByteArray& bytes);

    QIODevice& m_device;
    QLocale m_locale;
    int m_column = 1;
    bool m_ok = true;
};

} // namespace drevant
