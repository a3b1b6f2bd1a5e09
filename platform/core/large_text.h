// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// Makes room at once for a text that grows by pieces to about `capacity` characters, in memory that the system
// may back with large pages: a text of many megabytes then costs a few hundred page faults instead of tens of
// thousands, and no piece moves the text. Room that is never written takes no memory.
void reserveLargeText(QString &text, qsizetype capacity);

} // namespace platform
