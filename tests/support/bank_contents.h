// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bank/question_bank.h"

#include <QStringList>

namespace support {

// Every non-empty field as "slot.field=text": comparing the lists shows what was filed and that nothing else was.
inline QStringList filledFields(const QuestionBank &bank)
{
    QStringList filled;
    for (int slot = 0; slot < QuestionBank::SlotCount; ++slot) {
        for (int field = 0; field < QuestionBank::FieldCount; ++field) {
            if (!bank.Field(slot, field).isEmpty())
                filled << QString::number(slot) + u'.' + QString::number(field) + u'=' + bank.Field(slot, field);
        }
    }
    return filled;
}

// What the quiz shows of questions 1..questions: how many answers in all, and how many questions have a mark.
struct LoadedCounts {
    qint64 answers = 0;
    qint64 marked = 0;
};

inline LoadedCounts countLoaded(const QuestionBank &bank, int questions)
{
    LoadedCounts counts;
    for (int slot = 1; slot <= questions; ++slot) {
        for (int field = 1; field <= 4; ++field)
            counts.answers += bank.Field(slot, field).isEmpty() ? 0 : 1;
        counts.marked += bank.Field(slot, 5).isEmpty() ? 0 : 1;
    }
    return counts;
}

} // namespace support
