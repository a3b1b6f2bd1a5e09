// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/output/content_digest.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <memory>

namespace platform {
struct FileTarget;
}

// What a file the checker writes holds, which says whether it begins with a byte-order mark and where the checker's
// mark goes, by which it knows its own files again.
enum class OutputFormat {
    Report,        // UTF-8 with a mark; the checker's mark is its first line
    Tavrelo,       // Tavrelo's question file in UTF-8 with a mark; the checker's mark is a line before the questions
    TavreloCp1251, // the same in Windows-1251, without a byte-order mark
    Gift,          // UTF-8 with a mark; the checker's mark is a // comment on the first line
    Aiken,         // UTF-8 with a mark; no room for the checker's
    Page,          // the checker's mark is the page's generator, which the page has written near its start
};

// Whether an existing file is replaced: only one that the checker made and nobody changed since, or any (--replace).
enum class Replace { OwnFiles, Any };

// The page's mark is found within its first bytes: only its language comes before it.
inline constexpr qsizetype PageMarkWithin = 160;

// Why the checker may not write to the target: its own words, to follow "cannot write ... to PATH: "; empty when it
// may. Not a regular file or a missing one, a name that leads nowhere, or a file of the user's without --replace.
QString outputRefusal(const platform::FileTarget &target, Replace replace);

// Whether the file at the real name path is one the checker made and nobody has changed since.
bool isMadeByChecker(const QString &path);

// Whether a line of text is the checker's mark, which a file it converts again or copies has no need to keep: the new
// file gets its own.
bool isCheckerMark(QStringView line);

// Every file the checker writes is written through this: the target found as the system will find it, links
// followed; refused, without being opened, when outputRefusal says so; written into a new file beside it, which is
// renamed over it at commit, so that it is put in place whole or not at all. Writes the byte-order mark and the
// checker's mark that the format has; the mark ends with a digest of what follows it, so that a file changed since is
// known for the user's.
class OutputFile final {
public:
    OutputFile(const QString &path, OutputFormat format, Replace replace = Replace::OwnFiles);
    ~OutputFile();
    Q_DISABLE_COPY_MOVE(OutputFile)

    // The name as the user gave it, for messages.
    QString path() const { return m_path; }

    bool open();
    bool write(const QByteArray &bytes);
    // Whether everything so far was written.
    bool ok() const { return m_file && m_file->error() == QFileDevice::NoError; }
    qint64 pos() const { return m_file ? m_file->pos() : 0; }
    // Only for a page: its mark, the generator, as a line of its head.
    bool writePageMark();
    // Only for a page, whose heading is known last: spaces kept for it here, and at the end the heading over them
    // (no longer than the room). The mark's digest takes the room's bytes last, so it is still written in one pass.
    bool keepRoom(qsizetype size);
    bool fillRoom(const QByteArray &bytes);
    bool commit();
    void cancel();
    QString errorString() const;

private:
    QString m_path;
    OutputFormat m_format;
    Replace m_replace;
    std::unique_ptr<QSaveFile> m_file;
    ContentDigest m_digest;
    qint64 m_digestAt = -1; // where the mark's digest goes, when the format has a mark
    qint64 m_roomAt = -1;   // a page's room for its heading, and what it holds
    QByteArray m_room;
    QString m_error;
};
