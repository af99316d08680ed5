#include "editor/dialogs/AboutDlg.h"
#include "editor/dialogs/ShellIntegration.h"
#include "editor/res/resource.h"
#include "framework/AppEnvironment.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_opened;
INT_PTR g_openResult = 33;

INT_PTR RecordOpen(const char* target, int)
{
    g_opened.push_back(target);
    return g_openResult;
}

// Sends links their target through RecordOpen for a scope.
struct ScopedOpener {
    ScopedOpener() : previous(SetLinkOpener(&RecordOpen)) { g_opened.clear(); g_openResult = 33; }
    ~ScopedOpener() { SetLinkOpener(previous); }
    LinkOpener previous;
};

} // namespace

TEST(AboutBoxTest, ShowsVersionCreditsFolderAndTheLinksTargets)
{
    ScopedProgramFolder folders("C:\\墨语言\\bin");
    CAboutDlg dialog;
    dialog.m_versionText = "墨语言编辑器 2.0";
    CString version, credits, sponsorText, feedbackTip;
    DWORD feedbackStyle = 0;
    RECT cell = {126, 146, 126 + 37, 146 + 8}, link = {};
    SIZE text = {};
    DialogDriver driver{[&](DialogDriver& d) {
        // The centred link shrinks to its text about the centre of its template cell.
        dialog.MapDialogRect(&cell);
        ::GetWindowRect(d.Item(IDC_FEEDBACK_LINK), &link);
        ::MapWindowPoints(nullptr, d.Dialog(), (POINT*)&link, 2);
        HDC dc = ::GetDC(d.Item(IDC_FEEDBACK_LINK));
        HGDIOBJ old = ::SelectObject(dc, (HFONT)::SendMessage(d.Item(IDC_FEEDBACK_LINK), WM_GETFONT, 0, 0));
        ::GetTextExtentPoint32(dc, "反馈", 4, &text);
        ::SelectObject(dc, old);
        ::ReleaseDC(d.Item(IDC_FEEDBACK_LINK), dc);
        version = d.GetText(IDC_ABOUT_VERSION);
        credits = d.GetText(IDC_ABOUT_CREDITS);
        sponsorText = d.GetText(IDC_SPONSOR_LINK);
        feedbackTip = dialog.m_feedbackLink.GetToolTip().GetText(&dialog.m_feedbackLink, 1);
        feedbackStyle = dialog.m_feedbackLink.GetLinkStyle();
        d.PressOK();
    }};
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("墨语言编辑器 2.0", version);
    EXPECT_NE(-1, credits.Find("\r\n\r\n安装目录:  C:\\墨语言"));
    EXPECT_STREQ("赞助", sponsorText);
    EXPECT_STREQ(dialog.m_feedbackLink.GetTarget(), feedbackTip);
    EXPECT_EQ(0, dialog.m_feedbackLink.GetTarget().Find("mailto:"));
    EXPECT_STREQ("C:\\墨语言\\帮助\\赞助.html", dialog.m_sponsorLink.GetTarget());
    EXPECT_EQ(DWORD(LinkUnderline | LinkAutoSize | LinkFocusOnClick | LinkHoverColour), feedbackStyle);
    EXPECT_EQ(text.cx, link.right - link.left);
    EXPECT_EQ(text.cy, link.bottom - link.top);
    EXPECT_NEAR((cell.left + cell.right) / 2, (link.left + link.right) / 2, 1);
}

TEST(AboutBoxTest, LinkShowsOurHandCursorChangesColourAndOpensOnSpaceOrClick)
{
    ScopedOpener opener;
    CAboutDlg dialog;
    HCURSOR shown = nullptr;
    LRESULT cursorHandled = 0;
    std::vector<COLORREF> colours;
    bool openedByEnter = true;
    DialogDriver driver{[&](DialogDriver& d) {
        CHyperLink& link = dialog.m_sponsorLink;
        HWND window = link.GetSafeHwnd();
        cursorHandled = ::SendMessage(window, WM_SETCURSOR, (WPARAM)window, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        shown = ::GetCursor();
        colours.push_back(link.GetTextColour());  // plain link
        link.SetFocus();
        colours.push_back(link.GetTextColour());  // focused
        ::SendMessage(window, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
        colours.push_back(link.GetTextColour());  // hovering
        ::SendMessage(window, WM_MOUSEMOVE, 0, MAKELPARAM(-5, -5));
        colours.push_back(link.GetTextColour());  // left again: focused
        ::SendMessage(window, WM_KEYDOWN, VK_RETURN, 0);
        openedByEnter = !g_opened.empty();
        ::SendMessage(window, WM_KEYDOWN, VK_SPACE, 0);
        d.Focus(IDOK);
        colours.push_back(link.GetTextColour());  // visited, focus gone
        ::SendMessage(dialog.m_feedbackLink.GetSafeHwnd(), WM_LBUTTONDOWN, 0, MAKELPARAM(1, 1));
        ::SendMessage(dialog.m_feedbackLink.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
        d.PressOK();
    }};
    dialog.DoModal();
    ASSERT_NE(nullptr, CHyperLink::GetHandCursor()) << "the hand is our own cursor resource";
    EXPECT_TRUE(cursorHandled);
    EXPECT_EQ(CHyperLink::GetHandCursor(), shown);
    const std::vector<COLORREF> expected = {CHyperLink::kLinkColour, CHyperLink::kFocusColour,
                                            CHyperLink::kHoverColour, CHyperLink::kFocusColour,
                                            CHyperLink::kVisitedColour};
    EXPECT_EQ(expected, colours);
    EXPECT_FALSE(openedByEnter);
    ASSERT_EQ(2u, g_opened.size());
    EXPECT_EQ(std::string(dialog.m_sponsorLink.GetTarget()), g_opened[0]);
    EXPECT_EQ(std::string(dialog.m_feedbackLink.GetTarget()), g_opened[1]);
}

TEST(AboutBoxTest, LinkThatCannotOpenBeepsAndSaysWhy)
{
    ScopedOpener opener;
    ScopedMessageBoxHook boxes;
    g_openResult = SE_ERR_NOASSOC;
    CAboutDlg dialog;
    bool visited = true;
    DialogDriver driver{[&](DialogDriver& d) {
        ::SendMessage(dialog.m_sponsorLink.GetSafeHwnd(), WM_KEYDOWN, VK_SPACE, 0);
        visited = dialog.m_sponsorLink.IsVisited();
        d.PressOK();
    }};
    dialog.DoModal();
    EXPECT_FALSE(visited);
    ASSERT_EQ(1, boxes.Count());
    EXPECT_STREQ("Can't open link:\n\nThere is no application associated\nwith the given filename extension.",
                 boxes.Last().text);
    EXPECT_EQ(UINT(MB_ICONEXCLAMATION), boxes.Last().type & MB_ICONMASK);
    EXPECT_STREQ("Can't open link:\n\nUnknown Error (77) occurred.", LinkErrorText(77));
}

TEST(AboutBoxTest, LinkWithoutTextShowsItsTarget)
{
    CAboutDlg dialog;
    CString text;
    DialogDriver driver{[&](DialogDriver& d) {
        HWND bare = ::CreateWindow("STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, 5, 5, 40, 12,
                                   d.Dialog(), nullptr, nullptr, nullptr);
        ::SendMessage(bare, WM_SETFONT, ::SendMessage(d.Dialog(), WM_GETFONT, 0, 0), FALSE);
        CHyperLink link;
        link.SetTarget("https://example.org/墨");
        link.SubclassWindow(bare);
        text = CString();
        link.GetWindowText(text);
        link.UnsubclassWindow();
        ::DestroyWindow(bare);
        d.PressOK();
    }};
    dialog.DoModal();
    EXPECT_STREQ("https://example.org/墨", text);
}

TEST(AboutBoxTest, MenuEntryButtonsSwitchTheEntryAndSaySo)
{
    ScopedMessageBoxHook boxes;
    const ShellNames running = ShellNames::Running();
    CAboutDlg dialog;
    bool presentAfterAdd = false, presentAfterRemove = true;
    DialogDriver driver{[&](DialogDriver& d) {
        d.Click(IDC_ABOUT_ADD_MENU_ENTRY);
        d.Click(IDC_ABOUT_ADD_MENU_ENTRY);  // present already: still a success
        presentAfterAdd = IsExplorerMenuEntryPresent(running);
        d.Click(IDC_ABOUT_REMOVE_MENU_ENTRY);
        presentAfterRemove = IsExplorerMenuEntryPresent(running);
        d.PressOK();
    }};
    dialog.DoModal();
    EXPECT_TRUE(presentAfterAdd);
    EXPECT_FALSE(presentAfterRemove);
    const auto shown = boxes.Boxes();
    ASSERT_EQ(3u, shown.size());
    EXPECT_STREQ("右键关联成功，可右键打开文件了！", shown[0].text);
    EXPECT_STREQ("右键关联成功，可右键打开文件了！", shown[1].text);
    EXPECT_STREQ("已取消右键关联！", shown[2].text);
}
