// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/large_text.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace platform {

void reserveLargeText(QString &text, qsizetype capacity)
{
    if (capacity <= text.capacity())
        return;
    text.reserve(capacity);
#ifdef Q_OS_LINUX
    // The whole block, so that the system keeps it in one piece and can still move it when it is resized.
    const auto pageSize = static_cast<quintptr>(sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<quintptr>(text.constData()) & ~(pageSize - 1);
    const auto end = reinterpret_cast<quintptr>(text.constData() + text.capacity());
    madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE); // only advice: failure changes nothing
#endif
}

} // namespace platform
