// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control.h"
#include "platform/controls/wrapped_caption.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace platform {

namespace captioned {

// Where the style puts a kind of button's box or circle and its caption.
struct StyleElements {
    QStyle::PrimitiveElement indicator;
    QStyle::SubElement indicatorRect;
    QStyle::SubElement contentsRect;
};

void paint(QAbstractButton &button, QStyleOptionButton option, WrappedCaption &caption, const StyleElements &elements);
void showAsText(QAbstractButton &button, const QStyleOptionButton &option, WrappedCaption &caption,
                const StyleElements &elements);
// Sets the check mark; an auto-exclusive button clears itself too, although Qt refuses that to the checked one of
// a group.
void setChecked(QAbstractButton &button, bool checked);

inline constexpr StyleElements OptionButtonElements{QStyle::PE_IndicatorRadioButton, QStyle::SE_RadioButtonIndicator,
                                                    QStyle::SE_RadioButtonContents};
inline constexpr StyleElements CheckBoxElements{QStyle::PE_IndicatorCheckBox, QStyle::SE_CheckBoxIndicator,
                                                QStyle::SE_CheckBoxContents};

} // namespace captioned

// Option buttons and check boxes as the classic desktop has them: a caption wider than the control wraps onto
// further lines within its height (see WrappedCaption), and a click anywhere on the control's area counts, not
// only one on its box and text. The caption is plain text; text() holds the part of it that can show, with
// every '&' doubled, so that assistive technology reads the caption and no '&' becomes a keyboard shortcut.
template<class Button> class CaptionedButton : public Button, public Control {
public:
    CaptionedButton(QWidget *parent, const captioned::StyleElements &elements)
        : Button(parent), Control(this), m_elements(elements)
    {
    }
    Q_DISABLE_COPY_MOVE(CaptionedButton)

    const QString &Caption() const { return m_caption.text(); }
    void SetCaption(const QString &caption)
    {
        m_caption.setText(caption);
        showCaption();
        this->update();
    }

    // Option button: selected; check box: checked (Value 1).
    bool Value() const { return this->isChecked(); }
    void SetValue(bool value) { captioned::setChecked(*this, value); }

protected:
    bool hitButton(const QPoint &pos) const override { return this->rect().contains(pos); }

    void paintEvent(QPaintEvent *) override
    {
        QStyleOptionButton option;
        this->initStyleOption(&option);
        captioned::paint(*this, option, m_caption, m_elements);
    }

    void resizeEvent(QResizeEvent *event) override
    {
        Button::resizeEvent(event);
        showCaption();
    }

    void changeEvent(QEvent *event) override
    {
        Button::changeEvent(event);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            showCaption();
    }

private:
    void showCaption()
    {
        QStyleOptionButton option;
        this->initStyleOption(&option);
        captioned::showAsText(*this, option, m_caption, m_elements);
    }

    const captioned::StyleElements &m_elements;
    WrappedCaption m_caption;
};

// An option button: the option buttons of one container form one group, of which at most one is selected.
class OptionButton final : public CaptionedButton<QRadioButton> {
public:
    explicit OptionButton(QWidget *parent) : CaptionedButton(parent, captioned::OptionButtonElements) {}
};

// A check box, whose Value is 1 when checked.
class CheckBox final : public CaptionedButton<QCheckBox> {
public:
    explicit CheckBox(QWidget *parent) : CaptionedButton(parent, captioned::CheckBoxElements) {}
};

} // namespace platform
