// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace platform {

// Question files are Windows-1251 text whatever the system's code page is, so the conversion is built in
// rather than asked of the system: every byte becomes exactly one character.
char16_t windows1251ToUnicode(unsigned char byte) noexcept;
QString decodeWindows1251(QByteArrayView bytes);
// The same into a buffer with room for bytes.size() characters.
void decodeWindows1251(QByteArrayView bytes, char16_t *out) noexcept;
// The byte that decodes to the character, or nothing for a character that Windows-1251 cannot hold.
std::optional<char> unicodeToWindows1251(char16_t ch) noexcept;

} // namespace platform
