// Times the view's edit commands at scattered positions of a large document with word wrap
// off and on (typing, deleting, pasting, each one edit group as the handlers run it), and
// replace-all of a frequent word in a large document. A keystroke must cost the same in a
// small and a large document.
// Run by hand: view_edit_bench [lines] [edits] [replace-megabytes]; 0 lines times only
// replace-all.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "tests/editor/view/EditTestSupport.h"
#include "tests/editor/view/bench/BenchDocument.h"
#include "tests/support/bench_measures.h"

namespace {

// Where one keystroke's time goes: each step of a typed character alone.
void TimeKeystrokeSteps(EditFixture& f, int edits)
{
    std::mt19937 random(7);
    struct Step {
        const char* name;
        void (*run)(EditFixture&, LineIndex);
    };
    const Step steps[] = {
        {"document insert", [](EditFixture& x, LineIndex n) { x.document.InsertChar(0, n, 'y'); }},
        {"analyse an unchanged line", [](EditFixture& x, LineIndex n) { x.document.AnalyzeAllLines(n, 1); }},
        {"insert and analyse", [](EditFixture& x, LineIndex n) {
             x.document.InsertChar(0, n, 'q');
             x.document.AnalyzeAllLines(n, 1);
         }},
        {"lay out one line", [](EditFixture& x, LineIndex n) { x.view.FormatLines(n, 1); }},
        {"caret to a position", [](EditFixture& x, LineIndex n) { x.view.SetCaretToDocPosition(1, n); }},
        {"keep caret visible", [](EditFixture& x, LineIndex) { x.view.EnsureCaretVisible(); }},
        {"empty edit group", [](EditFixture& x, LineIndex) { x.Act([] {}); }},
    };
    for (const Step& step : steps) {
        double seconds = 0;
        for (int i = 0; i < edits; ++i) {
            const LineIndex line = (LineIndex)(random() % (unsigned)f.document.GetLineCount());
            CStopwatch one;
            step.run(f, line);
            seconds += one.Seconds();
        }
        std::printf("    step %-24s %8.1f us each\n", step.name, seconds * 1e6 / edits);
    }
}

void TimeScatteredEdits(int lines, int edits, bool wrap)
{
    EditFixture f;
    CStopwatch load;
    FillDocument(f, lines);
    f.view.SetClientSize(wrap ? 420 : 1200, 600);
    f.view.InitialUpdate(nullptr);
    f.view.SetWordWrap(wrap);
    f.view.ReformatDocument();
    std::printf("%d lines, wrap %s: %d display lines, loaded and laid out in %.2f s\n", lines,
                wrap ? "on " : "off", f.view.GetDisplayLineCount(), load.Seconds());

    std::mt19937 random(42);
    auto place = [&] {
        const LineIndex line = (LineIndex)(random() % (unsigned)f.document.GetLineCount());
        const int length = f.document.GetLine(line)->GetLength();
        f.Caret(length > 0 ? (ByteColumn)(random() % (unsigned)length) : 0, line);
    };
    f.clipboard.has = true;
    f.clipboard.text = "pasted one\r\npasted two\r\n";

    struct Timed {
        const char* name;
        void (*body)(EditFixture&);
    };
    const Timed timed[] = {
        {"type a character", [](EditFixture& x) { x.commands.DoTypeChar('x'); }},
        {"type a double-byte character", [](EditFixture& x) { x.commands.DoTypeString("\xBA\xC3"); }},
        {"delete", [](EditFixture& x) { x.commands.DoDeleteKey(); }},
        {"enter", [](EditFixture& x) { x.commands.DoEnterKey(1); }},
        {"backspace", [](EditFixture& x) { x.commands.DoBackspaceKey(); }},
        {"paste two lines", [](EditFixture& x) { x.commands.DoPaste(1); }},
        {"undo", nullptr},
    };
    for (const Timed& t : timed) {
        double seconds = 0;
        for (int i = 0; i < edits; ++i) {
            place();
            CStopwatch one;
            if (t.body)
                f.Act([&] { t.body(f); });
            else
                f.Undo();
            seconds += one.Seconds();
        }
        std::printf("  %-30s %8.1f us each\n", t.name, seconds * 1e6 / edits);
    }
    std::printf("  layout consistent: %s\n", f.view.Check() ? "yes" : "NO");
    // The steps edit the document behind the view's back: last.
    TimeKeystrokeSteps(f, edits);
}

void TimeReplaceAll(int megabytes)
{
    EditFixture f;
    const char* line = kBenchSourceLines[3];
    const int lineLength = (int)strlen(line);
    const int lines = (int)((long long)megabytes * 1024 * 1024 / (lineLength + 2));
    CLineList& list = f.document.GetLines();
    list.RemoveAll();
    for (int n = 0; n < lines; ++n)
        list.AddTail(line, lineLength);
    f.document.AnalyzeAllLines(0, f.document.GetLineCount());
    f.view.SetClientSize(1200, 600);
    f.view.InitialUpdate(nullptr);
    f.view.ReformatDocument();

    struct Replace {
        const char* text;
        const char* replacement;
        int flags;
    };
    const Replace replaces[] = {
        {"the", "THE", kSearchMatchCase},
        {"THE", "a", kSearchMatchCase | kSearchWholeWord},
        {"a", "the", kSearchRegex | kSearchMatchCase | kSearchWholeWord},
        {"the", "THE", kSearchMatchCase},
        {"THE", "the", kSearchMatchCase},
    };
    auto megabytesInUse = [] { return (double)ProcessMemoryCounters().PagefileUsage / (1 << 20); };
    std::printf("document loaded: %.0f MB in use\n", megabytesInUse());
    for (const Replace& r : replaces) {
        f.search.DoReplace(r.text, r.replacement, r.flags);
        int count = 0;
        CStopwatch replace;
        f.Act([&] { count = f.search.DoReplaceAllInFile(); });
        const double seconds = replace.Seconds();
        std::printf("replace all \"%s\" by \"%s\" (flags %d) in %d MB (%d lines): %d replacements in %.2f s, "
                    "%.0f MB in use, peak %.0f MB\n",
                    r.text, r.replacement, r.flags, megabytes, lines, count, seconds, megabytesInUse(),
                    (double)ProcessMemoryCounters().PeakPagefileUsage / (1 << 20));
    }
    for (size_t i = 0; i < sizeof replaces / sizeof replaces[0]; ++i) {
        CStopwatch undo;
        f.Undo();
        std::printf("undo of replace all %d: %.2f s, %.0f MB in use\n", (int)(sizeof replaces / sizeof replaces[0] - i),
                    undo.Seconds(), megabytesInUse());
    }
    std::printf("out-of-memory reports: %d\n", (int)f.prompts.outOfMemory);
}

} // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    const int lines = argc > 1 ? atoi(argv[1]) : 600000;
    const int edits = argc > 2 ? atoi(argv[2]) : 1000;
    const int megabytes = argc > 3 ? atoi(argv[3]) : 50;
    if (lines > 0) {
        TimeScatteredEdits(lines / 100, edits, false);
        TimeScatteredEdits(lines, edits, false);
        TimeScatteredEdits(lines / 100, edits, true);
        TimeScatteredEdits(lines, edits, true);
    }
    TimeReplaceAll(megabytes);
    return 0;
}
