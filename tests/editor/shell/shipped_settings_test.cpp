#include <gtest/gtest.h>

#include "editor/shell/ChildEnvironment.h"
#include "editor/shell/TextSettings.h"

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
