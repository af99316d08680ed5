#include "editor/shell/HelpPages.h"

#include <gtest/gtest.h>

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
        {32795, "https://moyu-lang.org/sponsor/"},
        {32792, "D:\\墨语言\\帮助\\入门指南.html"},
        {32944, "D:\\墨语言\\帮助\\教程.html"},
        {32794, "D:\\墨语言\\帮助\\作品.html"},
        {32945, "D:\\墨语言\\帮助\\论坛博客.html"},
        {32793, "D:\\墨语言\\帮助\\益智读物.html"},
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
    EXPECT_FALSE(OpenHelpPage(32795, "D:\\墨语言", &RecordOpen));
    EXPECT_EQ(g_calls.size(), 1u);
}
