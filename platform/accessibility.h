// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace platform {

// What screen readers see of the program's windows, where Qt's own view falls short: a window is a window (not
// a filler), a frame lists only the controls meant to be seen, and an announcer is a notification. Installed
// once, after the application object exists; the window layer does it when it builds the first window.
void InstallAccessibility();

// Leaves a control out of what screen readers see, such as the hidden pattern element of a control array.
void HideFromScreenReaders(QWidget &widget);
bool IsHiddenFromScreenReaders(const QWidget &widget);

} // namespace platform
