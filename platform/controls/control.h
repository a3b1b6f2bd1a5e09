// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

namespace platform {

enum class ControlKind {
    Label,
    Frame,
    CheckBox,
    CommandButton,
    OptionButton,
    ComboBox,
    Image,
    StatusBar,
    ProgressBar,
};

// One control of a window: its widget, plus the twip geometry it was given. The twip values are kept as they
// were set (negative ones included) and the widget is placed at the nearest pixels.
class Control final {
public:
    Control(ControlKind kind, QWidget *widget);
    Q_DISABLE_COPY_MOVE(Control)

    ControlKind kind() const { return m_kind; }
    QWidget *widget() const { return m_widget; }
    template<class W> W *as() const { return static_cast<W *>(m_widget); }

    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void SetLeft(float twips) { setTwips(m_left, twips); }
    void SetTop(float twips) { setTwips(m_top, twips); }
    void SetWidth(float twips) { setTwips(m_width, twips); }
    void SetHeight(float twips) { setTwips(m_height, twips); }
    void Move(float left, float top, float width, float height);

    // The control's own visibility flag, whether or not its window is on screen.
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);

    // Captions are always plain text: an '&' is shown as it stands, never taken as a keyboard mnemonic.
    QString Caption() const;
    void SetCaption(const QString &caption);

    // A label that sizes itself to its caption keeps its Left and Top and takes the caption's size.
    void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }

    // Option button: selected; check box: checked (Value 1).
    bool Value() const;
    void SetValue(bool selected);

private:
    void setTwips(float &field, float twips);
    void applyGeometry();

    ControlKind m_kind;
    QWidget *m_widget;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    bool m_visible = true;
    bool m_autoSize = false;
};

} // namespace platform
