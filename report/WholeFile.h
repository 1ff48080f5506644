#pragma once

// A file written whole or not at all: the bytes go to a temporary file beside
// the target, which replaces the target only once every byte has reached the
// disk. QSaveFile alone renames a temporary file whose last buffered bytes
// could not be written (a full disk), and forgets why a write failed: here
// the file is written unbuffered, every write and the sync are checked before
// the commit, and any failure leaves the target as it was, with its reason.

#include <QSaveFile>
#include <QString>

#include <optional>

class WholeFile {
public:
    explicit WholeFile(const QString &path);

    // Writes the bytes, opening the file first. Once a write fails, nothing
    // more is written and commit() gives the reason.
    void write(const QByteArray &bytes);
    // Replaces the target with everything written; the reason when it cannot,
    // and then the target is left as it was and the temporary file removed.
    std::optional<QString> commit();

private:
    void fail(const QString &reason);

    QSaveFile m_file;
    std::optional<QString> m_failure;
};
