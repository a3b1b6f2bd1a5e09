// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control.h"

#include <QColor>
#include <QGroupBox>

namespace platform {

// A frame: a captioned container whose controls are opaque in the colour of the frame's inside, as the style
// paints it with the palette in use (some styles shade it off the window's colour): a control that lies in front
// of another, such as a button over a label, hides it wholly, and no control shows as a box of another shade.
class Frame final : public QGroupBox, public Control {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent);
    Q_DISABLE_COPY_MOVE(Frame)

    QString Caption() const { return unescapeMnemonics(title()); }
    void SetCaption(const QString &caption) { setTitle(escapeMnemonics(caption)); }

protected:
    void childEvent(QChildEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QColor insideColour() const;
    void colourControl(QWidget &control, const QColor &colour) const;

    mutable QColor m_inside; // invalid until asked for, and again when palette or style change
};

} // namespace platform
