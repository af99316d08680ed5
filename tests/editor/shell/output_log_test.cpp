#include "editor/shell/OutputLog.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/shell/OutputJump.h"
#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

CString Numbered(const char* prefix, int n)
{
    CString text;
    text.Format("%s%d", prefix, n);
    return text;
}

} // namespace

TEST(OutputLog, KeepsTheNewest2048Lines)
{
    OutputLog log;
    for (int i = 1; i <= 2049; ++i)
        log.AppendMessage(Numbered("行", i));
    ASSERT_EQ(log.Lines().size(), 2048u);
    EXPECT_EQ(S(log.Lines().front()), "行2");
    EXPECT_EQ(S(log.Lines().back()), "行2049");

    struct Case {
        int newIndex, top, rows, expected;
    };
    const Case cases[] = {{5, 0, 10, 0}, {9, 0, 10, 0}, {10, 0, 10, 1}, {2047, 0, 7, 2041}, {3, 0, 0, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(TopIndexForNewLine(c.newIndex, c.top, c.rows), c.expected) << c.newIndex;
}

TEST(OutputLog, PagesKeepTheNineteenNewestAndStepBothWays)
{
    OutputLog log;
    EXPECT_FALSE(log.ShowPreviousPage());
    for (int page = 1; page <= 20; ++page) {
        log.AppendMessage(Numbered("页", page));
        log.ClearPage(true);
    }
    EXPECT_EQ(log.PageCount(), 19);
    EXPECT_TRUE(log.Lines().empty());

    // Back from the newest page to the oldest kept one, then no further.
    EXPECT_TRUE(log.ShowPreviousPage());
    EXPECT_EQ(S(log.Lines().front()), "页19");
    int steps = 1;
    while (log.ShowPreviousPage())
        ++steps;
    EXPECT_EQ(steps, 18);
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_EQ(S(log.Lines().front()), "页2");
    EXPECT_TRUE(log.ShowNextPage());
    EXPECT_EQ(S(log.Lines().front()), "页3");

    // New output becomes the newest page on the next step back; a page only shown is not
    // kept again when the window is cleared.
    log.ClearPage(true);
    EXPECT_EQ(log.PageCount(), 19);
    log.AppendMessage("新输出");
    EXPECT_FALSE(log.ShowNextPage());
    EXPECT_TRUE(log.ShowPreviousPage());
    EXPECT_EQ(S(log.Lines().front()), "页20");
    EXPECT_EQ(log.PageCount(), 19);
    while (log.ShowNextPage()) {
    }
    EXPECT_EQ(S(log.Lines().front()), "新输出");

    // Unpaged lines (a vocabulary description) are not kept; the first step back re-shows
    // the page last shown instead of stepping.
    log.ClearPage(true);
    log.AppendUnpagedLine("说明");
    EXPECT_TRUE(log.ShowsUnpagedLines());
    EXPECT_TRUE(log.ShowPreviousPage());
    EXPECT_EQ(S(log.Lines().front()), "新输出");
    EXPECT_FALSE(log.ShowsUnpagedLines());
}

TEST(OutputLog, LevelTagsChooseColours)
{
    struct Case {
        const char* line;
        OutputLevel level;
    };
    const Case cases[] = {
        {"[错误] a.墨(3) : 缺少分号", OutputLevel::error}, {"[致命]内存不足", OutputLevel::fatal},
        {"[警告]a.墨(1)", OutputLevel::warning},           {"[信息]开始编译", OutputLevel::info},
        {"[恭喜]a.c(1) 成功生成！", OutputLevel::success}, {"[严重错误] 链表", OutputLevel::error},
        {"编译 a.墨", OutputLevel::plain},                 {" [错误]", OutputLevel::plain},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OutputLineLevel(c.line), c.level) << c.line;
    EXPECT_NE(OutputLevelColor(OutputLevel::error), OutputLevelColor(OutputLevel::success));
    EXPECT_EQ(OutputLevelColor(OutputLevel::plain), ::GetSysColor(COLOR_WINDOWTEXT));
}

TEST(OutputJump, CompilerLinesJumpToTheNamedFileAndLine)
{
    TempDir dir;
    ::CreateDirectoryA((dir / "项目").c_str(), nullptr);
    ::CreateDirectoryA((dir / "Program Files (x86)").c_str(), nullptr);
    ::CreateDirectoryA((dir / "新建文件夹 (2)").c_str(), nullptr);
    const std::string main = dir.WriteFile("项目\\主程序.墨", "");
    const std::string beside = dir.WriteFile("项目\\图形.接口", "");
    const std::string x86 = dir.WriteFile("Program Files (x86)\\视窗.接口", "");
    const std::string copy = dir.WriteFile("新建文件夹 (2)\\演示.墨", "");
    const std::string output = dir.WriteFile("项目\\主程序.c", "");
    const CString active = main.c_str();

    struct Case {
        std::string line;
        CString activeDocument;
        std::string file;  // empty: no jump
        int lineNumber;
        bool success;
    };
    const Case cases[] = {
        {"[错误]" + main + "(12) : 未定义的标识符“甲”", "", main, 12, false},
        {"[致命]" + main + "(3): 无法继续", "", main, 3, false},
        {x86 + "(40) : 警告 C4244: 转换(1)可能丢失数据", "", x86, 40, false},
        {"[警告]" + copy + "(7): 参数(1)类型不符", "", copy, 7, false},
        {"    包含于 " + x86 + "(9)", "", x86, 9, false},
        {"包含于" + main + "(5)", "", main, 5, false},
        {"图形.接口(21) : 错误", active, beside, 21, false},  // a bare name: beside the active document
        {"[恭喜]" + output + "(1) 成功生成！", "", output, 1, true},
        {main + "(8,5):   变量 = 1", "", main, 8, false},  // a find-in-files hit
        {main + "(,5): 没有行号", "", "", 0, false},
        {"[警告]  " + main + "(2)", "", main, 2, false},  // blanks after a tag are skipped
        {"[错误]\t图形.接口(21) : 错误", active, beside, 21, false},
        {"[错误]" + main + "(0) : 行号为零", "", "", 0, false},
        {"[错误]" + main + "(12 : 没有右括号", "", "", 0, false},
        {"[错误]" + main + " 没有行号", "", "", 0, false},
        {"图形.接口(21) : 没有活动文档", "", "", 0, false},
        {"[错误]" + dir.Path() + "\\项目(4): 目录不是文件", "", "", 0, false},
    };
    for (const Case& c : cases) {
        JumpTarget target;
        bool jumps = ResolveJumpLine(c.line.c_str(), c.activeDocument, target);
        EXPECT_EQ(jumps, !c.file.empty()) << c.line;
        if (!jumps || c.file.empty())
            continue;
        EXPECT_EQ(S(target.name), c.file) << c.line;
        EXPECT_EQ(target.line, c.lineNumber) << c.line;
        EXPECT_EQ(target.success, c.success) << c.line;
    }
}

TEST(OutputJump, ALineOfManyGroupsIsReadInOnePass)
{
    // 32 KB of "(1)": every group is a reading, but only names that could be paths are kept,
    // not a copy of the line's head per group (163 MB in all).
    std::string line;
    while (line.size() < 32 * 1024)
        line += "(1)";
    const std::vector<JumpTarget> readings = ParseJumpLine(line.c_str());
    size_t bytes = 0;
    for (const JumpTarget& reading : readings) {
        EXPECT_LT(reading.name.GetLength(), kMaxJumpNameBytes);
        bytes += reading.name.GetLength();
    }
    EXPECT_EQ(static_cast<size_t>((kMaxJumpNameBytes - 1) / 3), readings.size());
    EXPECT_GT(kMaxJumpNameBytes * kMaxJumpNameBytes / 4, bytes);
    ASSERT_FALSE(readings.empty());
    EXPECT_STREQ("(1)(1)", readings[readings.size() - 2].name);
}

TEST(OutputJump, ConversionSuccessLinesNameTheirOutputFile)
{
    TempDir dir;
    ::CreateDirectoryA((dir / "输出 (1)").c_str(), nullptr);
    const std::string converted = dir.WriteFile("输出 (1)\\主程序.c", "");
    const std::string besideSource = dir.WriteFile("主程序.c", "");
    const CString active = (dir / "主程序.墨").c_str();

    struct Case {
        std::string line;
        CString activeDocument;
        std::string file;
    };
    const Case cases[] = {
        {"[恭喜]" + converted + "(1) 成功生成！", "", converted},
        {"[恭喜]主程序.c(1) 成功生成！", active, besideSource},
        {"[恭喜]  主程序.c(1) 成功生成！", active, besideSource},
        {"[恭喜]主程序.c(1) 成功生成！", "", ""},
        {"[错误]" + converted + "(1) 成功生成！", "", ""},
        {"[恭喜](1)", "", ""},
    };
    for (const Case& c : cases) {
        CString file;
        EXPECT_EQ(ResolveCongratsLine(c.line.c_str(), c.activeDocument, file), !c.file.empty()) << c.line;
        if (!c.file.empty()) {
            EXPECT_EQ(S(file), c.file) << c.line;
        }
    }
}
