#pragma once
#include <windows.h>

#include <string>

// What a program run from a test printed and returned.
struct ProgramRun {
    std::string output;  // standard output and error together, bytes as written
    DWORD exitCode = 0xFFFFFFFF;
    bool started = false;
};

// Runs a command line in a folder (empty: the test's own) with the given text as its whole
// standard input, and waits up to a minute for it to end.
ProgramRun RunProgram(std::string commandLine, const std::string& folder = "", const std::string& input = "");

// Starts a program of the host machine (a Unix path such as "/usr/bin/python3 …") and returns
// at once: such a program cannot be waited on, and writes to files, not to our pipes.
bool StartHostProgram(std::string commandLine);
