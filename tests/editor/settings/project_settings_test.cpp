#include "editor/settings/ProjectSettingsFile.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

} // namespace

TEST(ProjectSettingsFile, ReadsKeysJoinsRepeatsAndRewritesAligned)
{
    TempDir dir;
    std::string path = dir.WriteFile("演示.设置",
                                     "【注释】\r\n；也是注释=1\r\n;调试=1\r\n"
                                     "  目标类型 = 控制台程序  \r\n"
                                     "编译参数=-a\r\n编译设置=-b\r\n"
                                     "库目录=C:\\库1\r\n库目录=C:\\库1\r\n库目录=C:\\库2\r\n库目录=C:\\库3\r\n"
                                     "接口文件路径=D:\\接口\r\n"
                                     "附加源文件=甲.墨\r\n附加源文件=乙.墨\r\n附加源文件=丙.墨\r\n"
                                     "附加库=a.库\r\n附加库=b.库\r\n"
                                     "库=x.lib\r\n源文件=s.c\r\n源文件=t.c\r\n"
                                     "调试=0\r\n生成映像文件=1\r\n生成列表文件=yes\r\n"
                                     "没有等号的行\r\n素材文件=\r\n未知键=值\r\n");
    ProjectSettings s;
    ASSERT_TRUE(ReadProjectSettings(path.c_str(), s));
    EXPECT_EQ(S(s.targetType), "控制台程序");
    EXPECT_EQ(S(s.operation), "正常处理");
    EXPECT_EQ(S(s.compileArgs), "-a;-b");
    EXPECT_EQ(S(s.libraryFolders[0]), "C:\\库1");
    EXPECT_EQ(S(s.libraryFolders[1]), "C:\\库1");
    EXPECT_EQ(S(s.libraryFolders[2]), "C:\\库2");  // the fourth line is dropped
    EXPECT_EQ(S(s.extraSources[0]), "甲.墨");
    EXPECT_EQ(S(s.extraSources[1]), "乙.墨  丙.墨");
    EXPECT_EQ(S(s.extraLibraries), "a.库  b.库");
    EXPECT_EQ(S(s.sources), "s.c  t.c");
    EXPECT_FALSE(s.debug);
    EXPECT_TRUE(s.mapFile);
    EXPECT_FALSE(s.listingFile);
    EXPECT_TRUE(s.resourceFile.IsEmpty());

    ASSERT_TRUE(WriteProjectSettings(path.c_str(), s));
    std::string bytes = TempDir::ReadFile(path);
    EXPECT_EQ(bytes.rfind("【设置文件： 墨语言编辑器环境生成", 0), 0u);
    std::string keys = bytes.substr(bytes.find("\r\n\r\n") + 4);
    EXPECT_EQ(keys, "目标类型    =控制台程序\r\n操作定义    =正常处理\r\n生成映像文件=1\r\n编译参数    =-a;-b\r\n"
                    "接口文件路径=D:\\接口\r\n附加库      =a.库  b.库\r\n库目录      =C:\\库1\r\n库目录      =C:\\库2\r\n"
                    "附加源文件  =甲.墨\r\n附加源文件  =乙.墨  丙.墨\r\n库    =x.lib\r\n源文件=s.c  t.c\r\n");

    // The header the IDE writes reads back without effect, and the rewrite is stable.
    ProjectSettings again;
    ASSERT_TRUE(ReadProjectSettings(path.c_str(), again));
    ASSERT_TRUE(WriteProjectSettings(path.c_str(), again));
    EXPECT_EQ(TempDir::ReadFile(path), bytes);
}

TEST(ProjectSettingsFile, MissingFileGivesDefaultsNotEarlierValues)
{
    TempDir dir;
    ProjectSettings s;
    s.targetType = "静态库";
    s.libraries = "旧项目.lib";
    s.debug = true;
    EXPECT_FALSE(ReadProjectSettings((dir / "没有.设置").c_str(), s));
    EXPECT_EQ(S(s.targetType), "视窗程序");
    EXPECT_TRUE(s.libraries.IsEmpty());
    EXPECT_FALSE(s.debug);

    EXPECT_EQ(S(ProjectSettingsPath("C:\\工程\\演示.项目")), "C:\\工程\\演示.设置");
    EXPECT_FALSE(WriteProjectSettings((dir / "无此目录\\a.设置").c_str(), s));
    EXPECT_EQ(S(ProjectSettingsWriteMessage("C:\\a.设置")), "创建文件\"C:\\a.设置\"失败!");
}
