// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "startup/splash_window.h"

#include "platform/core/app_info.h"
#include "platform/forms/error_guard.h"
#include "quiz/main_window.h"
#include "startup/logo.h"

#include <QMouseEvent>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;
using C = SplashWindowControls;
using Row = platform::ControlDesign<C>;
using platform::Forms;

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
// clang-format on

constexpr platform::FormDesign<C> Design{
    .window = {.name = u"frmSplash",
               .caption = {},
               .clientWidth = 7350,
               .clientHeight = 4275,
               .border = platform::BorderStyle::FixedDialog},
    .controls = Controls,
};

} // namespace

SplashWindow::SplashWindow() : DesignedForm(Design)
{
    // Qt puts the program's name into a title bar left empty; a blank keeps it without text.
    setWindowTitle(u" "_s);
    ui.imgLogo->SetPicture(logoPicture());
    ui.Frame1->installEventFilter(this);
}

void SplashWindow::Form_Load()
{
    platform::Label &version = *ui.lblVersion;
    // The version is right-aligned, so a longer text grows it to the left.
    const float right = version.Left() + version.Width();
    version.SetCaption(
        u"Version %1.%2.%3"_s.arg(platform::AppMajor()).arg(platform::AppMinor()).arg(platform::AppRevision()));
    version.SetLeft(right - version.Width());
    ui.lblProductName->SetCaption(platform::AppTitle());
}

void SplashWindow::Form_KeyPress(qint16 KeyAscii)
{
    Q_UNUSED(KeyAscii);
    Forms<SplashWindow>::Unload();
}

void SplashWindow::Frame1_Click()
{
    Forms<MainWindow>::Show();
    Forms<SplashWindow>::Unload();
}

// A click is a left press and release on the frame's own area. Presses on the picture and the labels reach
// the frame too, since they ignore the mouse, so the point must not lie on one of them.
bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui.Frame1)
        return platform::Form::eventFilter(watched, event);
    const auto *frame = static_cast<QWidget *>(watched);
    const auto onFrameItself = [frame](const QMouseEvent *mouse) {
        const QPoint point = mouse->position().toPoint();
        return frame->rect().contains(point) && !frame->childAt(point);
    };
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            m_framePressed = onFrameItself(mouse);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && std::exchange(m_framePressed, false) && onFrameItself(mouse))
            platform::runHandler([this] { Frame1_Click(); });
    }
    return platform::Form::eventFilter(watched, event);
}
