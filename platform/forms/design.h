// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control.h"
#include "platform/forms/control_array.h"

#include <QRgb>
#include <QStringView>

#include <array>
#include <cstddef>
#include <span>

class QFont;

namespace platform {

struct FontDesign {
    QStringView family; // empty: the window's font
    float pointSize = 0;
    bool bold = false;
};

QFont MakeFont(const FontDesign &design, const QFont &base);

enum class ForeColour {
    Default,
    Rgb,         // the design's own colour, see ControlDesign::rgb
    Highlight3D, // the desktop's 3D-highlight colour
};

enum class TextAlignment { Left, Right };

// One row of a window's design table, as a form file would hold it. Handles is the window's struct of typed
// handles: the row names the member that it makes (`handle`), or, for element 0 of a control array, the array
// (`array`), so a misspelt control name does not compile.
template<class Handles> struct ControlDesign {
    Control *Handles::*handle = nullptr;
    ControlArray Handles::*array = nullptr;
    QStringView name; // the design's name, which the widget carries as its object name
    ControlKind kind = ControlKind::Label;
    Control *Handles::*container = nullptr; // a frame of an earlier row; none: the window's client area
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
void TableError(const char *rule);
} // namespace design

// A window's design table, checked when the program is compiled: every row makes a handle of its own or element
// 0 of an array of its own, a container is a frame made by an earlier row, and the rows make every handle of the
// struct, which holds nothing else.
template<class Handles> class ControlTable final {
public:
    template<std::size_t N> consteval ControlTable(const std::array<ControlDesign<Handles>, N> &rows) : m_rows(rows)
    {
        std::size_t handles = 0;
        std::size_t arrays = 0;
        for (std::size_t i = 0; i < N; ++i) {
            const ControlDesign<Handles> &row = rows[i];
            if (!row.handle == !row.array)
                design::TableError("a row names either a handle or a control array");
            row.handle ? ++handles : ++arrays;
            bool containerMade = !row.container;
            for (std::size_t j = 0; j < i; ++j) {
                if ((row.handle && rows[j].handle == row.handle) || (row.array && rows[j].array == row.array))
                    design::TableError("two rows make the same handle");
                if (row.container && rows[j].handle == row.container && rows[j].kind == ControlKind::Frame)
                    containerMade = true;
            }
            if (!containerMade)
                design::TableError("a container must be a frame made by an earlier row");
        }
        if (sizeof(Handles) != handles * sizeof(Control *) + arrays * sizeof(ControlArray))
            design::TableError("the struct of handles holds a member that no row makes");
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
