// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/option_group.h"

#include "platform/controls/captioned_button.h"

#include <algorithm>

namespace platform {

void resetOptionGroup(std::span<OptionButton *const> group)
{
    const auto shownWhere = [&](auto predicate) -> OptionButton * {
        const auto found = std::find_if(group.begin(), group.end(),
                                        [&](OptionButton *c) { return c->Visible() && predicate(*c); });
        return found == group.end() ? nullptr : *found;
    };
    OptionButton *tabStop = shownWhere([](const OptionButton &c) { return c.Value(); });
    if (!tabStop)
        tabStop = shownWhere([](const OptionButton &c) { return c.hasFocus(); });
    if (!tabStop)
        tabStop = shownWhere([](const OptionButton &) { return true; });

    for (OptionButton *button : group) {
        if (!button->Visible())
            button->SetValue(false);
        const Qt::FocusPolicy others = Qt::FocusPolicy(button->focusPolicy() & ~Qt::TabFocus);
        button->setFocusPolicy(button == tabStop ? Qt::FocusPolicy(others | Qt::TabFocus) : others);
    }
}

} // namespace platform
