// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/captioned_button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/command_button.h"
#include "platform/controls/control.h"
#include "platform/controls/frame.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/progress_bar.h"
#include "platform/controls/status_bar.h"

#include <QWidget>

#include <concepts>

namespace platform {

// What a window's design can make of a class: a Qt widget that is also a Control, made inside its container. What
// else a design row sets, the class says by the members it has: a caption (SetCaption), a value that a new element
// of a control array starts without (SetValue), a text alignment and a size taken from the caption (SetAlignment,
// SetAutoSize).
template<class K>
concept ControlKind =
    std::derived_from<K, QWidget> && std::derived_from<K, Control> && std::constructible_from<K, QWidget *>;

template<ControlKind... Kinds> struct ControlKindList {
};

// Every kind of control that a window's design can make: a new kind is its class in this folder and its name here.
using ControlKinds =
    ControlKindList<Label, Image, Frame, CheckBox, OptionButton, CommandButton, ComboBox, StatusBar, ProgressBar>;

} // namespace platform
