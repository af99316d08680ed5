// Times what a frame with the editor's bar set does often: the idle update of every tool-bar
// button and status pane through the command route (after each burst of input), and laying
// the frame out (each resize, and each bar shown or hidden). A main tool bar and four
// palettes of 30 buttons each are docked, one more palette floats, and the status bar has
// eight panes.
// Run by hand: framework_bars_bench [rounds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"
#include "tests/support/bench_measures.h"

namespace {

constexpr int kBars = 6;
constexpr int kButtons = 30;
constexpr UINT kFirstCommand = 40000;

// Handles every other command, with an update handler for every third: a realistic mix of
// enabled, checked and disabled buttons.
class BenchFrame : public CFrameWnd {
public:
    std::vector<std::unique_ptr<CToolBar>> m_bars;
    CStatusBar m_status;

    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override
    {
        if (id >= kFirstCommand && id < kFirstCommand + kBars * kButtons) {
            UINT n = id - kFirstCommand;
            if (code == CN_UPDATE_COMMAND_UI && n % 3 == 0) {
                static_cast<CCmdUI*>(extra)->SetCheck(n % 2);
                return TRUE;
            }
            if (code == CN_COMMAND && n % 2 == 0)
                return TRUE;
        }
        return CFrameWnd::OnCmdMsg(id, code, extra, info);
    }
};

} // namespace

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    auto* frame = new BenchFrame;
    if (!frame->Create(nullptr, "bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1000, 700), nullptr, nullptr, nullptr))
        return 1;
    frame->m_status.Create(frame);
    UINT panes[8] = {ID_SEPARATOR, 50240, 50241, 50243, 50244, 59141, 50242, 59140};
    frame->m_status.SetIndicators(nullptr, 8);
    for (int i = 1; i < 8; ++i)
        frame->m_status.SetPaneInfo(i, panes[i], SBPS_NORMAL, 60);
    frame->EnableDocking(CBRS_ALIGN_ANY);
    for (int b = 0; b < kBars; ++b) {
        auto bar = std::make_unique<CToolBar>();
        bar->CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC,
                      CRect(1, 1, 1, 1), 47230 + b);
        std::vector<UINT> ids;
        for (int i = 0; i < kButtons; ++i)
            ids.push_back(kFirstCommand + b * kButtons + i);
        bar->SetButtons(ids.data(), kButtons);
        bar->EnableDocking(CBRS_ALIGN_ANY);
        frame->DockControlBar(bar.get(), b % 2 ? AFX_IDW_DOCKBAR_TOP : AFX_IDW_DOCKBAR_RIGHT);
        frame->m_bars.push_back(std::move(bar));
    }
    frame->FloatControlBar(frame->m_bars.back().get(), CPoint(1100, 100));

    CStopwatch idle;
    for (int r = 0; r < rounds; ++r) {
        frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
    }
    double idleSeconds = idle.Seconds();

    CStopwatch layout;
    for (int r = 0; r < rounds; ++r) {
        frame->SetWindowPos(nullptr, 0, 0, 900 + (r % 2) * 100, 700, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    double layoutSeconds = layout.Seconds();

    std::printf("bars: %d tool bars x %d buttons (1 floating), status bar of %d panes\n", kBars, kButtons,
                frame->m_status.GetCount());
    std::printf("idle update: %.3f ms each (%d rounds)\n", idleSeconds * 1000 / rounds, rounds);
    std::printf("resize and layout: %.3f ms each (%d rounds)\n", layoutSeconds * 1000 / rounds, rounds);
    frame->DestroyWindow();
    return 0;
}
