#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A file written whole or not at all. QSaveFile alone lets a full disk through: a large block goes
// straight to the disk and answers only the bytes that fitted, and a buffer that cannot be flushed
// when the file is committed goes unreported, so a cut-off file was put in place as if whole. Here
// the file is written unbuffered, and every byte is counted and the written size checked before
// the temporary file is renamed over the path. A failure is told in the system's words (a full
// disk, a file too large).
class WholeFile {
public:
    WholeFile() = delete;

    // Writes the bytes as the file at the path; answers why it failed, and then the path (and any
    // earlier file there) is left as it was and no temporary file stays behind.
    static std::optional<QString> write(const QString& path, const QByteArray& bytes);

    // Copies the file at `from` as the file at `to`, in chunks, with the same checks; answers why
    // it failed, beginning with the path of the file that failed, and then `to` is left as it was.
    static std::optional<QString> copy(const QString& from, const QString& to);
};
