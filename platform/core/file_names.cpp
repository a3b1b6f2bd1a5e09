// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/file_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <sys/stat.h>
#endif

namespace platform {
namespace {

struct FileIdentity {
    quint64 volume = 0;
    quint64 index = 0;
    bool operator==(const FileIdentity &) const = default;
};

// The identity of an existing file or folder, links followed; none when nothing of that name exists.
std::optional<FileIdentity> identity(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
#ifdef Q_OS_WIN
    // No access asked for, only the handle, which also opens a folder (backup semantics) or a file held unshared.
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (!known)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, quint64(info.nFileIndexHigh) << 32 | info.nFileIndexLow};
#else
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity{quint64(status.st_dev), quint64(status.st_ino)};
#endif
}

// A name's last part as the file system compares it.
QString comparedName(QString name)
{
#ifdef Q_OS_WIN
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    return name.toCaseFolded();
#else
    return name;
#endif
}

// Where a file that does not exist yet would be made: its folder and its name there.
struct Place {
    std::optional<FileIdentity> folder;
    QString folderName; // the cleaned absolute name, compared when the folder is missing
    QString name;

    explicit Place(const QString &path)
    {
        const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
        folder = identity(info.path());
        folderName = comparedName(info.path());
        name = comparedName(info.fileName());
    }

    bool operator==(const Place &other) const
    {
        if (name != other.name)
            return false;
        return folder && other.folder ? *folder == *other.folder : folderName == other.folderName;
    }
};

} // namespace

bool sameFile(const QString &a, const QString &b)
{
    const std::optional<FileIdentity> first = identity(a), second = identity(b);
    if (first || second)
        return first == second;
    return !a.isEmpty() && !b.isEmpty() && Place(a) == Place(b);
}

} // namespace platform
