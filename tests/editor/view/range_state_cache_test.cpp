#include <gtest/gtest.h>

#include <vector>

#include "ViewTestSupport.h"

namespace {

bool SameState(const RangeState& a, const RangeState& b)
{
    return a.quote1 == b.quote1 && a.quote2 == b.quote2 && a.quote3 == b.quote3 &&
           a.lineComment == b.lineComment && a.blockComment == b.blockComment &&
           a.highlight == b.highlight && a.shadow == b.shadow && a.range1 == b.range1 &&
           a.range2 == b.range2;
}

// Gives a line a single marker run of the kind over its two bytes, as the lexer would mark it.
void MarkLine(CTextDocument& document, LineIndex n, int kind, uint16_t flag)
{
    CTextLine* line = document.GetLine(n);
    line->Assign("##", 2);
    const CColorRun runs[] = {{(uint8_t)kind, 0, 0, 2}, {kRunLineEnd, 0, 2, 0}};
    line->SetRuns(runs, 2);
    line->SetFlags(flag);
}

// The painter's walk from the head of the document, one state per display line.
std::vector<RangeState> WalkFromHead(const CViewEngine& view, bool multiLine)
{
    std::vector<RangeState> states;
    RangeState state;
    for (CDisplayLineRef line = view.GetLayout().LineAt(0); line; line = view.GetLayout().NextLine(*line)) {
        if (line->IsFirst())
            state.StartDocumentLine(multiLine);
        states.push_back(state);
        for (int i = 0; i < line->GetSegmentCount(); ++i) {
            const DisplaySegment& s = line->GetSegments()[i];
            if (s.kind >= kRunQuote1 && s.kind <= kRunRange2End)
                AdvanceRangeState(s.kind, s.subKind, state);
        }
    }
    return states;
}

void ExpectAgreesWithWalk(CViewEngine& view, bool multiLine)
{
    const std::vector<RangeState> expected = WalkFromHead(view, multiLine);
    // Ask in an order that jumps about, as scrolling would.
    const int count = (int)expected.size();
    for (int i = 0; i < count; ++i) {
        const int k = (int)((long long)i * 7919 % count);
        const CDisplayLineRef line = view.GetLayout().LineAt(k);
        ASSERT_TRUE(SameState(expected[k], view.GetRangeStateAtDisplayLine(*line))) << "line " << k;
    }
}

}  // namespace

TEST(RangeStateCacheTest, StatesAtAnyLineAgreeWithTheWalkFromTheHeadAcrossEdits)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    SetDocumentLines(f.document, {});
    CLineList& list = f.document.GetLines();
    list.RemoveAll();
    for (int i = 0; i < 1000; ++i)
        list.AddTail("text line", 9);
    f.document.AnalyzeAllLines(0, 1000);
    MarkLine(f.document, 5, kRunBlockCommentOn, kLineHasComments);
    MarkLine(f.document, 300, kRunBlockCommentOff, kLineHasComments);
    MarkLine(f.document, 400, kRunQuote1, kLineHasQuotes);  // ends with its line
    MarkLine(f.document, 500, kRunRange1Begin, kLineHasRangeMarks);
    MarkLine(f.document, 700, kRunShadowOn, kLineHasShadowMarks);
    f.view.SetClientSize(400, 200);
    f.view.InitialUpdate(nullptr);
    ExpectAgreesWithWalk(f.view, false);

    // The comment no longer closes: every later state changes.
    MarkLine(f.document, 300, kRunWordByte, 0);
    f.view.FormatLines(300, 1);
    ExpectAgreesWithWalk(f.view, false);
    EXPECT_TRUE(f.view.GetRangeStateAtDisplayLine(*f.view.GetLayout().LineAt(900)).blockComment);

    // Lines inserted and removed above later checkpoints.
    DocumentEditor editor(f.document);
    editor.SplitLine(2, 100);
    ExpectAgreesWithWalk(f.view, false);
    editor.DeleteBlock(0, 3, 0, 7);  // takes the comment's opening line away
    ExpectAgreesWithWalk(f.view, false);
    EXPECT_FALSE(f.view.GetRangeStateAtDisplayLine(*f.view.GetLayout().LineAt(900)).blockComment);
}
