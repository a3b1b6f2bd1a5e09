// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/progress_bar.h"

#include <QPainter>
#include <QStyleOptionProgressBar>

#include <algorithm>

namespace platform {
namespace {
constexpr int Steps = 10000; // resolution handed to the style, which draws integer ranges only
} // namespace

ProgressBar::ProgressBar(QWidget *parent) : QWidget(parent)
{
}

void ProgressBar::SetMin(float min)
{
    const int old = progressSteps();
    m_min = min;
    Q_EMIT minChanged(min);
    changedFrom(old);
}

void ProgressBar::SetMax(float max)
{
    const int old = progressSteps();
    m_max = max;
    Q_EMIT maxChanged(max);
    changedFrom(old);
}

void ProgressBar::SetValue(float value)
{
    const int old = progressSteps();
    m_value = value;
    Q_EMIT valueChanged(value);
    changedFrom(old);
}

void ProgressBar::changedFrom(int oldSteps)
{
    // Most settings during a load leave the picture as it is; scheduling a paint for them would cost more
    // than the reading.
    if (progressSteps() != oldSteps)
        update();
}

double ProgressBar::FilledShare() const
{
    const double range = static_cast<double>(m_max) - m_min;
    if (!(range > 0))
        return 0;
    return std::clamp((static_cast<double>(m_value) - m_min) / range, 0.0, 1.0);
}

int ProgressBar::progressSteps() const
{
    return static_cast<int>(FilledShare() * Steps);
}

void ProgressBar::initStyleOption(QStyleOptionProgressBar &option) const
{
    option.initFrom(this);
    // Qt 6 styles draw a bar vertically unless its option says otherwise.
    option.state |= QStyle::State_Horizontal;
    option.minimum = 0;
    option.maximum = Steps;
    option.progress = progressSteps();
    option.textVisible = false;
}

int ProgressBar::FilledPixels() const
{
    QStyleOptionProgressBar option;
    initStyleOption(option);
    const int width = style()->subElementRect(QStyle::SE_ProgressBarContents, &option, this).width();
    return static_cast<int>(static_cast<qint64>(progressSteps()) * std::max(0, width) / Steps);
}

void ProgressBar::RepaintIfWorthwhile()
{
    if (FilledPixels() == m_paintedPixels && m_sincePaint.isValid()
        && m_sincePaint.elapsed() < RepaintIntervalMs)
        return;
    repaint();
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QStyleOptionProgressBar option;
    initStyleOption(option);
    QPainter painter(this);
    style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
    m_paintedPixels = FilledPixels();
    m_sincePaint.start();
}

} // namespace platform
