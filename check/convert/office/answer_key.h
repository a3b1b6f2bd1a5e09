// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QString>

#include <vector>

// A key of right answers at the end of a test: a heading "Ответы:" or "Ключ:" (or "Answers:", "Key:"), then pairs
// of a question's number and an answer's letter or number, as "1 – б, 2 – а", in a table's rows, or in a table of
// two rows, the numbers above the letters.

// Whether a paragraph's text opens the key.
bool opensAnswerKey(const QString &text);

struct KeyPair {
    int question = 0;
    QChar answer; // a letter or a digit
};

// The pairs in the key's text (the heading's paragraph and all after it, each paragraph and each table row on a line
// of its own).
std::vector<KeyPair> keyPairs(const QString &text);
