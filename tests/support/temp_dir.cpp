#include "temp_dir.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace {

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

TempDir::TempDir()
{
    char base[MAX_PATH];
    DWORD n = GetTempPathA(sizeof base, base);
    if (n == 0 || n >= sizeof base) throw std::runtime_error("no temporary folder");
    static unsigned counter;
    for (;;) {
        char name[MAX_PATH + 64];
        snprintf(name, sizeof name, "%smoyu-test-%lu-%u", base, GetCurrentProcessId(), counter++);
        if (CreateDirectoryA(name, nullptr)) {
            m_path = name;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create temporary folder");
    }
}

TempDir::~TempDir() { RemoveTree(m_path); }
