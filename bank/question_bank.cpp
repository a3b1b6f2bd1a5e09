// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_bank.h"

#include "platform/core/large_text.h"
#include "platform/core/runtime_error.h"

#include <algorithm>

QuestionBank::QuestionBank() : m_fields(size_t(SlotCount) * FieldCount)
{
}

qsizetype QuestionBank::index(int slot, int field)
{
    if (slot < 0 || slot >= SlotCount || field < 0 || field >= FieldCount)
        throw platform::RuntimeError(platform::Error::SubscriptOutOfRange);
    return qsizetype(slot) * FieldCount + field;
}

const QString &QuestionBank::Field(int slot, int field) const
{
    return m_fields[size_t(index(slot, field))];
}

void QuestionBank::ReplaceField(int slot, int field, QString text)
{
    m_fields[size_t(index(slot, field))] = std::move(text);
}

void QuestionBank::AppendQuestionLine(int slot, QStringView line)
{
    QString &text = m_fields[size_t(index(slot, 0))];
    // One resize, which grows the capacity geometrically, instead of two appends that may each reallocate.
    const qsizetype old = text.size();
    text.resize(old + 2 + line.size());
    QChar *out = text.data() + old;
    out[0] = u'\r';
    out[1] = u'\n';
    std::copy(line.begin(), line.end(), out + 2);
}

void QuestionBank::continueQuestionLine(int slot, QStringView more)
{
    platform::appendToLargeText(m_fields[size_t(index(slot, 0))], more);
}

void QuestionBank::fitQuestionText(int slot)
{
    platform::fitLargeText(m_fields[size_t(index(slot, 0))]);
}
