#include "editor/dialogs/FindReplaceDialogs.h"
#include "editor/res/resource.h"
#include "framework/DialogDriver.h"
#include "tests/framework/controls/PopupMenuDriver.h"
#include "wait.h"

#include <gtest/gtest.h>

namespace {

// Types text into a combo box's edit field as the keyboard would, so the field reports
// its edit change.
void Type(DialogDriver& d, int comboId, const char* text)
{
    d.SetText(comboId, text);
    ::SendMessage(d.Dialog(), WM_COMMAND, MAKEWPARAM(comboId, CBN_EDITCHANGE),
                  (LPARAM)d.Item(comboId));
}

// Picks a token from a field's menu, as choosing the menu item does.
void PickToken(DialogDriver& d, UINT command)
{
    ::SendMessage(d.Dialog(), WM_COMMAND, command, 0);
}

// Leaves the field's selection where a user would, releasing the mouse button in it.
void LeaveSelection(DialogDriver& d, int comboId, int start, int end)
{
    d.Focus(comboId);
    ::SendDlgItemMessage(d.Dialog(), comboId, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
    MSG release = {d.Item(comboId), WM_LBUTTONUP, 0, 0};
    CWnd::FromHandlePermanent(d.Dialog())->PreTranslateMessage(&release);
}

} // namespace

TEST(FindDialogTest, FirstUseWithNothingToFindDisablesFindNextUntilTyping)
{
    CFindDlg dialog;
    bool enabledAtStart = true, enabledAfterTyping = false;
    int direction = -1;
    DialogDriver driver{[&](DialogDriver& d) {
        enabledAtStart = d.IsEnabled(IDC_FIND_NEXT);
        direction = d.GetCheck(IDC_DIRECTION_DOWN);
        Type(d, IDC_FIND_TEXT, "墨");
        enabledAfterTyping = d.IsEnabled(IDC_FIND_NEXT);
        Type(d, IDC_FIND_TEXT, "");
        d.Click(IDOK);  // Enter with nothing to find keeps the dialog
        d.PressCancel();
    }};
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(enabledAtStart);
    EXPECT_TRUE(enabledAfterTyping);
    EXPECT_EQ(BST_CHECKED, direction);
    EXPECT_TRUE(dialog.m_findText.IsEmpty());
    EXPECT_TRUE(dialog.GetFindHistory().IsEmpty());
}

TEST(FindDialogTest, FindNextKeepsTextOptionsAndHistoryForTheNextOpening)
{
    CFindDlg dialog;
    dialog.m_findText = "alpha";
    DialogDriver driver;
    driver.Queue([](DialogDriver& d) {
        d.Click(IDC_MATCH_CASE);
        d.Click(IDC_DIRECTION_UP);
        d.Click(IDC_FIND_NEXT);
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("alpha", dialog.m_findText);
    EXPECT_EQ(1, dialog.m_matchCase);
    EXPECT_EQ(0, dialog.m_direction);

    // The caller presets nothing: the latest history entry comes back; a second search for
    // a known text moves it to the front without a duplicate.
    dialog.m_findText.Empty();
    CString shown;
    int listed = 0, matchCase = 0, up = 0;
    driver.Queue([&](DialogDriver& d) {
        shown = d.GetText(IDC_FIND_TEXT);
        matchCase = d.GetCheck(IDC_MATCH_CASE);
        up = d.GetCheck(IDC_DIRECTION_UP);
        Type(d, IDC_FIND_TEXT, "beta");
        d.Click(IDC_FIND_NEXT);
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("alpha", shown);
    EXPECT_EQ(BST_CHECKED, matchCase);
    EXPECT_EQ(BST_CHECKED, up);
    driver.Queue([&](DialogDriver& d) {
        listed = d.GetCount(IDC_FIND_TEXT);
        Type(d, IDC_FIND_TEXT, "alpha");
        d.PostKey(IDC_FIND_TEXT, VK_RETURN);
        d.KeepOpen();
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(2, listed);
    ASSERT_EQ(2u, dialog.GetFindHistory().GetCount());
    EXPECT_STREQ("alpha", dialog.GetFindHistory().Entries()[0]);
    EXPECT_STREQ("beta", dialog.GetFindHistory().Entries()[1]);

    // Cancel changes nothing, not even with other texts and options in the controls.
    driver.Queue([](DialogDriver& d) {
        Type(d, IDC_FIND_TEXT, "gamma");
        d.Click(IDC_WHOLE_WORD);
        d.PressCancel();
    });
    ASSERT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_STREQ("alpha", dialog.m_findText);
    EXPECT_EQ(0, dialog.m_wholeWord);
    EXPECT_EQ(2u, dialog.GetFindHistory().GetCount());
    EXPECT_EQ(0, driver.LeftOpenCount());
}

TEST(FindDialogTest, TokenGoesWhereTheUserLeftTheSelectionAndSwitchesToExpressions)
{
    CFindDlg dialog;
    dialog.m_findText = "ab";
    CString neverClicked, afterSelection;
    int regex = 0;
    bool enabled = false;
    DialogDriver driver{[&](DialogDriver& d) {
        PickToken(d, ID_TOKEN_NOT_IN_RANGE);
        neverClicked = d.GetText(IDC_FIND_TEXT);
        LeaveSelection(d, IDC_FIND_TEXT, 3, 5);
        PickToken(d, ID_TOKEN_DIGIT);
        afterSelection = d.GetText(IDC_FIND_TEXT);
        regex = d.GetCheck(IDC_REGULAR_EXPRESSION);
        enabled = d.IsEnabled(IDC_FIND_NEXT);
        d.PressCancel();
    }};
    dialog.DoModal();
    EXPECT_STREQ("[^]ab", neverClicked) << "a field never clicked takes the token at its start";
    EXPECT_STREQ("[^]\\d", afterSelection);
    EXPECT_EQ(BST_CHECKED, regex);
    EXPECT_TRUE(enabled);

    // The selection outlives the opening; with a shorter text it is clamped to the end.
    dialog.m_findText = "x";
    driver.Queue([&](DialogDriver& d) {
        PickToken(d, ID_TOKEN_ANY);
        afterSelection = d.GetText(IDC_FIND_TEXT);
        d.PressCancel();
    });
    dialog.DoModal();
    EXPECT_STREQ("x.", afterSelection);
}

TEST(FindDialogTest, TokenAfterChineseTextGoesWhereTheCaretWas)
{
    CFindDlg dialog;
    dialog.m_findText = "中文ab";
    CString text;
    DWORD caret = 0;
    DialogDriver driver{[&](DialogDriver& d) {
        // Behind "中文", counted as the field's edit control counts.
        const HWND edit = ::GetWindow(d.Item(IDC_FIND_TEXT), GW_CHILD);
        const bool characters = ::SendMessage(edit, EM_LINELENGTH, 0, 0) == 4;
        LeaveSelection(d, IDC_FIND_TEXT, characters ? 2 : 4, characters ? 2 : 4);
        PickToken(d, ID_TOKEN_GROUP);
        text = d.GetText(IDC_FIND_TEXT);
        const DWORD selection = (DWORD)::SendDlgItemMessage(d.Dialog(), IDC_FIND_TEXT, CB_GETEDITSEL, 0, 0);
        caret = characters ? LOWORD(selection) + 2 : LOWORD(selection);
        d.PressCancel();
    }};
    dialog.DoModal();
    EXPECT_STREQ("中文()ab", text);
    EXPECT_EQ(5u, caret) << "between the parentheses, in bytes";
}

TEST(FindDialogTest, TokenButtonShowsTheFindTokensMenu)
{
    CFindDlg dialog;
    CString text;
    DialogDriver driver{[&](DialogDriver& d) {
        PopupMenuDriver menu(::GetCurrentThreadId(), [](HWND popup) {
            ::PostMessage(popup, WM_KEYDOWN, VK_DOWN, 0);  // 制表符
            ::PostMessage(popup, WM_KEYDOWN, VK_DOWN, 0);  // 任意符号
            ::PostMessage(popup, WM_KEYDOWN, VK_RETURN, 0);
        });
        d.Click(IDC_FIND_TOKENS);
        PumpUntil([&] { return !d.GetText(IDC_FIND_TEXT).IsEmpty(); });
        text = d.GetText(IDC_FIND_TEXT);
        d.PressCancel();
    }};
    dialog.DoModal();
    EXPECT_STREQ(".", text);
}

TEST(ReplaceDialogTest, ScopeChoosesTheDefaultButtonAndWhatEnterDoes)
{
    CReplaceDlg dialog;
    dialog.m_findText = "a";
    dialog.m_scope = CReplaceDlg::kScopeSelection;
    int defaultWithSelection = 0, defaultWithout = 0;
    bool selectionChoosable = false;
    DialogDriver driver;
    driver.Queue([&](DialogDriver& d) {
        defaultWithSelection = d.DefaultButton();
        d.PostKey(IDC_FIND_TEXT, VK_RETURN);
        d.KeepOpen();
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(IDC_REPLACE_ALL, defaultWithSelection);
    EXPECT_EQ(1, dialog.m_replaceAll);
    EXPECT_EQ(CReplaceDlg::kScopeSelection, dialog.m_scope);

    dialog.m_scope = CReplaceDlg::kScopeFile;
    driver.Queue([&](DialogDriver& d) {
        defaultWithout = d.DefaultButton();
        selectionChoosable = d.IsEnabled(IDC_SCOPE_SELECTION);
        d.PostKey(IDC_FIND_TEXT, VK_RETURN);
        d.KeepOpen();
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(IDC_FIND_NEXT, defaultWithout);
    EXPECT_FALSE(selectionChoosable);
    EXPECT_EQ(0, dialog.m_replaceAll);
}

TEST(ReplaceDialogTest, HistoriesKeepThirtyOneAndNoEmptyReplacement)
{
    CReplaceDlg dialog;
    dialog.m_scope = CReplaceDlg::kScopeFile;
    DialogDriver driver;
    for (int n = 0; n < 32; ++n) {
        driver.Queue([n](DialogDriver& d) {
            CString find, replace;
            find.Format("f%d", n);
            replace.Format("r%d", n);
            Type(d, IDC_FIND_TEXT, find);
            d.SetText(IDC_REPLACE_TEXT, n == 31 ? "r3" : replace);
            d.Click(IDC_REPLACE_ALL);
        });
        dialog.m_findText.Empty();
        dialog.m_replaceText.Empty();
        ASSERT_EQ(IDOK, dialog.DoModal());
    }
    EXPECT_EQ(31u, dialog.GetFindHistory().GetCount());
    EXPECT_STREQ("f31", dialog.GetFindHistory().Latest());
    EXPECT_EQ(31u, dialog.GetReplaceHistory().GetCount());
    EXPECT_STREQ("r3", dialog.GetReplaceHistory().Latest());

    // An empty replacement still takes an equal entry out (none here) but is not added;
    // the replace field offers the latest entry when the caller leaves it empty.
    CString offered, tokenText;
    driver.Queue([&](DialogDriver& d) {
        offered = d.GetText(IDC_REPLACE_TEXT);
        d.SetText(IDC_REPLACE_TEXT, "x");
        PickToken(d, ID_TOKEN_GROUP_1);
        tokenText = d.GetText(IDC_REPLACE_TEXT);
        d.SetText(IDC_REPLACE_TEXT, "");
        d.Click(IDC_FIND_NEXT);
    });
    dialog.m_replaceText.Empty();
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("r3", offered);
    EXPECT_STREQ("\\1x", tokenText) << "the replacement field's own tokens";
    EXPECT_TRUE(dialog.m_replaceText.IsEmpty());
    EXPECT_STREQ("r3", dialog.GetReplaceHistory().Latest());
}

TEST(ReplaceConfirmDialogTest, EachAnswerGivesItsResultAndFlags)
{
    const struct {
        const char* answer;
        std::function<void(DialogDriver&)> act;
        int result, replaceAll, next, previous;
    } cases[] = {
        {"一次", [](DialogDriver& d) { d.Click(IDOK); }, IDOK, 0, 0, 0},
        {"Enter", [](DialogDriver& d) { d.PostKey(0, VK_RETURN); d.KeepOpen(); }, IDOK, 0, 0, 0},
        {"停止", [](DialogDriver& d) { d.Click(IDCANCEL); }, IDCANCEL, 0, 0, 0},
        {"Esc", [](DialogDriver& d) { d.PressCancel(); }, IDCANCEL, 0, 0, 0},
        {"是", [](DialogDriver& d) { d.Click(IDYES); }, IDOK, 0, 1, 0},
        {"否", [](DialogDriver& d) { d.Click(IDNO); }, IDCANCEL, 0, 1, 0},
        {"全部", [](DialogDriver& d) { d.Click(IDCLOSE); }, IDCANCEL, 1, 0, 0},
        {"F3", [](DialogDriver& d) { d.PostKey(IDOK, VK_F3); d.KeepOpen(); }, IDCANCEL, 0, 1, 0},
        {"Shift+F3",
         [](DialogDriver& d) {
             BYTE keys[256];
             ::GetKeyboardState(keys);
             keys[VK_SHIFT] = 0x80;
             ::SetKeyboardState(keys);
             d.PostKey(IDOK, VK_F3);
             d.KeepOpen();
         },
         IDCANCEL, 0, 0, 1},
    };
    for (const auto& c : cases) {
        CReplaceConfirmDlg dialog;
        dialog.m_x = 123;
        dialog.m_y = 77;
        RECT placed = {};
        DialogDriver driver{[&](DialogDriver& d) {
            ::GetWindowRect(d.Dialog(), &placed);
            c.act(d);
        }};
        EXPECT_EQ(c.result, dialog.DoModal()) << c.answer;
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
        EXPECT_EQ(c.replaceAll, dialog.m_replaceAllInFile) << c.answer;
        EXPECT_EQ(c.next, dialog.m_goToNext) << c.answer;
        EXPECT_EQ(c.previous, dialog.m_goToPrevious) << c.answer;
        EXPECT_EQ(123, placed.left) << c.answer;
        EXPECT_EQ(77, placed.top) << c.answer;
        EXPECT_EQ(0, driver.LeftOpenCount()) << c.answer;
    }
}
