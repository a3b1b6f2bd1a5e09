// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/forms/controls.h"

#include "platform/accessibility/accessibility.h"
#include "platform/controls/command_button.h"
#include "platform/controls/frame.h"
#include "platform/controls/option_button.h"
#include "platform/controls/plain_label.h"
#include "platform/controls/progress_bar.h"
#include "platform/controls/status_bar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

QComboBox *makeComboBox(QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    // Typing into the text field must neither add an entry nor pick one: only a pick from the list counts.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    QObject::disconnect(combo->lineEdit(), &QLineEdit::returnPressed, combo, nullptr);
    return combo;
}

QWidget *makeWidget(ControlKind kind, QWidget *parent)
{
    switch (kind) {
    case ControlKind::Label: {
        auto *label = new PlainLabel(parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setAutoFillBackground(true);
        return label;
    }
    case ControlKind::Frame: return new Frame(parent);
    case ControlKind::CheckBox: return new CheckBox(parent);
    case ControlKind::CommandButton: return new CommandButton(parent);
    case ControlKind::OptionButton: return new OptionButton(parent);
    case ControlKind::ComboBox: return makeComboBox(parent);
    case ControlKind::Image: {
        auto *image = new QLabel(parent);
        image->setScaledContents(true);
        return image;
    }
    case ControlKind::StatusBar: return new StatusBar(parent);
    case ControlKind::ProgressBar: return new ProgressBar(parent);
    }
    return new QWidget(parent);
}

} // namespace

namespace detail {

void ApplyColour(QWidget &widget, ForeColour colour, QRgb rgb)
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

void ApplyLabelLayout(QWidget &label, TextAlignment alignment, bool autoSize)
{
    auto &qLabel = static_cast<QLabel &>(label);
    qLabel.setAlignment((alignment == TextAlignment::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    if (autoSize)
        qLabel.setWordWrap(false);
}

void ApplyAccessibility(QWidget &widget, QStringView accessibleName, bool accessible)
{
    if (!accessibleName.isEmpty())
        widget.setAccessibleName(accessibleName.toString());
    if (!accessible)
        hideFromScreenReaders(widget);
}

} // namespace detail

Control &Controls::make(ControlKind kind, QWidget &parent, const QString &name, int tabIndex)
{
    QWidget *widget = makeWidget(kind, &parent);
    widget->setObjectName(name);
    // Labels are drawn beneath the other controls of their container, so buttons placed over them stay usable.
    if (kind == ControlKind::Label || kind == ControlKind::Image)
        widget->lower();
    m_entries.push_back({std::make_unique<Control>(kind, widget), tabIndex, static_cast<int>(m_entries.size())});
    return *m_entries.back().control;
}

Control &Controls::makeElement(const Control &pattern, const QString &name)
{
    const auto patternEntry = std::find_if(m_entries.begin(), m_entries.end(),
                                           [&](const Entry &e) { return e.control.get() == &pattern; });
    QWidget &patternWidget = *pattern.widget();
    Control &element = make(pattern.kind(), *patternWidget.parentWidget(), name, patternEntry->tabIndex);
    element.widget()->setFont(patternWidget.font());
    element.widget()->setPalette(patternWidget.palette());
    element.Move(pattern.Left(), pattern.Top(), pattern.Width(), pattern.Height());
    element.SetVisible(false);
    element.SetValue(false);
    applyTabOrder();
    return element;
}

QWidget *Controls::FirstTabStop() const
{
    for (const Entry *entry : tabOrder()) {
        QWidget *widget = entry->control->widget();
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(m_form))
            return widget;
    }
    return nullptr;
}

std::vector<const Controls::Entry *> Controls::tabOrder() const
{
    std::vector<const Entry *> order;
    for (const Entry &entry : m_entries)
        order.push_back(&entry);
    std::stable_sort(order.begin(), order.end(), [](const Entry *a, const Entry *b) {
        return a->tabIndex != b->tabIndex ? a->tabIndex < b->tabIndex : a->sequence < b->sequence;
    });
    return order;
}

void Controls::applyTabOrder()
{
    QWidget *previous = nullptr;
    for (const Entry *entry : tabOrder()) {
        QWidget *widget = entry->control->widget();
        // Option buttons that have given up their Tab stop to another of their group keep their place.
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace platform
