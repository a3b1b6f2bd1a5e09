// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class QIODevice;

namespace platform {

// How a question file's bytes are read.
enum class TextEncoding : quint8 { Windows1251, Utf8, Utf8WithMark, Utf16LE, Utf16BE };

// Settles how to read the text that the device holds from where it stands: a byte-order mark names UTF-8 or
// UTF-16 of its order; without one the text is UTF-8 exactly when all of it is well-formed UTF-8 (a Windows-1251
// text whose first lines happen to be is still Windows-1251), and Windows-1251 otherwise, as question files were
// always written. Reads as far as the answer needs, then leaves the device just past the mark. A device that
// cannot seek back is read as Windows-1251 without a look. Raises DeviceIOError when the device fails.
TextEncoding settleEncoding(QIODevice &device);

} // namespace platform
