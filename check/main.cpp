// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
//
// tavrelo-check: reads question files exactly as Tavrelo does and tells their authors, line by line, what the
// learner will meet.
#include "check/check_file.h"
#include "check/console.h"
#include "check/to_cp1251.h"
#include "platform/core/app_info.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tavrelo-check"_s);
    QCoreApplication::setApplicationVersion(QString::number(platform::AppMajor()) + u'.'
                                            + QString::number(platform::AppMinor()) + u'.'
                                            + QString::number(platform::AppRevision()));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Reads Tavrelo question files exactly as Tavrelo does and tells, line by line, what the learner will meet."
        u"\n\nA file is read as UTF-8 or UTF-16 when it begins with a byte-order mark that says so, as UTF-8 when the "
        u"whole file is well-formed UTF-8, and as Windows-1251 otherwise."
        u"\n\nExit status: 0 when no error or warning was found, 1 when one was, 2 when a file cannot be read."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption toCp1251(u"to-cp1251"_s,
                                      u"Write a Windows-1251 copy of a UTF-8 or UTF-16 FILE, with CR LF line ends, "
                                      u"to <out>, then check the copy: for programs that read only Windows-1251."_s,
                                      u"out"_s);
    parser.addOption(toCp1251);
    parser.addPositionalArgument(u"FILE"_s, u"Question files to check; data.txt by default."_s, u"[FILE...]"_s);
    if (!parser.parse(QCoreApplication::arguments())) {
        writeLine(stderr, u"tavrelo-check: "_s + parser.errorText());
        return int(ExitStatus::Unreadable);
    }
    if (parser.isSet(u"help"_s))
        parser.showHelp(int(ExitStatus::Clean));
    if (parser.isSet(u"version"_s))
        parser.showVersion();

    QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        files << u"data.txt"_s;
    const PrintLine print = [](const QString &line) { writeLine(stdout, line); };

    if (parser.isSet(toCp1251)) {
        if (files.size() != 1) {
            writeLine(stderr, u"tavrelo-check: --to-cp1251 converts one file at a time"_s);
            return int(ExitStatus::Unreadable);
        }
        const QString output = parser.value(toCp1251);
        if (const ExitStatus converted = convertToCp1251(files.first(), output, print); converted != ExitStatus::Clean)
            return int(converted);
        print(files.first() + u": Windows-1251 copy written to "_s + output);
        files = {output};
    }

    int status = int(ExitStatus::Clean);
    for (const QString &file : files)
        status = qMax(status, int(checkFile(file, print)));
    return status;
}
