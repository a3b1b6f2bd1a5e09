// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/option_button.h"

#include <QStylePainter>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

constexpr captioned::StyleElements OptionButtonElements{QStyle::PE_IndicatorRadioButton,
                                                        QStyle::SE_RadioButtonIndicator,
                                                        QStyle::SE_RadioButtonContents};
constexpr captioned::StyleElements CheckBoxElements{QStyle::PE_IndicatorCheckBox, QStyle::SE_CheckBoxIndicator,
                                                    QStyle::SE_CheckBoxContents};

QRect captionArea(const QAbstractButton &button, const QStyleOptionButton &option,
                  const captioned::StyleElements &elements)
{
    return button.style()->subElementRect(elements.contentsRect, &option, &button);
}

} // namespace

namespace captioned {

// The box or circle as the style draws it, then the wrapped caption, then the focus frame around the caption.
void Paint(QAbstractButton &button, QStyleOptionButton option, WrappedCaption &caption, const StyleElements &elements)
{
    option.text.clear();
    QStylePainter painter(&button);
    QStyleOptionButton indicator = option;
    indicator.rect = button.style()->subElementRect(elements.indicatorRect, &option, &button);
    painter.drawPrimitive(elements.indicator, indicator);

    painter.setPen(option.palette.color(QPalette::WindowText));
    const QRect drawn = caption.Paint(painter, captionArea(button, option, elements), button.font());
    if (option.state & QStyle::State_HasFocus && !drawn.isEmpty()) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = drawn.adjusted(-2, -1, 2, 1) & button.rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// text() changes only when the part of the caption that can show does.
void ShowAsText(QAbstractButton &button, const QStyleOptionButton &option, WrappedCaption &caption,
                const StyleElements &elements)
{
    const qsizetype shown = caption.Prepare(captionArea(button, option, elements).size(), button.font());
    QString text = caption.Text().first(shown);
    text.replace(u'&', u"&&"_s);
    if (text != button.text())
        button.setText(text);
}

} // namespace captioned

OptionButton::OptionButton(QWidget *parent) : CaptionedButton(parent, OptionButtonElements)
{
}

CheckBox::CheckBox(QWidget *parent) : CaptionedButton(parent, CheckBoxElements)
{
}

} // namespace platform
