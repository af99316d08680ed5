#pragma once
// A sample program started under test, with helpers to find its top-level windows and to
// read its controls across the process boundary.
#include <windows.h>

#include <string>

#include "started_program.h"

class SampleProcess : public StartedProgram {
public:
    explicit SampleProcess(const std::string& program) : StartedProgram(program) {}

    DWORD ProcessId() const { return Id(); }
    // A top-level window of this process with the class and title, waited for; null when
    // none appeared. A null title matches any.
    HWND WaitForWindow(const char* className, const char* title) const;
};

std::string ClassOf(HWND window);
std::string TextOf(HWND window);
// The control with the keyboard focus in the process's GUI thread.
HWND FocusOf(DWORD threadId);
