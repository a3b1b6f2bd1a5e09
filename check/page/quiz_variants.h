// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/page/variant_order.h"
#include "check/rules/quiz_model.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <vector>

// The variants of a quiz for a class, each with every question once, the questions and their answers in an order
// drawn from the quiz's own text, the answers lettered A) to D) anew, and a key of its own. It keeps what print
// shows of each question, no more: the text as the page writes it, and each answer cut as the page cuts it.
class QuizVariants final {
public:
    void add(const QuizSection &section);
    bool empty() const { return m_questions.empty(); }
    // Variant number `variant` (from 1), headed with the quiz's title, then the learner's fields.
    void appendVariant(QByteArray &html, int variant, QByteArrayView title, QByteArrayView fields) const;

private:
    struct Question {
        QByteArray text;                // as appendPrintedText writes it
        std::array<QString, 4> answers; // after the letter ("A)"), cut; empty for an empty button
        std::array<qint64, 4> lengths{};
        std::array<bool, 4> empty{}; // an empty button: the file leaves a gap there
        int right = 0;               // 1..4, or 0 when no button is marked
        bool tall = false;           // taller than a sheet in print
    };

    std::vector<Question> m_questions;
    std::vector<AnswerPlaces> m_places;
    QuizHash m_hash;
};

// The answer key: for each question in order, its right answer's letter (1..4), or 0 for none; row by row.
void appendAnswerKey(QByteArray &html, const QString &caption, const std::vector<quint8> &key);
