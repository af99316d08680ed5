#include "editor/util/AppFolders.h"

#include "editor/util/PathUtil.h"

#include <windows.h>

#include <vector>

namespace {

// The executable's full path; the buffer grows until the name fits.
CString ExecutablePath()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return CString();
        if (length < buffer.size()) return CString(buffer.data(), static_cast<int>(length));
        if (buffer.size() >= 32768) return CString();
        buffer.resize(buffer.size() * 2);
    }
}

struct AppFolderState {
    CString programFolder;
    CString installDirectory;
    bool dbcsEnabled = false;

    void LoadFromSystem()
    {
        programFolder = GetDirectoryPart(ExecutablePath());
        installDirectory = GetDirectoryPart(programFolder);
        dbcsEnabled = GetSystemMetrics(SM_DBCSENABLED) != 0;
    }
};

AppFolderState& State()
{
    static AppFolderState state = [] {
        AppFolderState loaded;
        loaded.LoadFromSystem();
        return loaded;
    }();
    return state;
}

}  // namespace

CString GetProgramFolder() { return State().programFolder; }

CString GetInstallDirectory() { return State().installDirectory; }

bool DbcsEnabled() { return State().dbcsEnabled; }

void SetProgramFolderForTest(const char* folder)
{
    State().programFolder = StripTrailingBackslash(folder);
    State().installDirectory = GetDirectoryPart(State().programFolder);
}

void SetInstallDirectoryForTest(const char* folder) { State().installDirectory = StripTrailingBackslash(folder); }

void SetDbcsEnabledForTest(bool enabled) { State().dbcsEnabled = enabled; }

void ResetAppFoldersForTest() { State().LoadFromSystem(); }
