// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/option_group.h"

#include "platform/controls/control.h"

#include <QWidget>

#include <algorithm>

namespace platform {

void ResetOptionGroup(std::span<Control *const> group)
{
    const auto shownWhere = [&](auto predicate) -> Control * {
        const auto found = std::find_if(group.begin(), group.end(),
                                        [&](Control *c) { return c->Visible() && predicate(*c); });
        return found == group.end() ? nullptr : *found;
    };
    Control *tabStop = shownWhere([](const Control &c) { return c.Value(); });
    if (!tabStop)
        tabStop = shownWhere([](const Control &c) { return c.widget()->hasFocus(); });
    if (!tabStop)
        tabStop = shownWhere([](const Control &) { return true; });

    for (Control *button : group) {
        if (!button->Visible())
            button->SetValue(false);
        QWidget *widget = button->widget();
        const Qt::FocusPolicy others = Qt::FocusPolicy(widget->focusPolicy() & ~Qt::TabFocus);
        widget->setFocusPolicy(button == tabStop ? Qt::FocusPolicy(others | Qt::TabFocus) : others);
    }
}

} // namespace platform
