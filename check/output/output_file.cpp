// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/output/output_file.h"

#include "check/rules/messages.h"
#include "platform/core/app_info.h"
#include "platform/core/file_names.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr char Bom[] = "\xEF\xBB\xBF";
// The digest in a mark, over every byte after the mark's line: 16 hexadecimal digits.
constexpr qsizetype DigestLength = 16;

#ifdef Q_OS_WIN
constexpr char ReportLineEnd[] = "\r\n";
#else
constexpr char ReportLineEnd[] = "\n";
#endif

bool hasBom(OutputFormat format)
{
    return format != OutputFormat::TavreloCp1251 && format != OutputFormat::Page;
}

// The mark's line up to its digest; empty for a format without room for one.
QByteArray markStart(OutputFormat format)
{
    const QByteArray mark = "tavrelo-check " + QByteArray::number(platform::AppMajor()) + '.'
                          + QByteArray::number(platform::AppMinor()) + '.' + QByteArray::number(platform::AppRevision())
                          + " #";
    switch (format) {
    case OutputFormat::Report:
    case OutputFormat::Tavrelo:
    case OutputFormat::TavreloCp1251: return mark;
    case OutputFormat::Gift: return "// " + mark;
    case OutputFormat::Aiken:
    case OutputFormat::Page: break;
    }
    return {};
}

QByteArray lineEnd(OutputFormat format)
{
    return format == OutputFormat::Report ? ReportLineEnd : "\r\n";
}

// A page's mark: after the digest, where its room for the heading is and how long it is, which the digest takes last.
constexpr char PageMarkStart[] = R"(<meta name="generator" content="tavrelo-check )";
QByteArray roomText(qint64 at, qsizetype size)
{
    // Of one length whatever the numbers, so that it is written over its stand-in.
    return " @" + QByteArray::number(qMax<qint64>(at, 0)).rightJustified(10, '0') + '+'
         + QByteArray::number(size).rightJustified(6, '0');
}

// Adds the bytes of the file from at, count of them or all to the end when count is negative; false on an error.
bool addFileBytes(ContentDigest &digest, QFile &file, qint64 at, qint64 count)
{
    if (!file.seek(at))
        return false;
    while (count != 0) {
        const QByteArray bytes = file.read(count < 0 ? 64 * 1024 : qMin<qint64>(count, 64 * 1024));
        if (bytes.isEmpty())
            return count < 0 && file.error() == QFileDevice::NoError;
        digest.addData(bytes);
        if (count > 0)
            count -= bytes.size();
    }
    return true;
}

// Whether a page is the checker's and unchanged: its digest over what follows its mark, the room taken last.
bool isCheckersPage(QFile &file, const QByteArray &start)
{
    static const QRegularExpression mark(
        uR"re(<meta name="generator" content="tavrelo-check \d+\.\d+\.\d+ #([0-9a-f]{16}) @(\d{10})\+(\d{6})">\r?\n)re"_s);
    const QRegularExpressionMatch found = mark.match(QString::fromLatin1(start));
    if (!found.hasMatch())
        return false;
    const qint64 markEnd = found.capturedEnd();
    const qint64 roomAt = found.captured(2).toLongLong();
    const qint64 roomSize = found.captured(3).toLongLong();
    if (roomAt < markEnd || roomAt + roomSize > file.size())
        return false;
    ContentDigest digest;
    if (!addFileBytes(digest, file, markEnd, roomAt - markEnd) || !addFileBytes(digest, file, roomAt + roomSize, -1)
        || !addFileBytes(digest, file, roomAt, roomSize))
        return false;
    return digest.hex() == found.captured(1).toLatin1();
}

} // namespace

QString outputRefusal(const platform::FileTarget &target, Replace replace)
{
    using Kind = platform::FileTarget::Kind;
    if (!target.error.isEmpty())
        return target.error;
    switch (target.kind) {
    case Kind::Missing:
    case Kind::File: {
#ifndef Q_OS_WIN // a folder's read-only attribute there only marks it as customised
        // The new file is made beside the target, then renamed over it: both need the folder.
        const QFileInfo folder(QFileInfo(target.path).path());
        if (folder.exists() && !folder.isWritable())
            return Messages::tr("its folder may not be written");
#endif
        if (target.kind == Kind::Missing)
            return {};
        break;
    }
    case Kind::Folder: return Messages::tr("it is a folder");
    case Kind::Device: return Messages::tr("it is a device");
    case Kind::Pipe: return Messages::tr("it is a pipe");
    case Kind::Socket: return Messages::tr("it is a socket");
    case Kind::DeviceName: return Messages::tr("Windows keeps that name for a device");
    case Kind::Unknown: return Messages::tr("it is no regular file");
    }
    // What would stop the writing half-way is said before anything is written.
    if (!QFileInfo(target.path).isWritable())
        return Messages::tr("it may not be written");
    if (replace == Replace::Any || isMadeByChecker(target.path))
        return {};
    return Messages::tr("that file is there, and tavrelo-check did not make it or it was changed since: name another "
                        "file, or add --replace to replace it");
}

bool isCheckerMark(QStringView line)
{
    static const QRegularExpression mark(uR"(^(?:// )?tavrelo-check \d+\.\d+\.\d+ #[0-9a-f]{16}$)"_s);
    return line.startsWith(u"tavrelo-check "_s) && mark.match(line).hasMatch();
}

bool isMadeByChecker(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(PageMarkWithin);
    if (start.contains(PageMarkStart))
        return isCheckersPage(file, start);
    static const QRegularExpression mark(
        uR"(^(?:\xEF\xBB\xBF)?(?:// )?tavrelo-check \d+\.\d+\.\d+ #([0-9a-f]{16})\r?\n)"_s);
    const QRegularExpressionMatch found = mark.match(QString::fromLatin1(start));
    if (!found.hasMatch() || !file.seek(found.capturedLength()))
        return false;
    ContentDigest digest;
    if (!digest.addData(file) || file.error() != QFileDevice::NoError)
        return false;
    return digest.hex() == found.captured(1).toLatin1();
}

OutputFile::OutputFile(const QString &path, OutputFormat format, Replace replace)
    : m_path(path), m_format(format), m_replace(replace)
{
}

OutputFile::~OutputFile() = default;

bool OutputFile::open()
{
    // Found again, as the plan found it before anything was written: it may have changed since.
    const platform::FileTarget target = platform::findTarget(m_path);
    m_error = outputRefusal(target, m_replace);
    if (!m_error.isEmpty())
        return false;
    // The real name, which has no link left for the file to follow: it is written where it was found.
    m_file = std::make_unique<QSaveFile>(target.path);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered) || (hasBom(m_format) && m_file->write(Bom) != 3)) {
        m_error = m_file->errorString();
        return false;
    }
    if (const QByteArray mark = markStart(m_format); !mark.isEmpty()) {
        m_digestAt = m_file->pos() + mark.size();
        if (m_file->write(mark + QByteArray(DigestLength, '0') + lineEnd(m_format)) < 0) {
            m_error = m_file->errorString();
            return false;
        }
    }
    return true;
}

bool OutputFile::write(const QByteArray &bytes)
{
    if (!m_file)
        return false;
    if (m_digestAt >= 0 && (m_roomAt < 0 || m_file->pos() >= m_roomAt + m_room.size()))
        m_digest.addData(bytes);
    return m_file->write(bytes) == bytes.size();
}

bool OutputFile::writePageMark()
{
    if (!m_file || m_format != OutputFormat::Page || m_digestAt >= 0)
        return false;
    const QByteArray start = PageMarkStart + QByteArray::number(platform::AppMajor()) + '.'
                           + QByteArray::number(platform::AppMinor()) + '.'
                           + QByteArray::number(platform::AppRevision()) + " #";
    m_digestAt = m_file->pos() + start.size();
    return m_file->write(start + QByteArray(DigestLength, '0') + roomText(0, 0) + "\">\n") >= 0;
}

bool OutputFile::keepRoom(qsizetype size)
{
    if (!m_file || m_digestAt < 0 || m_roomAt >= 0)
        return false;
    m_roomAt = m_file->pos();
    m_room = QByteArray(size, ' ');
    return m_file->write(m_room) == size;
}

bool OutputFile::fillRoom(const QByteArray &bytes)
{
    if (!m_file || m_roomAt < 0 || bytes.size() > m_room.size())
        return false;
    m_room.replace(0, bytes.size(), bytes);
    const qint64 end = m_file->pos();
    return m_file->seek(m_roomAt) && m_file->write(bytes) == bytes.size() && m_file->seek(end);
}

bool OutputFile::commit()
{
    if (!m_file)
        return false;
    if (m_digestAt >= 0) {
        const qint64 end = m_file->pos();
        QByteArray digest;
        if (m_format == OutputFormat::Page) {
            m_digest.addData(m_room);
            digest = m_digest.hex() + roomText(m_roomAt, m_room.size());
        } else {
            digest = m_digest.hex();
        }
        if (!m_file->seek(m_digestAt) || m_file->write(digest) != digest.size() || !m_file->seek(end)) {
            m_error = m_file->errorString();
            m_file->cancelWriting();
            return false;
        }
    }
    if (m_file->commit())
        return true;
    m_error = m_file->errorString();
    return false;
}

void OutputFile::cancel()
{
    if (m_file)
        m_file->cancelWriting();
}

QString OutputFile::errorString() const
{
    return m_error.isEmpty() && m_file ? m_file->errorString() : m_error;
}
