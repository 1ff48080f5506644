#include "report/WholeFile.h"

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

WholeFile::WholeFile(const QString &path) : m_file(path) {}

void WholeFile::fail(const QString &reason)
{
    if (!m_failure)
        m_failure = reason;
    m_file.cancelWriting();
}

void WholeFile::write(const QByteArray &bytes)
{
    if (m_failure)
        return;
    // Unbuffered, so that each write is checked as it reaches the file.
    if (!m_file.isOpen() && !m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(m_file.errorString());
        return;
    }
    // A short write tells nothing: the next one says why.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = m_file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            fail(m_file.error() != QFileDevice::NoError ? m_file.errorString()
                                                        : QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        done += written;
    }
}

std::optional<QString> WholeFile::commit()
{
    if (!m_failure && !m_file.isOpen())
        write({}); // nothing written: the file is still made, empty
#ifdef Q_OS_UNIX
    // A file system may tell of a full disk only when the data goes to it.
    if (!m_failure && ::fsync(m_file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP)
        fail(QString::fromLocal8Bit(std::strerror(errno)));
#endif
    if (!m_file.commit() && !m_failure)
        m_failure = m_file.errorString();
    return m_failure;
}
