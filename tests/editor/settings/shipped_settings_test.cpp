#include <gtest/gtest.h>

#include <windows.h>

#include "editor/settings/ChildEnvironment.h"
#include "editor/settings/TextSettings.h"

// The staged text settings files state the defaults and change nothing.
TEST(ShippedSettings, StateTheDefaults)
{
    const CString install = MOYU_STAGED_INSTALL_DIR;
    CStringArray lines;
    ASSERT_TRUE(ReadTextLines(install + "\\bin\\用户.设置", lines));
    EXPECT_EQ(lines.GetSize(), 10);
    CUserSettings shipped;
    ReadUserSettings(install + "\\bin\\用户.设置", shipped);
    CUserSettings defaults;
    EXPECT_EQ(shipped.promptOpenTicks, defaults.promptOpenTicks);
    EXPECT_EQ(shipped.promptSpaceTicks, defaults.promptSpaceTicks);
    EXPECT_EQ(shipped.promptCloseTicks, defaults.promptCloseTicks);
    EXPECT_EQ(shipped.outputMaxLines, defaults.outputMaxLines);
    EXPECT_TRUE(shipped.companionTitle.IsEmpty());

    ASSERT_TRUE(ReadTextLines(install + "\\命令\\环境.配置", lines));
    EXPECT_GT(lines.GetSize(), 0);
    SearchPathLists lists;
    EnvironmentTable env;
    ReadEnvironmentFile(install + "\\命令\\环境.配置", install, lists, env);
    EXPECT_TRUE(lists.path.IsEmpty() && lists.lib.IsEmpty() && lists.include.IsEmpty());
}

// The staged installation has the folders the programs look in: without the program
// folder's 工具 the tool-set and macro-set menus stay empty and saved sets land elsewhere.
TEST(StagedInstallation, HasTheFoldersTheProgramsLookIn)
{
    const CString install = MOYU_STAGED_INSTALL_DIR;
    for (const char* folder :
         {"\\bin\\工具", "\\bin\\模板", "\\bin\\配置", "\\命令\\bat", "\\库", "\\接口\\c", "\\帮助"}) {
        const DWORD attributes = ::GetFileAttributesA(install + folder);
        EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) << folder;
    }
}
