// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
//
// Feeds arbitrary bytes to the question file checker and to its Windows-1251 conversion, and aborts when a finding
// names a line the file does not have or spans more than one line, or when a conversion that succeeds loses or
// adds a line. The question reader's fuzz target checks that the checker counts what the program loads.
#include "check/check_file.h"
#include "check/encoding.h"
#include "check/finding_log.h"
#include "check/to_cp1251.h"
#include "platform/core/text_file.h"
#include "tests/support/buffer_stream.h"

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
qint64 lineCount(QByteArrayView bytes)
{
    qint64 lines = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    }
    return lines + (bytes.isEmpty() || bytes.back() == '\n' || bytes.back() == '\r' ? 0 : 1);
}

void checkFindings(const QByteArray &bytes)
{
    support::BufferStream source(bytes);
    const FileEncoding encoding = detectEncoding(source.device());
    source.device().seek(0);

    const qint64 lines = lineCount(bytes);
    FindingLog log([&](const Finding &finding) {
        require(finding.line >= 1 && finding.line <= qMax<qint64>(lines, 1), "a finding names a line of the file");
        require(!finding.text.contains(u'\n') && !finding.text.contains(u'\r'), "a finding is one line");
    });
    checkStream(source.stream(), encoding, log);
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
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    require(lineCount(converted) == lineCount(QByteArrayView(bytes).sliced(bom ? 3 : 0)),
            "a conversion keeps every line");
    require(converted.count("\r\n") == lineCount(converted), "every converted line ends in CR LF");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkFindings(bytes);
    checkConversion(bytes);
    return 0;
}
