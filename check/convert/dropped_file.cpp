// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/dropped_file.h"

#include "check/convert/formats.h"
#include "check/convert/office/office_document.h"
#include "platform/core/runtime_error.h"
#include "platform/core/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

bool isConvertedWhenDropped(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false; // the check says why
    if (looksLikeOfficeFile(file.peek(8)))
        return true;
    try {
        platform::TextStream stream(file);
        const std::optional<QuizFormat> format = detectFormat([&stream]() -> std::optional<QString> {
            if (stream.AtEndOfStream())
                return std::nullopt;
            return stream.ReadLine();
        });
        return format == QuizFormat::Gift || format == QuizFormat::Aiken;
    } catch (const platform::RuntimeError &) {
        return false;
    }
}

QString droppedConversionTarget(const QString &path)
{
    const QFileInfo info(path);
    const auto besideIt = [&](const QString &name) {
        return info.path() == u"." && !path.startsWith(u"./") ? name : info.dir().filePath(name);
    };
    const QString beside = besideIt(info.completeBaseName() + u".txt"_s);
    if (QFileInfo(beside) == info)
        return besideIt(info.completeBaseName() + u"-tavrelo.txt"_s);
    return beside;
}
