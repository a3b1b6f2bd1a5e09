// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <Qt>

class QAbstractButton;
class QComboBox;
class QWidget;

namespace soak {

// What a user's mouse and keyboard can do to a window, and nothing more: a click lands only where the control
// can be seen, not cut off by its containers nor covered by another control.

// Clicks the button at a point where it can be seen; true when the button took the click.
bool clickButton(QAbstractButton &button);

// Opens the drop-down list, when it can be seen, and picks entry `row` from it with the keyboard; true when
// the list opened.
bool pickFromDropDown(QComboBox &list, int row);

// Keys typed while the list's text field has the keyboard focus (a user gets there with Tab).
void pressKeyInList(QComboBox &list, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeIntoList(QComboBox &list, const QString &text);

} // namespace soak
