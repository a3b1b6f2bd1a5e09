// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/finding.h"

using namespace Qt::StringLiterals;

QString formatFinding(const QString &fileName, const Finding &finding)
{
    static const QString severities[] = {u"error"_s, u"warning"_s, u"note"_s};
    return fileName + u':' + QString::number(finding.line) + u": "_s + severities[int(finding.severity)] + u": "_s
         + finding.text;
}
