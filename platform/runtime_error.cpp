// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/runtime_error.h"

using namespace Qt::StringLiterals;

namespace platform {
namespace {

QString Description(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::Overflow: return u"Overflow"_s;
    case ErrorNumber::OutOfMemory: return u"Out of memory"_s;
    case ErrorNumber::SubscriptOutOfRange: return u"Subscript out of range"_s;
    case ErrorNumber::TypeMismatch: return u"Type mismatch"_s;
    case ErrorNumber::FileNotFound: return u"File not found"_s;
    case ErrorNumber::DeviceIOError: return u"Device I/O error"_s;
    case ErrorNumber::InputPastEndOfFile: return u"Input past end of file"_s;
    case ErrorNumber::PermissionDenied: return u"Permission denied"_s;
    case ErrorNumber::PathFileAccessError: return u"Path/File access error"_s;
    }
    return {};
}

} // namespace

RuntimeError::RuntimeError(ErrorNumber number)
    : m_number(static_cast<int>(number)), m_description(Description(number)), m_what(m_description.toUtf8())
{
}

} // namespace platform
