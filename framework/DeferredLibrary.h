#pragma once
#include <windows.h>

// A system library the program loads the first time it calls one of its functions, rather
// than at start: under Wine, loading the common dialogs pulls in the print spooler, which
// lists the system's printers and costs over a second on every start of a program that
// imports it. A library once loaded stays loaded until the process ends.
class CDeferredLibrary {
public:
    explicit CDeferredLibrary(const char* name) : m_module(::LoadLibraryA(name)) {}
    CDeferredLibrary(const CDeferredLibrary&) = delete;
    CDeferredLibrary& operator=(const CDeferredLibrary&) = delete;

    // The function of that name, as a pointer of type Function; null when the library or
    // the function is missing.
    template <class Function> Function Find(const char* name) const
    {
        if (m_module == nullptr)
            return nullptr;
        return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(m_module, name)));
    }

private:
    HMODULE m_module;
};

// The common dialogs (comdlg32) and the print spooler (winspool), each loaded on first use.
const CDeferredLibrary& CommonDialogLibrary();
const CDeferredLibrary& SpoolerLibrary();

// Runs the common dialog function of that name (its ANSI form) on its record; FALSE, as
// for a dialog cancelled, when the library or the function is missing.
template <class Record> BOOL RunCommonDialog(const char* name, Record* record)
{
    auto function = CommonDialogLibrary().Find<BOOL(WINAPI*)(Record*)>(name);
    return function != nullptr && function(record);
}
