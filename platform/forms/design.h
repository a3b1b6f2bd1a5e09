// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control.h"
#include "platform/forms/control_array.h"
#include "platform/forms/handle_types.h"

#include <QRgb>
#include <QStringView>

#include <array>
#include <cstddef>
#include <span>
#include <variant>

class QFont;

namespace platform {

class Frame;

struct FontDesign {
    QStringView family; // empty: the window's font
    float pointSize = 0;
    bool bold = false;
};

QFont makeFont(const FontDesign &design, const QFont &base);

enum class ForeColour {
    Default,
    Rgb,         // the design's own colour, see ControlDesign::rgb
    Highlight3D, // the desktop's 3D-highlight colour
};

// The member of a window's struct of typed handles that a design row makes: a control of one of the kinds that the
// struct holds, or a control array of one of them. The kind of control is the member's type, so it cannot disagree
// with it.
template<class Handles> using ControlMember = design::AnyMemberOf<Handles>;

// One row of a window's design table, as a form file would hold it: `control` names the member of the window's
// struct of handles that it makes (for element 0 of a control array, the array), so a misspelt control name or a
// kind that the member does not hold does not compile.
template<class Handles> struct ControlDesign {
    ControlMember<Handles> control;
    QStringView name;                     // the design's name, which the widget carries as its object name
    Frame *Handles::*container = nullptr; // a frame of an earlier row; none: the window's client area
    QStringView caption;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    int tabIndex = 0;
    FontDesign font;
    ForeColour colour = ForeColour::Default;
    QRgb rgb = 0;
    bool visible = true;
    bool autoSize = false;
    TextAlignment alignment = TextAlignment::Left;
    QStringView accessibleName; // what a screen reader calls the control; empty: its caption
    bool accessible = true;     // false: left out of what screen readers see (a hidden pattern element)
};

namespace design {
// Called only where a design table breaks a rule below: being no constant expression, it stops the compiler there.
void tableError(const char *rule);

// The frame that a row makes, if it makes one.
template<class Handles> constexpr Frame *Handles::*frameMade(const design::AnyMemberOf<Handles> &member)
{
    return std::visit(
        [](auto made) -> Frame *Handles::* {
            if constexpr (std::is_same_v<decltype(made), Frame * Handles::*>)
                return made;
            else
                return nullptr;
        },
        member);
}

template<class M> struct Member;
template<class T, class Handles> struct Member<T Handles::*> {
    using Type = T;
};
} // namespace design

// A window's design table, checked when the program is compiled: every row makes a member of its own, a
// container is a frame made by an earlier row, and the rows make every member of the struct of handles, which
// holds nothing else.
template<class Handles> class ControlTable final {
public:
    template<std::size_t N> consteval ControlTable(const std::array<ControlDesign<Handles>, N> &rows) : m_rows(rows)
    {
        std::size_t made = 0;
        for (std::size_t i = 0; i < N; ++i) {
            const ControlDesign<Handles> &row = rows[i];
            made += std::visit([](auto member) { return sizeof(typename design::Member<decltype(member)>::Type); },
                               row.control);
            bool containerMade = !row.container;
            for (std::size_t j = 0; j < i; ++j) {
                if (rows[j].control == row.control)
                    design::tableError("two rows make the same member");
                if (row.container && design::frameMade<Handles>(rows[j].control) == row.container)
                    containerMade = true;
            }
            if (!containerMade)
                design::tableError("a container must be a frame made by an earlier row");
        }
        if (sizeof(Handles) != made)
            design::tableError("the struct of handles holds a member that no row makes");
    }

    std::span<const ControlDesign<Handles>> rows() const { return m_rows; }

private:
    std::span<const ControlDesign<Handles>> m_rows;
};

enum class BorderStyle { Sizable, FixedDialog };

struct WindowDesign {
    QStringView caption;
    float clientWidth = 0;
    float clientHeight = 0;
    BorderStyle border = BorderStyle::Sizable;
    FontDesign font;
};

template<class Handles> struct FormDesign {
    WindowDesign window;
    ControlTable<Handles> controls;
};

} // namespace platform
