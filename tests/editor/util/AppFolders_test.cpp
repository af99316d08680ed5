#include "editor/util/AppFolders.h"

#include "editor/util/PathUtil.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string S(const CString& text) { return static_cast<const char*>(text); }

class AppFoldersTest : public testing::Test {
protected:
    void TearDown() override { ResetAppFoldersForTest(); }
};

TEST_F(AppFoldersTest, FoldersComeFromTheRunningExecutable)
{
    char exe[MAX_PATH * 2];
    DWORD length = GetModuleFileNameA(nullptr, exe, sizeof exe);
    ASSERT_GT(length, 0u);
    const std::string program = S(GetDirectoryPart(exe));
    EXPECT_EQ(S(GetProgramFolder()), program);
    EXPECT_EQ(S(GetInstallDirectory()), S(GetDirectoryPart(program.c_str())));
    EXPECT_EQ(DbcsEnabled(), GetSystemMetrics(SM_DBCSENABLED) != 0);
}

TEST_F(AppFoldersTest, TestsCanReplaceEachValue)
{
    SetProgramFolderForTest("D:\\墨语言\\bin\\");
    EXPECT_EQ(S(GetProgramFolder()), "D:\\墨语言\\bin");
    EXPECT_EQ(S(GetInstallDirectory()), "D:\\墨语言");

    SetInstallDirectoryForTest("E:\\安装");
    EXPECT_EQ(S(GetProgramFolder()), "D:\\墨语言\\bin");
    EXPECT_EQ(S(GetInstallDirectory()), "E:\\安装");

    const bool system = GetSystemMetrics(SM_DBCSENABLED) != 0;
    SetDbcsEnabledForTest(!system);
    EXPECT_EQ(DbcsEnabled(), !system);

    ResetAppFoldersForTest();
    EXPECT_EQ(DbcsEnabled(), system);
    EXPECT_NE(S(GetProgramFolder()), "D:\\墨语言\\bin");
}

}  // namespace
