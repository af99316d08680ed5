#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// Sends one key press and release to the console of another process.
bool TypeIntoConsoleOf(DWORD processId, WORD virtualKey, char character)
{
    FreeConsole();
    if (!AttachConsole(processId))
        return false;
    HANDLE input = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
    bool written = false;
    if (input != INVALID_HANDLE_VALUE) {
        INPUT_RECORD records[2] = {};
        for (int i = 0; i < 2; i++) {
            records[i].EventType = KEY_EVENT;
            records[i].Event.KeyEvent.bKeyDown = i == 0;
            records[i].Event.KeyEvent.wRepeatCount = 1;
            records[i].Event.KeyEvent.wVirtualKeyCode = virtualKey;
            records[i].Event.KeyEvent.uChar.AsciiChar = character;
        }
        DWORD count = 0;
        written = WriteConsoleInputA(input, records, 2, &count) && count == 2;
        CloseHandle(input);
    }
    FreeConsole();
    return written;
}

}  // namespace

TEST(DebugConsoleTest, ProgramEndsOnlyAfterAKeyInItsDebugConsole)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "debug_console_program.exe";
    // Detached, as when started from the desktop: the program allocates a console of its own.
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, DETACHED_PROCESS,
                               nullptr, nullptr, &startup, &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 3000), (DWORD)WAIT_TIMEOUT)
        << "the program waits for a key";
    bool typed = false;
    for (int attempt = 0; attempt < 50 && !typed; attempt++) {
        typed = TypeIntoConsoleOf(process.dwProcessId, VK_RETURN, '\r');
        if (!typed)
            Sleep(100);
    }
    EXPECT_TRUE(typed);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), (DWORD)WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 5u) << "the main program's result";
    if (code == STILL_ACTIVE)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}
