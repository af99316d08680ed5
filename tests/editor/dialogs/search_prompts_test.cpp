#include "EditTestSupport.h"
#include "editor/dialogs/SearchPrompts.h"
#include "editor/res/resource.h"
#include "editor/view/SearchDialogFlow.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"

#include <gtest/gtest.h>

namespace {

// A view over a real document whose search commands ask the real dialogs.
struct PromptedView : EditFixture {
    PromptedView() : dialogs(nullptr), flow(search, groups, dialogs) {}
    CSearchPrompts dialogs;
    CSearchDialogFlow flow;
    ScopedMessageBoxHook boxes;
};

void Answer(DialogDriver& d, const char* text, std::initializer_list<int> switches, int button)
{
    d.SetText(IDC_FIND_TEXT, text);
    for (int id : {IDC_REGULAR_EXPRESSION, IDC_MATCH_CASE, IDC_WHOLE_WORD}) {
        const bool wanted = std::find(switches.begin(), switches.end(), id) != switches.end();
        if ((d.GetCheck(id) == BST_CHECKED) != wanted)
            d.Click(id);
    }
    d.Click(button);
}

} // namespace

TEST(SearchPromptsTest, FindPresetsTheWordAtTheCaretAndFindsNextWithWrap)
{
    PromptedView v;
    v.Load({"beta alpha", "alpha beta"});
    v.Caret(6, 1);  // in the second line's "beta"
    CString preset;
    DialogDriver driver{[&](DialogDriver& d) {
        preset = d.GetText(IDC_FIND_TEXT);
        Answer(d, "alpha", {}, IDC_FIND_NEXT);
    }};
    v.flow.FindCommand();
    EXPECT_STREQ("beta", preset);
    // From the caret on line 1 the search wraps to line 0.
    EXPECT_EQ(0, v.CaretAt().line);
    EXPECT_EQ(5, v.CaretAt().column);
    EXPECT_EQ(0, v.boxes.Count());
    EXPECT_TRUE(v.flow.FindOccurrence(false));
    EXPECT_EQ(1, v.CaretAt().line);
}

TEST(SearchPromptsTest, SwitchesReachTheSearch)
{
    const struct {
        const char* pattern;
        std::initializer_list<int> switches;
        const char* expectedLine0;
        int count;
    } cases[] = {
        {"a\\d+", {IDC_REGULAR_EXPRESSION}, "X X ab", 2},
        {"a2", {}, "a1 X2 ab", 1},
        {"a2", {IDC_MATCH_CASE}, "a1 A22 ab", 0},
        {"a", {IDC_WHOLE_WORD}, "a1 A22 ab", 0},
        {"ab", {IDC_WHOLE_WORD}, "a1 A22 X", 2},
    };
    for (const auto& c : cases) {
        PromptedView v;
        v.Load({"a1 A22 ab", "ab"});
        DialogDriver driver{[&](DialogDriver& d) {
            d.SetText(IDC_REPLACE_TEXT, "X");
            Answer(d, c.pattern, c.switches, IDC_REPLACE_ALL);
        }};
        v.flow.ReplaceCommand();
        EXPECT_STREQ(c.expectedLine0, v.Lines()[0].c_str()) << c.pattern;
        ASSERT_EQ(1, v.boxes.Count()) << c.pattern;
        CString expected;
        if (c.count)
            expected.Format("共替换 %d 次.", c.count);
        else
            expected.Format("找不到字符串‘%s’.", c.pattern);
        EXPECT_STREQ(expected, v.boxes.Last().text) << c.pattern;
    }
}

TEST(SearchPromptsTest, ReplaceAllInTheSelectionOrTheFile)
{
    PromptedView v;
    v.Load({"x1", "x2", "x3", "x4"});
    v.Select(0, 1, 2, 2);
    int scope = -1;
    DialogDriver driver{[&](DialogDriver& d) {
        scope = d.GetCheck(IDC_SCOPE_SELECTION);
        d.SetText(IDC_REPLACE_TEXT, "yy");
        Answer(d, "x", {}, IDC_REPLACE_ALL);
    }};
    v.flow.ReplaceCommand();
    EXPECT_EQ(BST_CHECKED, scope);
    EXPECT_EQ((Texts{"x1", "yy2", "yy3", "x4"}), v.Lines());

    v.Caret(0, 0);
    driver.Queue([](DialogDriver& d) {
        d.Click(IDC_SCOPE_FILE);
        Answer(d, "x", {}, IDC_REPLACE_ALL);
    });
    v.flow.ReplaceCommand();
    EXPECT_EQ((Texts{"yy1", "yy2", "yy3", "yy4"}), v.Lines());
}

TEST(SearchPromptsTest, ConfirmationStepsThroughMatches)
{
    PromptedView v;
    v.Load({"a a a a"});
    v.Caret(0, 0);
    DialogDriver driver;
    driver.Queue([](DialogDriver& d) {
        d.SetText(IDC_REPLACE_TEXT, "b");
        Answer(d, "a", {}, IDC_FIND_NEXT);
    });
    driver.Queue([](DialogDriver& d) { d.Click(IDYES); });  // replace, then the next
    driver.Queue([](DialogDriver& d) { d.Click(IDNO); });   // skip it
    driver.Queue([](DialogDriver& d) { d.Click(IDOK); });   // replace and stop
    v.flow.ReplaceCommand();
    EXPECT_EQ((Texts{"b a b a"}), v.Lines());
    EXPECT_EQ(4, driver.ScriptsRun());
    EXPECT_EQ(0, driver.LeftOpenCount());

    driver.Queue([](DialogDriver& d) { d.Click(IDCLOSE); });  // all the rest
    v.Caret(0, 0);
    v.flow.FindOccurrence(false);
    EXPECT_EQ((Texts{"b b b b"}), v.Lines());
}

TEST(SearchPromptsTest, BadExpressionAndGoToLineComeBackAsMessagesAndMoves)
{
    PromptedView v;
    v.Load({"a", "b", "c"});
    DialogDriver driver;
    driver.Queue([](DialogDriver& d) { Answer(d, "a(", {IDC_REGULAR_EXPRESSION}, IDC_FIND_NEXT); });
    v.flow.FindCommand();
    EXPECT_STREQ("编译正则表达式 'a(' 失败.", v.boxes.Last().text);

    CString prompt, preset;
    driver.Queue([&](DialogDriver& d) {
        prompt = d.GetText(IDC_LINE_PROMPT);
        preset = d.GetText(IDC_LINE_NUMBER);
        d.SetText(IDC_LINE_NUMBER, "3");
        d.PostKey(IDC_LINE_NUMBER, VK_RETURN);
        d.KeepOpen();
    });
    v.flow.GoToLineCommand();
    EXPECT_STREQ("&输入行号 (1 - 3):", prompt);
    EXPECT_STREQ("1", preset);
    EXPECT_EQ(2, v.CaretAt().line);
}

TEST(SearchPromptsTest, AllOpenFilesGoesToWhoeverOwnsTheDocumentsOrCannotBeChosen)
{
    PromptedView v;
    v.Load({"a"});
    bool choosableWithout = true;
    DialogDriver driver;
    driver.Queue([&](DialogDriver& d) {
        choosableWithout = d.IsEnabled(IDC_SCOPE_ALL_FILES);
        d.PressCancel();
    });
    v.flow.ReplaceCommand();
    EXPECT_FALSE(choosableWithout);

    // With an owner of the open documents the scope is offered; the replace is prepared
    // (texts and flags stored) and handed on.
    v.dialogs.m_allFilesAvailable = [] { return true; };
    int handedOn = 0;
    v.flow.onReplaceInOpenFiles = [&] { ++handedOn; };
    driver.Queue([](DialogDriver& d) {
        d.Click(IDC_SCOPE_ALL_FILES);
        d.SetText(IDC_REPLACE_TEXT, "b");
        Answer(d, "a", {IDC_MATCH_CASE}, IDC_REPLACE_ALL);
    });
    v.flow.ReplaceCommand();
    EXPECT_EQ(1, handedOn);
    EXPECT_STREQ("a", v.search.GetParameters().text);
    EXPECT_STREQ("b", v.search.GetParameters().replacement);
    EXPECT_EQ(kSearchMatchCase, v.search.GetParameters().flags);
    EXPECT_EQ((Texts{"a"}), v.Lines()) << "not this view's to replace";
}
