// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <concepts>

class QWidget;

namespace platform {

// What every control of a window has, whatever its kind: a rectangle in twips, relative to its container, and a
// visibility flag of its own. The twip values are kept as they were set (negative ones included) and the widget
// is placed at the nearest pixels. Each kind of control is a Qt widget that is also a Control.
class Control {
public:
    Q_DISABLE_COPY_MOVE(Control)

    QWidget *widget() const { return &m_widget; }

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

protected:
    explicit Control(QWidget *widget) : m_widget(*widget) {}
    ~Control() = default;

    // For a control that sizes itself: keeps its Left and Top and takes a size in pixels.
    void takeSize(int widthPixels, int heightPixels);

private:
    void setTwips(float &field, float twips);
    void applyGeometry();

    QWidget &m_widget;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    bool m_visible = true;
};

// What a window's design can make of a class: a Qt widget that is also a Control, made inside its container. What
// else a design row sets, the forms find in the class's own members: a caption (SetCaption), a text alignment and a
// size taken from the caption (SetAlignment, SetAutoSize), a value that a new element of a control array starts
// without (SetValue).
template<class K>
concept ControlKind =
    std::derived_from<K, QWidget> && std::derived_from<K, Control> && std::constructible_from<K, QWidget *>;

// Where a label's text stands in it.
enum class TextAlignment { Left, Right };

// Captions are plain text: buttons and frames take '&' as a keyboard mnemonic, which doubling it prevents.
QString escapeMnemonics(const QString &caption);
QString unescapeMnemonics(const QString &text);

} // namespace platform
