#include "framework/AppEnvironment.h"

#include "CStringPrinter.h"

#include <gtest/gtest.h>

TEST(AppEnvironment, ProgramFolderIsTheExecutablesFolderByDefault)
{
    char path[MAX_PATH * 2];
    GetModuleFileNameA(nullptr, path, sizeof path);
    CString expected(path);
    expected = expected.Left(expected.ReverseFind('\\'));
    EXPECT_EQ(GetProgramFolder(), expected);
    EXPECT_EQ(GetInstallationFolder(), expected.Left(expected.ReverseFind('\\')));
}

TEST(AppEnvironment, ScopedProgramFolderMovesTheInstallationFolderToo)
{
    CString before = GetProgramFolder();
    {
        ScopedProgramFolder folder("C:\\墨语言\\编辑器\\");
        EXPECT_EQ(GetProgramFolder(), "C:\\墨语言\\编辑器");
        EXPECT_EQ(GetInstallationFolder(), "C:\\墨语言");
        SetInstallationFolder("D:\\其他");
        EXPECT_EQ(GetInstallationFolder(), "D:\\其他");
    }
    EXPECT_EQ(GetProgramFolder(), before);
    EXPECT_EQ(GetInstallationFolder(), before.Left(before.ReverseFind('\\')));
}

TEST(AppEnvironment, TrailingTrailByte5CIsNotABackslash)
{
    // 0x81 0x5C is one double-byte character ending in the byte of a backslash.
    ScopedProgramFolder folder("C:\\a\x81\\");
    EXPECT_EQ(GetProgramFolder(), "C:\\a\x81\\");
    EXPECT_EQ(GetInstallationFolder(), "C:");
}

TEST(AppEnvironment, DbcsFlagFollowsTheSystemUnlessReplaced)
{
    EXPECT_EQ(DbcsEnabled(), GetSystemMetrics(SM_DBCSENABLED) != 0 ? TRUE : FALSE);
    {
        ScopedDbcsEnabled off(FALSE);
        EXPECT_FALSE(DbcsEnabled());
        {
            ScopedDbcsEnabled on(TRUE);
            EXPECT_TRUE(DbcsEnabled());
        }
        EXPECT_FALSE(DbcsEnabled());
    }
    EXPECT_EQ(DbcsEnabled(), GetSystemMetrics(SM_DBCSENABLED) != 0 ? TRUE : FALSE);
}
