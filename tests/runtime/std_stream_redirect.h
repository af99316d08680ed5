// Points a standard descriptor (0, 1 or 2) at a temporary file for the life of the object,
// so that tests can feed console input and read console output of the runtime library.
#pragma once

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "temp_dir.h"

class StdStreamRedirect {
public:
    // For standard input, input holds the bytes the program will read.
    explicit StdStreamRedirect(int descriptor, const std::string& input = std::string())
        : m_descriptor(descriptor), m_path(m_dir / "stream.bin")
    {
        FlushStream();
        if (descriptor == 0)
            m_dir.WriteFile("stream.bin", input);
        int flags = descriptor == 0 ? (_O_RDONLY | _O_BINARY)
                                    : (_O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY);
        int file = _open(m_path.c_str(), flags, _S_IREAD | _S_IWRITE);
        m_saved = _dup(descriptor);
        _dup2(file, descriptor);
        _close(file);
    }

    ~StdStreamRedirect() { Restore(); }

    StdStreamRedirect(const StdStreamRedirect&) = delete;
    StdStreamRedirect& operator=(const StdStreamRedirect&) = delete;

    // Everything written so far (output descriptors), the descriptor left redirected.
    std::string Text()
    {
        FlushStream();
        return TempDir::ReadFile(m_path);
    }

    // Puts the descriptor back and returns what was written.
    std::string Restore()
    {
        if (m_saved < 0)
            return m_captured;
        FlushStream();
        m_captured = TempDir::ReadFile(m_path);
        _dup2(m_saved, m_descriptor);
        _close(m_saved);
        m_saved = -1;
        if (m_descriptor == 0)
            clearerr(stdin);
        return m_captured;
    }

private:
    void FlushStream()
    {
        // The platform C runtime drops buffered input on a flush of stdin.
        FILE* stream = m_descriptor == 0 ? stdin : m_descriptor == 1 ? stdout : stderr;
        fflush(stream);
        clearerr(stream);
    }

    int m_descriptor;
    TempDir m_dir;
    std::string m_path;
    int m_saved = -1;
    std::string m_captured;
};
