#pragma once
#include "framework/CmdUI.h"
#include "framework/DialogBar.h"
#include "framework/DockBar.h"
#include "framework/FrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"
#include "framework/WinApp.h"

#include "BarsTestResources.h"

#include <gtest/gtest.h>

// A frame with the bars of an editor's main window, created in the editor's order: the
// status bar, the main tool bar (top only), docking on every side, a palette at the top,
// a second palette at the right and a dialog bar at the left; a plain client pane fills
// the rest.
class CBarsTestFrame : public CFrameWnd {
public:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CToolBar m_wndPalette;
    CToolBar m_wndSide;
    CDialogBar m_wndDialogBar;
    CWnd m_wndClient;
    int m_checked = 1;
    int m_handled = 0;
    int m_dialogButton = 0;
    int m_indicatorEnabled = 1;

    static CBarsTestFrame* Make()
    {
        auto* frame = new CBarsTestFrame;
        if (!frame->Create(nullptr, "控制条测试", WS_OVERLAPPEDWINDOW, CRect(20, 20, 660, 500), nullptr, nullptr,
                           nullptr))
            return nullptr;
        return frame;
    }

protected:
    int OnCreate(LPCREATESTRUCT createStruct)
    {
        if (CFrameWnd::OnCreate(createStruct) == -1)
            return -1;
        static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_LINE, ID_INDICATOR_WIDE};
        if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM) ||
            !m_wndStatusBar.SetIndicators(indicators, 3))
            return -1;
        if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                                   WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                       CBRS_SIZE_DYNAMIC) ||
            !m_wndToolBar.LoadToolBar(IDR_MAIN_BAR))
            return -1;
        m_wndToolBar.SetWindowText("工具条");
        EnableDocking(CBRS_ALIGN_ANY);
        m_wndToolBar.EnableDocking(CBRS_ALIGN_TOP);
        DockControlBar(&m_wndToolBar);
        if (!m_wndPalette.CreateEx(this, TBSTYLE_FLAT,
                                   WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                       CBRS_SIZE_DYNAMIC,
                                   CRect(1, 1, 1, 1), ID_BAR_PALETTE) ||
            !m_wndPalette.LoadToolBar(IDR_PALETTE_BAR))
            return -1;
        m_wndPalette.SetWindowText("变量工具条");
        m_wndPalette.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndPalette, AFX_IDW_DOCKBAR_TOP);
        if (!m_wndSide.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC,
                                CRect(1, 1, 1, 1), ID_BAR_SIDE) ||
            !m_wndSide.LoadToolBar(IDR_OTHER_BAR))
            return -1;
        m_wndSide.SetWindowText("数据类型工具条");
        m_wndSide.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndSide, AFX_IDW_DOCKBAR_RIGHT);
        if (!m_wndDialogBar.Create(this, IDD_TEST_DIALOGBAR, WS_CHILD | WS_VISIBLE | CBRS_LEFT, ID_BAR_DIALOG))
            return -1;
        m_wndDialogBar.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
        DockControlBar(&m_wndDialogBar, AFX_IDW_DOCKBAR_LEFT);
        if (!m_wndClient.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                                  AFX_IDW_PANE_FIRST))
            return -1;
        RecalcLayout();
        return 0;
    }

    void OnChecked() { m_checked = !m_checked; }
    void OnUpdateChecked(CCmdUI* ui) { ui->SetCheck(m_checked); }
    void OnHandled() { ++m_handled; }
    void OnDialogButton() { ++m_dialogButton; }
    void OnUpdateIndicator(CCmdUI* ui) { ui->Enable(m_indicatorEnabled); ui->SetText("行 7,  列 3"); }
    void OnPaletteA() {}

    DECLARE_MESSAGE_MAP()
};

// A running application (for its profile) and a fresh test frame.
class BarsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveTestKey();
        m_app.SetRegistryKey("墨语言控制条测试");
        m_frame = CBarsTestFrame::Make();
        ASSERT_NE(m_frame, nullptr);
    }
    void TearDown() override
    {
        if (m_frame != nullptr)
            m_frame->DestroyWindow();
        RemoveTestKey();
    }

    // What the application's idle time does for its main window.
    void IdleUpdate()
    {
        m_frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        m_frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
    }
    CRect WindowRectOf(CWnd& window) const
    {
        CRect rect;
        window.GetWindowRect(&rect);
        return rect;
    }
    CRect ClientOfFrame() const
    {
        CRect rect;
        m_frame->GetClientRect(&rect);
        m_frame->ClientToScreen(&rect);
        return rect;
    }
    CDockBar* DockBar(UINT id) const { return m_frame->GetDockBar(id); }

    static void RemoveTestKey();

    CWinApp m_app{"控制条测试"};
    CBarsTestFrame* m_frame = nullptr;
};
