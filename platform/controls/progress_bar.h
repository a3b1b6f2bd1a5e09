// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

class QStyleOptionProgressBar;

namespace platform {

// A horizontal progress bar with single-precision Min, Max and Value that may be set in any order: a range
// that does not (yet) hold the value is no error, the bar just draws the share clamped to empty or full. Not a
// QProgressBar, whose range is whole numbers, which ignores a value outside its range and repaints whole at every
// visible step: the loader sets the bar a thousand times while the event loop waits.
// The style draws the bar once empty and once full; a paint shows the filled width of the one and the rest of
// the other, so a change repaints only the columns between the old and the new width.
class ProgressBar final : public QWidget, public Control {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent);
    Q_DISABLE_COPY_MOVE(ProgressBar)

    void SetMin(float min) { set(m_min, min); }
    void SetMax(float max) { set(m_max, max); }
    void SetValue(float value) { set(m_value, value); }

    // For a caller that keeps the event loop waiting (a long read): puts the bar on screen at once, but only
    // when its filled width has changed since the last paint or that paint is older than about a frame, so
    // frequent calls stay cheap.
    void repaintIfWorthwhile();

    static constexpr qint64 RepaintIntervalMs = 16;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The filled share of the bar, 0 to 1, and the width in pixels that it takes as drawn.
    double filledShare() const;
    int filledPixels() const;
    void initStyleOption(QStyleOptionProgressBar &option, int progress) const;
    const QRect &contents() const;
    int pixelsFor(double share) const;
    QRect columnsBetween(int pixels, int otherPixels) const;
    void set(float &setting, float value);
    void renderPictures();

    float m_min = 0;
    float m_max = 100;
    float m_value = 0;
    mutable QRect m_contents; // where the style draws the filled part; empty until first needed
    QPixmap m_empty;
    QPixmap m_full;
    int m_paintedPixels = -1; // filled width at the last paint
    bool m_updateQueued = false;
    QElapsedTimer m_sincePaint;
};

} // namespace platform
