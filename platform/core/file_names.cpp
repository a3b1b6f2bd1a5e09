// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/file_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <string>
#else
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace platform {
namespace {

using Kind = FileTarget::Kind;

FileTarget failed(const QString &error)
{
    FileTarget target;
    target.kind = Kind::Unknown;
    target.error = error;
    return target;
}

// A name as the file system compares it.
QString comparedName(QString name)
{
#ifdef Q_OS_WIN
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    return QDir::fromNativeSeparators(name).toCaseFolded();
#else
    return name;
#endif
}

#ifdef Q_OS_WIN

const wchar_t *native(const QString &path)
{
    return reinterpret_cast<const wchar_t *>(path.utf16());
}

// The final name without the \\?\ that the system puts before it.
QString withoutPrefix(const QString &path)
{
    if (path.startsWith(u"\\\\?\\UNC\\"))
        return u"\\\\"_s + path.mid(8);
    if (path.startsWith(u"\\\\?\\"))
        return path.mid(4);
    return path;
}

FileTarget find(const QString &path, int depth)
{
    const QString nativePath = QDir::toNativeSeparators(path);
    // No access asked for, only the handle, which also opens a folder (backup semantics) or a file held unshared.
    const HANDLE handle = CreateFileW(native(nativePath), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        FileTarget target;
        target.path = path;
        const DWORD type = GetFileType(handle);
        BY_HANDLE_FILE_INFORMATION info;
        if (type == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info)) {
            target.kind = info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? Kind::Folder : Kind::File;
            target.identity = FileTarget::Identity{info.dwVolumeSerialNumber,
                                                   quint64(info.nFileIndexHigh) << 32 | info.nFileIndexLow};
            std::wstring final(32768, L'\0');
            const DWORD length = GetFinalPathNameByHandleW(handle, final.data(), DWORD(final.size()),
                                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
            if (length == 0 || length >= final.size())
                target = failed(qt_error_string(int(GetLastError())));
            else
                target.path = QDir::fromNativeSeparators(withoutPrefix(QString::fromWCharArray(final.data(), length)));
        } else {
            target.kind = type == FILE_TYPE_CHAR ? Kind::Device : type == FILE_TYPE_PIPE ? Kind::Pipe : Kind::Unknown;
        }
        CloseHandle(handle);
        return target;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
        return failed(qt_error_string(int(error)));
    // A link to nothing: the system would make its target or replace the link; refused rather than guessed.
    const DWORD attributes = GetFileAttributesW(native(nativePath));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return failed(qt_error_string(ERROR_CANT_RESOLVE_FILENAME));
    const QFileInfo info(path);
    const QString parent = info.path();
    if (info.fileName().isEmpty() || parent == path || depth > 255)
        return failed(qt_error_string(int(error)));
    const FileTarget folder = find(parent, depth + 1);
    if (!folder.error.isEmpty())
        return folder;
    if (folder.kind != Kind::Folder && folder.kind != Kind::Missing)
        return failed(qt_error_string(ERROR_DIRECTORY));
    FileTarget missing;
    missing.path = folder.path.endsWith(u'/') ? folder.path + info.fileName() : folder.path + u'/' + info.fileName();
    return missing;
}

#else

// As many links in a row as Linux follows; a longer chain is refused as the system refuses it.
constexpr int MaxLinks = 40;

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

FileTarget existing(const QByteArray &path, const struct stat &status)
{
    FileTarget target;
    char *real = ::realpath(path.constData(), nullptr);
    if (!real)
        return failed(qt_error_string(errno));
    target.path = QFile::decodeName(real);
    std::free(real);
    target.identity = FileTarget::Identity{quint64(status.st_dev), quint64(status.st_ino)};
    const mode_t mode = status.st_mode;
    target.kind = S_ISREG(mode) ? Kind::File
                : S_ISDIR(mode) ? Kind::Folder
                : S_ISCHR(mode) || S_ISBLK(mode) ? Kind::Device
                : S_ISFIFO(mode) ? Kind::Pipe
                : S_ISSOCK(mode) ? Kind::Socket
                                 : Kind::Unknown;
    return target;
}

// path: absolute, without a slash at its end.
FileTarget find(QByteArray path, int depth)
{
    for (int links = 0;; ++links) {
        struct stat status;
        if (::stat(path.constData(), &status) == 0)
            return existing(path, status);
        if (errno != ENOENT)
            return failed(qt_error_string(errno)); // a chain too long, a folder that may not be searched, ...
        if (::lstat(path.constData(), &status) != 0) {
            if (errno != ENOENT)
                return failed(qt_error_string(errno));
            break;
        }
        if (!S_ISLNK(status.st_mode) || links == MaxLinks)
            return failed(qt_error_string(ELOOP));
        // A link to nothing yet: writing makes its target, which is followed here as the system follows it.
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (length <= 0 || length >= target.size())
            return failed(qt_error_string(length < 0 ? errno : ENAMETOOLONG));
        target.truncate(length);
        path = target.startsWith('/') ? target : parentOf(path) + '/' + target;
        while (path.size() > 1 && path.endsWith('/'))
            path.chop(1);
    }
    // Nothing of that name: the file would be made in its folder, found in turn (a folder for pages may be missing
    // too, and made before they are written).
    const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    if (name.isEmpty() || name == "." || name == ".." || depth > 255)
        return failed(qt_error_string(ENOENT));
    const FileTarget folder = find(parentOf(path), depth + 1);
    if (!folder.error.isEmpty())
        return folder;
    if (folder.kind != Kind::Folder && folder.kind != Kind::Missing)
        return failed(qt_error_string(ENOTDIR));
    FileTarget missing;
    missing.path = (folder.path.endsWith(u'/') ? folder.path : folder.path + u'/') + QFile::decodeName(name);
    return missing;
}

#endif

} // namespace

bool isDeviceName(const QString &path)
{
#ifdef Q_OS_WIN
    QString name = QFileInfo(path).fileName();
    name = name.left(name.indexOf(u'.')); // the whole name when it has no dot
    while (name.endsWith(u' '))
        name.chop(1);
    name = name.toUpper();
    static const QStringList fixed{u"CON"_s, u"PRN"_s, u"AUX"_s, u"NUL"_s};
    if (fixed.contains(name))
        return true;
    if (name.size() != 4 || !(name.startsWith(u"COM") || name.startsWith(u"LPT")))
        return false;
    const QChar digit = name[3];
    return (digit >= u'1' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' || digit == u'\u00B3';
#else
    Q_UNUSED(path);
    return false;
#endif
}

FileTarget findTarget(const QString &path)
{
    if (path.isEmpty())
        return failed(qt_error_string(
#ifdef Q_OS_WIN
            ERROR_FILE_NOT_FOUND
#else
            ENOENT
#endif
            ));
    if (isDeviceName(path)) {
        FileTarget target;
        target.kind = Kind::DeviceName;
        target.path = path;
        return target;
    }
#ifdef Q_OS_WIN
    // Windows itself resolves ".." in the name's text, as QFileInfo does.
    return find(QFileInfo(path).absoluteFilePath(), 0);
#else
    // Not QFileInfo's absolute name, which drops ".." from the text before the system could follow a link.
    QByteArray name = QFile::encodeName(path);
    if (!name.startsWith('/'))
        name = QFile::encodeName(QDir::currentPath()) + '/' + name;
    // A name that ends in a slash is a folder's: no file is made under it.
    const bool folder = name.size() > 1 && name.endsWith('/');
    while (name.size() > 1 && name.endsWith('/'))
        name.chop(1);
    FileTarget target = find(name, 0);
    if (folder && target.kind == Kind::Missing)
        return failed(qt_error_string(EISDIR));
    return target;
#endif
}

bool sameTarget(const FileTarget &a, const FileTarget &b)
{
    if (!a.error.isEmpty() || !b.error.isEmpty() || a.path.isEmpty() || b.path.isEmpty())
        return false;
    if (a.identity || b.identity)
        return a.identity == b.identity;
    return comparedName(a.path) == comparedName(b.path);
}

bool isInside(const FileTarget &inner, const FileTarget &folder)
{
    if (!inner.error.isEmpty() || !folder.error.isEmpty() || folder.kind != Kind::Missing || folder.path.isEmpty())
        return false;
    const QString outer = comparedName(folder.path);
    return comparedName(inner.path).startsWith(outer.endsWith(u'/') ? outer : outer + u'/');
}

bool sameFile(const QString &a, const QString &b)
{
    return sameTarget(findTarget(a), findTarget(b));
}

} // namespace platform
