// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/office/office_paragraph.h"

// The emphasis a run of text takes from its styles and its own formatting, each later one overriding what it sets,
// on or off.
struct RunStyle {
    quint8 given = 0; // which of the Emphasis bits this sets
    quint8 on = 0;

    void set(Emphasis emphasis, bool value)
    {
        given |= emphasis;
        on = value ? quint8(on | emphasis) : quint8(on & ~emphasis);
    }
    void apply(const RunStyle &over)
    {
        on = quint8((on & ~over.given) | (over.on & over.given));
        given |= over.given;
    }
    quint8 value() const { return quint8(on & given); }
};
