// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

class QRandomGenerator;

namespace soak {

// A question file as the soak hands it to the program.
struct QuestionFile {
    bool exists = true;
    QByteArray bytes; // Windows-1251 text
    int headers = 0;  // lines that open a question, however many the bank can hold
};

// A random question file, drawn wholly from `random`: from none at all over an empty one to 1000 questions and
// beyond; answers in any order, with gaps and repeats, unmarked or marked twice; lines the reader drops or takes
// for text; long lines and long texts; '&' and markup; any byte but a line end; CR LF, LF or CR line ends.
QuestionFile randomQuestionFile(QRandomGenerator &random);

} // namespace soak
