// Guards the test machine itself: every GBK test below is meaningless unless Wine runs with
// the Chinese ANSI code page and double-byte support.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

TEST(Platform, AnsiCodePageIs936)
{
    EXPECT_EQ(GetACP(), 936u) << "run under scripts/wine-run with the zh_CN.UTF-8 locale generated";
}

TEST(Platform, DoubleByteSupportIsOn)
{
    EXPECT_NE(GetSystemMetrics(SM_DBCSENABLED), 0);
    EXPECT_TRUE(IsDBCSLeadByte(0xB0));
    EXPECT_FALSE(IsDBCSLeadByte('A'));
}

TEST(Platform, LiteralsAreCompiledToGbk)
{
    const char* text = "中";
    ASSERT_EQ(strlen(text), 2u);
    EXPECT_EQ((unsigned char)text[0], 0xD6);
    EXPECT_EQ((unsigned char)text[1], 0xD0);
}

TEST(Platform, GbkFileNamesRoundTrip)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + "墨语言测试.txt";
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    FindClose(find);
    EXPECT_STREQ(data.cFileName, "墨语言测试.txt");
    DeleteFileA(path.c_str());
}
