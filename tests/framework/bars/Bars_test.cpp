#include "BarsTestFrame.h"

#include "../windows/WindowTestSupport.h"
#include "registry_tree.h"

#include <ostream>

static std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

BEGIN_MESSAGE_MAP(CBarsTestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_CMD_CHECKED, OnChecked)
    ON_UPDATE_COMMAND_UI(ID_CMD_CHECKED, OnUpdateChecked)
    ON_COMMAND(ID_CMD_HANDLED, OnHandled)
    ON_COMMAND(ID_CMD_DIALOG_BUTTON, OnDialogButton)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_LINE, OnUpdateIndicator)
    ON_COMMAND(ID_CMD_PALETTE_A, OnPaletteA)
END_MESSAGE_MAP()

void BarsTest::RemoveTestKey()
{
    DeleteRegistryTree(HKEY_CURRENT_USER, "Software\\墨语言控制条测试");
}

namespace {

// Presses the left button at a client point of window, moves to another and lets go there,
// all posted, as the mouse would; the bar's drag loop reads them.
void PostDrag(CWnd& window, CPoint from, CPoint to)
{
    CPoint path[] = {from, CPoint((from.x + to.x) / 2, (from.y + to.y) / 2), to};
    window.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    window.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(path[1].x, path[1].y));
    window.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    window.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    PumpPending();
}

CPoint ToClient(CWnd& window, CPoint screen)
{
    window.ScreenToClient(&screen);
    return screen;
}

// The gripper of a horizontal bar, in its client coordinates (left of the client area).
CPoint Gripper(CControlBar& bar)
{
    CRect window;
    bar.GetWindowRect(&window);
    return ToClient(bar, CPoint(window.left + 4, window.top + window.Height() / 2));
}

TEST_F(BarsTest, LayoutPutsTopRowsAboveTheClientAndTheStatusBarOutermostAtTheBottom)
{
    CRect client = ClientOfFrame();
    CRect status = WindowRectOf(m_frame->m_wndStatusBar);
    CRect top = WindowRectOf(*DockBar(AFX_IDW_DOCKBAR_TOP));
    CRect left = WindowRectOf(*DockBar(AFX_IDW_DOCKBAR_LEFT));
    CRect right = WindowRectOf(*DockBar(AFX_IDW_DOCKBAR_RIGHT));
    CRect pane = WindowRectOf(m_frame->m_wndClient);
    CRect tool = WindowRectOf(m_frame->m_wndToolBar);
    CRect palette = WindowRectOf(m_frame->m_wndPalette);

    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(status.left, client.left);
    EXPECT_EQ(status.right, client.right);
    EXPECT_GT(status.Height(), 10);
    EXPECT_EQ(top.top, client.top);
    // Each DockControlBar without a place starts a new row: the palette sits below the tool bar.
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_TOP)->GetRowCount(), 2);
    EXPECT_EQ(tool.top, client.top);
    EXPECT_EQ(palette.top, tool.bottom);
    EXPECT_EQ(top.bottom, palette.bottom);
    // The side dock bars lie between the top rows and the status bar, the client in the middle.
    EXPECT_EQ(left.top, top.bottom);
    EXPECT_EQ(left.bottom, status.top);
    EXPECT_EQ(pane, CRect(left.right, top.bottom, right.left, status.top));
    EXPECT_EQ(WindowRectOf(m_frame->m_wndDialogBar).left, client.left);
    // The dialog bar has its template's width; the side tool bar stands as a column.
    EXPECT_GT(left.Width(), 40);
    CRect side = WindowRectOf(m_frame->m_wndSide);
    EXPECT_GT(side.Height(), side.Width());
    EXPECT_EQ(right.right, client.right);
}

TEST_F(BarsTest, HidingABarGivesItsRoomToTheClient)
{
    CRect before = WindowRectOf(m_frame->m_wndClient);
    int paletteRow = WindowRectOf(m_frame->m_wndPalette).Height();
    m_frame->ShowControlBar(&m_frame->m_wndPalette, FALSE, FALSE);
    CRect after = WindowRectOf(m_frame->m_wndClient);
    EXPECT_EQ(after.top, before.top - paletteRow);
    EXPECT_FALSE(m_frame->m_wndPalette.IsVisible());

    // Delayed: nothing moves until the frame's next idle time.
    m_frame->ShowControlBar(&m_frame->m_wndPalette, TRUE, TRUE);
    EXPECT_TRUE(m_frame->m_wndPalette.IsVisible());
    EXPECT_EQ(WindowRectOf(m_frame->m_wndClient), after);
    IdleUpdate();
    EXPECT_EQ(WindowRectOf(m_frame->m_wndClient), before);
    EXPECT_TRUE(m_frame->m_wndPalette.IsWindowVisible() || !m_frame->IsWindowVisible());
    EXPECT_TRUE(m_frame->m_wndPalette.GetStyle() & WS_VISIBLE);
}

TEST_F(BarsTest, FrameFindsAndListsItsBars)
{
    EXPECT_EQ(m_frame->GetControlBar(AFX_IDW_STATUS_BAR), &m_frame->m_wndStatusBar);
    EXPECT_EQ(m_frame->GetControlBar(AFX_IDW_TOOLBAR), &m_frame->m_wndToolBar);
    EXPECT_EQ(m_frame->GetControlBar(ID_BAR_PALETTE), &m_frame->m_wndPalette);
    EXPECT_EQ(m_frame->GetControlBar(12345), nullptr);
    // Five bars and four dock bars.
    EXPECT_EQ(m_frame->m_listControlBars.GetCount(), 9);
    m_frame->m_wndSide.DestroyWindow();
    EXPECT_EQ(m_frame->GetControlBar(ID_BAR_SIDE), nullptr);
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_RIGHT)->GetDockedCount(), 0);
}

// The menu's check state of a command, as the frame's update handlers give it; -1 when
// nobody set it.
int MenuCheck(CFrameWnd& frame, UINT id)
{
    struct Recorder : CCmdUI {
        void SetCheck(int check = 1) override { checked = check; }
        int checked = -1;
    } state;
    state.m_nID = id;
    state.DoUpdate(&frame, FALSE);
    return state.checked;
}

// 工具条 and 状态栏 of the view menu: the command with a bar's id hides the bar when it shows
// and shows it again; the item is checked while the bar shows. Exit closes the main window.
TEST_F(BarsTest, BarCommandsToggleTheirBarAndExitClosesTheMainWindow)
{
    for (UINT id : {AFX_IDW_TOOLBAR, AFX_IDW_STATUS_BAR}) {
        CControlBar* bar = m_frame->GetControlBar(id);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(MenuCheck(*m_frame, id), 1);
        m_frame->SendMessage(WM_COMMAND, id);
        EXPECT_FALSE(bar->IsVisible());
        EXPECT_EQ(MenuCheck(*m_frame, id), 0);
        m_frame->SendMessage(WM_COMMAND, id);
        EXPECT_TRUE(bar->IsVisible());
    }
    EXPECT_EQ(MenuCheck(*m_frame, AFX_IDW_CONTROLBAR_LAST), -1) << "no bar with that id";

    const HWND frame = m_frame->m_hWnd;
    m_app.m_pMainWnd = m_frame;
    EXPECT_TRUE(m_app.OnCmdMsg(ID_APP_EXIT, CN_COMMAND, nullptr, nullptr));
    m_frame = nullptr;  // gone with its window
    EXPECT_FALSE(::IsWindow(frame));
    MSG quit;
    EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the application ends with it";
}

TEST_F(BarsTest, IdleUpdateShowsHandledCommandsPressedOrEnabledAndTheRestDisabled)
{
    CToolBarCtrl& buttons = m_frame->m_wndToolBar.GetToolBarCtrl();
    IdleUpdate();
    EXPECT_TRUE(buttons.IsButtonChecked(ID_CMD_CHECKED));
    EXPECT_TRUE(buttons.IsButtonEnabled(ID_CMD_HANDLED));
    EXPECT_FALSE(buttons.IsButtonEnabled(ID_CMD_NOBODY));
    EXPECT_TRUE(m_frame->m_wndToolBar.GetButtonStyle(3) & TBBS_DISABLED);

    // A button click is a command to the frame.
    m_frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_CHECKED, BN_CLICKED),
                         reinterpret_cast<LPARAM>(m_frame->m_wndToolBar.m_hWnd));
    IdleUpdate();
    EXPECT_FALSE(buttons.IsButtonChecked(ID_CMD_CHECKED));

    // A floating bar lives in a top-level window of its own and is still updated.
    CToolBarCtrl& palette = m_frame->m_wndPalette.GetToolBarCtrl();
    m_frame->FloatControlBar(&m_frame->m_wndPalette, CPoint(700, 100));
    ASSERT_TRUE(m_frame->m_wndPalette.IsFloating());
    palette.EnableButton(ID_CMD_PALETTE_B, TRUE);
    IdleUpdate();
    EXPECT_TRUE(palette.IsButtonEnabled(ID_CMD_PALETTE_A));
    EXPECT_FALSE(palette.IsButtonEnabled(ID_CMD_PALETTE_B));
}

TEST_F(BarsTest, StatusPanesFollowTheirUpdateHandlers)
{
    CStatusBar& status = m_frame->m_wndStatusBar;
    IdleUpdate();
    EXPECT_EQ(status.GetPaneText(1), CString("行 7,  列 3"));
    EXPECT_FALSE(status.GetPaneStyle(1) & SBPS_DISABLED);
    char shown[64] = {};
    status.SendMessage(SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, "行 7,  列 3");

    // A disabled pane keeps its text but the control draws none.
    m_frame->m_indicatorEnabled = 0;
    IdleUpdate();
    EXPECT_TRUE(status.GetPaneStyle(1) & SBPS_DISABLED);
    EXPECT_EQ(status.GetPaneText(1), CString("行 7,  列 3"));
    status.SendMessage(SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, "");
    // A pane without a handler keeps its state.
    status.SetPaneText(2, "UTF-8, DOS");
    IdleUpdate();
    EXPECT_EQ(status.GetPaneText(2), CString("UTF-8, DOS"));
}

TEST_F(BarsTest, StatusPanesAreAsWideAsTheirIndicatorStrings)
{
    CStatusBar& status = m_frame->m_wndStatusBar;
    ASSERT_EQ(status.GetCount(), 3);
    EXPECT_EQ(status.CommandToIndex(ID_INDICATOR_WIDE), 2);
    EXPECT_EQ(status.CommandToIndex(42), -1);
    UINT id, style;
    int lineWidth, wideWidth, messageWidth;
    status.GetPaneInfo(0, id, style, messageWidth);
    EXPECT_TRUE(style & SBPS_STRETCH);
    status.GetPaneInfo(1, id, style, lineWidth);
    status.GetPaneInfo(2, id, style, wideWidth);
    EXPECT_EQ(id, ID_INDICATOR_WIDE);
    // A pane without an update handler shows its indicator's string.
    char shown[64] = {};
    status.SendMessage(SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, "Unicode, UNIX, 很宽的一格");
    EXPECT_GT(lineWidth, 40);
    EXPECT_GT(wideWidth, lineWidth);

    // The message pane takes what the others leave; the last pane ends at the bar's end.
    CRect message, line, wide, bar;
    status.GetItemRect(0, &message);
    status.GetItemRect(1, &line);
    status.GetItemRect(2, &wide);
    status.GetClientRect(&bar);
    EXPECT_GT(message.Width(), bar.Width() - lineWidth - wideWidth - 40);
    EXPECT_GE(line.left, message.right);
    EXPECT_GE(line.Width(), lineWidth);
    EXPECT_LE(wide.right, bar.right);
    EXPECT_GE(wide.right, bar.right - 8);

    static const UINT missing[] = {ID_SEPARATOR, ID_INDICATOR_MISSING};
    EXPECT_FALSE(status.SetIndicators(missing, 2));
    EXPECT_EQ(status.GetCount(), 3) << "a failed SetIndicators leaves the panes";
    // Without ids, panes are made to be set up one by one.
    ASSERT_TRUE(status.SetIndicators(nullptr, 2));
    status.SetPaneInfo(1, ID_INDICATOR_LINE, SBPS_NORMAL, 70);
    status.GetPaneInfo(1, id, style, lineWidth);
    EXPECT_EQ(id, static_cast<UINT>(ID_INDICATOR_LINE));
    EXPECT_EQ(lineWidth, 70);
    EXPECT_EQ(status.CommandToIndex(ID_SEPARATOR), 0);
}

// A status bar that paints one pane itself.
class COwnerDrawStatusBar : public CStatusBar {
public:
    std::vector<UINT> m_drawn;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override { m_drawn.push_back(drawItem->itemID); }
};

TEST_F(BarsTest, OwnerDrawnPanesArePaintedByTheBar)
{
    COwnerDrawStatusBar bar;
    ASSERT_TRUE(bar.Create(m_frame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, 0xE8F0));
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_LINE};
    ASSERT_TRUE(bar.SetIndicators(indicators, 2));
    bar.SetPaneStyle(1, SBPS_OWNERDRAW);
    m_frame->RecalcLayout();
    // Only a bar on the screen paints.
    m_frame->ShowWindow(SW_SHOWNA);
    bar.RedrawWindow();
    ASSERT_FALSE(bar.m_drawn.empty());
    EXPECT_EQ(bar.m_drawn.front(), 1u);
    bar.DestroyWindow();
}

TEST_F(BarsTest, TipsShowTheTextAfterTheNewlineAndTheMessagePaneThePromptBeforeIt)
{
    struct Case {
        UINT id;
        const char* tip;
    };
    const Case cases[] = {
        {ID_CMD_CHECKED, "选中"},
        {ID_CMD_PALETTE_A, "甲"},
        {ID_CMD_HANDLED, ""},  // a string without a tip part
        {ID_CMD_NOBODY, ""},   // no string at all
    };
    for (const Case& c : cases) {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = m_frame->m_wndToolBar.GetToolBarCtrl().GetToolTips();
        info.hdr.idFrom = c.id;
        info.hdr.code = TTN_NEEDTEXTA;
        m_frame->SendMessage(WM_NOTIFY, c.id, reinterpret_cast<LPARAM>(&info));
        ASSERT_NE(info.lpszText, nullptr);
        EXPECT_STREQ(info.lpszText, c.tip) << c.id;

        NMTTDISPINFOW wide = {};
        wide.hdr = info.hdr;
        wide.hdr.code = TTN_NEEDTEXTW;
        m_frame->SendMessage(WM_NOTIFY, c.id, reinterpret_cast<LPARAM>(&wide));
        char back[80] = {};
        ::WideCharToMultiByte(CP_ACP, 0, wide.lpszText, -1, back, sizeof back, nullptr, nullptr);
        EXPECT_STREQ(back, c.tip) << c.id;
    }
    // The bar's tip control asks the bar, which passes the question on to its frame.
    HWND tips = m_frame->m_wndToolBar.GetToolBarCtrl().GetToolTips();
    ASSERT_NE(tips, nullptr);
    NMTTDISPINFOA asked = {};
    asked.hdr.hwndFrom = tips;
    asked.hdr.idFrom = ID_CMD_CHECKED;
    asked.hdr.code = TTN_NEEDTEXTA;
    m_frame->m_wndToolBar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&asked));
    ASSERT_NE(asked.lpszText, nullptr);
    EXPECT_STREQ(asked.lpszText, "选中");

    // The button under the mouse shows its prompt; leaving the bar brings the idle text.
    CStatusBar& status = m_frame->m_wndStatusBar;
    m_frame->m_wndToolBar.GetToolBarCtrl().SetHotItem(0);
    EXPECT_EQ(status.GetPaneText(0), CString("切换选中状态"));
    NMTBHOTITEM leave = {};
    leave.hdr.hwndFrom = m_frame->m_wndToolBar.m_hWnd;
    leave.hdr.idFrom = AFX_IDW_TOOLBAR;
    leave.hdr.code = TBN_HOTITEMCHANGE;
    leave.idOld = ID_CMD_CHECKED;
    leave.dwFlags = HICF_LEAVING;
    m_frame->SendMessage(WM_NOTIFY, AFX_IDW_TOOLBAR, reinterpret_cast<LPARAM>(&leave));
    EXPECT_EQ(status.GetPaneText(0), CString("Ready"));
    // The message pane is the bar's window text.
    m_frame->SetMessageText("正在载入");
    CString text;
    status.GetWindowText(text);
    EXPECT_EQ(text, CString("正在载入"));
}

TEST_F(BarsTest, ReloadingAToolBarReplacesItsButtonsAndSizes)
{
    CToolBar& palette = m_frame->m_wndPalette;
    ASSERT_EQ(palette.GetCount(), 4);
    CRect before = WindowRectOf(palette);
    ASSERT_TRUE(palette.LoadToolBar(IDR_OTHER_BAR));
    m_frame->RecalcLayout();
    ASSERT_EQ(palette.GetCount(), 3);
    EXPECT_EQ(palette.GetItemID(0), static_cast<UINT>(ID_CMD_OTHER_A));
    EXPECT_EQ(palette.GetItemID(1), 0u);
    EXPECT_TRUE(palette.GetButtonStyle(1) & TBBS_SEPARATOR);
    EXPECT_EQ(palette.CommandToIndex(ID_CMD_OTHER_B), 2);
    EXPECT_EQ(palette.GetImageSizeSetting(), CSize(24, 22));
    EXPECT_EQ(palette.GetToolBarCtrl().GetButtonSize(), CSize(31, 29));
    CRect after = WindowRectOf(palette);
    EXPECT_GT(after.Height(), before.Height());

    // And back: the bar is as it was.
    ASSERT_TRUE(palette.LoadToolBar(IDR_PALETTE_BAR));
    m_frame->RecalcLayout();
    EXPECT_EQ(palette.GetCount(), 4);
    EXPECT_EQ(WindowRectOf(palette), before);
    // A resource that is not there changes nothing.
    EXPECT_FALSE(palette.LoadToolBar(999));
    EXPECT_EQ(palette.GetCount(), 4);

    // A floating bar's frame follows the new buttons.
    m_frame->FloatControlBar(&palette, CPoint(700, 300));
    CWnd* mini = palette.GetDockBar()->GetParent();
    CRect small;
    mini->GetClientRect(&small);
    ASSERT_TRUE(palette.LoadToolBar(IDR_OTHER_BAR));
    CRect large;
    mini->GetClientRect(&large);
    EXPECT_EQ(large.Size(), palette.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH));
    EXPECT_GT(large.Height(), small.Height());
}

TEST_F(BarsTest, DoubleClickFloatsABarAndDocksItBackWhereItWas)
{
    CToolBar& palette = m_frame->m_wndPalette;
    int row = -1;
    ASSERT_TRUE(DockBar(AFX_IDW_DOCKBAR_TOP)->FindBar(&palette, &row, nullptr));
    CPoint grip = Gripper(palette);
    palette.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(grip.x, grip.y));
    ASSERT_TRUE(palette.IsFloating());
    CWnd* floating = palette.GetDockBar()->GetParent();
    ASSERT_NE(floating, nullptr);
    EXPECT_FALSE(floating->GetStyle() & WS_CHILD);
    CString caption;
    floating->GetWindowText(caption);
    EXPECT_EQ(caption, CString("变量工具条"));
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_TOP)->GetRowCount(), 1);
    // The floating frame fits the bar: one row of four buttons.
    CRect client;
    floating->GetClientRect(&client);
    CSize size = palette.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
    EXPECT_EQ(client.Size(), size);

    // Its close box hides the bar, which comes back in its frame.
    floating->SendMessage(WM_CLOSE);
    EXPECT_FALSE(palette.IsVisible());
    EXPECT_FALSE(floating->IsWindowVisible());
    m_frame->ShowControlBar(&palette, TRUE, FALSE);
    EXPECT_TRUE(floating->IsWindowVisible());
    EXPECT_TRUE(palette.IsFloating());

    HWND floatingWindow = floating->m_hWnd;
    floating->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_FALSE(palette.IsFloating());
    EXPECT_TRUE(DockBar(AFX_IDW_DOCKBAR_TOP)->FindBar(&palette, nullptr, nullptr));
    EXPECT_FALSE(::IsWindow(floatingWindow)) << "the empty floating frame goes";
}

TEST_F(BarsTest, DraggingTheGripperFloatsABarAndDraggingItsCaptionDocksItAtAnotherSide)
{
    CToolBar& palette = m_frame->m_wndPalette;
    CRect frame = WindowRectOf(*m_frame);
    CPoint away(frame.right + 150, frame.top + 120);
    PostDrag(palette, Gripper(palette), ToClient(palette, away));
    ASSERT_TRUE(palette.IsFloating());
    CRect floating = WindowRectOf(*palette.GetDockBar()->GetParent());
    EXPECT_NEAR(floating.left, away.x - 4, 12);

    // A short press is a click, not a drag.
    CWnd* mini = palette.GetDockBar()->GetParent();
    PostDrag(palette, CPoint(5, 5), CPoint(6, 6));
    EXPECT_TRUE(palette.IsFloating());

    // Dragged by its caption (the drag runs in the bar) to the frame's left edge.
    CRect client = ClientOfFrame();
    CPoint leftEdge(client.left + 3, client.top + client.Height() / 2);
    mini->PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(floating.left + 10, floating.top + 5));
    CPoint inBar = ToClient(palette, leftEdge);
    palette.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(inBar.x, inBar.y));
    palette.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(inBar.x, inBar.y));
    PumpPending();
    EXPECT_FALSE(palette.IsFloating());
    EXPECT_EQ(palette.GetDockBar(), DockBar(AFX_IDW_DOCKBAR_LEFT));
    // Docked at a side, the buttons stand in a column.
    CRect rect = WindowRectOf(palette);
    EXPECT_GT(rect.Height(), rect.Width());

    // The main tool bar docks only at the top: dropped at the left edge it floats.
    CToolBar& tool = m_frame->m_wndToolBar;
    PostDrag(tool, Gripper(tool), ToClient(tool, CPoint(client.left + 3, client.bottom - 80)));
    EXPECT_TRUE(tool.IsFloating());
}

TEST_F(BarsTest, DockingAtARectangleJoinsTheRowItOverlaps)
{
    CToolBar& palette = m_frame->m_wndPalette;
    CRect tool = WindowRectOf(m_frame->m_wndToolBar);
    CRect place(tool.right + 20, tool.top + 2, tool.right + 120, tool.bottom - 2);
    m_frame->DockControlBar(&palette, AFX_IDW_DOCKBAR_TOP, &place);
    int row = -1, pos = -1;
    ASSERT_TRUE(DockBar(AFX_IDW_DOCKBAR_TOP)->FindBar(&palette, &row, &pos));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_TOP)->GetRowCount(), 1);
    EXPECT_EQ(WindowRectOf(palette).left, place.left);
    EXPECT_EQ(WindowRectOf(palette).top, tool.top);
}

TEST_F(BarsTest, SizingAFloatingDynamicBarWrapsItsButtons)
{
    CToolBar& palette = m_frame->m_wndPalette;
    m_frame->FloatControlBar(&palette, CPoint(700, 300));
    CWnd* mini = palette.GetDockBar()->GetParent();
    CRect oneRow = WindowRectOf(*mini);
    CRect buttonRect;
    palette.GetItemRect(0, &buttonRect);
    // Dragging the right edge in to about two buttons' width.
    CRect sizing = oneRow;
    sizing.right = sizing.left + (oneRow.Width() - 3 * buttonRect.Width()) + 5;
    mini->SendMessage(WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&sizing));
    EXPECT_LT(sizing.Width(), oneRow.Width());
    EXPECT_GT(sizing.Height(), oneRow.Height() + buttonRect.Height() / 2);
    mini->MoveWindow(&sizing);
    CRect bar = WindowRectOf(palette);
    EXPECT_LT(bar.Width(), 3 * buttonRect.Width());
    // The width stays the bar's choice when it floats again later.
    CSize remembered = palette.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
    EXPECT_EQ(remembered, bar.Size());
}

TEST_F(BarsTest, BarStateComesBackInANewFrame)
{
    CRect client = ClientOfFrame();
    m_frame->ShowControlBar(&m_frame->m_wndPalette, FALSE, FALSE);
    m_frame->FloatControlBar(&m_frame->m_wndToolBar, CPoint(client.right + 40, client.top + 60));
    m_frame->DockControlBar(&m_frame->m_wndSide, AFX_IDW_DOCKBAR_LEFT);
    m_frame->SaveBarState("编辑器状态栏状态");
    m_frame->DestroyWindow();
    m_frame = CBarsTestFrame::Make();
    ASSERT_NE(m_frame, nullptr);
    ASSERT_TRUE(m_frame->m_wndPalette.IsVisible());

    m_frame->LoadBarState("编辑器状态栏状态");
    EXPECT_FALSE(m_frame->m_wndPalette.IsVisible());
    EXPECT_FALSE(m_frame->m_wndPalette.GetStyle() & WS_VISIBLE);
    ASSERT_TRUE(m_frame->m_wndToolBar.IsFloating());
    EXPECT_EQ(WindowRectOf(*m_frame->m_wndToolBar.GetDockBar()->GetParent()).TopLeft(),
              CPoint(client.right + 40, client.top + 60));
    EXPECT_EQ(m_frame->m_wndSide.GetDockBar(), DockBar(AFX_IDW_DOCKBAR_LEFT));
    // Both left bars keep their rows: the dialog bar first, then the side palette.
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_LEFT)->GetRowBars(0).front(), &m_frame->m_wndDialogBar);
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_LEFT)->GetRowBars(1).front(), &m_frame->m_wndSide);
    EXPECT_TRUE(m_frame->m_wndStatusBar.IsVisible());
}

TEST_F(BarsTest, ABadSavedStateIsIgnoredAsAWhole)
{
    struct Case {
        const char* name;
        const char* section;
        const char* entry;
        int value;
    };
    const Case cases[] = {
        {"a bar that no longer exists", "坏状态-Bar1", "BarID", 47999},
        {"a visibility out of range", "坏状态-Bar1", "Visible", 7},
        {"a side that is no dock bar", "坏状态-Bar4", "DockBarID", 1234},
        {"a side the bar may not dock at", "坏状态-Bar4", "DockBarID", AFX_IDW_DOCKBAR_TOP},
        {"a negative row", "坏状态-Bar4", "Row", -2},
        {"too many bars", "坏状态-Summary", "Bars", 100000},
    };
    for (const Case& c : cases) {
        // The state hides the palette and floats the side bar, but holds one bad value.
        m_frame->ShowControlBar(&m_frame->m_wndPalette, FALSE, FALSE);
        m_frame->FloatControlBar(&m_frame->m_wndSide, CPoint(700, 200));
        m_frame->SaveBarState("坏状态");
        m_frame->DestroyWindow();
        m_frame = CBarsTestFrame::Make();
        ASSERT_NE(m_frame, nullptr);
        m_app.WriteProfileInt(c.section, c.entry, c.value);

        m_frame->LoadBarState("坏状态");
        EXPECT_TRUE(m_frame->m_wndPalette.IsVisible()) << c.name;
        EXPECT_FALSE(m_frame->m_wndSide.IsFloating()) << c.name;
        EXPECT_EQ(m_frame->m_wndSide.GetDockBar(), DockBar(AFX_IDW_DOCKBAR_RIGHT)) << c.name;
    }
    // No state at all changes nothing either.
    m_frame->LoadBarState("从未保存");
    EXPECT_TRUE(m_frame->m_wndPalette.IsVisible());
}

TEST_F(BarsTest, DialogBarCommandsReachTheOwnerFrame)
{
    CWnd* button = m_frame->m_wndDialogBar.GetDlgItem(ID_CMD_DIALOG_BUTTON);
    ASSERT_NE(button, nullptr);
    m_frame->m_wndDialogBar.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_DIALOG_BUTTON, BN_CLICKED),
                                        reinterpret_cast<LPARAM>(button->m_hWnd));
    EXPECT_EQ(m_frame->m_dialogButton, 1);
    IdleUpdate();
    EXPECT_TRUE(button->IsWindowEnabled());
}

} // namespace
