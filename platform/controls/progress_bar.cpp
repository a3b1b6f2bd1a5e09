// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/progress_bar.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionProgressBar>

#include <algorithm>

namespace platform {
namespace {
constexpr int Steps = 10000; // resolution handed to the style, which draws integer ranges only
} // namespace

ProgressBar::ProgressBar(QWidget *parent) : QWidget(parent), Control(this)
{
}

// The picture follows once the settings in hand are made: Min, Max and Value are set one after the other, and
// painting what a passing setting draws would only cost more.
void ProgressBar::set(float &setting, float value)
{
    setting = value;
    if (m_updateQueued)
        return;
    m_updateQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_updateQueued = false;
            if (const int pixels = filledPixels(); pixels != m_paintedPixels)
                update(m_paintedPixels < 0 ? rect() : columnsBetween(m_paintedPixels, pixels));
        },
        Qt::QueuedConnection);
}

double ProgressBar::filledShare() const
{
    const double range = static_cast<double>(m_max) - m_min;
    if (!(range > 0))
        return 0;
    return std::clamp((static_cast<double>(m_value) - m_min) / range, 0.0, 1.0);
}

const QRect &ProgressBar::contents() const
{
    if (m_contents.isNull()) {
        QStyleOptionProgressBar option;
        initStyleOption(option, 0);
        m_contents = style()->subElementRect(QStyle::SE_ProgressBarContents, &option, this);
    }
    return m_contents;
}

int ProgressBar::pixelsFor(double share) const
{
    return static_cast<int>(static_cast<qint64>(share * Steps) * std::max(0, contents().width()) / Steps);
}

int ProgressBar::filledPixels() const
{
    return pixelsFor(filledShare());
}

// The columns whose picture differs between two filled widths: exactly those between them, as a paint takes each
// column whole from the one picture or the other; the whole bar where either width is an end, since the empty and
// the full picture may differ there outside the contents too. Successive repaints of a growing bar so touch no
// column twice, which spares each a round trip to the window system (Qt waits for one before it paints over what
// it has just handed over).
QRect ProgressBar::columnsBetween(int pixels, int otherPixels) const
{
    const int full = contents().width();
    if (std::min(pixels, otherPixels) <= 0 || std::max(pixels, otherPixels) >= full)
        return rect();
    const int left = contents().left() + std::min(pixels, otherPixels);
    const int right = contents().left() + std::max(pixels, otherPixels);
    return QRect(left, 0, right - left, height());
}

void ProgressBar::repaintIfWorthwhile()
{
    const int pixels = filledPixels();
    if (pixels != m_paintedPixels && m_paintedPixels >= 0)
        repaint(columnsBetween(m_paintedPixels, pixels));
    else if (pixels != m_paintedPixels || !m_sincePaint.isValid() || m_sincePaint.elapsed() >= RepaintIntervalMs)
        repaint();
}

void ProgressBar::initStyleOption(QStyleOptionProgressBar &option, int progress) const
{
    option.initFrom(this);
    // Qt 6 styles draw a bar vertically unless its option says otherwise.
    option.state |= QStyle::State_Horizontal;
    option.minimum = 0;
    option.maximum = Steps;
    option.progress = progress;
    option.textVisible = false;
}

void ProgressBar::renderPictures()
{
    const qreal ratio = devicePixelRatioF();
    for (auto [picture, progress] : {std::pair{&m_empty, 0}, std::pair{&m_full, Steps}}) {
        *picture = QPixmap(size() * ratio);
        picture->setDevicePixelRatio(ratio);
        picture->fill(Qt::transparent);
        QStyleOptionProgressBar option;
        initStyleOption(option, progress);
        QPainter painter(picture);
        style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
    }
}

void ProgressBar::paintEvent(QPaintEvent *event)
{
    if (m_empty.isNull())
        renderPictures();
    const int pixels = filledPixels();
    QPainter painter(this);
    if (pixels <= 0) {
        painter.drawPixmap(0, 0, m_empty);
    } else if (pixels >= contents().width()) {
        painter.drawPixmap(0, 0, m_full);
    } else {
        const int edge = contents().left() + pixels;
        const qreal ratio = m_full.devicePixelRatio();
        painter.drawPixmap(QRectF(0, 0, edge, height()), m_full, QRectF(0, 0, edge * ratio, height() * ratio));
        painter.drawPixmap(QRectF(edge, 0, width() - edge, height()), m_empty,
                           QRectF(edge * ratio, 0, (width() - edge) * ratio, height() * ratio));
    }
    // A paint of part of the bar (an expose) brings the whole bar to the new width only where it covers every column
    // that changes; otherwise the next update repaints them from the width the screen still shows elsewhere.
    const QRect changed = m_paintedPixels < 0 ? rect() : columnsBetween(m_paintedPixels, pixels);
    if ((QRegion(changed) - event->region()).isEmpty())
        m_paintedPixels = pixels;
    m_sincePaint.start();
}

void ProgressBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_contents = QRect();
    m_empty = m_full = QPixmap();
}

void ProgressBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::FontChange:
        m_contents = QRect();
        m_empty = m_full = QPixmap();
        break;
    default: break;
    }
}

} // namespace platform
