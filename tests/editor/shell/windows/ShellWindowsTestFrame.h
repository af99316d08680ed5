#pragma once
#include "editor/shell/DockingPaneBar.h"
#include "editor/shell/OutputBar.h"
#include "editor/shell/WorkspaceBar.h"
#include "framework/DockBar.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

constexpr UINT kPaneBarId = 0xE901;
constexpr UINT kOutputBarId = 0xE902;
constexpr UINT kWorkspaceBarId = 0xE903;

// Records what the output window asks of the application.
class RecordingOutputHost : public OutputBarHost {
public:
    CString activeDocument;
    std::vector<std::pair<CString, int>> opened;
    std::vector<CString> conversions;
    std::vector<CString> childInput;
    int positionsPushed = 0;
    int kills = 0;

    CString ActiveDocumentPath() override { return activeDocument; }
    void PushActivePosition() override { ++positionsPushed; }
    void PostOpenFile(const CString& file, int line) override { opened.emplace_back(file, line); }
    void OpenConversionOutput(const CString& file) override { conversions.push_back(file); }
    void QueueChildInput(const CString& line) override { childInput.push_back(line); }
    void KillChildProcess() override { ++kills; }
};

// A frame holding a plain docking pane bar at the left, the workspace bar at the right, the
// output window at the bottom, and a plain client pane.
class CShellTestFrame : public CFrameWnd {
public:
    CDockingPaneBar m_wndPane;
    COutputBar m_wndOutput;
    CWorkspaceBar m_wndWorkspace;
    RecordingOutputHost m_outputHost;
    CWnd m_wndClient;
    // The workspace bar's commands that reached the frame.
    std::vector<UINT> m_commands;

    static CShellTestFrame* Make()
    {
        auto* frame = new CShellTestFrame;
        if (!frame->Create(nullptr, "外壳窗口测试", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(10, 10, 650, 490),
                           nullptr, nullptr, nullptr))
            return nullptr;
        return frame;
    }

protected:
    int OnCreate(LPCREATESTRUCT createStruct);
    void OnBarCommand(UINT id) { m_commands.push_back(id); }

    DECLARE_MESSAGE_MAP()
};

// The labels below a tree item, each with "+" when it is expanded.
inline std::string Outline(CTreeCtrl& tree, HTREEITEM item)
{
    std::string text;
    for (; item != nullptr; item = tree.GetNextSiblingItem(item)) {
        text += static_cast<LPCTSTR>(tree.GetItemText(item));
        if (tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED)
            text += "+";
        HTREEITEM child = tree.GetChildItem(item);
        if (child != nullptr)
            text += "(" + Outline(tree, child) + ")";
        if (tree.GetNextSiblingItem(item) != nullptr)
            text += " ";
    }
    return text;
}

// A running application and a fresh test frame.
class ShellWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_frame = CShellTestFrame::Make();
        ASSERT_NE(m_frame, nullptr);
        PumpPending();
    }
    void TearDown() override
    {
        if (m_frame != nullptr)
            m_frame->DestroyWindow();
        PumpPending();
    }
    CRect WindowRectOf(CWnd& window) const
    {
        CRect rect;
        window.GetWindowRect(&rect);
        return rect;
    }

    CWinApp m_app{"外壳窗口测试"};
    CShellTestFrame* m_frame = nullptr;
};
