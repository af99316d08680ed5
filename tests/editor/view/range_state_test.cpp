#include <gtest/gtest.h>

#include "editor/view/RangeState.h"

TEST(RangeStateTest, RangeConditionTable)
{
    struct Case {
        int condition;
        bool neither, only1, only2, both;
    };
    const Case cases[] = {
        {0, true, true, true, true},      {1, false, true, false, true},
        {2, false, false, true, true},    {3, false, false, true, false},
        {4, true, false, true, false},    {5, true, true, false, false},
        {6, false, true, true, true},     {7, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.condition);
        EXPECT_EQ(c.neither, RangeConditionHolds(c.condition, false, false));
        EXPECT_EQ(c.only1, RangeConditionHolds(c.condition, true, false));
        EXPECT_EQ(c.only2, RangeConditionHolds(c.condition, false, true));
        EXPECT_EQ(c.both, RangeConditionHolds(c.condition, true, true));
    }
}

TEST(RangeStateTest, QuotationsAndCommentsShutEachOtherOut)
{
    RangeState state;
    // A block comment opened inside a line comment is ignored.
    EXPECT_EQ(kRunLineComment, AdvanceRangeState(kRunLineComment, 0, state));
    EXPECT_EQ(kRunDelimiter, AdvanceRangeState(kRunBlockCommentOn, 0, state));
    EXPECT_FALSE(state.blockComment);
    // A quotation mark inside a comment opens nothing.
    EXPECT_EQ(kRunDelimiter, AdvanceRangeState(kRunQuote1, 0, state));
    EXPECT_FALSE(state.AnyQuote());
    state.StartDocumentLine(false);
    EXPECT_FALSE(state.lineComment);

    // Inside a quotation another quotation mark and comment markers are refused.
    EXPECT_EQ(kRunQuote1, AdvanceRangeState(kRunQuote2, 0, state));
    EXPECT_EQ(kRunDelimiter, AdvanceRangeState(kRunQuote1, 0, state));
    EXPECT_EQ(kRunDelimiter, AdvanceRangeState(kRunLineComment, 0, state));
    EXPECT_EQ(kRunDelimiter, AdvanceRangeState(kRunBlockCommentOn, 0, state));
    EXPECT_EQ(kRunQuote1, AdvanceRangeState(kRunQuote2, 0, state));  // closes it
    EXPECT_FALSE(state.AnyQuote());

    // A close without an open block comment is refused.
    EXPECT_EQ(kRunDelimiter, AdvanceRangeState(kRunBlockCommentOff, 0, state));
    EXPECT_EQ(kRunLineComment, AdvanceRangeState(kRunBlockCommentOn, 0, state));
    EXPECT_EQ(kRunLineComment, AdvanceRangeState(kRunBlockCommentOff, 0, state));
    EXPECT_FALSE(state.blockComment);
}

TEST(RangeStateTest, UnclosedQuotationEndsWithItsLineUnlessStringsSpanLines)
{
    RangeState state;
    AdvanceRangeState(kRunQuote1, 0, state);
    state.StartDocumentLine(true);
    EXPECT_TRUE(state.quote1);
    state.StartDocumentLine(false);
    EXPECT_FALSE(state.quote1);
}

TEST(RangeStateTest, MarkersSwitchOnlyWhenQuietAndRangeTwoOnlyOutsideRangeOne)
{
    RangeState state;
    EXPECT_EQ(kRunShadowOn, AdvanceRangeState(kRunShadowOn, 0, state));
    EXPECT_TRUE(state.shadow);
    EXPECT_EQ(kRunHighlightOn, AdvanceRangeState(kRunHighlightOn, 0, state));
    EXPECT_EQ(kRunDelimiter, AdvanceRangeState(kRunRange1Begin, 0, state));
    EXPECT_TRUE(state.range1);
    AdvanceRangeState(kRunRange2Begin, 0, state);
    EXPECT_FALSE(state.range2);
    AdvanceRangeState(kRunRange1End, 0, state);
    AdvanceRangeState(kRunRange2Begin, 0, state);
    EXPECT_TRUE(state.range2);
    AdvanceRangeState(kRunQuote1, 0, state);
    EXPECT_EQ(kRunShadowOn, AdvanceRangeState(kRunShadowOff, 0, state));
    EXPECT_TRUE(state.shadow);  // not quiet: unchanged
    // A quotation whose condition fails (inside range 1 only) is refused.
    RangeState other;
    EXPECT_EQ(kRunDelimiter, AdvanceRangeState(kRunQuote1, kRangeInside1, other));
    EXPECT_EQ(kRunWordByte, AdvanceRangeState(kRunWordByte, 0, other));
}

TEST(RangeStateTest, SegmentColourFollowsTheStateInPriorityOrder)
{
    CViewSettings settings;
    SegmentColorRules rules;
    RangeState state;
    const uint32_t* colors = settings.colors;
    EXPECT_EQ(colors[22], ChooseSegmentColor(22, 0, 22, state, rules, settings));
    // A keyword whose range condition fails is normal text.
    EXPECT_EQ(colors[31], ChooseSegmentColor(22, kRangeInside1, 22, state, rules, settings));
    state.range1 = true;
    EXPECT_EQ(colors[22], ChooseSegmentColor(22, kRangeInside1, 22, state, rules, settings));
    state.quote1 = true;
    EXPECT_EQ(colors[6], ChooseSegmentColor(20, 0, 20, state, rules, settings));
    rules.variablesInStrings = true;
    EXPECT_EQ(colors[6] / 2 + colors[20] / 2, ChooseSegmentColor(20, 0, 20, state, rules, settings));
    state.shadow = true;
    EXPECT_EQ(colors[12], ChooseSegmentColor(20, 0, 20, state, rules, settings));
    state.highlight = true;
    EXPECT_EQ(colors[14], ChooseSegmentColor(20, 0, 20, state, rules, settings));
    state.blockComment = true;
    EXPECT_EQ(colors[9], ChooseSegmentColor(20, 0, 20, state, rules, settings));
    rules.syntaxColouring = false;
    EXPECT_EQ(colors[31], ChooseSegmentColor(20, 0, 20, state, rules, settings));
}
