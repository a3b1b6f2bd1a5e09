// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bank/question_bank.h"
#include "platform/windows1251.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

// Question files for the tests are written as text and stored as the Windows-1251 bytes the reader gets.
inline QByteArray ToWindows1251(QStringView text)
{
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> map;
        for (int byte = 0; byte < 256; ++byte)
            map.insert(platform::Windows1251ToUnicode(uchar(byte)), char(byte));
        return map;
    }();
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        Q_ASSERT(bytes.contains(ch.unicode()));
        out.append(bytes.value(ch.unicode()));
    }
    return out;
}

// Every non-empty field as "slot.field=text": comparing the lists shows what was filed and that nothing else was.
inline QStringList FilledFields(const QuestionBank &bank)
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

inline LoadedCounts CountLoaded(const QuestionBank &bank, int questions)
{
    LoadedCounts counts;
    for (int slot = 1; slot <= questions; ++slot) {
        for (int field = 1; field <= 4; ++field)
            counts.answers += bank.Field(slot, field).isEmpty() ? 0 : 1;
        counts.marked += bank.Field(slot, 5).isEmpty() ? 0 : 1;
    }
    return counts;
}
