#include "editor/dialogs/ProjectSettingsDlg.h"
#include "editor/res/resource.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool HasLine(const std::string& text, const std::string& line)
{
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos ||
           ("\n" + text).find("\n" + line + "\r\n") != std::string::npos;
}

} // namespace

// The dialog shows what the file holds (a typed target type that only begins like an offered
// one, joined compiler settings, a 调试 of 0) and OK writes back the user's changes with the
// values it has no control for.
TEST(ProjectSettingsDialogTest, ShowsTheFileAndWritesTheChanges)
{
    TempDir dir;
    std::string project = dir / "演示.项目";
    std::string settings = dir.WriteFile("演示.设置",
                                         "；注释\n目标类型=视窗\n编译参数=-a\n编译设置=-b\n调试=0\n"
                                         "库目录=C:\\甲\n库目录=C:\\甲\n库=旧.库\n");
    CString target, operation, compile, libraryFolder;
    int debug = -1;
    DialogDriver driver{[&](DialogDriver& d) {
        target = d.GetText(IDC_PRJ_TARGET_TYPE);
        operation = d.GetText(IDC_PRJ_OPERATION);
        compile = d.GetText(IDC_PRJ_COMPILE_ARGS);
        libraryFolder = d.GetText(IDC_PRJ_LIBDIR2);
        debug = d.GetCheck(IDC_PRJ_DEBUG);
        d.Click(IDC_PRJ_DEBUG);
        d.SetText(IDC_PRJ_LINK_ARGS, "-s");
        d.SelectString(IDC_PRJ_OPERATION, "编译");
        d.PressOK();
    }};
    ASSERT_EQ(EditProjectSettings(project.c_str(), nullptr), IDOK);
    EXPECT_STREQ(target, "视窗");
    EXPECT_STREQ(operation, "正常处理");
    EXPECT_STREQ(compile, "-a;-b");
    EXPECT_STREQ(libraryFolder, "C:\\甲");
    EXPECT_EQ(debug, 0);
    std::string written = TempDir::ReadFile(settings);
    for (const char* line : {"目标类型    =视窗", "操作定义    =编译", "调试=1", "编译参数    =-a;-b",
                             "连接参数    =-s", "库目录      =C:\\甲", "库    =旧.库"})
        EXPECT_TRUE(HasLine(written, line)) << line << "\n" << written;
    EXPECT_EQ(written.find("库目录      =C:\\甲"), written.rfind("库目录      =C:\\甲"));
}

// A project without a settings file starts from the defaults, not from what the last
// project held; Cancel writes nothing; a file that cannot be created is reported.
TEST(ProjectSettingsDialogTest, MissingFileStartsFromDefaults)
{
    TempDir dir;
    dir.WriteFile("甲.设置", "目标类型=静态库\n附加库=x.库\n生成映像文件=1\n");
    std::string other = dir / "乙.项目";
    CString target, libraries;
    int mapFile = -1;
    DialogDriver driver{[](DialogDriver& d) { d.PressOK(); },
                        [&](DialogDriver& d) {
                            target = d.GetText(IDC_PRJ_TARGET_TYPE);
                            libraries = d.GetText(IDC_PRJ_EXTRA_LIBS);
                            mapFile = d.GetCheck(IDC_PRJ_MAP_FILE);
                            d.PressCancel();
                        },
                        [](DialogDriver& d) { d.PressOK(); }};
    EXPECT_EQ(EditProjectSettings((dir / "甲.项目").c_str(), nullptr), IDOK);
    EXPECT_EQ(EditProjectSettings(other.c_str(), nullptr), IDCANCEL);
    EXPECT_STREQ(target, "视窗程序");
    EXPECT_STREQ(libraries, "");
    EXPECT_EQ(mapFile, 0);
    EXPECT_EQ(::GetFileAttributesA((dir / "乙.设置").c_str()), INVALID_FILE_ATTRIBUTES);

    ScopedMessageBoxHook boxes;
    std::string unwritable = dir / "没有的目录\\丙.墨";
    EXPECT_EQ(EditProjectSettings(unwritable.c_str(), nullptr), IDOK);
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_STREQ(boxes.Last().text, ("创建文件\"" + dir / "没有的目录\\丙.设置" + "\"失败!").c_str());
}
