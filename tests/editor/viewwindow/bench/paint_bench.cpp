// The editor pane's speed on a large generated Moyu file, in a real window: a full paint at
// the top and at the bottom (their ratio should be about 1: painting touches only visible
// lines), a page scroll, and a typed character from WM_CHAR until its line is painted, with
// the document shown in two panes, wrap off and on. Run by hand under Wine with a display:
//   scripts/wine-run build/tests/editor/viewwindow/view_window_paint_bench.exe [lines]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench_measures.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/WrenDoc.h"
#include "editor/settings/EditorSettings.h"
#include "editor/viewwindow/WrenView.h"
#include "framework/AppEnvironment.h"
#include "framework/SplitterWnd.h"
#include "framework/WinApp.h"
#include "staged_program_folder.h"
#include "temp_dir.h"

namespace {

const char* const kLines[] = {
    "    \xD5\xFB\xCA\xFD total = total + value * 12;  // \xC0\xDB\xBC\xD3 running sum",
    "    if (count > 0) { print(\"\xBD\xE1\xB9\xFB %d\", count); }",
    "",
    "\tthe quick brown fox jumps over the lazy dog and the cat sleeps on the mat",
};

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

// Median milliseconds of runs calls.
template <class Step> double MedianMs(int runs, Step step)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        CStopwatch watch;
        step();
        times.push_back(watch.Seconds() * 1000);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void FullPaint(CWrenView* view)
{
    view->Invalidate(FALSE);
    view->UpdateWindow();
}

} // namespace

int main(int argc, char** argv)
{
    const int lineCount = argc > 1 ? std::atoi(argv[1]) : 600000;
    ScopedProgramFolder folder(StagedProgramFolder().c_str());
    TempDir dir;
    std::string text;
    for (int n = 0; n < lineCount; ++n)
        text.append(kLines[n % 4]).append("\r\n");
    const std::string path = dir.WriteFile("bench.墨", text);

    for (bool wrap : {false, true}) {
        CWrenDoc doc;
        doc.m_bAutoDelete = FALSE;
        CStopwatch open;
        if (!doc.OnOpenDocument(path.c_str()))
            return 1;
        doc.SetPathName(path.c_str(), FALSE);
        TheEditorSettings().view.wrapOnOpen = wrap ? 1 : 0;
        const double openSeconds = open.Seconds();

        CWnd frame;
        frame.CreateEx(0, nullptr, "paint bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, wrap ? 420 : 900, 900, nullptr,
                       nullptr);
        CRect client;
        frame.GetClientRect(&client);
        auto splitter = std::make_unique<CSplitterWnd>();
        splitter->CreateStatic(&frame, 2, 1);
        CCreateContext context;
        context.m_pCurrentDoc = &doc;
        context.m_pNewViewClass = RUNTIME_CLASS(CWrenView);
        for (int r = 0; r < 2; ++r)
            splitter->CreateView(r, 0, RUNTIME_CLASS(CWrenView), CSize(client.Width(), client.Height() / 2), &context);
        splitter->MoveWindow(&client);
        CStopwatch layout;
        for (int r = 0; r < 2; ++r)
            static_cast<CWrenView*>(splitter->GetPane(r, 0))->OnInitialUpdate();
        const double layoutSeconds = layout.Seconds();
        auto* view = static_cast<CWrenView*>(splitter->GetPane(0, 0));
        CViewEngine& engine = *view->GetEngine();
        view->SetFocus();
        Pump();

        const double top = MedianMs(20, [&] { FullPaint(view); });
        engine.SetCaretToDocPosition(0, lineCount - 1);
        engine.EnsureCaretVisible();
        FullPaint(view);
        const double bottom = MedianMs(20, [&] { FullPaint(view); });
        engine.SetCaretToDocPosition(0, lineCount / 2);
        engine.ScrollCaretToTop();
        const double page = MedianMs(20, [&] { view->SendMessage(WM_VSCROLL, SB_PAGEDOWN); });
        engine.SetCaretToDocPosition(4, lineCount / 2 + 3);
        engine.EnsureCaretVisible();
        FullPaint(view);
        const double typed = MedianMs(50, [&] {
            view->PostMessage(WM_CHAR, 'x');
            Pump();
        });
        std::printf("wrap %-3s %d lines, %d display lines: open %.2f s, layout of two panes %.2f s; "
                    "full paint at line 1 %.2f ms, at line %d %.2f ms (ratio %.2f); page scroll %.2f ms; "
                    "typed character painted %.2f ms\n",
                    wrap ? "on" : "off", lineCount, engine.GetDisplayLineCount(), openSeconds, layoutSeconds, top,
                    lineCount, bottom, bottom / top, page, typed);
        frame.DestroyWindow();
    }
    return 0;
}
