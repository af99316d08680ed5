#include "framework/MessageBox.h"

#include "framework/AppState.h"
#include "CStringPrinter.h"
#include "TestResources.h"

#include <gtest/gtest.h>

TEST(MessageBox, HookRecordsBoxesAndGivesScriptedAnswers)
{
    ScopedMessageBoxHook hook{IDNO, IDCANCEL};
    EXPECT_EQ(ShowMessageBox(nullptr, "正文", "标题", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(AfxMessageBox("第二个", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("第三个", MB_YESNOCANCEL), IDYES);  // queue empty: default button

    auto boxes = hook.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "正文");
    EXPECT_EQ(boxes[0].caption, "标题");
    EXPECT_EQ(boxes[0].type, (UINT)(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(boxes[1].caption, AfxGetAppName());
}

TEST(MessageBox, AppNameDefaultsToTheExecutableTitleAndCanBeSet)
{
    EXPECT_STREQ(AfxGetAppName(), "framework_test");
    ScopedMessageBoxHook hook;
    AfxSetAppName("墨语言编辑器");
    AfxMessageBox("x");
    AfxSetAppName(nullptr);
    EXPECT_EQ(hook.Last().caption, "墨语言编辑器");
    EXPECT_STREQ(AfxGetAppName(), "framework_test");
}

TEST(MessageBox, StringIdLoadsItsText)
{
    ScopedMessageBoxHook hook;
    AfxMessageBox(IDS_TEST_CHINESE, MB_ICONSTOP);
    EXPECT_EQ(hook.Last().text, "中文资源字符串");
    EXPECT_EQ(hook.Last().type, (UINT)MB_ICONSTOP);
}

TEST(MessageBox, DefaultAnswerFollowsTheDefaultButton)
{
    struct Case { UINT type; int answer; };
    const Case cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_RETRYCANCEL, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScopedMessageBoxHook::DefaultAnswer(c.type), c.answer) << std::hex << c.type;
}

TEST(MessageBox, NestedHooksRestoreTheOuterOne)
{
    ScopedMessageBoxHook outer;
    {
        ScopedMessageBoxHook inner;
        AfxMessageBox("inner");
        EXPECT_EQ(inner.Count(), 1);
    }
    AfxMessageBox("outer");
    EXPECT_EQ(outer.Count(), 1);
    EXPECT_EQ(outer.Last().text, "outer");
}
