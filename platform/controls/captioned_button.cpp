// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/captioned_button.h"

#include <QStylePainter>

namespace platform::captioned {
namespace {

QRect captionArea(const QAbstractButton &button, const QStyleOptionButton &option, const StyleElements &elements)
{
    return button.style()->subElementRect(elements.contentsRect, &option, &button);
}

} // namespace

// The box or circle as the style draws it, then the wrapped caption, then the focus frame around the caption.
void paint(QAbstractButton &button, QStyleOptionButton option, WrappedCaption &caption, const StyleElements &elements)
{
    option.text.clear();
    QStylePainter painter(&button);
    QStyleOptionButton indicator = option;
    indicator.rect = button.style()->subElementRect(elements.indicatorRect, &option, &button);
    painter.drawPrimitive(elements.indicator, indicator);

    painter.setPen(option.palette.color(QPalette::WindowText));
    const QRect drawn = caption.paint(painter, captionArea(button, option, elements), button.font());
    if (option.state & QStyle::State_HasFocus && !drawn.isEmpty()) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = drawn.adjusted(-2, -1, 2, 1) & button.rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// text() changes only when the part of the caption that can show does.
void showAsText(QAbstractButton &button, const QStyleOptionButton &option, WrappedCaption &caption,
                const StyleElements &elements)
{
    const qsizetype shown = caption.prepare(captionArea(button, option, elements).size(), button.font());
    const QString text = escapeMnemonics(caption.text().left(shown));
    if (text != button.text())
        button.setText(text);
}

void setChecked(QAbstractButton &button, bool checked)
{
    const bool exclusive = button.autoExclusive();
    if (!checked && exclusive)
        button.setAutoExclusive(false);
    button.setChecked(checked);
    if (!checked && exclusive)
        button.setAutoExclusive(true);
}

} // namespace platform::captioned
