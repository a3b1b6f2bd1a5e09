// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

enum class Severity : quint8 { Error, Warning, Note };

// One thing the learner will meet, at a line counted from 1.
struct Finding {
    qint64 line = 1;
    Severity severity = Severity::Note;
    QString text;
};

// "FILE:LINE: warning: text", the form compilers use, so that editors can jump to the line.
QString formatFinding(const QString &fileName, const Finding &finding);
