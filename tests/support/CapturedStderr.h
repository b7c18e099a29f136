#pragma once

#include <QByteArray>
#include <cstdio>
#include <unistd.h>

// Catches what is written to standard error while it lives.
class CapturedStderr
{
public:
    CapturedStderr()
    {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        m_file = std::tmpfile();
        ::dup2(::fileno(m_file), STDERR_FILENO);
    }
    ~CapturedStderr() { restore(); }

    QByteArray text()
    {
        restore();
        std::rewind(m_file);
        QByteArray bytes;
        char buffer[512];
        while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, m_file))
            bytes.append(buffer, qsizetype(got));
        return bytes;
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    int m_saved = -1;
    std::FILE *m_file = nullptr;
};
