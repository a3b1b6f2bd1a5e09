// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/control.h"

#include <QRgb>
#include <QStringView>

#include <memory>
#include <span>
#include <vector>

class QFont;
class QWidget;

namespace platform {

struct FontDesign {
    QStringView family; // empty: the window's font
    float pointSize = 0;
    bool bold = false;
};

enum class ForeColour {
    Default,
    Rgb,          // the design's own colour, see ControlDesign::rgb
    Highlight3D,  // the desktop's 3D-highlight colour
};

enum class TextAlignment { Left, Right };

// One row of a window's design table, as a form file would hold it.
struct ControlDesign {
    QStringView name;
    ControlKind kind = ControlKind::Label;
    QStringView container; // empty: the window's client area
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
    int index = -1; // element of a control array; -1 for a plain control
    bool autoSize = false;
    TextAlignment alignment = TextAlignment::Left;
    QStringView accessibleName; // what a screen reader calls the control; empty: its caption
    bool accessible = true;     // false: left out of what screen readers see (a hidden pattern element)
};

enum class BorderStyle { Sizable, FixedDialog };

struct FormDesign {
    QStringView caption;
    float clientWidth = 0;
    float clientHeight = 0;
    BorderStyle border = BorderStyle::Sizable;
    FontDesign font;
    std::span<const ControlDesign> controls;
};

QFont MakeFont(const FontDesign &design, const QFont &base);

// The controls of one window, built from its design table; owns the Control records, while Qt's parent chain
// owns the widgets.
class Controls final {
public:
    Controls() = default;
    Q_DISABLE_COPY_MOVE(Controls)

    void Build(QWidget &form, std::span<const ControlDesign> design);

    // The control of that name (and element index, for control arrays); nullptr when there is none.
    Control *Find(QStringView name, int index = -1) const;
    Control &Get(QStringView name, int index = -1) const;

    // Creates element `index` of a control array from its element 0: same kind, container and font, hidden and
    // not selected, taking its place in the tab order right after the elements before it.
    Control &LoadElement(QStringView arrayName, int index);

    // The control with the lowest tab index that can take the focus now; nullptr when none can.
    QWidget *FirstTabStop() const;

private:
    struct Entry {
        std::unique_ptr<Control> control;
        int tabIndex;
        int sequence;
    };
    Control &add(const ControlDesign &row, QWidget &parent, QWidget *patternFor = nullptr);
    std::vector<const Entry *> tabOrder() const;
    void applyTabOrder();

    std::vector<Entry> m_entries;
    QWidget *m_form = nullptr;
};

} // namespace platform
