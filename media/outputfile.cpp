// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/outputfile.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>

OutputFile::~OutputFile()
{
    if (m_file)
        std::fclose(m_file);
}

bool OutputFile::open(const QString &path, const char *mode)
{
    m_errno = 0;
    m_file = std::fopen(QFile::encodeName(path).constData(), mode);
    return m_file || fail();
}

bool OutputFile::fail()
{
    if (m_errno == 0)
        m_errno = errno != 0 ? errno : EIO;
    return false;
}

bool OutputFile::write(const void *data, size_t size)
{
    if (!m_file || m_errno)
        return false;
    errno = 0;
    return size == 0 || std::fwrite(data, 1, size, m_file) == size || fail();
}

bool OutputFile::read(void *data, size_t size)
{
    errno = 0;
    return (m_file && std::fread(data, 1, size, m_file) == size) || fail();
}

bool OutputFile::seek(int64_t offset, int whence)
{
    errno = 0;
    return (m_file && fseeko(m_file, off_t(offset), whence) == 0) || fail();
}

int64_t OutputFile::tell()
{
    errno = 0;
    const int64_t at = m_file ? int64_t(ftello(m_file)) : -1;
    if (at < 0)
        fail();
    return at;
}

bool OutputFile::flush()
{
    if (!m_file)
        return !m_errno;
    errno = 0;
    if (std::fflush(m_file) != 0 || std::ferror(m_file))
        fail();
    return !m_errno;
}

bool OutputFile::close()
{
    if (!m_file)
        return !m_errno;
    flush();
    errno = 0;
    if (std::fclose(m_file) != 0)
        fail();
    m_file = nullptr;
    return !m_errno;
}

QString OutputFile::reason() const
{
    return QString::fromLocal8Bit(std::strerror(m_errno ? m_errno : EIO));
}

QString cannotWrite(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("Media", "Cannot write the output file %1 (%2)").arg(path, reason);
}
