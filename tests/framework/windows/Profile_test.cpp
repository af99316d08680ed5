#include <gtest/gtest.h>

#include "framework/WinApp.h"

#include "registry_tree.h"

namespace {

constexpr char kCompany[] = "墨语言框架测试";

// Removes the test's keys before and after, so runs do not see each other's values.
class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveTestKey(); }
    void TearDown() override { RemoveTestKey(); }

    static void RemoveTestKey() { DeleteRegistryTree(HKEY_CURRENT_USER, "Software\\墨语言框架测试"); }

    CWinApp app{"编辑器"};
};

TEST_F(ProfileTest, ValuesLiveUnderTheRegistryKeyAndTheApplicationName)
{
    app.SetRegistryKey(kCompany);
    EXPECT_STREQ(app.m_pszRegistryKey, kCompany);
    ASSERT_TRUE(app.WriteProfileString("编辑器浏览目录", "", "C:\\墨语言\\例子"));
    ASSERT_TRUE(app.WriteProfileInt("编辑器窗口布局", "showCmd", -3));

    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\墨语言框架测试\\编辑器\\编辑器浏览目录", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    char value[64] = {};
    LONG size = sizeof value;
    EXPECT_EQ(::RegQueryValueA(key, nullptr, value, &size), ERROR_SUCCESS) << "the empty entry is the default value";
    EXPECT_STREQ(value, "C:\\墨语言\\例子");
    ::RegCloseKey(key);

    EXPECT_STREQ(app.GetProfileString("编辑器浏览目录", ""), "C:\\墨语言\\例子");
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("编辑器窗口布局", "showCmd", 0)), -3);
}

TEST_F(ProfileTest, MissingOrMismatchedValuesGiveTheDefault)
{
    app.SetRegistryKey(kCompany);
    ASSERT_TRUE(app.WriteProfileString("节", "文字", "yes"));
    ASSERT_TRUE(app.WriteProfileInt("节", "数", 5));
    EXPECT_STREQ(app.GetProfileString("节", "没有", "默认"), "默认");
    EXPECT_STREQ(app.GetProfileString("没有的节", "文字"), "");
    EXPECT_EQ(app.GetProfileInt("节", "没有", 9), 9u);
    EXPECT_EQ(app.GetProfileInt("节", "文字", 9), 9u) << "a string is no integer";
    EXPECT_STREQ(app.GetProfileString("节", "数", "默认"), "默认") << "an integer is no string";
}

TEST_F(ProfileTest, NullValueRemovesTheEntryAndNullEntryTheSection)
{
    app.SetRegistryKey(kCompany);
    ASSERT_TRUE(app.WriteProfileString("节", "甲", "1"));
    ASSERT_TRUE(app.WriteProfileString("节", "乙", "2"));
    ASSERT_TRUE(app.WriteProfileString("节", "甲", nullptr));
    EXPECT_STREQ(app.GetProfileString("节", "甲", "无"), "无");
    EXPECT_STREQ(app.GetProfileString("节", "乙", "无"), "2");
    ASSERT_TRUE(app.WriteProfileString("节", nullptr, nullptr));
    EXPECT_STREQ(app.GetProfileString("节", "乙", "无"), "无");
}

TEST_F(ProfileTest, ReadingDoesNotCreateKeys)
{
    app.SetRegistryKey(kCompany);
    app.GetProfileString("节", "甲", "");
    app.GetProfileInt("节", "乙", 0);
    HKEY key = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\墨语言框架测试", 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST_F(ProfileTest, LongValuesComeBackWhole)
{
    app.SetRegistryKey(kCompany);
    CString path;
    for (int i = 0; i < 1000; ++i)
        path += "目录\\";
    ASSERT_TRUE(app.WriteProfileString("编辑器工作目录", "", path));
    EXPECT_TRUE(app.GetProfileString("编辑器工作目录", "") == path);
}

TEST_F(ProfileTest, WithoutARegistryKeyNothingIsStored)
{
    EXPECT_FALSE(app.WriteProfileString("节", "甲", "1"));
    EXPECT_FALSE(app.WriteProfileInt("节", "乙", 1));
    EXPECT_STREQ(app.GetProfileString("节", "甲", "默认"), "默认");
    EXPECT_EQ(app.GetProfileInt("节", "乙", 4), 4u);
}

} // namespace
