// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/wrapped_caption.h"

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

void Paint(QAbstractButton &button, QStyleOptionButton option, WrappedCaption &caption, const StyleElements &elements);
void ShowAsText(QAbstractButton &button, const QStyleOptionButton &option, WrappedCaption &caption,
                const StyleElements &elements);

} // namespace captioned

// Option buttons and check boxes as the classic desktop has them: a caption wider than the control wraps onto
// further lines within its height (see WrappedCaption), and a click anywhere on the control's area counts, not
// only one on its box and text. The caption is plain text; text() holds the part of it that can show, with
// every '&' doubled, so that assistive technology reads the caption and no '&' becomes a keyboard shortcut.
template<class Button> class CaptionedButton : public Button {
public:
    CaptionedButton(QWidget *parent, const captioned::StyleElements &elements) : Button(parent), m_elements(elements) {}
    Q_DISABLE_COPY_MOVE(CaptionedButton)

    const QString &Caption() const { return m_caption.Text(); }
    void SetCaption(const QString &caption)
    {
        m_caption.SetText(caption);
        showCaption();
        this->update();
    }

protected:
    bool hitButton(const QPoint &pos) const override { return this->rect().contains(pos); }

    void paintEvent(QPaintEvent *) override
    {
        QStyleOptionButton option;
        this->initStyleOption(&option);
        captioned::Paint(*this, option, m_caption, m_elements);
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
        captioned::ShowAsText(*this, option, m_caption, m_elements);
    }

    const captioned::StyleElements &m_elements;
    WrappedCaption m_caption;
};

class OptionButton final : public CaptionedButton<QRadioButton> {
public:
    explicit OptionButton(QWidget *parent);
};

class CheckBox final : public CaptionedButton<QCheckBox> {
public:
    explicit CheckBox(QWidget *parent);
};

} // namespace platform
