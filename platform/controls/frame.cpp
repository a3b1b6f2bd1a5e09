// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/frame.h"

#include <QChildEvent>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace platform {

Frame::Frame(QWidget *parent) : QGroupBox(parent), Control(this)
{
}

// Paints a frame of the same kind over the colour behind this one and reads the colour at its middle; without its
// caption, which does not change the colour inside.
QColor Frame::insideColour() const
{
    if (m_inside.isValid())
        return m_inside;
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.text.clear();
    option.rect = QRect(0, 0, 100, 100);
    const QWidget *behind = parentWidget() ? parentWidget() : this;
    QImage picture(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(behind->palette().color(behind->backgroundRole()));
    QPainter painter(&picture);
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
    painter.end();
    const QRect inside = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    m_inside = picture.pixelColor(inside.center());
    return m_inside;
}

// Buttons fill with their face colour by default; the face itself keeps it.
void Frame::colourControl(QWidget &control, const QColor &colour) const
{
    QPalette palette = control.palette();
    if (control.backgroundRole() == QPalette::Window && palette.color(QPalette::Window) == colour
        && control.autoFillBackground())
        return;
    palette.setColor(QPalette::Window, colour);
    control.setPalette(palette);
    control.setBackgroundRole(QPalette::Window);
    control.setAutoFillBackground(true);
}

// A control is coloured when it is polished, which comes before it is first painted.
void Frame::childEvent(QChildEvent *event)
{
    QGroupBox::childEvent(event);
    if (event->type() == QEvent::ChildPolished && event->child()->isWidgetType())
        colourControl(*static_cast<QWidget *>(event->child()), insideColour());
}

void Frame::changeEvent(QEvent *event)
{
    QGroupBox::changeEvent(event);
    if (event->type() != QEvent::PaletteChange && event->type() != QEvent::StyleChange)
        return;
    m_inside = QColor();
    const QColor colour = insideColour();
    for (QObject *child : children()) {
        if (child->isWidgetType())
            colourControl(*static_cast<QWidget *>(child), colour);
    }
}

} // namespace platform
