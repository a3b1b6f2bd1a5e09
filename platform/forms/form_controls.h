// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/frame.h"
#include "platform/forms/design.h"

#include <QWidget>

#include <vector>

namespace platform {

namespace detail {
// What a design row says of a control's looks beyond its font and rectangle.
void applyColour(QWidget &widget, ForeColour colour, QRgb rgb);
void applyAccessibility(QWidget &widget, QStringView accessibleName, bool accessible);
} // namespace detail

// The controls of one window. build() makes them from the window's design table and fills the window's struct of
// handles with them, once; Qt's parent chain owns them, and this keeps the focus order that the tab indexes give.
class FormControls final {
public:
    FormControls() = default;
    Q_DISABLE_COPY_MOVE(FormControls)

    template<class Handles> void build(QWidget &form, const ControlTable<Handles> &table, Handles &handles);

    // The control with the lowest tab index that can take the focus now; nullptr when none can.
    QWidget *firstTabStop() const;

private:
    struct Entry {
        QWidget *widget;
        int tabIndex;
        int sequence;
    };

    template<class K, class Handles>
    void place(K *Handles::*member, const ControlDesign<Handles> &row, Handles &handles);
    template<class K, class Handles>
    void place(ControlArray<K> Handles::*member, const ControlDesign<Handles> &row, Handles &handles);
    template<class K, class Handles> K &make(const ControlDesign<Handles> &row, QWidget &parent, const QString &name);
    template<class K> K &makeElement(const K &pattern, const QString &name);

    void add(QWidget &widget, const QString &name, int tabIndex);
    int tabIndexOf(const QWidget &widget) const;
    std::vector<const Entry *> tabOrder() const;
    void applyTabOrder();

    std::vector<Entry> m_entries;
    QWidget *m_form = nullptr;
};

template<class Handles> void FormControls::build(QWidget &form, const ControlTable<Handles> &table, Handles &handles)
{
    m_form = &form;
    for (const ControlDesign<Handles> &row : table.rows())
        std::visit([&](auto member) { place(member, row, handles); }, row.control);
    applyTabOrder();
}

template<class K, class Handles>
void FormControls::place(K *Handles::*member, const ControlDesign<Handles> &row, Handles &handles)
{
    QWidget &parent = row.container ? *(handles.*row.container) : *m_form;
    handles.*member = &make<K>(row, parent, row.name.toString());
}

template<class K, class Handles>
void FormControls::place(ControlArray<K> Handles::*member, const ControlDesign<Handles> &row, Handles &handles)
{
    QWidget &parent = row.container ? *(handles.*row.container) : *m_form;
    K &first = make<K>(row, parent, detail::elementName(row.name, 0));
    (handles.*member).bind(row.name.toString(), first, [this](const K &pattern, const QString &name) -> K & {
        return makeElement(pattern, name);
    });
}

template<class K, class Handles>
K &FormControls::make(const ControlDesign<Handles> &row, QWidget &parent, const QString &name)
{
    static_assert(ControlKind<K>, "a member of a struct of handles must be a control (see ControlKind)");
    auto *control = new K(&parent);
    add(*control, name, row.tabIndex);
    control->setFont(makeFont(row.font, parent.font()));
    detail::applyColour(*control, row.colour, row.rgb);
    if constexpr (requires { control->SetAlignment(row.alignment); })
        control->SetAlignment(row.alignment);
    if constexpr (requires { control->SetAutoSize(row.autoSize); })
        control->SetAutoSize(row.autoSize);
    detail::applyAccessibility(*control, row.accessibleName, row.accessible);
    if constexpr (requires { control->SetCaption(QString()); })
        control->SetCaption(row.caption.toString());
    control->Move(row.left, row.top, row.width, row.height);
    control->SetVisible(row.visible);
    return *control;
}

// A new element takes its pattern's kind, container, font and colours, and stands hidden and not selected in the
// tab order after the elements before it.
template<class K> K &FormControls::makeElement(const K &pattern, const QString &name)
{
    auto *element = new K(pattern.parentWidget());
    add(*element, name, tabIndexOf(pattern));
    element->setFont(pattern.font());
    element->setPalette(pattern.palette());
    element->Move(pattern.Left(), pattern.Top(), pattern.Width(), pattern.Height());
    element->SetVisible(false);
    if constexpr (requires { element->SetValue(false); })
        element->SetValue(false);
    applyTabOrder();
    return *element;
}

} // namespace platform
