// Files named by the bytes a command line gave, whatever their encoding.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace frankierung {

// A command-line argument as text that turns back into the same bytes: bytes that are not
// UTF-8 become the lone surrogates U+DC80..U+DCFF, which no valid text contains.
[[nodiscard]] QString argumentText(const std::string& bytes);
[[nodiscard]] QByteArray argumentBytes(const QString& text);

// The name for messages: bytes that are not UTF-8 show as replacement characters.
[[nodiscard]] QString shownName(const QByteArray& path);

// Writes bytes to a new file beside path and renames it over path: a failure leaves any old
// file as it was and no new file behind. A symbolic link stays and the file it names gets the
// bytes. A file with several names (hard links) is rewritten where it lies, so that all names
// keep sharing it; a failure there puts its old bytes back, all or nothing as far as the file
// system allows. A file without write permission is refused, also for root. On failure the
// message why.
[[nodiscard]] std::optional<QString> replaceFile(const QByteArray& path, const QByteArray& bytes);

}  // namespace frankierung
