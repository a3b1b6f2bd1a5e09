// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// A line as the learner would see it, in double quotes, shortened when long, with control characters drawn as
// visible symbols so that a finding stays on one line of the terminal, and those a terminal would hide or let
// reorder the finding (C1 controls, direction marks and controls) by their code points, as "⟨U+200F⟩".
QString quote(QStringView line);
