// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>

// The page's style sheet, inside the page: how a quiz reads on screen, how it prints on A4, and the switch between
// the answer key and the copy for learners, which needs no script (the page's address ends in #learners or not).
QByteArrayView pageStyle();
