#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "started_program.h"

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
    // Detached, as when started from the desktop: the program allocates a console of its own.
    StartedProgram program("debug_console_program.exe", "", "", DETACHED_PROCESS);
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(3000), STILL_ACTIVE) << "the program waits for a key";
    // Its console comes once the program has made it.
    EXPECT_TRUE(WaitUntil([&] { return TypeIntoConsoleOf(program.Id(), VK_RETURN, '\r'); }));
    EXPECT_EQ(program.WaitForExit(), 5u) << "the main program's result";
}
