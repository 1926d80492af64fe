#include "applicationstyle.h"

#include "ui/accessibility.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace drevant {

namespace {

// Fusion, with the keyboard focus always drawn: Fusion draws it only once the focus has been
// moved with Tab, so a control focused by the window itself, or reached after a click, would
// hide where the keys go.
class FocusVisibleStyle final : public QProxyStyle {
public:
    FocusVisibleStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
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
};

} // namespace

void applyApplicationStyle(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Drevant"));
    QApplication::setOrganizationName(QStringLiteral("Drevant"));
    if (!dynamic_cast<FocusVisibleStyle*>(QApplication::style()))
        QApplication::setStyle(new FocusVisibleStyle); // the application takes it over
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    app.setFont(font);
    installAccessibility();
}

} // namespace drevant
