// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/quiz_builder.h"

#include "bank/question_bank.h"

#include <utility>

using namespace Qt::StringLiterals;

QuizBuilder::QuizBuilder(OnSection onSection) : m_onSection(std::move(onSection))
{
}

void QuizBuilder::startSection(SectionKind kind, qint16 number)
{
    endSection();
    m_section.kind = kind;
    m_section.number = number;
    m_open = true;
    m_charactersKept = 0;
    m_answerLines = {};
}

// Settles what became of each answer line, now that no later line can replace it, and hands the section over.
void QuizBuilder::endSection()
{
    if (!m_open)
        return;
    m_open = false;
    // Findings on lines of this section that it does not hold (line 1 of an empty file) stay with it.
    while (!m_early.empty() && m_early.begin()->first <= m_lastLine)
        keepFinding(m_section.findings, m_early.extract(m_early.begin()).mapped());

    if (m_section.kind == SectionKind::Question) {
        const int shown = m_section.shownAnswers();
        for (QuizLine &line : m_section.lines) {
            if (line.answer == 0)
                continue;
            line.role = line.number != m_answerLines[line.answer - 1] ? LineRole::ReplacedAnswer
                      : line.answer <= shown                          ? LineRole::Answer
                                                                      : LineRole::HiddenAnswer;
        }
    }
    if (m_onSection)
        m_onSection(m_section);
    clearSection();
}

// Empties the section for the next one but keeps the room its strings took, and its lines for reuse: a quiz of a
// thousand questions then costs no allocation a line.
void QuizBuilder::clearSection()
{
    for (QuizLine &line : m_section.lines) {
        line.findings.clear();
        m_spareLines.push_back(std::move(line));
    }
    m_section.lines.clear();
    m_section.text.resize(0);
    for (QString &answer : m_section.answers)
        answer.resize(0);
    m_section.rightAnswer = 0;
    m_section.linesLeftOut = 0;
    m_section.findings.clear();
    m_section.findingsLeftOut = 0;
}

void QuizBuilder::takeLine(qint64 number, QStringView text, LineClass lineClass)
{
    if (lineClass.kind == LineKind::Header) {
        startSection(SectionKind::Question, ++m_questions);
    } else if (!m_open) {
        startSection(SectionKind::BeforeFirstQuestion, 0);
    }
    m_lastLine = number;
    const bool before = m_section.kind == SectionKind::BeforeFirstQuestion;
    // Filed as the program's reader files them, slot 0 included.
    switch (lineClass.kind) {
    case LineKind::Header: keepLine(number, text, LineRole::Header, 0, false); break;
    case LineKind::Text:
        m_section.text.append(u"\r\n").append(text);
        keepLine(number, text, before ? LineRole::Unshown : LineRole::Text, 0, false);
        break;
    case LineKind::Answer: {
        const int answer = lineClass.answer;
        const bool marked = isMarkedAnswer(text);
        QString &field = m_section.answers[answer - 1];
        field.resize(0);
        field.append(marked ? text.chopped(1) : text);
        if (marked)
            m_section.rightAnswer = answer;
        m_answerLines[answer - 1] = number;
        keepLine(number, text, before ? LineRole::Unshown : LineRole::Answer, answer, marked);
        break;
    }
    case LineKind::Dropped: keepLine(number, text, before ? LineRole::Unshown : LineRole::Dropped, 0, false); break;
    }
}

void QuizBuilder::takeNotLoaded(qint64 number, QStringView text)
{
    startSection(SectionKind::NotLoaded, ++m_questions);
    m_lastLine = number;
    keepLine(number, text, LineRole::NotLoaded, 0, false);
}

void QuizBuilder::keepLine(qint64 number, QStringView text, LineRole role, int answer, bool marked)
{
    const auto [from, to] = m_early.equal_range(number);
    if (qsizetype(m_section.lines.size()) >= QuizSection::MaxLinesKept) {
        ++m_section.linesLeftOut;
        for (auto it = from; it != to; ++it)
            keepFinding(m_section.findings, it->second);
        m_early.erase(from, to);
        return;
    }
    qsizetype kept = qMin(text.size(), QuizSection::MaxCharactersKept - m_charactersKept);
    if (kept > 0 && kept < text.size() && text[kept - 1].isHighSurrogate())
        --kept; // never half a character
    m_charactersKept += kept;
    QuizLine &line = m_section.lines.emplace_back();
    if (!m_spareLines.empty()) {
        line = std::move(m_spareLines.back());
        m_spareLines.pop_back();
    }
    line.number = number;
    line.role = role;
    line.answer = qint8(answer);
    line.marked = marked;
    line.text.resize(0);
    line.text.append(text.left(kept));
    line.length = text.size();
    for (auto it = from; it != to; ++it)
        line.findings.push_back(std::move(it->second));
    m_early.erase(from, to);
}

void QuizBuilder::keepFinding(std::vector<Finding> &into, const Finding &finding)
{
    if (qsizetype(into.size()) < QuizSection::MaxLinesKept)
        into.push_back(finding);
    else
        ++m_section.findingsLeftOut;
}

void QuizBuilder::takeFinding(const Finding &finding)
{
    if (finding.line > m_lastLine || !m_open) {
        m_early.emplace(finding.line, finding);
        return;
    }
    // Lines of a section follow one another, so a kept line is found by its number.
    const qint64 first = m_section.lines.empty() ? m_lastLine + 1 : m_section.lines.front().number;
    const qint64 index = finding.line - first;
    if (index >= 0 && index < qint64(m_section.lines.size()))
        m_section.lines[size_t(index)].findings.push_back(finding);
    else
        keepFinding(m_section.findings, finding);
}

void QuizBuilder::finish()
{
    endSection();
    // Findings after the last line (line 1 of an empty file) need a section to stand in.
    if (!m_early.empty()) {
        startSection(SectionKind::BeforeFirstQuestion, 0);
        m_lastLine = m_early.rbegin()->first;
        endSection();
    }
}
