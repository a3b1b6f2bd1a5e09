// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/design.h"

#include "platform/accessibility.h"
#include "platform/command_button.h"
#include "platform/frame.h"
#include "platform/option_button.h"
#include "platform/plain_label.h"
#include "platform/progress_bar.h"
#include "platform/status_bar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace platform {

QFont MakeFont(const FontDesign &design, const QFont &base)
{
    QFont font = base;
    if (design.family.isEmpty())
        return font;
    // Verdana is rarely installed outside Windows; DejaVu Sans has the same wide, open shapes.
    font.setFamilies({design.family.toString(), u"DejaVu Sans"_s});
    font.setPointSizeF(design.pointSize);
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    return font;
}

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
    case ControlKind::Frame:
        return new Frame(parent);
    case ControlKind::CheckBox:
        return new CheckBox(parent);
    case ControlKind::CommandButton:
        return new CommandButton(parent);
    case ControlKind::OptionButton:
        return new OptionButton(parent);
    case ControlKind::ComboBox:
        return makeComboBox(parent);
    case ControlKind::Image: {
        auto *image = new QLabel(parent);
        image->setScaledContents(true);
        return image;
    }
    case ControlKind::StatusBar:
        return new StatusBar(parent);
    case ControlKind::ProgressBar:
        return new ProgressBar(parent);
    }
    return new QWidget(parent);
}

void applyColour(QWidget *widget, const ControlDesign &row)
{
    if (row.colour == ForeColour::Default)
        return;
    QPalette palette = widget->palette();
    const QColor colour = row.colour == ForeColour::Rgb ? QColor(row.rgb) : palette.color(QPalette::Light);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

} // namespace

void Controls::Build(QWidget &form, std::span<const ControlDesign> design)
{
    m_form = &form;
    for (const ControlDesign &row : design) {
        QWidget *parent = row.container.isEmpty() ? &form : Get(row.container).widget();
        add(row, *parent);
    }
    applyTabOrder();
}

Control &Controls::add(const ControlDesign &row, QWidget &parent, QWidget *patternFor)
{
    QWidget *widget = makeWidget(row.kind, &parent);
    widget->setObjectName(row.index < 0 ? row.name.toString()
                                        : u"%1(%2)"_s.arg(row.name.toString()).arg(row.index));
    widget->setFont(patternFor ? patternFor->font() : MakeFont(row.font, parent.font()));
    applyColour(widget, row);
    if (row.kind == ControlKind::Label)
        static_cast<QLabel *>(widget)->setAlignment(
            (row.alignment == TextAlignment::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    if (row.autoSize && row.kind == ControlKind::Label)
        static_cast<QLabel *>(widget)->setWordWrap(false);
    // Labels are drawn beneath the other controls of their container, so buttons placed over them stay usable.
    if (row.kind == ControlKind::Label || row.kind == ControlKind::Image)
        widget->lower();
    if (!row.accessibleName.isEmpty())
        widget->setAccessibleName(row.accessibleName.toString());
    if (!row.accessible)
        HideFromScreenReaders(*widget);

    auto control = std::make_unique<Control>(row.name.toString(), row.index, row.kind, widget);
    control->SetAutoSize(row.autoSize);
    control->SetCaption(row.caption.toString());
    control->Move(row.left, row.top, row.width, row.height);
    control->SetVisible(row.visible);
    Control &result = *control;
    m_entries.push_back({std::move(control), row.tabIndex, static_cast<int>(m_entries.size())});
    return result;
}

Control *Controls::Find(QStringView name, int index) const
{
    for (const Entry &entry : m_entries) {
        if (entry.control->name() == name && entry.control->index() == index)
            return entry.control.get();
    }
    return nullptr;
}

Control &Controls::Get(QStringView name, int index) const
{
    Control *control = Find(name, index);
    Q_ASSERT_X(control, "Controls::Get", "no such control in the design");
    return *control;
}

Control &Controls::LoadElement(QStringView arrayName, int index)
{
    if (Control *existing = Find(arrayName, index))
        return *existing;
    const Control &pattern = Get(arrayName, 0);
    const auto patternEntry = std::find_if(m_entries.begin(), m_entries.end(),
                                           [&](const Entry &e) { return e.control.get() == &pattern; });
    ControlDesign row;
    row.name = pattern.name();
    row.kind = pattern.kind();
    row.left = pattern.Left();
    row.top = pattern.Top();
    row.width = pattern.Width();
    row.height = pattern.Height();
    row.tabIndex = patternEntry->tabIndex;
    row.visible = false;
    row.index = index;
    Control &element = add(row, *pattern.widget()->parentWidget(), pattern.widget());
    element.widget()->setPalette(pattern.widget()->palette());
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
