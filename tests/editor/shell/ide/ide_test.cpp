// The built IDE, started as its users start it: a copy of 墨语言编辑器.exe in a seeded
// program folder of its own, files on its command line, and a second start that hands its
// files over to the first.
#include "IdeHarness.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

class IdeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::CreateDirectoryA((m_install / "work").c_str(), nullptr);
        m_exe = SeedInstallation(m_install);
        ASSERT_FALSE(m_exe.empty());
        std::string lines;
        for (int i = 1; i <= 40; ++i)
            lines += "第" + std::to_string(i) + "行\r\n";
        for (const char* name : {"甲.墨", "乙.墨", "丙.墨", "丁.墨"})
            m_install.WriteFile(std::string("work\\") + name, lines);
    }

    TempDir m_install;
    std::string m_exe;
};

TEST_F(IdeTest, StartsWithItsBarsAndTakesOverASecondStartsFiles)
{
    std::string work = m_install / "work";
    StartedProgram first(m_exe, "/L:20 甲.墨", work);
    ASSERT_TRUE(first.Started());
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = FindMainWindow(first.Id())) != nullptr; }));
    // The window takes its document's path once the file is read.
    EXPECT_TRUE(WaitFor([&] {
        auto titles = ChildTitles(main);
        return titles.size() == 1 && EndsWith(titles[0], "\\work\\甲.墨");
    }));

    // Menu, status bar, tool bars and the document tabs.
    EXPECT_NE(::GetMenu(main), nullptr);
    EXPECT_NE(FindDescendant(main, "msctls_statusbar32"), nullptr);
    EXPECT_NE(FindDescendant(main, "ToolbarWindow32"), nullptr);
    HWND tabs = FindDescendant(main, "SysTabControl32");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 1);

    // A second start hands three files over and ends without a window of its own.
    StartedProgram second(m_exe, "乙.墨 \"丙.墨\" 丁.墨", work);
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(30000), 0u);
    ASSERT_TRUE(WaitFor([&] { return ChildTitles(main).size() == 4; }));
    EXPECT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_EQ(TempDir::ReadFile(m_install / "bin\\命令行.文本"), "");

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(first.WaitForExit(30000), STILL_ACTIVE);
}

TEST_F(IdeTest, StartsOnANewDocumentWithoutFiles)
{
    StartedProgram ide(m_exe, "", m_install / "work");
    ASSERT_TRUE(ide.Started());
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = FindMainWindow(ide.Id())) != nullptr; }));
    EXPECT_TRUE(WaitFor([&] { return ChildTitles(main) == std::vector<std::string>{"新文件1"}; }));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_NE(ide.WaitForExit(30000), STILL_ACTIVE);
}

}  // namespace
