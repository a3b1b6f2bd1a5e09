// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "quiz/main_window.h"

#include "platform/controls/status_bar.h"
#include "platform/forms/error_guard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>

MainWindow::MainWindow() : DesignedForm(MainWindowDesign())
{
    AddMainWindowStatusPanels(*ui.StatusBar->as<platform::StatusBar>());

    const auto onClick = [this](const platform::Control &button, void (MainWindow::*handler)()) {
        connect(button.as<QAbstractButton>(), &QAbstractButton::clicked, this,
                [this, handler] { platform::RunHandler([this, handler] { (this->*handler)(); }); });
    };
    onClick(*ui.bCheck, &MainWindow::bCheck_Click);
    onClick(*ui.bPrevious, &MainWindow::bPrevious_Click);
    onClick(*ui.bNext, &MainWindow::bNext_Click);
    // Only a pick from the list counts as a click; typing into the text field does not.
    connect(ui.qList->as<QComboBox>(), &QComboBox::activated, this,
            [this] { platform::RunHandler([this] { qList_Click(); }); });
    // The announcer, a member, ends this connection before the controls go: focus still moves while they do.
    connect(qApp, &QApplication::focusChanged, &m_announcer,
            [this](QWidget *old, QWidget *now) { FocusChanged(old, now); });
}

void MainWindow::Form_Load()
{
    LoadQuestions();

    auto *list = ui.qList->as<QComboBox>();
    for (qint16 i = 1; i <= QuestionCount; ++i)
        list->addItem(QString::number(i));
    // Filling the list must not put a number into its text field.
    list->setCurrentIndex(-1);
    list->setEditText(QString());

    RightCount = ScoreCounter(0);
    WrongCount = ScoreCounter(0);
    CurrentQuestion = 1;
    FirstShow = true;
    ShowQuestion(CurrentQuestion);
}
