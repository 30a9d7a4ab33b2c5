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
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray dir = slash < 0 ? QByteArray(".") : path.left(std::max<qsizetype>(slash, 1));
    struct stat info {};
    if (::stat(dir.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return Texts::tr("Das Verzeichnis „%1“ gibt es nicht.").arg(shownName(dir));
    }
    const bool exists = ::stat(path.constData(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) {
        return cannotWrite(path, EISDIR);
    }
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 10; ++attempt) {
        temp = path + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
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
    if (ok && ::rename(temp.constData(), path.constData()) != 0) {
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
