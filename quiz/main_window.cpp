// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "quiz/main_window.h"

#include "platform/forms/error_guard.h"

MainWindow::MainWindow() : DesignedForm(mainWindowDesign())
{
    addStatusPanels(*ui.StatusBar);

    const auto onClick = [this](platform::CommandButton *button, void (MainWindow::*handler)()) {
        connect(button, &QAbstractButton::clicked, this,
                [this, handler] { platform::runHandler([this, handler] { (this->*handler)(); }); });
    };
    onClick(ui.bCheck, &MainWindow::bCheck_Click);
    onClick(ui.bPrevious, &MainWindow::bPrevious_Click);
    onClick(ui.bNext, &MainWindow::bNext_Click);
    // Only a pick from the list counts as a click; typing into the text field does not.
    connect(ui.qList, qOverload<int>(&QComboBox::activated), this,
            [this] { platform::runHandler([this] { qList_Click(); }); });
}

void MainWindow::Form_Load()
{
    LoadQuestions();

    QStringList numbers;
    for (qint16 i = 1; i <= QuestionCount; ++i)
        numbers << QString::number(i);
    ui.qList->AddItems(numbers);

    RightCount = ScoreCounter(0);
    WrongCount = ScoreCounter(0);
    CurrentQuestion = 1;
    FirstShow = true;
    ShowQuestion(CurrentQuestion);
}
