// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

namespace platform {

// A text as a label shows it and a screen reader reads it: each CR LF, the question file's line end, is one line
// break (LF); a lone CR or LF stays as it is.
QString shownText(QStringView text);

} // namespace platform
