// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QStyleOptionProgressBar;

namespace platform {

// A horizontal progress bar with single-precision Min, Max and Value that may be set in any order: a range
// that does not (yet) hold the value is no error, the bar just draws the share clamped to empty or full.
class ProgressBar final : public QWidget {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ProgressBar)

    float Min() const { return m_min; }
    float Max() const { return m_max; }
    float Value() const { return m_value; }
    void SetMin(float min);
    void SetMax(float max);
    void SetValue(float value);

    // The filled share of the bar, 0 to 1.
    double FilledShare() const;
    // Width in pixels of the filled part as the style draws it.
    int FilledPixels() const;

    // For a caller that keeps the event loop waiting (a long read): paints the bar on screen at once, but only
    // when the picture would change or the last paint is older than a frame, so frequent calls stay cheap.
    void RepaintIfWorthwhile();

    // Age in milliseconds (about one frame) after which a paint counts as stale.
    static constexpr qint64 RepaintIntervalMs = 16;

Q_SIGNALS:
    void minChanged(float min);
    void maxChanged(float max);
    void valueChanged(float value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int progressSteps() const;
    void initStyleOption(QStyleOptionProgressBar &option) const;
    void changedFrom(int oldSteps);

    float m_min = 0;
    float m_max = 100;
    float m_value = 0;
    int m_paintedPixels = -1; // filled width at the last paint
    QElapsedTimer m_sincePaint;
};

} // namespace platform
