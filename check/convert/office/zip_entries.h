// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// The entries of a zip archive held in memory, read as untrusted input: the central directory is checked whole
// before any entry is unpacked, and an entry is unpacked only within limits on its size and on how far it expands,
// so that a small file cannot grow into gigabytes in memory (a zip bomb). Only entries stored or deflated are read.
class ZipEntries {
public:
    static constexpr qsizetype maxEntries = 5000;
    static constexpr qint64 maxEntrySize = 64 * 1024 * 1024;  // unpacked
    static constexpr qint64 maxTotalSize = 160 * 1024 * 1024; // unpacked by one reader, all entries together
    static constexpr qint64 maxRatio = 200;                   // unpacked bytes per packed byte, past the first MB

    // Reads the directory of zip; error() says what is wrong with it, in the user's language.
    explicit ZipEntries(const QByteArray &zip);

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    bool contains(const QString &name) const;
    // The unpacked bytes of the entry name; none when it is missing or cannot be read within the limits, and then
    // error() says why (for a missing entry, nothing).
    std::optional<QByteArray> read(const QString &name);

private:
    struct Entry {
        QString name;
        quint16 method = 0;
        quint16 flags = 0;
        quint32 crc = 0;
        qint64 packed = 0;
        qint64 unpacked = 0;
        qint64 localHeader = 0;
    };
    const Entry *find(const QString &name) const;

    QByteArray m_zip;
    std::vector<Entry> m_entries;
    qint64 m_unpackedSoFar = 0;
    QString m_error;
};
