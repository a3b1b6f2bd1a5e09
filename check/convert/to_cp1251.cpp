// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/to_cp1251.h"

#include "check/convert/conversion_input.h"
#include "check/rules/messages.h"
#include "platform/core/runtime_error.h"
#include "platform/core/text_file.h"
#include "platform/core/windows1251.h"

#include <QFile>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Where the encoded lines go: a device, or the file being written.
using LineSink = std::function<void(const QByteArray &)>;

// Writes lines in Windows-1251, each with CR LF, until a character has no Windows-1251 form; from then on only
// reports such characters.
class LineEncoder final {
public:
    LineEncoder(const LineSink &output, const QString &inputName, const PrintLine &print)
        : m_output(output), m_inputName(inputName), m_print(print)
    {
    }

    void take(QStringView line)
    {
        ++m_lineNumber;
        QByteArray bytes;
        bytes.reserve(line.size() + 2);
        qsizetype column = 0; // in characters, as editors count them
        for (qsizetype i = 0; i < line.size();) {
            ++column;
            qsizetype end = i + (line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1);
            // A letter with combining marks after it, as some systems store "й", may have a precomposed form.
            const bool marked = end < line.size() && line[end].isMark();
            while (end < line.size() && line[end].isMark())
                ++end;
            const QStringView cluster = line.mid(i, end - i);
            const QVector<uint> original = cluster.toUcs4();
            const QVector<uint> composed = marked ? cluster.toString().normalized(QString::NormalizationForm_C).toUcs4()
                                                  : original;
            for (qsizetype k = 0; k < composed.size(); ++k) {
                const std::optional<char> byte = composed[k] <= 0xFFFF
                                                   ? platform::unicodeToWindows1251(char16_t(composed[k]))
                                                   : std::nullopt;
                if (byte) {
                    bytes += *byte;
                } else {
                    // Where composing changed nothing, the character stands at its own column; else the cluster's.
                    const bool asWritten = composed.size() == original.size();
                    reportUnencodable(cluster, composed[k], asWritten ? column + k : column);
                    break;
                }
            }
            column += original.size() - 1;
            i = end;
        }
        bytes += "\r\n";
        // A copy of the checker's own file: its mark goes, for the copy's own.
        if (m_errors == 0 && !(m_lineNumber == 1 && isCheckerMark(line)))
            m_output(bytes);
    }

    qint64 errors() const { return m_errors; }

private:
    void reportUnencodable(QStringView cluster, char32_t character, qsizetype column)
    {
        ++m_errors;
        const QString code = QString::number(character, 16).toUpper().rightJustified(4, u'0');
        // A letter with a mark names the mark, which is what has no form.
        const QString text =
            cluster.toUcs4().size() == 1
                ? Messages::tr("\"%1\" (U+%2) has no Windows-1251 form").arg(cluster.toString(), code)
                : Messages::tr("\"%1\" holds U+%2, which has no Windows-1251 form").arg(cluster.toString(), code);
        m_print(m_inputName + u':' + QString::number(m_lineNumber) + u':' + QString::number(column) + u": error: "_s
                + text);
    }

    const LineSink &m_output;
    const QString &m_inputName;
    const PrintLine &m_print;
    qint64 m_lineNumber = 0;
    qint64 m_errors = 0;
};

ExitStatus encode(QIODevice &input, const LineSink &output, const QString &inputName, const PrintLine &print)
{
    const auto fail = [&](const QString &text, ExitStatus status) {
        print(inputName + u": error: "_s + text);
        return status;
    };
    // Read as the program reads it, so the copy holds the lines the program would show.
    platform::TextStream stream(input);
    LineEncoder encoder(output, inputName, print);
    try {
        if (stream.encoding() == platform::TextEncoding::Windows1251)
            return fail(Messages::tr("is neither UTF-8 nor UTF-16, so there is nothing to convert"), ExitStatus::Slips);
        while (!stream.AtEndOfStream())
            encoder.take(stream.readLineView());
    } catch (const platform::RuntimeError &) {
        return fail(Messages::tr("cannot be read: %1").arg(input.errorString()), ExitStatus::Unreadable);
    }
    return encoder.errors() > 0 ? ExitStatus::Slips : ExitStatus::Clean;
}

} // namespace

ExitStatus convertToCp1251(QIODevice &input, QIODevice &output, const QString &inputName, const PrintLine &print)
{
    return encode(
        input, [&](const QByteArray &bytes) { output.write(bytes); }, inputName, print);
}

ExitStatus convertToCp1251(const QString &inputPath, const QString &outputPath, const PrintLine &print, Replace replace)
{
    QFile input(inputPath);
    if (const std::optional<ExitStatus> failed = openConversionInput(input, outputPath, print))
        return *failed;
    OutputFile output(outputPath, OutputFormat::TavreloCp1251, replace);
    if (!output.open())
        return cannotWrite(output, print);
    // Put in place only when the whole file has a Windows-1251 form.
    const ExitStatus status = encode(
        input, [&](const QByteArray &bytes) { output.write(bytes); }, inputPath, print);
    if (status != ExitStatus::Clean) {
        output.cancel();
        print(outputPath + u": "_s + Messages::tr("nothing was written"));
        return status;
    }
    if (!output.commit())
        return cannotWrite(output, print);
    return ExitStatus::Clean;
}
