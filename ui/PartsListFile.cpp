#include "ui/PartsListFile.h"

#include "calc/Error.h"
#include "ui/CoreText.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {
namespace {

QString Reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What a path that is no regular file names, in words.
QString KindOf(const struct stat& status) {
    if (S_ISDIR(status.st_mode)) return Reason(EISDIR);
    if (S_ISFIFO(status.st_mode)) return QStringLiteral("it is a pipe, not a file");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return QStringLiteral("it is a device, not a file");
    return QStringLiteral("it is no file");
}

} // namespace

// Opened without waiting, and looked at before a byte is read: a pipe opens
// at once and is then refused.
QByteArray PartsListBytes(const QString& path) {
    const auto refused = [&](const QString& why) {
        return calc::Error(("Could not open '" + PrintableName(path) + "': " + why).toStdString());
    };
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) throw refused(Reason(errno));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw refused(file.errorString());
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) throw refused(Reason(errno));
    if (!S_ISREG(status.st_mode)) throw refused(KindOf(status));
    if (status.st_size > LargestPartsList)
        throw refused(QStringLiteral("%1 bytes, more than the 1 GiB a parts list may have")
                          .arg(status.st_size));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw refused(file.errorString());
    return bytes;
}

// A write to a nearly full disk may take part of the text and report
// nothing; the rest, written again, fails with the system's reason, where
// QSaveFile alone would say "Unknown error" and keep the part.
QString WriteWhole(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    errno = 0;
    for (std::size_t done = 0; done < text.size();) {
        const qint64 n = file.write(text.data() + done, qint64(text.size() - done));
        if (n <= 0) return errno ? Reason(errno) : file.errorString();
        done += std::size_t(n);
    }
    errno = 0;
    if (!file.commit()) return errno ? Reason(errno) : file.errorString();
    return {};
}

} // namespace ui
