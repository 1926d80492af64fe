// SPDX-License-Identifier: GPL-3.0-or-later
#include "applicationstyle.h"

#include "ui/accessibility.h"
#include "ui/burettepictures.h"
#include "ui/contrast.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace drevant {

namespace {

// Fusion, with the keyboard focus always drawn, and outlines that stand out.
// - Fusion draws the focus only once it has been moved with Tab, so a control focused by the
//   window itself, or reached after a click, would hide where the keys go.
// - Fusion's outlines are its window colour darkened, about 2:1 against the window; buttons,
//   fields, lists, scroll bars and option buttons get an outline of at least 3:1 over them.
class FocusVisibleStyle final : public QProxyStyle {
public:
    FocusVisibleStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ComboBox || control == CC_ScrollBar)
            outline(option, painter, control == CC_ComboBox ? 2.0 : 0.0);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        switch (element) {
        case PE_PanelButtonCommand:
        case PE_FrameLineEdit:
        case PE_Frame:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            outline(option, painter, element == PE_PanelButtonCommand ? 2.0 : 0.0);
            return;
        case PE_IndicatorRadioButton:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            outline(option, painter, -1);
            return;
        default:
            break;
        }
        if (element == PE_FrameFocusRect && option) {
            if (const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option)) {
                QStyleOptionFocusRect shown(*focus);
                shown.state |= State_KeyboardFocusChange;
                QProxyStyle::drawPrimitive(element, &shown, painter, widget);
                return;
            }
            QStyleOption shown(*option);
            shown.state |= State_KeyboardFocusChange;
            QProxyStyle::drawPrimitive(element, &shown, painter, widget);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    // A one-pixel outline just inside the option's rectangle: `radius` rounds its corners, a
    // negative radius makes it a circle.
    static void outline(const QStyleOption* option, QPainter* painter, double radius) {
        if (!option || !(option->state & State_Enabled))
            return; // inactive controls are exempt, and look so
        const QPalette& pal = option->palette;
        // A circle is drawn smooth, and its smoothed edge pixels are paler: it takes the text
        // colour itself, a little wider.
        const QColor window = pal.color(QPalette::Window);
        const QColor colour = radius < 0 ? readableOn(window, pal.color(QPalette::WindowText))
                                         : outlineOn(window, pal.color(QPalette::WindowText));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, radius != 0);
        painter->setPen(QPen(colour, radius < 0 ? 1.2 : 1.0));
        painter->setBrush(Qt::NoBrush);
        const QRectF r = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        if (radius < 0)
            painter->drawEllipse(r.adjusted(1, 1, -1, -1));
        else if (radius > 0)
            painter->drawRoundedRect(r, radius, radius);
        else
            painter->drawRect(r);
        painter->restore();
    }
};

} // namespace

void applyApplicationStyle(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Drevant"));
    QApplication::setOrganizationName(QStringLiteral("Drevant"));
    if (!dynamic_cast<FocusVisibleStyle*>(QApplication::style()))
        QApplication::setStyle(new FocusVisibleStyle); // the application takes it over
    app.setFont(windowFont());
    installAccessibility();
    // The desktop entry's name, by which a Wayland task switcher finds the icon too.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.drevant.Drevant"));
    QApplication::setWindowIcon(applicationIcon());
}

QFont windowFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

QIcon applicationIcon() {
    if (const QIcon made = QGuiApplication::windowIcon(); !made.isNull())
        return made;
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(applicationIconImage(size)));
    QGuiApplication::setWindowIcon(icon);
    return icon;
}

} // namespace drevant
