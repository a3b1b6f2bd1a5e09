// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
//
// tavrelo-check: reads question files exactly as Tavrelo does and tells their authors, line by line, what the
// learner will meet.
#include "check/app/console.h"
#include "check/app/explorer_console.h"
#include "check/convert/convert_file.h"
#include "check/convert/to_cp1251.h"
#include "check/output/report_file.h"
#include "check/output/write_plan.h"
#include "check/page/quiz_pages.h"
#include "check/rules/check_file.h"
#include "check/rules/messages.h"
#include "check/rules/user_language.h"
#include "platform/core/app_info.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Qt's own texts in the help and in the command line's errors. Qt's translations are not built into the program,
// so the checker's translation carries these too.
[[maybe_unused]] constexpr const char *ParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

void complain(const QString &text)
{
    writeLine(stderr, u"tavrelo-check: "_s + text);
}

int run()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Messages::tr("Reads Tavrelo question files exactly as Tavrelo does and tells, line by line, what the learner "
                     "will meet.\n\nA file is read as UTF-8 or UTF-16 when it begins with a byte-order mark that says "
                     "so, as UTF-8 when the whole file is well-formed UTF-8, and as Windows-1251 otherwise.\n\nExit "
                     "status: 0 when no error or warning was found, 1 when one was, 2 when a file cannot be read."
                     "\n\nThe checker never writes over a file it reads, nor two files to one name, however the "
                     "names are spelt: such a run stops with status 2 before anything is written."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption toCp1251(
        u"to-cp1251"_s,
        Messages::tr("Write a Windows-1251 copy of a UTF-8 or UTF-16 FILE, with CR LF line ends, to <out>, then check "
                     "the copy: for programs that read only Windows-1251."),
        Messages::tr("out"));
    parser.addOption(toCp1251);
    const QCommandLineOption output(
        {u"o"_s, u"output"_s},
        Messages::tr("Write the report to <report> instead of the screen, in UTF-8 with a byte-order mark, as Notepad "
                     "reads it."),
        Messages::tr("report"));
    parser.addOption(output);
    const QCommandLineOption html(
        u"html"_s,
        Messages::tr("Write the quiz of FILE to the page <page> as well, as the learner will meet it, with the "
                     "findings at their lines, to read in a browser and print. With several FILEs, or when <page> "
                     "is a folder, each page goes into the folder <page>, named after its file (data.txt gives "
                     "data.html). Only a page that tavrelo-check made is written over. Started from Explorer, the "
                     "checker writes a page beside each file and opens it."),
        Messages::tr("page"));
    parser.addOption(html);
    const QCommandLineOption convert(
        u"convert"_s,
        Messages::tr("Convert FILE into <out>: Tavrelo's question file, GIFT or Aiken, as --format says or else as "
                     "<out>'s name does (.gift is GIFT, any other Tavrelo's). FILE's format is told by its content: "
                     "Tavrelo's when a line begins with \"Вес вопроса:\" (answers lettered A) to D), or а) to г) in "
                     "Russian order, or with Cyrillic look-alikes), Aiken when an \"ANSWER: X\" line follows its "
                     "lettered answers, GIFT when it holds answers in braces {...}, a ::title:: or $CATEGORY:. Only "
                     "questions with one right answer among at most four are converted; every other question, and "
                     "every change, is noted at its line. Nothing is written when no question could be converted."),
        Messages::tr("out"));
    parser.addOption(convert);
    const QCommandLineOption format(u"format"_s, Messages::tr("The format --convert writes: tavrelo, gift or aiken."),
                                    Messages::tr("format"));
    parser.addOption(format);
    parser.addPositionalArgument(Messages::tr("FILE"), Messages::tr("Question files to check; data.txt by default."),
                                 Messages::tr("[FILE...]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        complain(parser.errorText());
        return int(ExitStatus::Unreadable);
    }
    // Written here rather than by Qt, so that a Windows console shows Cyrillic help right.
    if (parser.isSet(help)) {
        writeLine(stdout, parser.helpText().trimmed());
        return int(ExitStatus::Clean);
    }
    if (parser.isSet(version)) {
        writeLine(stdout, QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion());
        return int(ExitStatus::Clean);
    }

    QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        files << u"data.txt"_s;
    if (parser.isSet(toCp1251) && files.size() != 1) {
        complain(Messages::tr("--to-cp1251 converts one file at a time"));
        return int(ExitStatus::Unreadable);
    }
    if (parser.isSet(convert) && (files.size() != 1 || parser.isSet(toCp1251) || parser.isSet(html))) {
        complain(Messages::tr("--convert converts one file at a time, and not with --to-cp1251 or --html"));
        return int(ExitStatus::Unreadable);
    }
    const std::optional<QuizFormat> convertTo = outputFormat(parser.value(format), parser.value(convert));
    if ((parser.isSet(format) && !parser.isSet(convert)) || !convertTo) {
        complain(Messages::tr("--format goes with --convert and names tavrelo, gift or aiken"));
        return int(ExitStatus::Unreadable);
    }
    WritePlan plan;
    for (const QString &file : files)
        plan.reads(file);
    if (parser.isSet(toCp1251))
        plan.writes(parser.value(toCp1251), Messages::tr("the Windows-1251 copy", "cannot write ... to"));
    if (parser.isSet(output))
        plan.writes(parser.value(output), Messages::tr("the report", "cannot write ... to"));
    if (parser.isSet(convert))
        plan.writes(parser.value(convert), Messages::tr("the converted file", "cannot write ... to"));
    QuizPages pages(parser.value(html), waitsBeforeClosing(consoleFacts()),
                    parser.isSet(toCp1251) ? QStringList{parser.value(toCp1251)} : files);
    pages.plan(plan);
    for (const QString &refusal : {plan.clash(), pages.refusal()}) {
        if (!refusal.isEmpty()) {
            complain(refusal);
            return int(ExitStatus::Unreadable);
        }
    }

    std::optional<ReportFile> report;
    if (parser.isSet(output)) {
        const QString path = parser.value(output);
        report.emplace(path);
        if (!report->open()) {
            complain(Messages::tr("%1 cannot be written: %2").arg(path, report->errorString()));
            return int(ExitStatus::Unreadable);
        }
    }
    const PrintLine print = [&](const QString &line) {
        if (report)
            report->writeLine(line);
        else
            writeLine(stdout, line);
    };

    int status = int(ExitStatus::Clean);
    if (parser.isSet(convert)) {
        status = int(convertFile(files.first(), parser.value(convert), *convertTo, print));
        files.clear();
    } else if (parser.isSet(toCp1251)) {
        const QString copy = parser.value(toCp1251);
        status = int(convertToCp1251(files.first(), copy, print));
        if (status == int(ExitStatus::Clean)) {
            print(files.first() + u": "_s + Messages::tr("Windows-1251 copy written to %1").arg(copy));
            files = QStringList{copy};
        } else {
            files.clear();
        }
    }
    for (const QString &file : files)
        status = qMax(status, int(pages.check(file, print)));

    if (report && !report->commit()) {
        complain(Messages::tr("%1 cannot be written: %2").arg(parser.value(output), report->errorString()));
        return int(ExitStatus::Unreadable);
    }
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tavrelo-check"_s);
    QCoreApplication::setApplicationVersion(QString::number(platform::AppMajor()) + u'.'
                                            + QString::number(platform::AppMinor()) + u'.'
                                            + QString::number(platform::AppRevision()));
    useUserLanguage();
    const int status = run();
    if (waitsBeforeClosing(consoleFacts()))
        waitForEnter();
    return status;
}
