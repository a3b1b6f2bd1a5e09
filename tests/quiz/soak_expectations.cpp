// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "soak_expectations.h"

#include "bank/question_bank.h"
#include "platform/forms/design.h"
#include "quiz/main_window.h"
#include "quiz/main_window_design.h"
#include "tests/support/main_window_probe.h"

using namespace Qt::StringLiterals;

namespace soak {

QString answerName(int j)
{
    return u"qAnswers(%1)"_s.arg(j);
}

namespace {

using Row = platform::ControlDesign<MainWindowControls>;

QString nameOf(const Row &row)
{
    using Answers = platform::ControlArray<platform::OptionButton> MainWindowControls::*;
    return std::holds_alternative<Answers>(row.control) ? u"%1(0)"_s.arg(row.name) : row.name.toString();
}

} // namespace

Geometry readGeometry(const MainWindow &window)
{
    Geometry geometry;
    const auto read = [&](const QString &name, const platform::Control *c) {
        if (c)
            geometry[name] = {c->Left(), c->Top(), c->Width(), c->Height()};
    };
    const MainWindowControls &ui = MainWindowProbe::controls(window);
    for (const Row &row : mainWindowDesign().controls.rows())
        read(nameOf(row), &MainWindowProbe::control(window, row.name, 0));
    for (int j = 1; j <= MainWindow::AnswerButtons; ++j)
        read(answerName(j), ui.qAnswers.find(j));
    return geometry;
}

Geometry designGeometry()
{
    Geometry geometry;
    for (const Row &row : mainWindowDesign().controls.rows())
        geometry[nameOf(row)] = {row.left, row.top, row.width, row.height};
    // The first display creates every answer button from the hidden pattern, in the pattern's place.
    for (int j = 1; j <= MainWindow::AnswerButtons; ++j)
        geometry[answerName(j)] = geometry[u"qAnswers(0)"_s];
    return geometry;
}

void placeShownAnswers(Geometry &geometry, int shown, float H)
{
    for (int j = 1; j <= shown; ++j)
        geometry[answerName(j)] = {360, H - 5170 + 720 * float(j - 1), 9975, 750};
}

bool isLaidOut(float W, float H)
{
    return W > 4770 && H > 2235;
}

Geometry laidOut(Geometry g, float W, float H, int shown)
{
    if (!isLaidOut(W, H))
        return g;
    const auto size = [&](const QString &name, float width, float height) {
        g[name].width = width;
        g[name].height = height;
    };
    const auto place = [&](const QString &name, float left, float top) {
        g[name].left = left;
        g[name].top = top;
    };
    size(u"MainFrame"_s, W - 350, H - 1725);
    size(u"qQuestion"_s, W - 1000, H - 2235);
    place(u"bCheck"_s, 360, H - 2175);
    place(u"bPrevious"_s, W - 2535, H - 2175);
    place(u"bNext"_s, W - 975, H - 2175);
    place(u"qList"_s, W - 1935, H - 2175);
    place(u"showRight"_s, g[u"showMessage"_s].left, 480);
    g[u"LabelTotal"_s].left = W - 6375;
    g[u"LabelRight"_s].left = W - 6375;
    g[u"LabelWrong"_s].left = W - 3255;
    g[u"LabelRate"_s].left = W - 1095;
    for (int j = 1; j <= shown; ++j) {
        Rect &button = g[answerName(j)];
        button.width = W - 1000;
        button.top = H - 5170 + 720 * float(j - 1);
        button.height = 750;
    }
    return g;
}

int shownAnswers(const QuestionBank &bank, int question)
{
    if (question < 0 || question > QuestionBank::QuestionCapacity)
        return 0; // the end page after a full bank has no slot
    int shown = 0;
    for (int field = 1; field <= 4; ++field)
        shown += !bank.Field(question, field).isEmpty();
    return shown;
}

ScoreTexts QuizExpectation::score() const
{
    const qint64 all = total();
    return {u"Ответов всего: "_s + (all == 0 ? QString() : QString::number(all)),
            u"Правильных: "_s + QString::number(right), u"Неправильных: "_s + QString::number(wrong),
            QString::number(all == 0 ? 0 : right * 100 / all) + u'%'};
}

std::optional<support::Message> QuizExpectation::check(const QuestionBank &bank)
{
    if (chosen == 0)
        return std::nullopt;
    const QString &mark = bank.Field(current, 5);
    const bool isRight = mark == QString::number(chosen);
    isRight ? ++right : ++wrong;
    ++current;
    chosen = 0;

    using platform::MessageIcon;
    if (!showMessage)
        return std::nullopt;
    if (isRight)
        return support::Message{u"Правильно!"_s, MessageIcon::Information, u"Tavrelo"_s};
    // A question the file marks no answer of has none to name.
    if (showRight && !mark.isEmpty())
        return support::Message{u"Увы, неправильно. Правильный ответ :\r\n"_s + bank.Field(current - 1, mark.toInt()),
                                MessageIcon::Critical, u"Tavrelo"_s};
    return support::Message{u"Увы, неправильно."_s, MessageIcon::Critical, u"Tavrelo"_s};
}

} // namespace soak
