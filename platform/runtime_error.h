// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace platform {

// The run-time errors the program can meet; the numbers are the ones users know from the message box, and
// runtime_error.cpp gives each its description.
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
    explicit RuntimeError(ErrorNumber number);

    int number() const noexcept { return m_number; }
    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

} // namespace platform
