// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/captioned_button.h"

#include <QRadioButton>

namespace platform {

// An option button: the option buttons of one container form one group, of which at most one is selected.
class OptionButton final : public CaptionedButton<QRadioButton> {
public:
    explicit OptionButton(QWidget *parent) : CaptionedButton(parent, Elements) {}

private:
    static constexpr captioned::StyleElements Elements{QStyle::PE_IndicatorRadioButton, QStyle::SE_RadioButtonIndicator,
                                                       QStyle::SE_RadioButtonContents};
};

} // namespace platform
