#include "framework/AppEnvironment.h"

#include "framework/FileName.h"

namespace {

struct Overrides {
    bool hasProgram = false;
    CString program;
    bool hasInstallation = false;
    CString installation;
    int dbcs = -1;  // -1: ask the system
};

Overrides& State()
{
    static Overrides state;
    return state;
}

CString StripTrailingBackslash(CString folder)
{
    // The last character, not merely the last byte: 0x5C can be a trail byte.
    int last = folder.ReverseFind('\\');
    if (last >= 0 && last == folder.GetLength() - 1)
        folder.Delete(last);
    return folder;
}

} // namespace

CString GetProgramFolder()
{
    const Overrides& state = State();
    return state.hasProgram ? state.program : SystemExecutableFolder();
}

CString GetInstallationFolder()
{
    const Overrides& state = State();
    if (state.hasInstallation)
        return state.installation;
    return FilePathParts::FolderOf(GetProgramFolder());
}

BOOL DbcsEnabled()
{
    int dbcs = State().dbcs;
    if (dbcs >= 0)
        return dbcs ? TRUE : FALSE;
    return SystemDbcsEnabled() ? TRUE : FALSE;
}

void SetProgramFolder(LPCTSTR folder)
{
    Overrides& state = State();
    state.hasProgram = folder != nullptr;
    state.program = folder ? StripTrailingBackslash(folder) : CString();
}

void SetInstallationFolder(LPCTSTR folder)
{
    Overrides& state = State();
    state.hasInstallation = folder != nullptr;
    state.installation = folder ? StripTrailingBackslash(folder) : CString();
}

void SetDbcsEnabled(int enabled)
{
    State().dbcs = enabled < 0 ? -1 : (enabled ? 1 : 0);
}

ScopedProgramFolder::ScopedProgramFolder(LPCTSTR folder)
    : m_previousProgram(State().program),
      m_previousInstallation(State().installation),
      m_hadProgram(State().hasProgram),
      m_hadInstallation(State().hasInstallation)
{
    SetProgramFolder(folder);
    SetInstallationFolder(nullptr);
}

ScopedProgramFolder::~ScopedProgramFolder()
{
    SetProgramFolder(m_hadProgram ? (LPCTSTR)m_previousProgram : nullptr);
    SetInstallationFolder(m_hadInstallation ? (LPCTSTR)m_previousInstallation : nullptr);
}

ScopedDbcsEnabled::ScopedDbcsEnabled(BOOL enabled)
    : m_previous(State().dbcs)
{
    SetDbcsEnabled(enabled ? 1 : 0);
}

ScopedDbcsEnabled::~ScopedDbcsEnabled()
{
    SetDbcsEnabled(m_previous);
}
