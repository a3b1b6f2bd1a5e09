// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "loading/loading_window_design.h"

#include <array>

using C = LoadingWindowControls;
using Row = platform::ControlDesign<C>;

namespace {

constexpr platform::FontDesign WindowFont{u"Verdana", 8.25f, true};
constexpr platform::FontDesign LabelFont{u"Verdana", 8.25f, false};

// clang-format off
constexpr std::array Controls{
    Row{.control = &C::ProgressBar, .name = u"ProgressBar",
        .left = 240, .top = 720, .width = 5400, .height = 375, .tabIndex = 0},
    Row{.control = &C::Label1, .name = u"Label1",
        .caption = u"Importing data. Please wait...",
        .left = 240, .top = 240, .width = 5415, .height = 375, .tabIndex = 1, .font = LabelFont},
};

constexpr platform::FormDesign<C> Design{
    .window = {.caption = u"Loading data...", .clientWidth = 5910, .clientHeight = 1710,
               .border = platform::BorderStyle::FixedDialog, .font = WindowFont},
    .controls = Controls,
};
// clang-format on

} // namespace

const platform::FormDesign<LoadingWindowControls> &loadingWindowDesign()
{
    return Design;
}
