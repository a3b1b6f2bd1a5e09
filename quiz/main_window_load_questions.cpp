// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_reader.h"
#include "loading/loading_window.h"
#include "platform/core/app_info.h"
#include "platform/core/text_file.h"
#include "platform/forms/message_box.h"
#include "quiz/main_window.h"

using namespace Qt::StringLiterals;
using platform::Forms;

void MainWindow::LoadQuestions()
{
    SetEnabled(false);
    Forms<LoadingWindow>::Show();
    const QString fileName = platform::AppPath() + u"/data.txt"_s;

    if (!platform::FileExists(fileName)) {
        platform::MsgBox(u"Data file not found"_s, platform::MessageIcon::Critical);
        Forms<LoadingWindow>::Unload();
        SetEnabled(true);
        return;
    }

    const auto stream = platform::OpenTextFile(fileName);
    QuestionCount = 0;
    const ReadOutcome outcome = readQuestions(*stream, m_bank, QuestionCount, [](qint16 questions) {
        Forms<LoadingWindow>::get().updateProgress(questions);
    });
    stream->Close();
    Forms<LoadingWindow>::Unload();
    SetEnabled(true);

    if (outcome.cut)
        platform::MsgBox(u"Data file holds more than 1000 questions; only the first 1000 were loaded"_s,
                         platform::MessageIcon::Information);
}
