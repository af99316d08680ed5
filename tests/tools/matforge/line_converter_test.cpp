#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "matforge_test_support.h"

namespace {

// Each case is a short script: its lines and what each becomes.
struct ScriptCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::string> expected;
};

void ExpectConverted(const ScriptCase& c)
{
    std::vector<std::string> actual = ConvertLines(c.lines);
    ASSERT_EQ(c.expected.size(), actual.size()) << c.name;
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_EQ(GbkToUtf8(c.expected[i]), GbkToUtf8(actual[i])) << c.name << ", line " << i + 1;
}

}  // namespace

TEST(LineConverter, Scripts)
{
    const ScriptCase kCases[] = {
        {"a menu opened outside any block",
         {"IDR_MENU1 菜单 可丢弃的", "开始", "    菜单项 分隔符", "结束", "开始"},
         {"IDR_MENU1 MENU DISCARDABLE", "BEGIN", "    MENUITEM SEPARATOR", "END", "开始"}},
        {"menu item flags after the third word",
         {"M 菜单", "开始", "菜单项 \"打开\", 101, 选择的", "弹出 \"文件\" 无效的",
          "菜单项 \"关\", 102, 无效的 选择的", "结束"},
         {"M MENU", "BEGIN", "MENUITEM \"打开\", 101, CHECKED", "POPUP \"文件\" 无效的",
          "MENUITEM \"关\", 102, GRAYED CHECKED", "END"}},
        {"flag words stay on lines that are not menu items",
         {"M 菜单", "开始", "值 \"a\", 选择的 无效的 选择的", "结束"},
         {"M MENU", "BEGIN", "VALUE \"a\", 选择的 无效的 选择的", "END"}},
        {"defined tests",
         {"#如果 已定义(调试)", "#如果 已定义(A) && 已定义(B)", "#如果 已定义 调试", "#或者 已定义(", "#如果 已定义x"},
         {"#if defined(调试)", "#if defined(A) && 已定义(B)", "#if defined 调试", "#elif defined(", "#if 已定义x"}},
        {"preprocessor lines",
         {"#包含 \"资源.h\"", "#定义 IDM_OPEN 101", "#如果已定义 调试", "#否则", "#如果结束", "#如果未定义 X"},
         {"#include \"资源.h\"", "#define IDM_OPEN 101", "#ifdef 调试", "#else", "#endif", "#ifndef X"}},
        {"version information",
         {"版本信息", "文件版本 1,0,0,1", "产品版本 1,0,0,1", "文件标志掩码 0x3fL", "文件标志 0x0L",
          "操作系统 0x4L", "文件类型 0x1L", "文件子类型 0x0L", "开始", "文件版本 1,0",
          "    块 文件信息短语", "    开始", "        值 文件版本 , \"1.0\"", "        值 文件版本, \"1.0\"",
          "    结束", "    块 文件信息变量", "    开始", "        值 翻译 0x804, 936", "    结束", "结束",
          "文件版本 1,0"},
         {"1 VERSIONINFO", "FILEVERSION 1,0,0,1", "PRODUCTVERSION 1,0,0,1", "FILEFLAGSMASK 0x3fL",
          "FILEFLAGS 0x0L", "FILEOS 0x4L", "FILETYPE 0x1L", "FILESUBTYPE 0x0L", "BEGIN", "文件版本 1,0",
          "    BLOCK \"StringFileInfo\"", "    BEGIN", "        VALUE \"FileVersion\" , \"1.0\"",
          "        VALUE 文件版本, \"1.0\"", "    END", "    BLOCK \"VarFileInfo\"", "    BEGIN",
          "        VALUE \"Translation\" 0x804, 936", "    END", "END", "文件版本 1,0"}},
        {"bracketed version heading",
         {"【版本信息】", "文件版本 2,0"},
         {"1 VERSIONINFO", "FILEVERSION 2,0"}},
        {"string table",
         {"字符串表 预加载 可丢弃的", "开始", "    IDS_A \"图标\"", "    IDI_ICON1 图标 \"a.ico\"", "结束",
          "IDI_ICON1 图标 \"a.ico\""},
         {"1 STRINGTABLE PRELOAD DISCARDABLE", "BEGIN", "    IDS_A \"图标\"", "    IDI_ICON1 图标 \"a.ico\"",
          "END", "IDI_ICON1 ICON \"a.ico\""}},
        {"keywords outside any block are copied",
         {"开始", "结束", "弹出 \"x\"", "菜单项 分隔符", "块 文件信息短语", "值 注释 \"x\"", "IDB_A 位图 a.bmp 预加载"},
         {"开始", "结束", "弹出 \"x\"", "菜单项 分隔符", "块 文件信息短语", "值 注释 \"x\"", "IDB_A BITMAP a.bmp 预加载"}},
        {"blanks of every kind are kept",
         {"\t\t#定义\t X  1", "　#定义　Y　2", "", "   "},
         {"\t\t#define\t X  1", "　#define　Y　2", "", "   "}},
        {"line ends are cut",
         {"#定义 X 1\r\n", "#定义 Y 2\rrest", "\n"},
         {"#define X 1", "#define Y 2", ""}},
        {"a menu nested inside popups closes at its last 结束",
         {"M 菜单", "开始", "弹出 \"a\"", "开始", "弹出 \"b\"", "开始", "菜单项 分隔符", "结束", "结束", "结束",
          "菜单项 分隔符", "N 菜单 预加载"},
         {"M MENU", "BEGIN", "POPUP \"a\"", "BEGIN", "POPUP \"b\"", "BEGIN", "MENUITEM SEPARATOR", "END", "END",
          "END", "菜单项 分隔符", "N MENU PRELOAD"}},
    };
    for (const ScriptCase& c : kCases)
        ExpectConverted(c);
}

TEST(LineConverter, DoubleByteWordsAreNotSplitAtTrailBytes)
{
    // 啊、 is B0 A1 A1 A2: the full-width blank A1 A1 only appears across two characters.
    EXPECT_EQ("啊、 MENU", ConvertOneLine("啊、 菜单"));
    // A lead byte at the very end of the line is a word of its own and is copied.
    EXPECT_EQ("#define \x81", ConvertOneLine("#定义 \x81"));
}
