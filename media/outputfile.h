// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An output file on stdio that keeps the system's reason for its first failed write, seek,
// flush or close. The writers' bytes go through it, and libraries that write on its FILE
// directly are checked by flush() and close(): no failure goes unseen.
#include <QString>
#include <cstdint>
#include <cstdio>

class OutputFile
{
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    bool open(const QString &path, const char *mode);
    bool write(const void *data, size_t size);
    bool read(void *data, size_t size);
    bool seek(int64_t offset, int whence = SEEK_SET);
    int64_t tell();
    // Writes out the buffer; false when that or any write before it failed.
    bool flush();
    // Flushes and closes; false when anything written to the file failed. Closing a closed
    // file only repeats the verdict.
    bool close();
    FILE *handle() const { return m_file; }
    bool failed() const { return m_errno != 0; }
    QString reason() const; // the system's words: "No space left on device"...

private:
    bool fail();

    FILE *m_file = nullptr;
    int m_errno = 0;
};

// "Cannot write the output file <path> (<reason>)".
QString cannotWrite(const QString &path, const QString &reason);
