// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/app/explorer_console.h"

#include "check/app/console.h"
#include "check/rules/messages.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

bool waitsBeforeClosing(const ConsoleFacts &facts)
{
    return facts.processes == 1 && facts.inputIsConsole && facts.outputIsConsole;
}

ConsoleFacts consoleFacts()
{
    ConsoleFacts facts;
#ifdef Q_OS_WIN
    DWORD processes[2];
    facts.processes = int(GetConsoleProcessList(processes, 2)); // the whole count, even past the room given
    DWORD mode = 0;
    facts.inputIsConsole = GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode);
    facts.outputIsConsole = GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
#endif
    return facts;
}

void waitForEnter()
{
    writeLine(stdout, u'\n' + Messages::tr("Press Enter to close this window"));
    std::fflush(stdout);
    for (int ch = std::getchar(); ch != '\n' && ch != EOF;)
        ch = std::getchar();
}
