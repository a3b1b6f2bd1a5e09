// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// How a level of a numbered list writes its counter.
enum class NumberStyle : quint8 {
    None, // no number, or a bullet
    Decimal,
    LatinSmall,
    LatinCapital,
    RussianSmall,
    RussianCapital,
    RomanSmall,
    RomanCapital,
};

// Word's numFmt ("decimal", "russianLower", ...), or for "custom" its sample ("а, б, в, ...").
NumberStyle wordNumberStyle(const QString &format, const QString &customSample = {});
// Writer's num-format ("1", "a", "A", "i", "I", "а, б, .., аа, аб, ...", "А, Б, .., Аа, Аб, ...").
NumberStyle writerNumberStyle(const QString &format);

// The counter as the style writes it: 3 is "3", "c", "в", "iii".
QString formatNumber(int value, NumberStyle style);

// The counters of one list, level by level, as an office program keeps them: a level counts on from its start, and
// a level starts again after a paragraph of an outer level, unless its restart rule says otherwise.
struct ListCounters {
    static constexpr int levels = 10;
    std::array<int, levels> value{};
    std::array<bool, levels> started{};

    // Counts a paragraph at level (0-based) of a list whose level starts at start; returns its counter.
    int count(int level, int start);
    // Ends the levels inside level, those that restart after it (restartsAfter(k) for level k: false keeps it).
    template<typename RestartsAfter> void restartInside(int level, RestartsAfter restartsAfter)
    {
        for (int k = level + 1; k < levels; ++k) {
            if (restartsAfter(k))
                started[size_t(k)] = false;
        }
    }
};
