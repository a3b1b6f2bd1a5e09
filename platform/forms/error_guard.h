// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace platform {

class RuntimeError;

// Runs one event handler. A run-time error that escapes it is reported in a critical message box with its
// number and description, and then the program ends with a non-zero exit status. Guards nest: a handler that
// calls into another (a click that loads a window) lets the error pass on to the outermost guard unchanged.
void runHandler(const std::function<void()> &handler);

// What ends the program after the report; tests replace it to watch the path without leaving the process.
using ProgramEnd = std::function<void(const RuntimeError &)>;
void setProgramEnd(ProgramEnd end);

} // namespace platform
