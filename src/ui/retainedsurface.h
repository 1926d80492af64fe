// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/spokentext.h"
#include "session/printing.h"

#include <QFont>
#include <QImage>
#include <QWidget>

namespace drevant {

// A picture box: a widget that shows a retained image, and the drawing surface that the
// print operation, the graph and the message panel draw on. What is drawn stays in the image,
// so it survives covering, minimising and re-showing the window. Coordinates are twips,
// line widths pixels; background and drawing colours are the system's window colours.
//
// The surface also keeps the lines of text printed on it since it was last cleared. A surface
// that speaks them (the message panel, the export dialog's face) offers them to assistive
// technology as a read-only text and tells it of every clear and every print. A surface that
// takes the keyboard focus draws a focus frame over its picture (never into it).
class RetainedSurface : public QWidget, public DrawingSurface {
    Q_OBJECT
public:
    // Whether the surface offers its printed lines to assistive technology; fixed at
    // construction, since Qt keeps the first accessible object it makes for a widget.
    enum class Speech { Silent, PrintedText };

    explicit RetainedSurface(QWidget* parent = nullptr, Speech speech = Speech::Silent);

    // The font text is printed and measured in (it sets the print zones).
    void setSurfaceFont(const QFont& font);
    QFont surfaceFont() const { return m_font; }

    void setLineWidth(int pixels) override { m_lineWidth = pixels; }
    int lineWidth() const override { return m_lineWidth; }
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawCircle(int x, int y, int radius) override;
    double averageCharWidth() const override;
    double lineHeight() const override;

    const QImage& image() const { return m_image; }

    // The lines printed since the last clear, in order, as assistive technology reads them.
    QStringList printedLines() const { return m_printed.lines(); }
    QString printedText() const { return m_printed.text(); }
    // Where the printed text lies, in twips.
    QRectF printedBounds() const { return m_printed.bounds(); }
    bool speaksPrintedText() const { return m_speaksPrintedText; }

protected:
    void clearImage() override;
    double drawText(double x, double y, const QString& text) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage& fitImage();
    QColor background() const;
    QColor foreground() const;
    QPen pen() const;
    void announceTextChange(const QString& before);

    QImage m_image;
    QFont m_font;
    int m_lineWidth = 1;
    PrintedLines m_printed;
    bool m_speaksPrintedText = false;
};

} // namespace drevant
