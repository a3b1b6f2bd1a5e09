// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace platform {

// The file a name stands for, found as the system finds it when the file is opened or made: links followed by the
// system (a chain longer than it follows is an error), ".." resolved in the folder the system has reached, not in
// the name's text. Nothing is opened for reading or writing, so a device or a pipe is only looked at.
struct FileTarget {
    enum class Kind { Missing, File, Folder, Device, Pipe, Socket, DeviceName, Unknown };
    struct Identity {
        quint64 volume = 0;
        quint64 index = 0;
        bool operator==(const Identity &) const = default;
    };

    Kind kind = Kind::Missing;
    // The real name, without links: of the file, or where a missing one would be made (its folder's real name and
    // its own last name). Empty when error is set.
    QString path;
    std::optional<Identity> identity; // device and inode; volume and file index on Windows; set when it exists
    // Why the name leads to no file and to no place for one: an error of the system other than "no such file".
    QString error;
};

FileTarget findTarget(const QString &path);

// Whether two targets are one file, or will be once made: by identity where both exist, by their real names, as the
// file system compares names (on Windows regardless of letter case and of trailing dots and spaces), where neither
// does. A target with an error is no file.
bool sameTarget(const FileTarget &a, const FileTarget &b);

// Whether a file is to be made inside the other, which is not there yet: both written in one run, the one would be
// a file and a folder at once. Real names compared as the file system compares names.
bool isInside(const FileTarget &inner, const FileTarget &folder);

// Whether two names stand for one file, or will once it is made: sameTarget of their targets, so that links,
// relative names, 8.3 short names, letter case and subst drives all come out as the file system takes them.
bool sameFile(const QString &a, const QString &b);

// Whether Windows takes the name for a device whatever folder it is in: CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to
// LPT9, in any case and with any extension. Always false elsewhere.
bool isDeviceName(const QString &path);

} // namespace platform
