// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
//
// Feeds arbitrary bytes to the question file checker and to its Windows-1251 conversion, and aborts when a finding
// names a line the file does not have or spans more than one line, or when a conversion that succeeds loses or
// adds a line. The question reader's fuzz target checks that the checker counts what the program loads.
#include "check/convert/to_cp1251.h"
#include "check/rules/check_file.h"
#include "check/rules/finding_log.h"
#include "platform/core/text_file.h"
#include "tests/support/buffer_stream.h"
#include "tests/support/reference_text.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

// Lines as an editor counts them: CR LF, LF or CR each end one.
qint64 lineCount(QStringView text)
{
    qint64 lines = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++lines;
    }
    return lines + (text.isEmpty() || text.back() == u'\n' || text.back() == u'\r' ? 0 : 1);
}

void checkFindings(const QByteArray &bytes)
{
    support::BufferStream source(bytes);
    const qint64 lines = lineCount(support::referenceText(bytes));
    FindingLog log([&](const Finding &finding) {
        require(finding.line >= 1 && finding.line <= qMax<qint64>(lines, 1), "a finding names a line of the file");
        require(!finding.text.contains(u'\n') && !finding.text.contains(u'\r'), "a finding is one line");
    });
    checkStream(source.stream(), log);
}

void checkConversion(const QByteArray &bytes)
{
    QBuffer input;
    input.setData(bytes);
    input.open(QIODevice::ReadOnly);
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    if (convertToCp1251(input, output, QString(), [](const QString &) {}) != ExitStatus::Clean)
        return;
    const QByteArray converted = output.data();
    require(lineCount(platform::decodeWindows1251(converted)) == lineCount(support::referenceText(bytes)),
            "a conversion keeps every line");
    require(converted.count("\r\n") == lineCount(platform::decodeWindows1251(converted)),
            "every converted line ends in CR LF");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkFindings(bytes);
    checkConversion(bytes);
    return 0;
}
