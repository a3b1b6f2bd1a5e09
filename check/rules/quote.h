// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// A line as the learner would see it, in double quotes, shortened when long, with control characters drawn as
// visible symbols so that a finding stays on one line of the terminal.
QString quote(QStringView line);
