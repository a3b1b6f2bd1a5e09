// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "quiz/main_window_design.h"

#include "platform/controls/status_bar.h"
#include "platform/core/version.h"
#include "quiz/layout_rule.h"

#include <array>

using namespace Qt::StringLiterals;
using platform::FontDesign;
using platform::ForeColour;
using C = MainWindowControls;
using Row = platform::ControlDesign<C>;

namespace {

constexpr FontDesign WindowFont{u"Verdana", 8.25f, false};
constexpr FontDesign QuestionFont{u"Verdana", 9.75f, false};
constexpr FontDesign ScoreFont{u"Verdana", 9.75f, true};
constexpr FontDesign RateFont{u"Verdana", 12.0f, true};

// clang-format off
constexpr std::array Controls{
    Row{.control = &C::showMessage, .name = u"showMessage",
        .caption = u"Выводить окно после ответа на вопрос",
        .left = 120, .top = 120, .width = 4095, .height = 255, .tabIndex = 6},
    Row{.control = &C::StatusBar, .name = u"StatusBar",
        .left = 0, .top = 8460, .width = 10815, .height = 300, .tabIndex = 5, .font = WindowFont},
    Row{.control = &C::showRight, .name = u"showRight",
        .caption = u"Показывать правильные ответы",
        .left = 120, .top = layout::ShowRightTop, .width = 3255, .height = 255, .tabIndex = 4},
    Row{.control = &C::MainFrame, .name = u"MainFrame", .caption = u"Question:",
        .left = 120, .top = 960, .width = 10575, .height = 7335, .tabIndex = 0},
    Row{.control = &C::bNext, .name = u"bNext", .container = &C::MainFrame,
        .caption = u">>", .left = 9960, .top = 6840, .width = 495, .height = 315, .tabIndex = 9},
    Row{.control = &C::qList, .name = u"qList", .container = &C::MainFrame,
        .left = 9000, .top = 6840, .width = 870, .height = 315, .tabIndex = 8,
        .accessibleName = u"Выбор вопроса по номеру"},
    Row{.control = &C::bPrevious, .name = u"bPrevious", .container = &C::MainFrame,
        .caption = u"<<", .left = 8400, .top = 6840, .width = 495, .height = 315, .tabIndex = 7},
    Row{.control = &C::bCheck, .name = u"bCheck", .container = &C::MainFrame,
        .caption = u"Я прав?", .left = 240, .top = 6840, .width = 1695, .height = 375, .tabIndex = 3},
    Row{.control = &C::qAnswers, .name = u"qAnswers", .container = &C::MainFrame,
        .left = layout::AnswerLeft, .top = 3360, .width = layout::AnswerWidth, .height = 375, .tabIndex = 2,
        .visible = false, .accessible = false},
    Row{.control = &C::qQuestion, .name = u"qQuestion", .container = &C::MainFrame,
        .left = 240, .top = 480, .width = 9975, .height = 2535, .tabIndex = 1, .font = QuestionFont},
    Row{.control = &C::LabelRate, .name = u"LabelRate",
        .left = 9840, .top = 120, .width = 855, .height = 375, .tabIndex = 13, .font = RateFont,
        .colour = ForeColour::Highlight3D},
    Row{.control = &C::LabelWrong, .name = u"LabelWrong",
        .left = 7680, .top = 600, .width = 2895, .height = 375, .tabIndex = 12, .font = ScoreFont,
        .colour = ForeColour::Rgb, .rgb = qRgb(192, 0, 0)},
    Row{.control = &C::LabelRight, .name = u"LabelRight",
        .left = 4560, .top = 600, .width = 2895, .height = 255, .tabIndex = 11, .font = ScoreFont,
        .colour = ForeColour::Rgb, .rgb = qRgb(0, 128, 0)},
    Row{.control = &C::LabelTotal, .name = u"LabelTotal",
        .left = 4560, .top = 120, .width = 5055, .height = 255, .tabIndex = 10, .font = ScoreFont},
};

constexpr platform::FormDesign<C> Design{
    .window = {.caption = u"Tavrelo", .clientWidth = 10815, .clientHeight = 8760,
               .border = platform::BorderStyle::Sizable, .font = WindowFont},
    .controls = Controls,
};
// clang-format on

} // namespace

const platform::FormDesign<MainWindowControls> &mainWindowDesign()
{
    return Design;
}

void addStatusPanels(platform::StatusBar &bar)
{
    // The first three fields of the version, and one blank.
    namespace version = platform::version;
    const QString product = u"Tavrelo %1.%2.%3 "_s.arg(version::Major).arg(version::Minor).arg(version::Patch);
    bar.AddPanel(product, platform::StatusBar::PanelSize::Contents, 1440, 1755);
    bar.AddPanel(QString(), platform::StatusBar::PanelSize::Spring, 1440);
}
