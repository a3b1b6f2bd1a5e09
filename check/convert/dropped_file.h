// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A file dropped onto the checker in Explorer that is no question file of Tavrelo's but one the checker converts into
// one first: a Word or Writer document (or another office program's file, to say how to save it), a GIFT or an
// Aiken file.
bool isConvertedWhenDropped(const QString &path);

// Where such a file is converted: NAME.txt beside it, or NAME-tavrelo.txt when the file is NAME.txt itself.
QString droppedConversionTarget(const QString &path);
