// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/forms/control_array.h"

using namespace Qt::StringLiterals;

namespace platform::detail {

// The most elements an array can hold, as its indexes are 16-bit numbers.
constexpr int MaxElementIndex = 32767;

QString elementName(QStringView name, int index)
{
    return u"%1(%2)"_s.arg(name).arg(index);
}

void checkElementIndex(int index)
{
    if (index < 0 || index > MaxElementIndex)
        throw RuntimeError(Error::SubscriptOutOfRange);
}

} // namespace platform::detail
