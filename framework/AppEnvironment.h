#pragma once
#include "framework/CString.h"

// Process-wide facts about the running program that much of the IDE reads and that tests
// must be able to replace: where the program lives and whether the system handles
// double-byte text. All folders are held without a trailing backslash.

// The folder of the running executable (it holds the settings files).
CString GetProgramFolder();
// The parent of the program folder (it holds the language's folders).
CString GetInstallationFolder();
// 1 when the system reports double-byte character support (SM_DBCSENABLED), else 0.
BOOL DbcsEnabled();

// Replace a value; null (or -1 for the flag) goes back to what the system reports.
// A replaced program folder also moves the installation folder unless that is set itself.
void SetProgramFolder(LPCTSTR folder);
void SetInstallationFolder(LPCTSTR folder);
void SetDbcsEnabled(int enabled);

// Replaces the program folder (and so the installation folder) for a scope.
class ScopedProgramFolder {
public:
    explicit ScopedProgramFolder(LPCTSTR folder);
    ~ScopedProgramFolder();
    ScopedProgramFolder(const ScopedProgramFolder&) = delete;
    ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;

private:
    CString m_previousProgram;
    CString m_previousInstallation;
    bool m_hadProgram;
    bool m_hadInstallation;
};

// What the system reports, without the replacements above (AppEnvironmentPlatform.cpp).
CString SystemExecutableFolder();
bool SystemDbcsEnabled();

// Replaces the double-byte flag for a scope.
class ScopedDbcsEnabled {
public:
    explicit ScopedDbcsEnabled(BOOL enabled);
    ~ScopedDbcsEnabled();
    ScopedDbcsEnabled(const ScopedDbcsEnabled&) = delete;
    ScopedDbcsEnabled& operator=(const ScopedDbcsEnabled&) = delete;

private:
    int m_previous;
};
