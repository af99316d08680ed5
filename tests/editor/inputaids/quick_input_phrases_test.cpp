#include "editor/inputaids/QuickInputPhrases.h"

#include "framework/AppEnvironment.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <direct.h>

TEST(QuickInputPhrases, AppendCreatesTheFileAndAddsOneLinePerPhrase)
{
    TempDir dir;
    ASSERT_EQ(_mkdir((dir / "配置").c_str()), 0);
    ScopedProgramFolder folder(dir.Path().c_str());

    AppendQuickInputPhrase("请输入一个整数：");
    AppendQuickInputPhrase("结果=");
    EXPECT_EQ(TempDir::ReadFile(dir / "配置\\快捷输入.文本"), "请输入一个整数：\r\n结果=\r\n");
}

TEST(QuickInputPhrases, AppendWithoutItsFolderChangesNothing)
{
    TempDir dir;
    ScopedProgramFolder folder(dir.Path().c_str());
    AppendQuickInputPhrase("结果=");
    EXPECT_EQ(TempDir::ReadFile(dir / "配置\\快捷输入.文本"), "");
}
