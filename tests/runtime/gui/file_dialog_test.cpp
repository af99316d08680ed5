#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "display_fixture.h"
#include "temp_dir.h"
#include "runtime/源码/视窗.h"

namespace {

const int kFileNameCombo = 0x47C;  // cmb13: the file-name box of the explorer-style dialog

struct FoundDialog {
    const char* title;
    HWND window;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam)
{
    FoundDialog* found = reinterpret_cast<FoundDialog*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char title[64] = {}, className[16] = {};
    GetWindowTextA(window, title, sizeof title);
    GetClassNameA(window, className, sizeof className);
    if (process == GetCurrentProcessId() && std::strcmp(className, "#32770") == 0
        && std::strcmp(title, found->title) == 0 && IsWindowVisible(window)) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// Answers the file dialog titled title from another thread: types name and presses OK.
class DialogAnswerer {
public:
    DialogAnswerer(const char* title, std::string name)
        : m_title(title), m_name(std::move(name)), m_thread([this] { Run(); })
    {
    }
    ~DialogAnswerer() { m_thread.join(); }
    bool Answered() const { return m_answered; }

private:
    void Run()
    {
        FoundDialog found = {m_title, nullptr};
        // Visible, and its thread takes messages: its initialisation is over.
        const bool ready = WaitUntil([&] {
            EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&found));
            DWORD_PTR answer = 0;
            return found.window &&
                   SendMessageTimeoutA(found.window, WM_NULL, 0, 0, SMTO_NORMAL, kStuckMilliseconds, &answer);
        });
        if (!ready)
            return;
        SetDlgItemTextA(found.window, kFileNameCombo, m_name.c_str());
        PostMessageA(found.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(found.window, IDOK)));
        m_answered = true;
    }

    const char* m_title;
    std::string m_name;
    std::atomic<bool> m_answered{false};
    std::thread m_thread;
};

class FileDialogTest : public DisplayTest {
protected:
    TempDir m_temp;
};

TEST_F(FileDialogTest, OpenDialogReturnsTheChosenNameAndItsOffsets)
{
    OpenDisplay();
    m_temp.WriteFile("数据.txt", "x");
    char buffer[MAX_PATH] = {};
    DWORD offsets = 0;
    int result;
    {
        DialogAnswerer answerer("选择数据", "数据.txt");
        result = WndOpenFileDialog(buffer, sizeof buffer, &offsets, "文本(*.txt)|*.txt|全部|*.*", 1,
                                   m_temp.Path().c_str(), "选择数据", 0x80000004);
        EXPECT_TRUE(answerer.Answered());
    }
    ASSERT_EQ(result, 1);
    std::string expected = m_temp / "数据.txt";
    EXPECT_EQ(lstrcmpiA(buffer, expected.c_str()), 0) << buffer;
    EXPECT_EQ(LOWORD(offsets), m_temp.Path().size() + 1);
    EXPECT_EQ(HIWORD(offsets), m_temp.Path().size() + 1 + std::strlen("数据."));
}

TEST_F(FileDialogTest, TooSmallBufferGivesMinusTheNeededSize)
{
    OpenDisplay();
    char buffer[8] = {};
    int result;
    std::string name = m_temp / "a-rather-long-file-name.txt";
    {
        DialogAnswerer answerer("保存为", name);
        result = WndSaveFileDialog(buffer, sizeof buffer, nullptr, nullptr, 0,
                                   m_temp.Path().c_str(), nullptr, 0);
        EXPECT_TRUE(answerer.Answered());
    }
    EXPECT_LE(result, -static_cast<int>(name.size()));
    EXPECT_GE(result, -static_cast<int>(name.size()) - 1);
}

}  // namespace
