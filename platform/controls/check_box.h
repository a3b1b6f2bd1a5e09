// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/captioned_button.h"

#include <QCheckBox>

namespace platform {

// A check box, whose Value is 1 when checked.
class CheckBox final : public CaptionedButton<QCheckBox> {
public:
    explicit CheckBox(QWidget *parent) : CaptionedButton(parent, Elements) {}

private:
    static constexpr captioned::StyleElements Elements{QStyle::PE_IndicatorCheckBox, QStyle::SE_CheckBoxIndicator,
                                                       QStyle::SE_CheckBoxContents};
};

} // namespace platform
