// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

// What the checker knows of the console it writes to.
struct ConsoleFacts {
    int processes = 0; // processes attached to the console, the checker included; 0 when there is none
    bool inputIsConsole = false;
    bool outputIsConsole = false;
};

// Started from Explorer (a double click, a file dropped on it, "Open with"), the checker is the only process of a
// console window that Windows opened for it and closes the moment it ends: then it waits for Enter, so that the
// report can be read. A command prompt or a script shares its console with the checker; with input or output
// redirected, nobody may be there to press Enter.
bool waitsBeforeClosing(const ConsoleFacts &facts);

// The console of this process; none on systems other than Windows.
ConsoleFacts consoleFacts();

// Asks for Enter in the user's language and waits for it.
void waitForEnter();
