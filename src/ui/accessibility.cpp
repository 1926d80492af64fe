// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "ui/curvesurface.h"
#include "ui/retainedsurface.h"
#include "ui/settingscrollbar.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <vector>

namespace drevant {

namespace {

// A surface's printed lines as a read-only, multi-line text.
class PanelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PanelAccessible(RetainedSurface* surface)
        : QAccessibleWidget(surface, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.editable = false;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return all();
        return QAccessibleWidget::text(t);
    }

    // No selection: the panel is read, not edited.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

    int cursorPosition() const override { return std::min(m_cursor, characterCount()); }
    void setCursorPosition(int position) override {
        m_cursor = std::clamp(position, 0, characterCount());
    }

    QString text(int startOffset, int endOffset) const override {
        const QString t = all();
        startOffset = std::clamp(startOffset, 0, int(t.size()));
        endOffset =
            endOffset < 0 ? int(t.size()) : std::clamp(endOffset, startOffset, int(t.size()));
        return t.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(all().size()); }

    QRect characterRect(int offset) const override {
        const QStringList lines = surface()->printedLines();
        const QFontMetricsF metrics(surface()->surfaceFont());
        int row = 0;
        int column = offset;
        while (row < lines.size() && column > lines[row].size()) {
            column -= int(lines[row].size()) + 1;
            ++row;
        }
        if (row >= lines.size())
            return {};
        const QString& line = lines[row];
        // Whole pixels from the same prefix widths as offsetAtPoint(), so that the centre of
        // every character's place gives its offset back, narrow glyphs included.
        const int left = columnLeft(metrics, line, column);
        const int right = column < line.size() ? columnLeft(metrics, line, column + 1) : left + 1;
        const QPoint topLeft(left, int(std::lround(row * metrics.height())));
        return QRect(surface()->mapToGlobal(topLeft),
                     QSize(std::max(1, right - left), int(std::lround(metrics.height()))));
    }

    int offsetAtPoint(const QPoint& point) const override {
        const QStringList lines = surface()->printedLines();
        const QFontMetricsF metrics(surface()->surfaceFont());
        const QPoint local = surface()->mapFromGlobal(point);
        const int row = int(std::floor(local.y() / metrics.height()));
        if (row < 0 || row >= lines.size())
            return -1;
        int offset = 0;
        for (int r = 0; r < row; ++r)
            offset += int(lines[r].size()) + 1;
        const QString& line = lines[row];
        for (int c = 0; c < line.size(); ++c)
            if (columnLeft(metrics, line, c + 1) > local.x())
                return offset + c;
        return offset + int(line.size());
    }

    void scrollToSubstring(int, int) override {} // the whole panel is always in view
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = std::max(offset, characterCount());
        return {};
    }

private:
    RetainedSurface* surface() const { return static_cast<RetainedSurface*>(widget()); }
    // Where the character at `column` of a printed line starts, in whole pixels.
    static int columnLeft(const QFontMetricsF& metrics, const QString& line, int column) {
        return int(std::lround(metrics.horizontalAdvance(line.left(column))));
    }
    QString all() const { return surface()->printedText(); }

    int m_cursor = 0;
};

// One point of the curve: a row of the graph's list.
class CurvePointAccessible final : public QAccessibleInterface {
public:
    CurvePointAccessible(CurveSurface* curve, int row) : m_curve(curve), m_row(row) {}

    bool isValid() const override { return m_curve && m_row < m_curve->spokenRows().size(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return m_curve ? QAccessible::queryAccessibleInterface(m_curve.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        return m_curve->spokenRows().at(m_row);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_curve)
            return {};
        return QRect(m_curve->mapToGlobal(QPoint(0, 0)), m_curve->size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.focusable = true;
        if (m_curve && m_curve->shownPoint() == m_row) // picked by the pointer or the arrows
            s.focused = s.selected = m_curve->hasFocus();
        if (!m_curve || !m_curve->isVisible())
            s.invisible = true;
        return s;
    }

private:
    QPointer<CurveSurface> m_curve;
    int m_row;
};

// The graph: a description of the curve, and its points as a list a screen reader can walk.
class CurveAccessible final : public QAccessibleWidget {
public:
    explicit CurveAccessible(CurveSurface* curve) : QAccessibleWidget(curve, QAccessible::List) {
        QObject::connect(curve, &CurveSurface::rowsShrinking, curve,
                         [this](int count) { dropRowsFrom(count); });
    }
    ~CurveAccessible() override { dropRowsFrom(0); }

    int childCount() const override { return int(curve()->spokenRows().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (int(m_rowIds.size()) <= index) {
            auto* row = new CurvePointAccessible(curve(), int(m_rowIds.size()));
            m_rowIds.push_back(QAccessible::registerAccessibleInterface(row));
        }
        return QAccessible::accessibleInterface(m_rowIds[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < int(m_rowIds.size()); ++i)
            if (QAccessible::accessibleInterface(m_rowIds[i]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

private:
    CurveSurface* curve() const { return static_cast<CurveSurface*>(widget()); }
    void dropRowsFrom(int count) {
        while (int(m_rowIds.size()) > count) {
            QAccessible::deleteAccessibleInterface(m_rowIds.back());
            m_rowIds.pop_back();
        }
    }

    mutable std::vector<QAccessible::Id> m_rowIds;
};

// A setting scroll bar: the quantity it sets as value, the window's text of it as description.
class SettingAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SettingAccessible(SettingScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return bar()->accessibleDescription();
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->value() * bar()->unit(); }
    void setCurrentValue(const QVariant& value) override {
        bar()->setValue(int(std::lround(value.toDouble() / bar()->unit())));
    }
    QVariant maximumValue() const override { return bar()->maximum() * bar()->unit(); }
    QVariant minimumValue() const override { return bar()->minimum() * bar()->unit(); }
    QVariant minimumStepSize() const override { return bar()->singleStep() * bar()->unit(); }

private:
    SettingScrollBar* bar() const { return static_cast<SettingScrollBar*>(widget()); }
};

QAccessibleInterface* drevantAccessibleFactory(const QString& className, QObject* object) {
    // Only for the most derived class, so that Qt's own interfaces serve everything else.
    if (!object || !object->isWidgetType() || className != object->metaObject()->className())
        return nullptr;
    if (auto* curve = qobject_cast<CurveSurface*>(object))
        return new CurveAccessible(curve);
    if (auto* surface = qobject_cast<RetainedSurface*>(object))
        return surface->speaksPrintedText() ? new PanelAccessible(surface) : nullptr;
    if (auto* bar = qobject_cast<SettingScrollBar*>(object))
        return new SettingAccessible(bar);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(drevantAccessibleFactory);
}

} // namespace drevant
