// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bank/line_class.h"
#include "check/rules/quiz_model.h"

#include <QStringView>

#include <functional>
#include <map>
#include <vector>

// Gathers the sections of a file from the lines the checker reads and the findings it makes, and hands each
// section over whole once nothing later in the file can change it. The checker gives it each line after judging
// it, and each finding as its log passes it on; a finding may come before its line has been read (a header's own
// notes), never after its section was handed over.
class QuizBuilder final {
public:
    using OnSection = std::function<void(const QuizSection &)>;

    explicit QuizBuilder(OnSection onSection);
    Q_DISABLE_COPY_MOVE(QuizBuilder)

    void takeLine(qint64 number, QStringView text, LineClass lineClass);
    // The header of a question that the program does not load: the last line read.
    void takeNotLoaded(qint64 number, QStringView text);
    void takeFinding(const Finding &finding);
    // Hands over the last section.
    void finish();

private:
    void startSection(SectionKind kind, qint16 number);
    void endSection();
    void clearSection();
    void keepLine(qint64 number, QStringView text, LineRole role, int answer, bool marked);
    void keepFinding(std::vector<Finding> &into, const Finding &finding);

    OnSection m_onSection;
    QuizSection m_section;
    std::vector<QuizLine> m_spareLines; // lines of sections handed over, for their strings' room
    bool m_open = false;
    qint16 m_questions = 0;
    qsizetype m_charactersKept = 0;
    std::array<qint64, 4> m_answerLines{}; // the line of each answer now filed, kept or not
    qint64 m_lastLine = 0;
    std::multimap<qint64, Finding> m_early; // findings on lines still to come
};
