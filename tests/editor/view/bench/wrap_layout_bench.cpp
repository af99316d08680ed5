// Times the first wrapped layout of a large document through the edit tests' fixture (a
// fixed-pitch font, a language with comments and quotes, the view behind a notifier list,
// a narrow window), step by step, at three document sizes: the layout must grow with the
// line count only, and laying out the screen before a paint must not grow at all.
// Run by hand: view_wrap_layout_bench [lines]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/editor/view/EditTestSupport.h"
#include "tests/editor/view/bench/BenchDocument.h"
#include "tests/support/bench_measures.h"

namespace {

void Run(int lines)
{
    EditFixture f;
    CStopwatch fill;
    FillDocument(f, lines);
    const double fillSeconds = fill.Seconds();
    f.view.SetClientSize(420, 600);
    CStopwatch unwrapped;
    f.view.InitialUpdate(nullptr);
    const double unwrappedSeconds = unwrapped.Seconds();
    f.view.SetWordWrap(true);
    CStopwatch wrapped;
    f.view.ReformatDocument();
    const double wrappedSeconds = wrapped.Seconds();
    CStopwatch rewrapped;
    f.view.ReformatDocument();
    const double rewrappedSeconds = rewrapped.Seconds();
    f.view.SetCaretToDocPosition(0, lines / 2);
    f.view.ScrollCaretToTop();
    CStopwatch screen;
    f.view.LayOutVisibleLines();
    const double screenSeconds = screen.Seconds();
    std::printf("%7d lines (%7d display lines, %d estimated): fill and analyse %.2f s, unwrapped "
                "layout %.2f s, wrapped layout %.2f s, again %.2f s, screen in the middle %.2f ms, "
                "layout consistent: %s\n",
                lines, f.view.GetDisplayLineCount(), f.view.GetLayout().CountPending(), fillSeconds,
                unwrappedSeconds, wrappedSeconds, rewrappedSeconds, screenSeconds * 1000,
                f.view.Check() ? "yes" : "NO");
}

}  // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    const int lines = argc > 1 ? atoi(argv[1]) : 600000;
    Run(lines / 4);
    Run(lines / 2);
    Run(lines);
    return 0;
}
