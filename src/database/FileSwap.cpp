#include "database/FileSwap.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik::FileSwap {

namespace {
QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// A rename is on disk only once the folder that holds both names is.
int syncFolderOf(const QString& path) {
    const int fd = ::open(native(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return errno;
    const int result = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return result;
}
} // namespace

int replace(const QString& source, const QString& target) {
    if (::rename(native(source).constData(), native(target).constData()) != 0)
        return errno;
    return syncFolderOf(target);
}

int moveToFreeName(const QString& source, const QString& target) {
    // link() refuses an existing target where rename() would silently replace it; without hard links the
    // small window between the check and the rename is accepted.
    if (::link(native(source).constData(), native(target).constData()) == 0)
        ::unlink(native(source).constData());
    else if (errno != EPERM && errno != EOPNOTSUPP)
        return errno;
    else if (QFileInfo::exists(target))
        return EEXIST;
    else if (::rename(native(source).constData(), native(target).constData()) != 0)
        return errno;
    return syncFolderOf(target);
}

int keepCopy(const QString& original, const QString& copy) {
    if (::link(native(original).constData(), native(copy).constData()) == 0)
        return syncFolderOf(copy);
    if (errno != EPERM && errno != EXDEV && errno != EOPNOTSUPP && errno != EMLINK)
        return errno;
    // Qt copies into a temporary file and renames it, so a partial copy never carries the name.
    QFile file(original);
    if (!file.copy(copy))
        return file.error();
    return syncFolderOf(copy);
}

bool sameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(native(a).constData(), &first) == 0 && ::stat(native(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace orvik::FileSwap
