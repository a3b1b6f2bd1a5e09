// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
//
// tavrelo-check: reads question files exactly as Tavrelo does and tells their authors, line by line, what the
// learner will meet.
#include "check/app/console.h"
#include "check/app/explorer_console.h"
#include "check/convert/convert_file.h"
#include "check/convert/dropped_file.h"
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
#include <QHash>

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

// --variants N: how many variants for a class the page holds.
constexpr int FewestVariants = 2;
constexpr int MostVariants = 10;

int run()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Messages::tr("Reads Tavrelo question files exactly as Tavrelo does and tells, line by line, what the learner "
                     "will meet.\n\nA file is read as UTF-8 or UTF-16 when it begins with a byte-order mark that says "
                     "so, as UTF-8 when the whole file is well-formed UTF-8, and as Windows-1251 otherwise.\n\nExit "
                     "status: 0 when no error or warning was found, 1 when one was, 2 when a file cannot be read."
                     "\n\nThe checker never writes over a file it reads, nor two files to one name, however the "
                     "names are spelt, nor to a folder, a device or a pipe; and it replaces a file that is there "
                     "only when tavrelo-check made it and it is unchanged since, or with --replace. Otherwise the "
                     "run stops with status 2 before anything is written."));
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
                     "data.html). Only a page that tavrelo-check made is written over, unless --replace is given. "
                     "Started from Explorer, the checker writes a page beside each file and opens it."),
        Messages::tr("page"));
    parser.addOption(html);
    const QCommandLineOption variants(
        u"variants"_s,
        Messages::tr("With --html, put <n> variants of the quiz for a class on the page (2 to 10), each on new sheets "
                     "with its own answer key: every question once, the questions and their answers in an order "
                     "drawn from the file's content, so the same file always gives the same variants; the answers "
                     "lettered A) to D) anew, an answer that speaks of the others (\"все ответы верны\", \"A и B\") "
                     "kept in its place. The findings then stay in the report."),
        Messages::tr("n"));
    parser.addOption(variants);
    const QCommandLineOption convert(
        u"convert"_s,
        Messages::tr("Convert FILE into <out>: Tavrelo's question file, GIFT or Aiken, as --format says or else as "
                     "<out>'s name does (.gift is GIFT, any other Tavrelo's). FILE's format is told by its content: "
                     "Tavrelo's when a line begins with \"Вес вопроса:\" (answers lettered A) to D), or а) to г) in "
                     "Russian order, or with Cyrillic look-alikes), Aiken when an \"ANSWER: X\" line follows its "
                     "lettered answers, GIFT when it holds answers in braces {...}, a ::title:: or $CATEGORY:. A Word "
                     "document (.docx) or a LibreOffice Writer one (.odt) is read by its paragraphs: a numbered or "
                     "plain question, then its lettered or numbered answers, as typed or as the lists show them; the "
                     "right one marked by \"*\" or \"+\", set apart by bold, underline, highlight or colour, or "
                     "named in a key at the end (\"Ответы: 1 – б, 2 – а\"). Its notes name paragraphs, counted "
                     "from 1 through the document, empty ones and those in tables' cells included. Only "
                     "questions with one right answer among at most four are converted; every other question, and "
                     "every change, is noted at its line. Nothing is written when no question could be converted."),
        Messages::tr("out", "the file --convert writes"));
    parser.addOption(convert);
    const QCommandLineOption replace(
        u"replace"_s,
        Messages::tr("Replace a file that is there already with what is written, even one that tavrelo-check did not "
                     "make or that was changed since, such as an Aiken file, which has no room for the mark by which "
                     "tavrelo-check knows its own files. Without it, only the checker's own unchanged files are "
                     "replaced."));
    parser.addOption(replace);
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

    QStringList given = parser.positionalArguments();
    if (given.isEmpty())
        given << u"data.txt"_s;
    QStringList files = distinctFiles(given); // a file named twice is checked once
    if (parser.isSet(html) && parser.value(html).isEmpty()) {
        complain(Messages::tr("--html needs the name of the page, or of a folder for the pages; nothing was written"));
        return int(ExitStatus::Unreadable);
    }
    int variantCount = 0;
    if (parser.isSet(variants)) {
        bool number = false;
        variantCount = parser.value(variants).toInt(&number);
        if (!number || variantCount < FewestVariants || variantCount > MostVariants || !parser.isSet(html)) {
            complain(Messages::tr("--variants goes with --html and takes a number from %1 to %2")
                         .arg(FewestVariants)
                         .arg(MostVariants));
            return int(ExitStatus::Unreadable);
        }
    }
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
    const Replace replacing = parser.isSet(replace) ? Replace::Any : Replace::OwnFiles;
    const bool fromExplorer = waitsBeforeClosing(consoleFacts());
    // Dropped in Explorer, a document, GIFT or Aiken file is converted beside itself first, and its copy is checked.
    QHash<QString, QString> dropped; // the file, and the copy it is converted into
    QStringList checked = files;
    if (fromExplorer && !parser.isSet(convert) && !parser.isSet(toCp1251) && !parser.isSet(html)) {
        for (QString &file : checked) {
            if (isConvertedWhenDropped(file)) {
                dropped.insert(file, droppedConversionTarget(file));
                file = dropped.value(file);
            }
        }
    }
    WritePlan plan(replacing);
    for (const QString &file : files)
        plan.reads(file);
    for (const QString &copy : std::as_const(dropped))
        plan.writes(copy, Messages::tr("the converted file", "cannot write ... to"));
    if (parser.isSet(toCp1251))
        plan.writes(parser.value(toCp1251), Messages::tr("the Windows-1251 copy", "cannot write ... to"));
    if (parser.isSet(output))
        plan.writes(parser.value(output), Messages::tr("the report", "cannot write ... to"));
    if (parser.isSet(convert))
        plan.writes(parser.value(convert), Messages::tr("the converted file", "cannot write ... to"));
    // The files as given, so that several names make a folder of pages even for one file; a dropped file's page is
    // its copy's.
    const QStringList paged = parser.isSet(toCp1251) ? QStringList{parser.value(toCp1251)}
                            : dropped.isEmpty()      ? given
                                                     : checked;
    QuizPages pages(parser.value(html), fromExplorer, paged, variantCount, replacing);
    pages.plan(plan);
    for (const QString &refusal : {pages.refusal(), plan.clash()}) {
        if (!refusal.isEmpty()) {
            complain(refusal);
            return int(ExitStatus::Unreadable);
        }
    }

    std::optional<ReportFile> report;
    if (parser.isSet(output)) {
        const QString path = parser.value(output);
        report.emplace(path, replacing);
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
        status = int(convertFile(files.first(), parser.value(convert), *convertTo, print, replacing));
        files.clear();
    } else if (parser.isSet(toCp1251)) {
        const QString copy = parser.value(toCp1251);
        status = int(convertToCp1251(files.first(), copy, print, replacing));
        if (status == int(ExitStatus::Clean)) {
            print(files.first() + u": "_s + Messages::tr("Windows-1251 copy written to %1").arg(copy));
            files = QStringList{copy};
        } else {
            files.clear();
        }
    }
    for (const QString &file : files) {
        if (!dropped.contains(file)) {
            status = qMax(status, int(pages.check(file, print)));
            continue;
        }
        bool written = false;
        status = qMax(status,
                      int(convertFile(file, dropped.value(file), QuizFormat::Tavrelo, print, replacing, &written)));
        if (written)
            status = qMax(status, int(pages.check(dropped.value(file), print)));
    }

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
