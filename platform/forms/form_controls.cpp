// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/forms/form_controls.h"

#include "platform/accessibility/accessibility.h"

#include <algorithm>

namespace platform {

namespace detail {

void applyColour(QWidget &widget, ForeColour colour, QRgb rgb)
{
    if (colour == ForeColour::Default)
        return;
    QPalette palette = widget.palette();
    const QColor text = colour == ForeColour::Rgb ? QColor(rgb) : palette.color(QPalette::Light);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    widget.setPalette(palette);
}

void applyAccessibility(QWidget &widget, QStringView accessibleName, bool accessible)
{
    if (!accessibleName.isEmpty())
        widget.setAccessibleName(accessibleName.toString());
    if (!accessible)
        hideFromScreenReaders(widget);
}

} // namespace detail

void FormControls::add(QWidget &widget, const QString &name, int tabIndex)
{
    widget.setObjectName(name);
    m_entries.push_back({&widget, tabIndex, static_cast<int>(m_entries.size())});
}

int FormControls::tabIndexOf(const QWidget &widget) const
{
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry &e) { return e.widget == &widget; });
    return entry == m_entries.end() ? 0 : entry->tabIndex;
}

QWidget *FormControls::firstTabStop() const
{
    for (const Entry *entry : tabOrder()) {
        QWidget *widget = entry->widget;
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(m_form))
            return widget;
    }
    return nullptr;
}

std::vector<const FormControls::Entry *> FormControls::tabOrder() const
{
    std::vector<const Entry *> order;
    for (const Entry &entry : m_entries)
        order.push_back(&entry);
    std::stable_sort(order.begin(), order.end(), [](const Entry *a, const Entry *b) {
        return a->tabIndex != b->tabIndex ? a->tabIndex < b->tabIndex : a->sequence < b->sequence;
    });
    return order;
}

void FormControls::applyTabOrder()
{
    QWidget *previous = nullptr;
    for (const Entry *entry : tabOrder()) {
        QWidget *widget = entry->widget;
        // Option buttons that have given up their Tab stop to another of their group keep their place.
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace platform
