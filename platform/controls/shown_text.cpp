// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/shown_text.h"

using namespace Qt::StringLiterals;

namespace platform {

QString shownText(QStringView text)
{
    return text.toString().replace(u"\r\n"_s, u"\n"_s);
}

} // namespace platform
