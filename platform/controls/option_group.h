// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace platform {

class OptionButton;

// Qt gives a group of option buttons one Tab stop, and moves it to the button last focused or selected; when the
// program later hides that button, the group can no longer be reached with Tab. After the program has shown and
// hidden buttons of a group, this clears the hidden ones and gives the Tab stop to the selected shown button,
// else to the focused one, else to the first one shown.
void resetOptionGroup(std::span<OptionButton *const> group);

} // namespace platform
