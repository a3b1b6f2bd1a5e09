// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

// The page's style sheet, inside the page: how a quiz reads on screen, how it prints on A4, and the switch between
// the answer key and the copy for learners, which needs no script (the page's address ends in #learners or not).
QByteArrayView pageStyle();

// The sheets' own footer, the quiz's title at left (with the variant, and "Answer key" on the key's sheets) and the
// page number at right; margin boxes of the page's own that also keep the browser's header and footer out of print.
// variants: how many variants the page holds, 0 for none.
QByteArray sheetStyle(QStringView title, int variants);
