// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/conversion_input.h"

#include "check/rules/messages.h"
#include "platform/core/file_names.h"
#include "platform/core/text_file.h"

using namespace Qt::StringLiterals;

std::optional<ExitStatus> openConversionInput(QFile &input, const QString &outputPath, const PrintLine &print)
{
    const QString inputPath = input.fileName();
    const auto fail = [&](const QString &path, const QString &text) {
        print(path + u": error: "_s + text);
        return ExitStatus::Unreadable;
    };
    if (!platform::FileExists(inputPath))
        return fail(inputPath, Messages::tr("no such file"));
    if (platform::sameFile(inputPath, outputPath))
        return fail(outputPath, Messages::tr("is the file being converted; name a new file for the copy"));
    if (!input.open(QIODevice::ReadOnly))
        return fail(inputPath, Messages::tr("cannot be read: %1").arg(input.errorString()));
    return std::nullopt;
}

ExitStatus cannotWrite(const OutputFile &output, const PrintLine &print)
{
    print(output.path() + u": error: "_s + Messages::tr("cannot be written: %1").arg(output.errorString()));
    return ExitStatus::Unreadable;
}
