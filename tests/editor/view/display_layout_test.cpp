#include "editor/view/DisplayLayout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ViewTestSupport.h"

namespace {

// Adds up what the layout reports, so the count of display lines can be followed from the
// reports alone.
struct CountingListener : IDisplayLinesListener {
    int count = 0;
    void OnDisplayLinesReplaced(DisplayLineIndex start, int oldCount, int newCount) override
    {
        EXPECT_GE(start, 0);
        EXPECT_LE(start + oldCount, count);
        count += newCount - oldCount;
    }
};

} // namespace

// Lines of random length inserted, changed and removed in a wrapped layout: after every
// step the layout equals a fresh one, and every display line it added or removed was
// reported (the caret and scroll positions of the view move by these reports).
TEST(DisplayLayout, ReportsEveryReplacementUnderRandomEdits)
{
    FixedPitchMetrics metrics;
    CTextDocument document;
    document.GetLanguageFiles().Clear();
    FakeHost host;
    CViewSettings settings;
    CountingListener listener;
    CDisplayLayout layout(document, metrics, settings, host, listener);
    SetDocumentLines(document, {"first line", "second"});
    layout.SetClientWidth(200);
    layout.SetWordWrap(true);
    layout.Rebuild();
    listener.count = layout.GetCount();
    ASSERT_TRUE(layout.Check());

    std::mt19937 random(5);
    auto text = [&] { return std::string(random() % 90, (char)('a' + random() % 26)); };
    for (int step = 0; step < 600; ++step) {
        CLineList& lines = document.GetLines();
        const int count = document.GetLineCount();
        const LineIndex n = (LineIndex)(random() % (unsigned)count);
        const std::string t = text();
        switch (random() % 3) {
        case 0:
            lines.InsertLine(n + 1, t.data(), (int)t.size());
            // As the document tells it: a line inserted after n, line n changed.
            layout.InsertLines(n, 1);
            document.AnalyzeAllLines(n, 2);
            layout.FormatLines(n, 2);
            break;
        case 1:
            lines.RemoveLines(n, 1);
            lines.InsertLine(n, t.data(), (int)t.size());
            document.AnalyzeAllLines(n, 1);
            layout.FormatLines(n, 1);
            break;
        default:
            if (count < 2)
                continue;
            lines.RemoveLines(n, 1);
            layout.RemoveLines(n, 1);
            break;
        }
        ASSERT_TRUE(layout.Check()) << "step " << step;
        ASSERT_EQ(listener.count, layout.GetCount()) << "step " << step;
        ASSERT_EQ(layout.GetCount() - 1, layout.IndexAtY(1 << 30));
        ASSERT_EQ(layout.LastLineY(), layout.IndexAtY(1 << 30) * layout.GetLineHeight());
    }
}
