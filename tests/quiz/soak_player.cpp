// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "soak_player.h"

#include "platform/core/runtime_error.h"
#include "platform/core/twips.h"
#include "platform/forms/design.h"
#include "platform/forms/error_guard.h"
#include "quiz/main_window_design.h"
#include "soak_user.h"
#include "tests/support/question_file.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace soak {

RuntimeErrorWatch::RuntimeErrorWatch()
{
    platform::setProgramEnd([this](const platform::RuntimeError &error) {
        m_errors << u"run-time error %1: %2"_s.arg(error.Number()).arg(error.Description());
    });
}

RuntimeErrorWatch::~RuntimeErrorWatch()
{
    platform::setProgramEnd({});
}

namespace {

bool writeFile(const QuestionFile &file)
{
    if (file.exists)
        support::writeDataFileBytes(file.bytes);
    else
        support::removeDataFile();
    return file.exists;
}

// Client sizes in pixels on both sides of a threshold of the resize rule, the threshold itself included.
int sizeAround(int threshold, int largest, int roll, int offset)
{
    if (roll < 20)
        return 1 + offset % (threshold - 1);
    if (roll < 30)
        return threshold;
    if (roll < 40)
        return threshold + 1;
    return threshold + 2 + offset % (largest - threshold - 1);
}

// The client sizes in pixels that make the outer size exactly a threshold of the resize rule.
constexpr int WidthThreshold = int((4770 - platform::DesignFrameWidth) / platform::TwipsPerPixel);
constexpr int HeightThreshold = int((2235 - platform::DesignFrameHeight) / platform::TwipsPerPixel);

} // namespace

QuizPlayer::QuizPlayer(QRandomGenerator &random, const QuestionFile &file)
    : m_random(random), m_file(file), m_fileWritten(writeFile(file))
{
    auto *list = m_quiz.ui().qList;
    QObject::connect(list, qOverload<int>(&QComboBox::activated), list, [this](int row) {
        m_activatedRow = row;
        ++m_activations;
    });
    m_quiz.setWhileMessageOpen([this](const support::Message &) { m_scoreWhileOpen << shownScore(); });
}

ScoreTexts QuizPlayer::shownScore()
{
    return {m_quiz.caption(u"LabelTotal"), m_quiz.caption(u"LabelRight"), m_quiz.caption(u"LabelWrong"),
            m_quiz.caption(u"LabelRate")};
}

int QuizPlayer::below(int n)
{
    return n > 0 ? int(m_random.bounded(quint32(n))) : 0;
}

QuizPlayer::Action QuizPlayer::pickAction()
{
    if (window().isMinimized()) {
        // A minimised window takes no clicks: it can only be restored, or be given another size. (A window
        // minimised from the maximised state is left alone: the toolkit would quietly drop its maximised state.)
        static constexpr Action whileMinimised[] = {Action::Restore, Action::Restore, Action::Maximise, Action::Resize};
        const Action action = whileMinimised[below(4)];
        return action == Action::Resize && window().isMaximized() ? Action::Restore : action;
    }
    struct Weighted {
        Action action;
        int weight;
    };
    static constexpr Weighted actions[] = {
        {Action::Choose, 22},          {Action::Check, 18},    {Action::Previous, 7}, {Action::Next, 9},
        {Action::PickFromDropDown, 6}, {Action::PickByKey, 4}, {Action::Type, 4},     {Action::ToggleMessage, 4},
        {Action::ToggleRight, 4},      {Action::Resize, 14},   {Action::Minimise, 3}, {Action::Maximise, 2},
        {Action::Restore, 3},
    };
    // Nobody drags the border of a maximised window.
    const bool maximised = window().isMaximized();
    int total = 0;
    for (const Weighted &w : actions)
        total += w.weight;
    int roll = below(total);
    for (const Weighted &w : actions) {
        if (roll < w.weight)
            return maximised && w.action == Action::Resize ? Action::Restore : w.action;
        roll -= w.weight;
    }
    return Action::Check;
}

void QuizPlayer::act()
{
    m_expectedMessages.clear();
    m_scoreWhileOpen.clear();
    m_scoreBefore = m_expect.score();
    const QSize sizeBefore = window().size();
    const Qt::WindowStates stateBefore = window().windowState();

    bool displayed = false;
    switch (pickAction()) {
    case Action::Choose: displayed = choose(); break;
    case Action::Check: displayed = check(); break;
    case Action::Previous: displayed = previous(); break;
    case Action::Next: displayed = next(); break;
    case Action::PickFromDropDown: displayed = pickFromDropDown(); break;
    case Action::PickByKey: displayed = pickByKey(); break;
    case Action::Type: displayed = type(); break;
    case Action::ToggleMessage: displayed = toggle(u"showMessage", m_expect.showMessage); break;
    case Action::ToggleRight: displayed = toggle(u"showRight", m_expect.showRight); break;
    case Action::Resize: resize(); break;
    case Action::Minimise:
        m_log << u"minimise"_s;
        window().showMinimized();
        break;
    case Action::Maximise:
        m_log << u"maximise"_s;
        window().showMaximized();
        break;
    case Action::Restore:
        m_log << u"restore"_s;
        window().showNormal();
        break;
    }
    // Let the window paint and settle as it would between two actions of a user.
    QCoreApplication::processEvents();

    const int shown = shownAnswers(bank(), m_expect.current);
    if (displayed) {
        m_expect.chosen = 0;
        placeShownAnswers(m_geometry, shown, window().Height());
    }
    const bool resized = window().size() != sizeBefore || window().windowState() != stateBefore;
    if (resized && !window().isMinimized())
        m_geometry = laidOut(m_geometry, window().Width(), window().Height(), shown);
    checkAll(displayed);
}

bool QuizPlayer::choose()
{
    QList<int> visible;
    for (int j = 1; j <= MainWindow::AnswerButtons; ++j) {
        if (m_quiz.answer(j).Visible())
            visible << j;
    }
    if (visible.isEmpty()) {
        m_log << u"choose: no answer on display"_s;
        return false;
    }
    const int j = visible.at(below(int(visible.size())));
    const bool clicked = clickButton(m_quiz.answer(j));
    m_log << u"choose %1%2"_s.arg(j).arg(clicked ? u""_s : u" (out of sight)"_s);
    if (clicked)
        m_expect.chosen = j;
    return false;
}

bool QuizPlayer::check()
{
    const bool clicked = clickButton(*m_quiz.ui().bCheck);
    m_log << u"check%1"_s.arg(clicked ? u""_s : u" (out of sight)"_s);
    if (!clicked || m_expect.chosen == 0)
        return false;
    if (const std::optional<support::Message> message = m_expect.check(bank()))
        m_expectedMessages << *message;
    return true;
}

bool QuizPlayer::previous()
{
    const bool clicked = clickButton(*m_quiz.ui().bPrevious);
    m_log << u"<<%1"_s.arg(clicked ? u""_s : u" (out of sight)"_s);
    if (!clicked || m_expect.current <= 1)
        return false;
    --m_expect.current;
    return true;
}

bool QuizPlayer::next()
{
    const bool clicked = clickButton(*m_quiz.ui().bNext);
    m_log << u">>%1"_s.arg(clicked ? u""_s : u" (out of sight)"_s);
    if (!clicked || m_expect.current >= m_expect.questionCount)
        return false;
    ++m_expect.current;
    return true;
}

// A pick of entry `row` moves to its question, and the list shows the entry.
bool QuizPlayer::pickedFromList(int row)
{
    auto *list = m_quiz.ui().qList;
    if (row < 0 || row >= list->count())
        return false;
    m_expect.current = row + 1;
    m_listText = list->itemText(row);
    return true;
}

bool QuizPlayer::pickFromDropDown()
{
    auto *list = m_quiz.ui().qList;
    // The ends of the list lead to the first question and, by a check, to the end page.
    const int roll = below(100);
    const int row = roll < 25 ? list->count() - 1 : roll < 35 ? 0 : below(list->count());
    const int activations = m_activations;
    const bool opened = soak::pickFromDropDown(*list, row);
    m_log << u"pick entry %1%2"_s.arg(row + 1).arg(opened ? u""_s : u" (list out of sight or empty)"_s);
    if (!opened)
        return false;
    // Picking an entry from the open list always picks that entry.
    if (!QTest::qCompare(m_activations, activations + 1, "activations", "one pick", __FILE__, __LINE__)
        || !QTest::qCompare(m_activatedRow, row, "picked row", "row", __FILE__, __LINE__))
        return false;
    return pickedFromList(row);
}

bool QuizPlayer::pickByKey()
{
    static constexpr Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
    static constexpr QStringView names[] = {u"Up", u"Down", u"PageUp", u"PageDown"};
    const int k = below(4);
    const int activations = m_activations;
    pressKeyInList(*m_quiz.ui().qList, keys[k]);
    m_log << u"key %1 in the list%2"_s.arg(names[k]).arg(m_activations > activations ? u""_s : u" (no pick)"_s);
    return m_activations > activations && pickedFromList(m_activatedRow);
}

bool QuizPlayer::type()
{
    static const QStringList texts{u"1"_s,     u"7"_s,   u"0"_s,  u"1000"_s, u"1001"_s, u"-1"_s, u"99999"_s,
                                   u"32768"_s, u"abc"_s, u"Ё&"_s, u" "_s,    u"1e3"_s,  u"2 "_s, u"<b>"_s};
    auto *list = m_quiz.ui().qList;
    QString entry;
    if (below(100) < 40) {
        pressKeyInList(*list, Qt::Key_A, Qt::ControlModifier);
        pressKeyInList(*list, Qt::Key_Backspace);
        entry += u"[clear]"_s;
    }
    const QString &text = texts.at(below(int(texts.size())));
    typeIntoList(*list, text);
    entry += u'"' + text + u'"';
    const int end = below(100);
    if (end < 40) {
        pressKeyInList(*list, end < 30 ? Qt::Key_Return : Qt::Key_Enter);
        entry += u" Enter"_s;
    } else if (end < 50) {
        pressKeyInList(*list, Qt::Key_Escape);
        entry += u" Esc"_s;
    }
    m_log << u"type %1 into the list"_s.arg(entry);
    // Typing moves nothing; the list shows what its field now holds (where the text went in is the field's
    // business: arriving with Tab selects the old text, for one).
    m_listText = list->currentText();
    return false;
}

bool QuizPlayer::toggle(QStringView checkBox, bool &expected)
{
    const bool clicked = clickButton(m_quiz.control<QAbstractButton>(checkBox));
    m_log << u"tick %1%2"_s.arg(checkBox).arg(clicked ? u""_s : u" (out of sight)"_s);
    if (clicked)
        expected = !expected;
    return false;
}

void QuizPlayer::resize()
{
    const int width = sizeAround(WidthThreshold, 1600, below(100), below(1 << 20));
    const int height = sizeAround(HeightThreshold, 1100, below(100), below(1 << 20));
    window().resize(width, height);
    m_log << u"resize to %1 x %2 px (outer %3 x %4 twips)%5"_s.arg(width)
                 .arg(height)
                 .arg(window().Width())
                 .arg(window().Height())
                 .arg(window().isMinimized() ? u" while minimised"_s : QString());
}

} // namespace soak
