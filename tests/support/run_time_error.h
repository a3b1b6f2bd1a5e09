// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/core/runtime_error.h"

namespace support {

// The number of the run-time error that the call raises, 0 when it raises none.
template<class Call> int errorNumberOf(Call &&call)
{
    try {
        call();
    } catch (const platform::RuntimeError &error) {
        return error.Number();
    }
    return 0;
}

} // namespace support
