// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <QtGlobal>

#include <array>
#include <vector>

// The order of the questions and of their answers in each variant of a quiz handed to a class, drawn from a seed
// that the quiz's own text gives, so that the same file always gives the same variants on any system: a reprint
// then matches the key a teacher already marks with. The generator and the shuffle are our own, since the standard
// library's distributions differ between implementations.

// A 64-bit hash of the quiz's text, fed piece by piece (FNV-1a over the UTF-16 units).
class QuizHash final {
public:
    void add(QStringView text);
    quint64 value() const { return m_value; }

private:
    quint64 m_value = 0xCBF29CE484222325ULL;
};

// What the shuffle needs of a question: its buttons and which of them keep their place.
struct AnswerPlaces {
    int buttons = 0;             // 0..4
    std::array<bool, 4> fixed{}; // an answer that refers to the others, or an empty button, stays where it is
};

struct VariantOrder {
    std::vector<int> questions; // the file's question index (from 0) at each place of the variant
    // For each question of the file, by its index: the file's answer (from 0) at each button of the variant.
    std::vector<std::array<qint8, 4>> answers;
};

// Variant number `variant` (from 1) of the quiz whose questions are `places` and whose text hashes to `seed`.
VariantOrder variantOrder(const std::vector<AnswerPlaces> &places, quint64 seed, int variant);

// Whether an answer's text (after its letter) speaks of the other answers as a whole, as "все ответы верны",
// "всё перечисленное" or "нет верного ответа" do: such an answer keeps its place, usually the last.
bool refersToOtherAnswers(QStringView answer);
// Whether it names other answers by letter, as "A и B" does: then no answer of its question may move.
bool namesOtherAnswers(QStringView answer);
