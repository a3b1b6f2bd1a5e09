// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace platform {

// The run-time errors the program can meet; the numbers are the ones users know from the message box.
enum class ErrorNumber : int {
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    FileNotFound = 53,
    DeviceIOError = 57,
    InputPastEndOfFile = 62,
    PermissionDenied = 70,
    PathFileAccessError = 75,
};

// An error that no handler traps: it unwinds to the guard around the event handler, which reports it and ends
// the program.
class RuntimeError final : public std::exception {
public:
    RuntimeError(ErrorNumber number, QString description)
        : m_number(static_cast<int>(number)), m_description(std::move(description)),
          m_what(m_description.toUtf8())
    {
    }

    int number() const noexcept { return m_number; }
    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

inline RuntimeError SubscriptOutOfRange()
{
    return RuntimeError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

inline RuntimeError Overflow()
{
    return RuntimeError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
}

inline RuntimeError FileNotFound()
{
    return RuntimeError(ErrorNumber::FileNotFound, QStringLiteral("File not found"));
}

inline RuntimeError DeviceIOError()
{
    return RuntimeError(ErrorNumber::DeviceIOError, QStringLiteral("Device I/O error"));
}

inline RuntimeError InputPastEndOfFile()
{
    return RuntimeError(ErrorNumber::InputPastEndOfFile, QStringLiteral("Input past end of file"));
}

inline RuntimeError PermissionDenied()
{
    return RuntimeError(ErrorNumber::PermissionDenied, QStringLiteral("Permission denied"));
}

inline RuntimeError PathFileAccessError()
{
    return RuntimeError(ErrorNumber::PathFileAccessError, QStringLiteral("Path/File access error"));
}

} // namespace platform
