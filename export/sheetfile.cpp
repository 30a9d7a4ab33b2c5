#include "sheetfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>

namespace frankierung {

namespace {

// The texts in the user's language; German is the source.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

constexpr char16_t kEscape = 0xDC00;

// Qt's own reasons, German once its translations are loaded; it leaves these in the C library's
// language.
QString reason(int error) {
    switch (error) {
        case EFBIG:
            return Texts::tr("Datei zu groß");
        case EDQUOT:
            return Texts::tr("Speicherkontingent erschöpft");
        case EROFS:
            return Texts::tr("Dateisystem nur lesbar");
        case EISDIR:
            return Texts::tr("das ist ein Verzeichnis");
        default:
            return qt_error_string(error);
    }
}

QString cannotWrite(const QByteArray& path, int error) {
    return Texts::tr("Die Datei „%1“ kann nicht geschrieben werden (%2).")
        .arg(shownName(path), reason(error));
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            errno = written == 0 ? EIO : errno;
            return false;
        }
        data += written;
        left -= written;
    }
    // A full disk may show only when the data reaches it.
    return ::fsync(fd) == 0 || errno == EINVAL;
}

// The file a chain of symbolic links ends in (one that may not exist yet); the path itself when
// it is no link. Nothing, with errno set, for a loop or an unreadable link.
std::optional<QByteArray> linkTarget(QByteArray path) {
    constexpr int kMostLinks = 40;  // as the kernel follows
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        QByteArray link(static_cast<qsizetype>(std::max<off_t>(info.st_size, 0)) + 256, '\0');
        const ssize_t length = ::readlink(path.constData(), link.data(), link.size());
        if (length < 0) {
            return std::nullopt;
        }
        link.truncate(length);
        const qsizetype slash = path.lastIndexOf('/');
        path = link.startsWith('/') || slash < 0 ? link : path.left(slash + 1) + link;
    }
    errno = ELOOP;
    return std::nullopt;
}

// The bytes into the file itself; on failure its old bytes go back. 0, or the error.
int rewriteInPlace(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    QByteArray old;
    char chunk[65536];
    ssize_t got = 0;
    while ((got = ::read(fd, chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR)) {
        old.append(chunk, std::max<ssize_t>(got, 0));
    }
    const auto put = [fd](const QByteArray& content) {
        return ::lseek(fd, 0, SEEK_SET) == 0 && ::ftruncate(fd, 0) == 0 && writeAll(fd, content);
    };
    int error = got < 0 ? errno : 0;
    if (error == 0 && !put(bytes)) {
        error = errno;
        put(old);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

}  // namespace

QString argumentText(const std::string& bytes) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    QString text = QString::fromUtf8(raw);
    if (text.toUtf8() == raw) {
        return text;
    }
    QString escaped;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        escaped += byte < 0x80 ? QChar(byte) : QChar(static_cast<char16_t>(kEscape + byte));
    }
    return escaped;
}

QByteArray argumentBytes(const QString& text) {
    const auto isEscape = [](QChar c) {
        return c.unicode() >= kEscape + 0x80 && c.unicode() <= kEscape + 0xFF;
    };
    if (std::none_of(text.begin(), text.end(), isEscape)) {
        return text.toUtf8();
    }
    // An escaped argument holds only ASCII and escapes.
    QByteArray bytes;
    for (const QChar c : text) {
        bytes += static_cast<char>(isEscape(c) ? c.unicode() - kEscape : c.unicode());
    }
    return bytes;
}

QString shownName(const QByteArray& path) {
    return QString::fromUtf8(path);
}

std::optional<QString> replaceFile(const QByteArray& path, const QByteArray& bytes) {
    // A symbolic link stays a link: the file it names gets the bytes.
    const auto target = linkTarget(path);
    if (!target) {
        return cannotWrite(path, errno);
    }
    const qsizetype slash = target->lastIndexOf('/');
    const QByteArray dir =
        slash < 0 ? QByteArray(".") : target->left(std::max<qsizetype>(slash, 1));
    struct stat info {};
    if (::stat(dir.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return Texts::tr("Das Verzeichnis „%1“ gibt es nicht.").arg(shownName(dir));
    }
    const bool exists = ::stat(target->constData(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) {
        return cannotWrite(path, EISDIR);
    }
    // Refused as editors refuse it, also for root, whom the system would let write.
    if (exists && (::access(target->constData(), W_OK) != 0 || (info.st_mode & 0222) == 0)) {
        return cannotWrite(path, errno == EROFS ? EROFS : EACCES);
    }
    // A new file renamed over a file with several names would part them: such a file is
    // rewritten where it lies, and on failure gets its old bytes back.
    if (exists && info.st_nlink > 1) {
        if (const int error = rewriteInPlace(*target, bytes); error != 0) {
            return cannotWrite(path, error);
        }
        return std::nullopt;
    }
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 10; ++attempt) {
        temp = *target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // 0666 before the umask, as for any new file.
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        return cannotWrite(path, errno);
    }
    // A replaced file keeps its permissions.
    bool ok = (!exists || ::fchmod(fd, info.st_mode & 07777) == 0) && writeAll(fd, bytes);
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.constData(), target->constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.constData());
        return cannotWrite(path, error);
    }
    return std::nullopt;
}

}  // namespace frankierung
