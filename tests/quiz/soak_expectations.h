// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/message_boxes.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

class MainWindow;
class QuestionBank;

namespace soak {

// Where the quiz window should have put things, worked out from the rules of the quiz alone and compared with
// the window after every action.

struct Rect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    friend bool operator==(const Rect &, const Rect &) = default;
};

// The twip rectangle of every control of the quiz window, by name; answer button j is "qAnswers(j)".
using Geometry = std::map<QString, Rect>;

QString answerName(int j);
Geometry readGeometry(const MainWindow &window);
// The design's rectangles, as the window is built before anything is displayed or laid out.
Geometry designGeometry();
// A display places the answer buttons it shows; the outer height is read at that moment.
void placeShownAnswers(Geometry &geometry, int shown, float H);
// What the resize rule makes of the window at the outer size W x H, answer buttons 1..shown being visible.
// At or below a threshold it moves nothing.
Geometry laidOut(Geometry geometry, float W, float H, int shown);
bool isLaidOut(float W, float H);

// How many answer buttons the display of question `question` shows: its non-empty answers.
int shownAnswers(const QuestionBank &bank, int question);

// The four score labels, top left to bottom right.
struct ScoreTexts {
    QString total, right, wrong, rate;
    QString joined() const { return QStringList{total, right, wrong, rate}.join(u" | "); }
};

// The quiz as a user following the rules would expect it, independent of the window's own state.
struct QuizExpectation {
    int questionCount = 0;
    int current = 1;
    qint64 right = 0;
    qint64 wrong = 0;
    int chosen = 0; // the answer button the user selected since the last display, 0 for none
    bool showMessage = false;
    bool showRight = false;

    qint64 total() const { return right + wrong; }
    ScoreTexts score() const;
    // Checking the chosen answer of the question on display: counts it, moves on and returns the message box
    // that the two check boxes call for. Does nothing with no answer chosen.
    std::optional<support::Message> check(const QuestionBank &bank);
};

} // namespace soak
