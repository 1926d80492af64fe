// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/spokentext.h"
#include "session/printing.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <vector>

namespace drevant {

// A picture box: a widget that shows a retained image, and the drawing surface that the
// print operation, the graph and the message panel draw on. What is drawn stays in the image,
// so it survives covering, minimising and re-showing the window. Coordinates are twips,
// line widths pixels; background and drawing colours are the system's window colours.
//
// The surface also keeps what was drawn since the last clear as a list of steps, so that at a
// new zoom factor or size the picture is drawn again, sharp, rather than an old bitmap
// enlarged. Text is measured (print zones, line height) in the font at factor 1: the zones
// and lines keep their twips at every factor, and only the drawing grows.
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

    // The zoom factor of the drawing (twips to pixels times this); set by the window's layout.
    void setScale(double factor);
    double scale() const { return m_scale; }

    // The picture as shown (rebuilt first when the size, the factor or the palette has
    // changed).
    const QImage& image() { return fitImage(); }
    // How many times the picture has been drawn again from its steps (for tests and
    // benchmarks: a resize costs one redraw).
    int redrawCount() const { return m_redraws; }

    // The lines printed since the last clear, in order, as assistive technology reads them.
    QStringList printedLines() const { return m_printed.lines(); }
    QString printedText() const { return m_printed.text(); }
    // Where the printed text lies, in twips.
    QRectF printedBounds() const { return m_printed.bounds(); }
    // Each printed piece as drawn, in pixels at factor 1, beside its print position in twips:
    // at that position in a left-to-right window; in a right-to-left one at its mirror place,
    // read from the right and kept MirroredTextInset pixels clear of the right edge (where a
    // left-to-right line has its glyphs' side bearing and the outline).
    struct DrawnText {
        double printX;
        QRectF rect;
    };
    std::vector<DrawnText> drawnText() const;
    static constexpr double MirroredTextInset = 2;
    bool speaksPrintedText() const { return m_speaksPrintedText; }

protected:
    void clearImage() override;
    double drawText(double x, double y, const QString& text) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage& fitImage();
    QColor background() const;
    QColor foreground() const;
    void announceTextChange(const QString& before);
    // One drawing step, kept to draw the picture again at another factor.
    struct Step {
        enum Kind { Line, Circle, Text } kind;
        double x1, y1, x2, y2; // a line's ends; a circle's centre and radius in x2; text's place
        int lineWidth;
        QString text;
    };
    void drawStep(QPainter& painter, const Step& step) const;
    QRectF textRect(const Step& step) const; // pixels at factor 1
    void record(Step step);

    QImage m_image;
    double m_scale = 1.0;
    double m_imageScale = 1.0;
    std::vector<Step> m_steps;
    int m_redraws = 0;
    QFont m_font;
    int m_lineWidth = 1;
    PrintedLines m_printed;
    bool m_speaksPrintedText = false;
};

} // namespace drevant
