// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

namespace platform {

// For a text that grows by pieces to many megabytes, such as a long line read in pieces: its room doubles when it
// runs out, so that it moves only a few times and never holds more than twice what it needs, in memory that the
// system may back with large pages, so that a text of many megabytes costs a few hundred page faults instead of
// tens of thousands.
void appendToLargeText(QString &text, QStringView more);
// Once the text is whole, gives back the room it kept for growing when that room is large.
void fitLargeText(QString &text);

} // namespace platform
