#pragma once
#include <windows.h>

#include <string>

// The staged program folder <build>\stage\bin, for a test or bench program built four
// folders below the build folder; it holds the link, spec and keyword files.
inline std::string StagedProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    for (int up = 0; up < 4; ++up)
        folder = folder.substr(0, folder.find_last_of('\\'));
    return folder + "\\stage\\bin";
}
