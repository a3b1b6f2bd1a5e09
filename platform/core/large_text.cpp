// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/large_text.h"

#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

// Less than a page of room, or an eighth of the text, is not worth a call to the allocator.
constexpr qsizetype SmallSlack = 2048;

// A block smaller than one large page cannot use one.
constexpr qsizetype LargePage = 2 * 1024 * 1024;

// What the text can hold without moving: Qt's capacity() also counts the room before the text.
qsizetype roomFromStart(const QString &text)
{
#if QT_VERSION_MAJOR >= 6
    return text.capacity() - text.data_ptr().freeSpaceAtBegin();
#else
    return text.capacity(); // Qt 5 keeps no room before the text
#endif
}

void adviseLargePages([[maybe_unused]] const QString &text)
{
#ifdef Q_OS_LINUX
    if (roomFromStart(text) * qsizetype(sizeof(QChar)) < LargePage)
        return;
    // The whole block, so that the system keeps it in one piece and can still move it when it is resized.
    const auto pageSize = static_cast<quintptr>(sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<quintptr>(text.constData()) & ~(pageSize - 1);
    const auto end = reinterpret_cast<quintptr>(text.constData() + roomFromStart(text));
    madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE); // only advice: failure changes nothing
#endif
}

} // namespace

void appendToLargeText(QString &text, QStringView more)
{
    const qsizetype needed = text.size() + more.size();
    if (needed > roomFromStart(text)) {
        text.reserve(std::max(needed, 2 * roomFromStart(text)));
        adviseLargePages(text);
    }
    text.append(more);
}

void fitLargeText(QString &text)
{
    const qsizetype slack = roomFromStart(text) - text.size();
    if (slack > SmallSlack && slack > text.size() / 8)
        text.squeeze();
}

} // namespace platform
