// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
//
// Feeds arbitrary bytes to the question file checker, to its Windows-1251 conversion and to the page of the quiz with
// its variants for a class, and aborts when a finding names a line the file does not have or spans more than one
// line, when a conversion that succeeds loses or adds a line, or when a variant does not hold every question once.
// The question reader's fuzz target checks that the checker counts what the program loads.
#include "check/convert/to_cp1251.h"
#include "check/page/quiz_variants.h"
#include "check/page/section_html.h"
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

void checkPage(const QByteArray &bytes)
{
    support::BufferStream source(bytes);
    QByteArray html;
    QuizVariants variants;
    qsizetype questions = 0;
    QuizBuilder builder([&](const QuizSection &section) {
        html.truncate(0);
        appendSectionHtml(html, section);
        variants.add(section);
        questions += section.kind == SectionKind::Question ? 1 : 0;
    });
    FindingLog log([&](const Finding &finding) { builder.takeFinding(finding); });
    checkStream(source.stream(), log, &builder);
    for (int variant = 1; variant <= 2; ++variant) {
        html.truncate(0);
        variants.appendVariant(html, variant, "<h1>t</h1>", "<div class=\"fields\"></div>");
        require(html.count("<section class=\"q") == questions, "a variant holds every question once");
        require(html.count("<li>") == questions, "a variant's key has every question");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkFindings(bytes);
    checkConversion(bytes);
    checkPage(bytes);
    return 0;
}
