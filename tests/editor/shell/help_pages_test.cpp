#include "editor/res/resource.h"
#include "editor/shell/HelpPages.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

#include <string>
#include <vector>

namespace {

struct OpenCall {
    std::string target;
    int showMode;
};
std::vector<OpenCall> g_calls;
INT_PTR g_openResult = 42;

// Stands in for the shell: records what it was asked to open and starts nothing.
INT_PTR RecordOpen(const char* target, int showMode)
{
    g_calls.push_back({target, showMode});
    return g_openResult;
}

} // namespace

// Each help command gives the shell one target, shown normally: the sponsor command its web
// address, the guides their pages below the installation's 帮助 folder.
TEST(HelpPages, EachCommandOpensItsPageShownNormally)
{
    struct Case {
        UINT command;
        const char* target;
    };
    const Case cases[] = {
        {ID_HELP_SPONSOR, "https://moyu-lang.org/sponsor/"},
        {ID_HELP_GUIDE, "D:\\墨语言\\帮助\\入门指南.html"},
        {ID_HELP_TUTORIAL, "D:\\墨语言\\帮助\\教程.html"},
        {ID_HELP_WORKS, "D:\\墨语言\\帮助\\作品.html"},
        {ID_HELP_FORUM, "D:\\墨语言\\帮助\\论坛博客.html"},
        {ID_HELP_READING, "D:\\墨语言\\帮助\\益智读物.html"},
    };
    g_openResult = 42;
    for (const Case& c : cases) {
        g_calls.clear();
        EXPECT_TRUE(OpenHelpPage(c.command, "D:\\墨语言", &RecordOpen)) << c.command;
        ASSERT_EQ(g_calls.size(), 1u) << c.command;
        EXPECT_EQ(g_calls[0].target, c.target);
        EXPECT_EQ(g_calls[0].showMode, SW_SHOW);
    }
}

// A command of no page opens nothing; a shell failure (32 or less) is reported.
TEST(HelpPages, OtherCommandsOpenNothingAndAShellFailureIsReported)
{
    g_calls.clear();
    g_openResult = 42;
    EXPECT_FALSE(OpenHelpPage(32796, "D:\\墨语言", &RecordOpen));
    EXPECT_FALSE(OpenHelpPage(0, "D:\\墨语言", &RecordOpen));
    EXPECT_TRUE(g_calls.empty());
    g_openResult = 32;
    EXPECT_FALSE(OpenHelpPage(ID_HELP_SPONSOR, "D:\\墨语言", &RecordOpen));
    EXPECT_EQ(g_calls.size(), 1u);
}

// A guide that is not installed is told apart, with its path in the message; the sponsor
// address is never missing.
TEST(HelpPages, AMissingPageIsReportedWithItsPath)
{
    TempDir install;
    ::CreateDirectoryA((install / "帮助").c_str(), nullptr);
    install.WriteFile("帮助\\教程.html", "<html></html>");
    const CString folder = install.Path().c_str();
    EXPECT_FALSE(IsHelpPageMissing(ID_HELP_TUTORIAL, folder));
    EXPECT_TRUE(IsHelpPageMissing(ID_HELP_GUIDE, folder));
    EXPECT_FALSE(IsHelpPageMissing(ID_HELP_SPONSOR, folder));
    EXPECT_FALSE(IsHelpPageMissing(0, folder));
    EXPECT_EQ(std::string(HelpPageFailureMessage(ID_HELP_GUIDE, folder)),
              "找不到帮助文件:\n" + install.Path() + "\\帮助\\入门指南.html");
}

// Every page the help menu names is installed.
TEST(HelpPages, EveryPageIsInstalled)
{
    const CString folder = MOYU_STAGED_INSTALL_DIR;
    for (UINT command : {ID_HELP_GUIDE, ID_HELP_TUTORIAL, ID_HELP_WORKS, ID_HELP_FORUM, ID_HELP_READING})
        EXPECT_FALSE(IsHelpPageMissing(command, folder)) << std::string(HelpPageTarget(command, folder));
}
