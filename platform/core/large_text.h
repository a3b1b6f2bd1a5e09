// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// A text that grows by pieces grows by doubling, so that it is moved only a few times; once it is whole, this
// gives back the room it kept for growing when that room is large, so that what a text holds is about its size.
void fitLargeText(QString &text);

} // namespace platform
