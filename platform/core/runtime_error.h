// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <exception>

namespace platform {

// A kind of run-time error: the number and the description that users know from the message box.
struct ErrorKind {
    int number;
    QStringView description;
};

// The run-time errors the program can meet.
namespace Error {
inline constexpr ErrorKind Overflow{6, u"Overflow"};
inline constexpr ErrorKind OutOfMemory{7, u"Out of memory"};
inline constexpr ErrorKind SubscriptOutOfRange{9, u"Subscript out of range"};
inline constexpr ErrorKind TypeMismatch{13, u"Type mismatch"};
inline constexpr ErrorKind FileNotFound{53, u"File not found"};
inline constexpr ErrorKind DeviceIOError{57, u"Device I/O error"};
inline constexpr ErrorKind InputPastEndOfFile{62, u"Input past end of file"};
inline constexpr ErrorKind PermissionDenied{70, u"Permission denied"};
inline constexpr ErrorKind PathFileAccessError{75, u"Path/File access error"};
} // namespace Error

// An error that no handler traps: it unwinds to the guard around the event handler, which reports it and ends
// the program.
class RuntimeError final : public std::exception {
public:
    explicit RuntimeError(const ErrorKind &kind)
        : m_number(kind.number), m_description(kind.description.toString()), m_what(m_description.toUtf8())
    {
    }

    int Number() const noexcept { return m_number; }
    const QString &Description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

} // namespace platform
