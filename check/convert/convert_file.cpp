// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/convert_file.h"

#include "bank/line_class.h"
#include "check/convert/aiken_reader.h"
#include "check/convert/aiken_writer.h"
#include "check/convert/conversion_input.h"
#include "check/convert/copy_check.h"
#include "check/convert/gift_reader.h"
#include "check/convert/gift_writer.h"
#include "check/convert/lettered_reader.h"
#include "check/convert/office/office_document.h"
#include "check/convert/playable.h"
#include "check/rules/finding_log.h"
#include "check/rules/messages.h"
#include "check/rules/quiz_builder.h"
#include "platform/core/runtime_error.h"
#include "platform/core/text_file.h"

#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// What the learner met in the source and will not in the copy, said once for the whole file.
void noteLosses(const TavreloCopy &copy, std::vector<Finding> &notes)
{
    std::vector<qint64> feedback;
    std::vector<qint64> penalties;
    for (const TavreloCopy::Question &written : copy.questions) {
        const SourceQuestion &source = *written.source;
        if (source.feedbackLine > 0)
            feedback.push_back(source.feedbackLine);
        if (source.penaltyLine > 0)
            penalties.push_back(source.penaltyLine);
        if (source.imageLine > 0) {
            notes.push_back(Finding{source.imageLine, Severity::Warning,
                                    Messages::tr("question %1 holds an image, a sound, a video or a link, which is "
                                                 "left out: Tavrelo shows text alone")
                                        .arg(questionName(source))});
        }
        if (source.raisedLine > 0) {
            notes.push_back(Finding{source.raisedLine, Severity::Note,
                                    Messages::tr("question %1 has a superscript or subscript that plain text has no "
                                                 "sign for: it is written after \"^\" or \"_\", as in \"2^x\"")
                                        .arg(questionName(source))});
        }
    }
    const int moreFeedback = int(feedback.size()) - 1;
    if (!feedback.empty()) {
        notes.push_back(Finding{feedback.front(), Severity::Note,
                                moreFeedback == 0
                                    ? Messages::tr("feedback is left out: Tavrelo shows none")
                                    : Messages::tr("feedback is left out, here and in %n more question(s): Tavrelo "
                                                   "shows none",
                                                   nullptr, moreFeedback)});
    }
    const int morePenalties = int(penalties.size()) - 1;
    if (!penalties.empty()) {
        notes.push_back(Finding{penalties.front(), Severity::Note,
                                morePenalties == 0
                                    ? Messages::tr("a negative mark for a wrong answer is left out: Tavrelo counts "
                                                   "a wrong answer as wrong, no more")
                                    : Messages::tr("negative marks for wrong answers are left out, here and in %n "
                                                   "more question(s): Tavrelo counts a wrong answer as wrong, no more",
                                                   nullptr, morePenalties)});
    }
}

// The stream's lines, one at a time.
NextLine linesOf(platform::TextStream &stream)
{
    return [&stream]() -> std::optional<QString> {
        if (stream.AtEndOfStream())
            return std::nullopt;
        return stream.ReadLine();
    };
}

SourceQuiz readSource(QuizFormat format, platform::TextStream &stream)
{
    switch (format) {
    case QuizFormat::Tavrelo: break;
    case QuizFormat::Gift: return readGift(linesOf(stream));
    case QuizFormat::Aiken: return readAiken(linesOf(stream));
    }
    return readLettered(linesOf(stream));
}

// The questions Tavrelo can play, written as its question file and read back by its reader; a question that
// reads back otherwise than written is left out, and the copy written again without it.
struct IntoTavrelo {
    TavreloCopy copy;
    CopyCheck check;
    int leftOut = 0;
};

// The copy points into the quiz, which must outlive it: never a temporary. What was mended in the copy, and what the
// checker says of it, is said only when the copy is the file written.
IntoTavrelo intoTavrelo(const SourceQuiz &&quiz, std::vector<Finding> &notes, bool copyWritten) = delete;
IntoTavrelo intoTavrelo(const SourceQuiz &quiz, std::vector<Finding> &notes, bool copyWritten)
{
    IntoTavrelo into;
    into.leftOut = quiz.unreadable;
    notes.insert(notes.end(), quiz.notes.begin(), quiz.notes.end());
    std::vector<const SourceQuestion *> kept;
    for (const SourceQuestion &question : quiz.questions) {
        if (const std::optional<Finding> note = leftOutNote(question)) {
            notes.push_back(*note);
            ++into.leftOut;
        } else {
            kept.push_back(&question);
        }
    }
    for (;;) {
        into.copy = writeTavrelo(quiz.preamble, kept);
        into.check = checkCopy(into.copy);
        if (!into.check.firstMisread)
            break;
        const SourceQuestion *misread = kept[*into.check.firstMisread];
        notes.push_back(Finding{misread->line, Severity::Error,
                                Messages::tr("question %1 is left out: Tavrelo would read it otherwise than it is "
                                             "written")
                                    .arg(questionName(*misread))});
        kept.erase(kept.begin() + qsizetype(*into.check.firstMisread));
        ++into.leftOut;
    }
    into.leftOut += int(kept.size() - into.copy.questions.size()); // past the bank's 1000
    notes.insert(notes.end(), into.copy.notes.begin(), into.copy.notes.end());
    noteLosses(into.copy, notes);
    if (!copyWritten)
        return into;
    notes.insert(notes.end(), into.copy.mends.begin(), into.copy.mends.end());
    // What the checker says of a line that was not mended on purpose, at the line of the source it came from.
    for (const Finding &finding : into.check.findings) {
        const size_t at = size_t(finding.line - 1);
        if (at < into.copy.sourceLines.size() && !into.copy.mended[at] && into.copy.sourceLines[at] > 0) {
            notes.push_back(Finding{into.copy.sourceLines[at], Severity::Note,
                                    Messages::tr("the checker says of this line in the copy: %1").arg(finding.text)});
        }
    }
    return into;
}

// How many question headers the lines hold from line `from` on.
int headersFrom(const NextLine &nextLine, qint64 from)
{
    int headers = 0;
    qint64 number = 0;
    while (const std::optional<QString> line = nextLine())
        headers += ++number >= from && classifyLine(*line).kind == LineKind::Header ? 1 : 0;
    return headers;
}

// The line at which Tavrelo stops loading questions, or 0.
qint64 notLoadedLine(const std::vector<QuizSection> &sections)
{
    for (const QuizSection &section : sections) {
        if (section.kind == SectionKind::NotLoaded)
            return section.lines.empty() ? 0 : section.lines.front().number;
    }
    return 0;
}

// The questions of Tavrelo's quiz that another format can hold; notLoaded counts those past the ones Tavrelo loads.
std::vector<PlayedQuestion> playedQuestions(const std::vector<QuizSection> &sections, int notLoaded,
                                            std::vector<Finding> &notes, int &leftOut)
{
    std::vector<PlayedQuestion> played;
    for (const QuizSection &section : sections) {
        if (section.kind == SectionKind::NotLoaded) {
            const qint64 line = section.lines.empty() ? 0 : section.lines.front().number;
            notes.push_back(Finding{line, Severity::Warning,
                                    Messages::tr("the questions from this line on are left out: Tavrelo loads only "
                                                 "the first %1")
                                        .arg(section.number - 1)});
            leftOut += notLoaded;
            continue;
        }
        if (std::optional<PlayedQuestion> question = playedQuestion(section, notes))
            played.push_back(std::move(*question));
        else
            ++leftOut;
    }
    return played;
}

std::vector<QuizSection> readModel(QIODevice &input)
{
    std::vector<QuizSection> sections;
    platform::TextStream stream(input);
    QuizBuilder builder([&](const QuizSection &section) {
        if (section.kind != SectionKind::BeforeFirstQuestion)
            sections.push_back(section);
    });
    FindingLog log([&](const Finding &finding) { builder.takeFinding(finding); });
    checkStream(stream, log, &builder);
    return sections;
}

// Writes GIFT or Aiken; returns how many questions it wrote.
int writeOther(QuizFormat to, const std::vector<PlayedQuestion> &played, QString &text, std::vector<Finding> &notes)
{
    if (to == QuizFormat::Gift) {
        text = writeGift(played, notes);
        return int(played.size());
    }
    return int(writeAiken(played, text, notes));
}

QByteArray withCrLf(const QString &text)
{
    return QString(text).replace(u"\n"_s, u"\r\n"_s).toUtf8();
}

OutputFormat fileFormat(QuizFormat format)
{
    switch (format) {
    case QuizFormat::Tavrelo: break;
    case QuizFormat::Gift: return OutputFormat::Gift;
    case QuizFormat::Aiken: return OutputFormat::Aiken;
    }
    return OutputFormat::Tavrelo;
}

} // namespace

namespace {

// Converts the questions a reader found into Tavrelo's question file, or on through it into GIFT or Aiken.
void convertSource(const SourceQuiz &source, QuizFormat to, Conversion &conversion, std::vector<Finding> &notes,
                   QString &text)
{
    const IntoTavrelo into = intoTavrelo(source, notes, to == QuizFormat::Tavrelo);
    conversion.leftOut = into.leftOut;
    conversion.converted = int(into.copy.questions.size());
    if (to == QuizFormat::Tavrelo) {
        if (conversion.converted > 0)
            conversion.output = tavreloBytes(into.copy);
        return;
    }
    // On through Tavrelo's quiz, with the source's lines and numbers for the notes.
    const auto sourceLine = [&](qint64 line) {
        return line > 0 && size_t(line) <= into.copy.sourceLines.size() ? into.copy.sourceLines[size_t(line - 1)] : 0;
    };
    std::vector<PlayedQuestion> played = playedQuestions(into.check.questions, 0, notes, conversion.leftOut);
    for (size_t i = 0; i < played.size() && i < into.copy.questions.size(); ++i) {
        PlayedQuestion &question = played[i];
        question.number = into.copy.questions[i].source->number;
        question.line = into.copy.questions[i].source->line;
        for (qint64 &line : question.answerLines)
            line = sourceLine(line);
    }
    const int written = writeOther(to, played, text, notes);
    conversion.leftOut += conversion.converted - written;
    conversion.converted = written;
}

// Prints the notes in the order of the source's lines, and ends the conversion.
void finishConversion(Conversion &conversion, QuizFormat to, const QString &text, std::vector<Finding> &notes,
                      const QString &inputName, const PrintLine &print)
{
    if (to != QuizFormat::Tavrelo && conversion.converted > 0)
        conversion.output = withCrLf(text);
    if (conversion.converted == 0 && conversion.leftOut == 0) {
        notes.push_back(Finding{1, Severity::Warning,
                                Messages::tr("nothing in the file reads as a question, so nothing is converted")});
    }
    std::stable_sort(notes.begin(), notes.end(), [](const Finding &a, const Finding &b) { return a.line < b.line; });
    bool slips = conversion.converted == 0;
    for (const Finding &note : notes) {
        print(formatFinding(inputName, note));
        slips = slips || note.severity != Severity::Note;
    }
    conversion.status = slips ? ExitStatus::Slips : ExitStatus::Clean;
}

// A Word or Writer document, read whole (within a bound) and taken apart in memory.
Conversion convertOffice(QIODevice &input, const QString &inputName, QuizFormat to, const PrintLine &print)
{
    Conversion conversion;
    const auto fail = [&](const QString &text) {
        print(inputName + u": error: "_s + text);
        return conversion;
    };
    if (input.size() > maxOfficeFileSize) {
        return fail(Messages::tr("the document is larger than %1 MB, more than a test needs")
                        .arg(maxOfficeFileSize / (1024 * 1024)));
    }
    // In pieces, since read(n) would take n bytes of memory at once, whatever the file holds.
    QByteArray bytes;
    for (QByteArray piece; !(piece = input.read(1024 * 1024)).isEmpty();) {
        bytes += piece;
        if (bytes.size() > maxOfficeFileSize) {
            return fail(Messages::tr("the document is larger than %1 MB, more than a test needs")
                            .arg(maxOfficeFileSize / (1024 * 1024)));
        }
    }
    const OfficeQuestions read = readOfficeDocument(bytes);
    if (!read.quiz)
        return fail(read.error);
    conversion.read = true;
    std::vector<Finding> notes;
    QString text;
    convertSource(*read.quiz, to, conversion, notes, text);
    finishConversion(conversion, to, text, notes, inputName, print);
    return conversion;
}

} // namespace

Conversion convertQuiz(QIODevice &input, const QString &inputName, QuizFormat to, const PrintLine &print)
{
    if (looksLikeOfficeFile(input.peek(8)))
        return convertOffice(input, inputName, to, print);
    Conversion conversion;
    std::optional<QuizFormat> from;
    bool lettered = false; // a file of Tavrelo's read as its author meant it
    int notLoaded = 0;     // the questions of a file of Tavrelo's past those Tavrelo loads
    std::vector<QuizSection> model;
    SourceQuiz read;
    try {
        // Read a line at a time: once for the format, then by its reader.
        const auto rewind = [&] {
            if (!input.seek(0))
                throw platform::RuntimeError(platform::Error::DeviceIOError);
        };
        {
            platform::TextStream stream(input);
            from = detectFormat(linesOf(stream));
        }
        if (from)
            rewind();
        // A file of Tavrelo's goes out as Tavrelo plays it, unless it is lettered the Russian way or its headers
        // misspelt: then as it goes into Tavrelo's format, read as its author meant it.
        if (from == QuizFormat::Tavrelo && to != QuizFormat::Tavrelo) {
            {
                platform::TextStream stream(input);
                read = readLettered(linesOf(stream), false);
            }
            lettered = std::any_of(read.notes.begin(), read.notes.end(),
                                   [](const Finding &note) { return note.severity == Severity::Note; });
            if (!lettered) {
                read = SourceQuiz();
                rewind();
                model = readModel(input);
                if (const qint64 line = notLoadedLine(model)) {
                    rewind();
                    platform::TextStream stream(input);
                    notLoaded = headersFrom(linesOf(stream), line);
                }
            }
        } else if (from) {
            platform::TextStream stream(input);
            read = readSource(*from, stream);
        }
    } catch (const platform::RuntimeError &) {
        print(inputName + u": error: "_s + Messages::tr("cannot be read: %1").arg(input.errorString()));
        return conversion;
    }
    if (!from) {
        print(inputName + u": error: "_s
              + Messages::tr("cannot tell the format: the file holds no question header \"Вес вопроса:\" of "
                             "Tavrelo's, no answers in braces {...} of GIFT and no \"ANSWER:\" line of Aiken"));
        conversion.status = ExitStatus::Slips;
        return conversion;
    }
    conversion.read = true;

    std::vector<Finding> notes;
    QString text;
    if (*from == QuizFormat::Tavrelo && to != QuizFormat::Tavrelo && !lettered) {
        const std::vector<PlayedQuestion> played = playedQuestions(model, notLoaded, notes, conversion.leftOut);
        conversion.converted = writeOther(to, played, text, notes);
        conversion.leftOut += int(played.size()) - conversion.converted;
    } else {
        convertSource(read, to, conversion, notes, text);
    }
    finishConversion(conversion, to, text, notes, inputName, print);
    return conversion;
}

ExitStatus convertFile(const QString &inputPath, const QString &outputPath, QuizFormat to, const PrintLine &print,
                       Replace replace, bool *written)
{
    QFile input(inputPath);
    if (const std::optional<ExitStatus> failed = openConversionInput(input, outputPath, print))
        return *failed;

    const Conversion conversion = convertQuiz(input, inputPath, to, print);
    if (!conversion.read) {
        print(outputPath + u": "_s + Messages::tr("nothing was written"));
        return conversion.status;
    }
    QString summary =
        inputPath + u": "_s
        + Messages::tr("%n question(s) converted into %1", nullptr, conversion.converted).arg(formatName(to)) + u", "_s
        + Messages::tr("%n left out", nullptr, conversion.leftOut) + u"; "_s;
    if (conversion.output.isEmpty()) {
        print(summary + Messages::tr("nothing was written"));
        return conversion.status;
    }
    OutputFile output(outputPath, fileFormat(to), replace);
    if (!output.open() || !output.write(conversion.output) || !output.commit())
        return cannotWrite(output, print);
    print(summary + Messages::tr("written to %1").arg(outputPath));
    if (written)
        *written = true;
    return conversion.status;
}
