// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/source_question.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Whether a file's first bytes are those of an office document rather than of text: a zip (as .docx and .odt are),
// an older Word or Office file (.doc), or RTF.
bool looksLikeOfficeFile(const QByteArray &head);

// The largest document read: a test with pictures fits many times over.
constexpr qint64 maxOfficeFileSize = 256 * 1024 * 1024;

// The questions of a Word (.docx) or Writer (.odt) document; what else it is, or why it cannot be read, as a
// message in the user's language.
struct OfficeQuestions {
    std::optional<SourceQuiz> quiz;
    QString error;
};
OfficeQuestions readOfficeDocument(const QByteArray &bytes);
