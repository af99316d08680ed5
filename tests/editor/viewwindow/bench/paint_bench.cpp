// The editor pane's speed on a large generated Moyu file, in a real window: a full paint at
// the top and at the bottom (their ratio should be about 1: painting touches only visible
// lines), a page scroll, and a typed character from WM_CHAR until its line is painted, with
// the document shown in two panes, wrap off and on. Then a typed character until painted in
// a document of a hundredth of the lines and in the large one, timed in turns so that both
// see the same machine load: a keystroke must not cost more in the larger document. Run by
// hand under Wine with a display:
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

// Milliseconds from a typed character's WM_CHAR until its line is painted.
double TypedMs(CWrenView* view)
{
    CStopwatch watch;
    view->PostMessage(WM_CHAR, 'x');
    Pump();
    return watch.Seconds() * 1000;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A generated file of some lines opened as a document and shown in a frame split into two
// panes, as the IDE shows a split document.
class CBenchWindow {
public:
    CBenchWindow(const std::string& path, bool wrap)
    {
        m_doc.m_bAutoDelete = FALSE;
        CStopwatch open;
        if (!m_doc.OnOpenDocument(path.c_str()))
            return;
        m_doc.SetPathName(path.c_str(), FALSE);
        TheEditorSettings().view.wrapOnOpen = wrap ? 1 : 0;
        openSeconds = open.Seconds();
        m_frame.CreateEx(0, nullptr, "paint bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, wrap ? 420 : 900, 900,
                         nullptr, nullptr);
        CRect client;
        m_frame.GetClientRect(&client);
        m_splitter = std::make_unique<CSplitterWnd>();
        m_splitter->CreateStatic(&m_frame, 2, 1);
        CCreateContext context;
        context.m_pCurrentDoc = &m_doc;
        context.m_pNewViewClass = RUNTIME_CLASS(CWrenView);
        for (int r = 0; r < 2; ++r)
            m_splitter->CreateView(r, 0, RUNTIME_CLASS(CWrenView), CSize(client.Width(), client.Height() / 2),
                                   &context);
        m_splitter->MoveWindow(&client);
        CStopwatch layout;
        for (int r = 0; r < 2; ++r)
            static_cast<CWrenView*>(m_splitter->GetPane(r, 0))->OnInitialUpdate();
        layoutSeconds = layout.Seconds();
        View()->SetFocus();
        Pump();
        opened = true;
    }
    ~CBenchWindow()
    {
        if (m_frame.GetSafeHwnd() != nullptr)
            m_frame.DestroyWindow();
    }
    CBenchWindow(const CBenchWindow&) = delete;
    CBenchWindow& operator=(const CBenchWindow&) = delete;

    CWrenView* View() const { return static_cast<CWrenView*>(m_splitter->GetPane(0, 0)); }
    CViewEngine& Engine() const { return *View()->GetEngine(); }
    int LineCount() const { return m_doc.GetText().GetLineCount(); }
    // Puts the caret into the middle of a line a little below the middle of the document,
    // shown and painted.
    void CaretToMiddle() const
    {
        Engine().SetCaretToDocPosition(4, LineCount() / 2 + 3);
        Engine().EnsureCaretVisible();
        FullPaint(View());
    }

    bool opened = false;
    double openSeconds = 0;
    double layoutSeconds = 0;

private:
    CWrenDoc m_doc;
    CWnd m_frame;
    std::unique_ptr<CSplitterWnd> m_splitter;
};

std::string WriteGeneratedFile(TempDir& dir, const char* name, int lineCount)
{
    std::string text;
    for (int n = 0; n < lineCount; ++n)
        text.append(kLines[n % 4]).append("\r\n");
    return dir.WriteFile(name, text);
}

} // namespace

int main(int argc, char** argv)
{
    const int lineCount = argc > 1 ? std::atoi(argv[1]) : 600000;
    const int smallCount = std::max(4, lineCount / 100);
    ScopedProgramFolder folder(StagedProgramFolder().c_str());
    TempDir dir;
    const std::string path = WriteGeneratedFile(dir, "bench.墨", lineCount);
    const std::string smallPath = WriteGeneratedFile(dir, "small.墨", smallCount);

    for (bool wrap : {false, true}) {
        CBenchWindow window(path, wrap);
        if (!window.opened)
            return 1;
        CWrenView* view = window.View();
        CViewEngine& engine = window.Engine();
        const double top = MedianMs(20, [&] { FullPaint(view); });
        engine.SetCaretToDocPosition(0, lineCount - 1);
        engine.EnsureCaretVisible();
        FullPaint(view);
        const double bottom = MedianMs(20, [&] { FullPaint(view); });
        engine.SetCaretToDocPosition(0, lineCount / 2);
        engine.ScrollCaretToTop();
        const double page = MedianMs(20, [&] { view->SendMessage(WM_VSCROLL, SB_PAGEDOWN); });
        window.CaretToMiddle();
        const double typed = MedianMs(50, [&] { TypedMs(view); });
        std::printf("wrap %-3s %d lines, %d display lines: open %.2f s, layout of two panes %.2f s; "
                    "full paint at line 1 %.2f ms, at line %d %.2f ms (ratio %.2f); page scroll %.2f ms; "
                    "typed character painted %.2f ms\n",
                    wrap ? "on" : "off", lineCount, engine.GetDisplayLineCount(), window.openSeconds,
                    window.layoutSeconds, top, lineCount, bottom, bottom / top, page, typed);
    }

    const int kTurns = 100;
    for (bool wrap : {false, true}) {
        CBenchWindow small(smallPath, wrap);
        CBenchWindow large(path, wrap);
        if (!small.opened || !large.opened)
            return 1;
        small.CaretToMiddle();
        large.CaretToMiddle();
        std::vector<double> smallTimes;
        std::vector<double> largeTimes;
        for (int turn = 0; turn < kTurns; ++turn) {
            small.View()->SetFocus();
            Pump();
            smallTimes.push_back(TypedMs(small.View()));
            large.View()->SetFocus();
            Pump();
            largeTimes.push_back(TypedMs(large.View()));
        }
        const double smallMs = Median(smallTimes);
        const double largeMs = Median(largeTimes);
        std::printf("wrap %-3s keystroke to painted line, median of %d in turns: %d lines %.2f ms, "
                    "%d lines %.2f ms (ratio %.2f)\n",
                    wrap ? "on" : "off", kTurns, smallCount, smallMs, lineCount, largeMs, largeMs / smallMs);
    }
    return 0;
}
