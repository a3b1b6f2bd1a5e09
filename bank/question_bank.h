// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <vector>

// Every question of the file: slot n holds question n, slot 0 the lines before the first header. Each slot has
// field 0 the question text, fields 1..4 the answers "A)".."D)" and field 5 the right answer's number as text.
// The table is allocated once and never grows; every access tests both indexes first and raises
// SubscriptOutOfRange for a slot outside 0..1000 or a field outside 0..5.
class QuestionBank final {
public:
    static constexpr int SlotCount = 1001;
    static constexpr int FieldCount = 6;
    static constexpr int QuestionCapacity = SlotCount - 1;

    QuestionBank();
    Q_DISABLE_COPY_MOVE(QuestionBank)

    const QString &Field(int slot, int field) const;
    void ReplaceField(int slot, int field, QString text);
    // Field 0 becomes its former text, then CR LF, then the line.
    void AppendQuestionLine(int slot, QStringView line);
    // Field 0 grows by the rest of the line that the last AppendQuestionLine began, for lines read in pieces.
    void continueQuestionLine(int slot, QStringView more);
    // Field 0 is whole: the room it kept for growing goes back when it is large.
    void fitQuestionText(int slot);

private:
    static qsizetype index(int slot, int field);

    std::vector<QString> m_fields;
};
