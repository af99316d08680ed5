#include "editor/settings/ShellFolders.h"
#include "editor/util/PathUtil.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"

TEST(ShellFolders, ProgramTitleAndEdition)
{
    EXPECT_EQ(std::string((LPCTSTR)GetExeTitle()), "settings_test");
    struct Case {
        const char* title;
        bool sibling;
    };
    for (const Case& c : {Case{"墨苇舟编辑器", true}, Case{"墨51编辑器", true}, Case{"墨语言编辑器", false},
                          Case{"墨5", false}, Case{"", false}}) {
        EXPECT_EQ(IsSiblingEdition(c.title), c.sibling) << c.title;
    }

    TempDir dir;
    EXPECT_TRUE(FolderExists(dir.Path().c_str()));
    EXPECT_FALSE(FolderExists(dir.WriteFile("file", "").c_str()));
    EXPECT_FALSE(FolderExists((dir / "missing").c_str()));
}
