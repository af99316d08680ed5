#include "editor/settings/StartupSettings.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"

namespace {

struct Tables {
    CEditorSettings settings;
    FtpAccountTable accounts;
    UserToolTable tools;
    MacroSlotTable macros;

    SettingsLoadResult Load(const std::string& folder)
    {
        return LoadStartupSettings(folder.c_str(), settings, accounts, tools, macros);
    }
};

} // namespace

TEST(StartupSettings, MissingOrBadFilesAreReplacedByDefaults)
{
    TempDir dir;
    Tables first;
    first.settings.view.tabSize = 8;
    SettingsLoadResult result = first.Load(dir.Path());
    EXPECT_TRUE(result.configReset);
    EXPECT_TRUE(result.colorsReset);
    EXPECT_EQ(first.settings.view.tabSize, 4);
    EXPECT_EQ(std::string((LPCTSTR)first.settings.syntaxTypes[0].first), "墨语言程序");

    // Written anew, they load the next time.
    Tables second;
    result = second.Load(dir.Path());
    EXPECT_FALSE(result.configReset);
    EXPECT_FALSE(result.colorsReset);

    // A configuration whose font slot is out of range is replaced and rewritten.
    CEditorSettings bad;
    bad.screenFontSlot = 12;
    ASSERT_TRUE(SaveConfig((dir / "vuze.配置").c_str(), bad));
    Tables third;
    result = third.Load(dir.Path());
    EXPECT_TRUE(result.configReset);
    EXPECT_EQ(third.settings.screenFontSlot, 0);
    CEditorSettings reloaded;
    EXPECT_TRUE(LoadConfig((dir / "vuze.配置").c_str(), reloaded));

    // Tables of missing or foreign files stay as they were.
    dir.WriteFile("vuze.工具", "用户命令 1.1");
    Tables fourth;
    fourth.tools[3].name = "kept";
    fourth.Load(dir.Path());
    EXPECT_EQ(std::string((LPCTSTR)fourth.tools[3].name), "kept");

    EXPECT_NE(std::string((LPCTSTR)LoadResourceText(kIdsConfigFileError)).find("\n\n- 如果是第一次安装"), std::string::npos);
}
