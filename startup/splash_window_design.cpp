// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "startup/splash_window_design.h"

#include <array>

using C = SplashWindowControls;
using Row = platform::ControlDesign<C>;

namespace {

constexpr platform::FontDesign WarningFont{u"Verdana", 8.25f, false};
constexpr platform::FontDesign VersionFont{u"Arial", 12.0f, true};
constexpr platform::FontDesign ProductFont{u"Arial", 32.25f, true};

// clang-format off
constexpr std::array Controls{
    Row{.control = &C::Frame1, .name = u"Frame1",
        .left = 150, .top = 60, .width = 7080, .height = 4050, .tabIndex = 0},
    Row{.control = &C::imgLogo, .name = u"imgLogo", .container = &C::Frame1,
        .left = 360, .top = 795, .width = 1815, .height = 2385},
    Row{.control = &C::lblWarning, .name = u"lblWarning", .container = &C::Frame1,
        .caption = u"by tavrelo@users.noreply.example",
        .left = 120, .top = 3720, .width = 6855, .height = 195, .tabIndex = 1, .font = WarningFont},
    Row{.control = &C::lblVersion, .name = u"lblVersion", .container = &C::Frame1,
        .caption = u"Version",
        .left = 5970, .top = 2700, .width = 885, .height = 285, .tabIndex = 2, .font = VersionFont,
        .autoSize = true, .alignment = platform::TextAlignment::Right},
    Row{.control = &C::lblProductName, .name = u"lblProductName", .container = &C::Frame1,
        .caption = u"Product",
        .left = 2880, .top = 1080, .width = 2430, .height = 765, .tabIndex = 3, .font = ProductFont,
        .autoSize = true},
};

constexpr platform::FormDesign<C> Design{
    .window = {.caption = {}, .clientWidth = 7350, .clientHeight = 4275,
               .border = platform::BorderStyle::FixedDialog},
    .controls = Controls,
};
// clang-format on

} // namespace

const platform::FormDesign<SplashWindowControls> &splashWindowDesign()
{
    return Design;
}
