// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace platform {

// What screen readers see of the program's windows, where Qt's own view falls short: a window of the program is
// a window (not a filler), and a frame lists only the controls meant to be seen. Installed once, after the
// application object exists; the window layer does it when it builds the first window.
void installAccessibility();

// Has screen readers take a top-level widget for a window of the program.
void showAsWindowToScreenReaders(QWidget &window);

// Leaves a control out of what screen readers see, such as the hidden pattern element of a control array.
void hideFromScreenReaders(QWidget &widget);
bool isHiddenFromScreenReaders(const QWidget &widget);

} // namespace platform
