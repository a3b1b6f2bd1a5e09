// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/design.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace platform {

namespace detail {
// What a design row says of a control's looks beyond its font and rectangle.
void ApplyColour(QWidget &widget, ForeColour colour, QRgb rgb);
void ApplyLabelLayout(QWidget &label, TextAlignment alignment, bool autoSize);
void ApplyAccessibility(QWidget &widget, QStringView accessibleName, bool accessible);
} // namespace detail

// The controls of one window. Build makes them from the window's design table and fills the window's struct of
// handles with them, once; it owns the Control records, while Qt's parent chain owns the widgets, and it keeps
// the focus order that the tab indexes give.
class Controls final {
public:
    Controls() = default;
    Q_DISABLE_COPY_MOVE(Controls)

    template<class Handles> void Build(QWidget &form, const ControlTable<Handles> &table, Handles &handles);

    // The control with the lowest tab index that can take the focus now; nullptr when none can.
    QWidget *FirstTabStop() const;

private:
    struct Entry {
        std::unique_ptr<Control> control;
        int tabIndex;
        int sequence;
    };
    template<class Handles> Control &add(const ControlDesign<Handles> &row, QWidget &parent);
    Control &make(ControlKind kind, QWidget &parent, const QString &name, int tabIndex);
    // A new element of the control array whose element 0 is `pattern`.
    Control &makeElement(const Control &pattern, const QString &name);
    std::vector<const Entry *> tabOrder() const;
    void applyTabOrder();

    std::vector<Entry> m_entries;
    QWidget *m_form = nullptr;
};

template<class Handles> void Controls::Build(QWidget &form, const ControlTable<Handles> &table, Handles &handles)
{
    m_form = &form;
    for (const ControlDesign<Handles> &row : table.rows()) {
        QWidget &parent = row.container ? *(handles.*row.container)->widget() : form;
        if (row.handle) {
            handles.*row.handle = &add(row, parent);
        } else {
            (handles.*row.array)
                .bind(row.name.toString(), add(row, parent),
                      [this](const Control &pattern, const QString &name) -> Control & {
                          return makeElement(pattern, name);
                      });
        }
    }
    applyTabOrder();
}

template<class Handles> Control &Controls::add(const ControlDesign<Handles> &row, QWidget &parent)
{
    const QString name = row.array ? ControlArray::elementName(row.name, 0) : row.name.toString();
    Control &control = make(row.kind, parent, name, row.tabIndex);
    QWidget &widget = *control.widget();
    widget.setFont(MakeFont(row.font, parent.font()));
    detail::ApplyColour(widget, row.colour, row.rgb);
    if (row.kind == ControlKind::Label)
        detail::ApplyLabelLayout(widget, row.alignment, row.autoSize);
    detail::ApplyAccessibility(widget, row.accessibleName, row.accessible);
    control.SetAutoSize(row.autoSize);
    control.SetCaption(row.caption.toString());
    control.Move(row.left, row.top, row.width, row.height);
    control.SetVisible(row.visible);
    return control;
}

} // namespace platform
