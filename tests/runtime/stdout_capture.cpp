#include "stdout_capture.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <sys/stat.h>
#include <windows.h>

#include <cctype>

StdoutCapture::StdoutCapture()
{
    char folder[MAX_PATH];
    char name[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "cap", 0, name);
    m_path = name;
    fflush(stdout);
    m_savedStdout = _dup(1);
    m_file = _open(name, _O_RDWR | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
    _dup2(m_file, 1);
}

StdoutCapture::~StdoutCapture()
{
    Finish();
}

std::string StdoutCapture::Finish()
{
    if (m_file < 0)
        return std::string();
    fflush(stdout);
    _dup2(m_savedStdout, 1);
    _close(m_savedStdout);
    std::string text;
    _lseek(m_file, 0, SEEK_SET);
    char buffer[4096];
    int got;
    while ((got = _read(m_file, buffer, sizeof buffer)) > 0)
        text.append(buffer, got);
    _close(m_file);
    m_file = -1;
    DeleteFileA(m_path.c_str());
    return text;
}

std::string MaskAddresses(const std::string& text)
{
    const std::string marker = "内存=";
    std::string result;
    size_t pos = 0;
    for (;;) {
        size_t found = text.find(marker, pos);
        if (found == std::string::npos)
            break;
        size_t digits = found + marker.size();
        result.append(text, pos, digits - pos);
        result += '#';
        while (digits < text.size() && std::isxdigit((unsigned char)text[digits]))
            digits++;
        pos = digits;
    }
    result.append(text, pos, std::string::npos);
    return result;
}
