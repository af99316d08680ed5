#include "editor/view/BracketMatcher.h"

#include <gtest/gtest.h>

#include "EditTestSupport.h"

namespace {

const std::string kOpenParen = "\xA3\xA8";   // （
const std::string kCloseParen = "\xA3\xA9";  // ）

// "()" and "{}" with "//" comments and '"' strings, and the full-width parentheses.
struct BracketFixture : EditFixture {
    BracketFixture()
    {
        document.GetLanguageFiles().GetLangSpec().m_fullWidthPairs[0] = kOpenParen + kCloseParen;
        Load({
            "{f(a) // (",                    // 0: a "(" in a comment
            "  (g) \")\"",                   // 1: a ")" in a string
            "(",                             // 2: never closed
            kOpenParen + "x" + kCloseParen,  // 3
            "}",                             // 4: the document's end
        });
    }
};

TEST(BracketMatcher, FindsThePartnerOfTheBracketAtTheCaret)
{
    BracketFixture f;
    const struct Case {
        DocPosition caret;
        bool atCaret;  // a bracket is shown at the caret
        bool matched;
        DocPosition symbol, partner;
        bool opening;
    } cases[] = {
        {{0, 0}, true, true, {0, 0}, {0, 4}, true},   // at the document's start
        {{1, 4}, true, true, {0, 4}, {0, 0}, false},  // behind the last bracket of the document
        {{2, 0}, true, true, {2, 0}, {4, 0}, true},
        {{5, 0}, true, true, {4, 0}, {2, 0}, false},  // behind a closing one
        {{2, 1}, true, true, {2, 1}, {4, 1}, true},   // nested in the braces
        {{0, 2}, true, false, {0, 2}, {}, true},      // unmatched: shown, but no partner
        {{5, 3}, true, true, {3, 3}, {0, 3}, false},  // behind a double-byte bracket: from its run's start
        {{0, 3}, true, true, {0, 3}, {3, 3}, true},
        {{1, 1}, false, false, {}, {}, false},        // between blanks
        {{3, 0}, true, true, {2, 0}, {4, 0}, true},   // right behind one, on a word
        // The lexer makes runs only of a comment's marker and a string's quotes and colours
        // the text between by its range state: a bracket there is a delimiter run like any
        // other, so the "(" in the comment pairs with the ")" in the string.
        {{9, 0}, true, true, {9, 0}, {7, 1}, true},
        {{8, 1}, true, true, {7, 1}, {9, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "caret " << c.caret.column << ", " << c.caret.line);
        f.Caret(c.caret.column, c.caret.line);
        const CBracketMatcher matcher(f.view);
        DocPosition symbol;
        bool opening = false;
        ASSERT_EQ(c.atCaret, matcher.BracketAtCaret(symbol, opening));
        BracketMatch match;
        ASSERT_EQ(c.matched, matcher.MatchAtCaret(match, CBracketMatcher::kHighlightLineLimit));
        if (!c.atCaret)
            continue;
        EXPECT_EQ(c.symbol, symbol);
        EXPECT_EQ(c.opening, opening);
        if (c.matched) {
            EXPECT_EQ(c.symbol, match.symbol);
            EXPECT_EQ(c.partner, match.partner);
            EXPECT_EQ(c.opening, match.opening);
        }
    }
}

TEST(BracketMatcher, ShowsNothingWithASelectionOrTheHighlightOffAndHonoursTheLineLimit)
{
    BracketFixture f;
    BracketMatch match;
    f.Select(1, 0, 0, 0);
    EXPECT_FALSE(CBracketMatcher(f.view).MatchAtCaret(match, CTextDocument::kNoLineLimit));
    f.Caret(0, 0);
    f.settings.highlightMatchingPair = 0;
    EXPECT_FALSE(CBracketMatcher(f.view).MatchAtCaret(match, CTextDocument::kNoLineLimit));
    f.settings.highlightMatchingPair = 1;
    // The partner of the "{" is four lines away.
    for (const auto& c : {std::make_pair(3, false), std::make_pair(4, true), std::make_pair(-1, true)})
        EXPECT_EQ(c.second, CBracketMatcher(f.view).MatchAtCaret(match, c.first)) << "limit " << c.first;
}

TEST(BracketMatcher, CellsSitOnBothBracketsAndAreDrawnOnlyWhenWhollyInTheTextArea)
{
    BracketFixture f;
    f.Caret(0, 3);
    BracketMatch match;
    ASSERT_TRUE(CBracketMatcher(f.view).MatchAtCaret(match, CBracketMatcher::kHighlightLineLimit));
    const BracketMatchCells cells = BracketCellsOf(f.view, match);
    EXPECT_TRUE(cells.shown);
    EXPECT_TRUE(cells.opening);
    EXPECT_EQ(16, cells.width) << "a double-byte bracket is one 16-pixel glyph";
    EXPECT_EQ(f.view.PixelsFromDocPosition(0, 3), (PixelPosition{cells.x[0], cells.y[0]}));
    EXPECT_EQ(f.view.PixelsFromDocPosition(3, 3), (PixelPosition{cells.x[1], cells.y[1]}));

    // The client area is 800 by 480, the font 16 high; cell 0 is placed, cell 1 unused.
    const int gutter = f.view.GetGutterWidth();
    const int textWidth = 800 - gutter;
    const struct {
        PixelX x;
        PixelY y;
        PixelX scrollX;
        bool visible;
    } cases[] = {
        {0, 0, 0, true},
        {8, 0, 8, true},                  // scrolled to its left edge
        {8, 0, 9, false},                 // one pixel under the gutter
        {textWidth - 8, 0, 0, true},      // flush with the right edge
        {textWidth - 7, 0, 0, false},
        {0, 480 - 16, 0, true},           // flush with the bottom
        {0, 480 - 15, 0, false},
    };
    for (const auto& c : cases) {
        BracketMatchCells cell;
        cell.x[0] = c.x;
        cell.y[0] = c.y;
        cell.width = 8;
        f.view.SetScrollX(c.scrollX);
        EXPECT_EQ(c.visible, IsBracketCellVisible(f.view, cell, 0)) << c.x << ", " << c.y << " scrolled " << c.scrollX;
        // The mark is the bottom eighth of the line: 2 of 16 pixels under the glyph.
        const ClientRect mark = BracketMarkRect(f.view, cell, 0);
        EXPECT_EQ(c.x + gutter - c.scrollX, mark.x);
        EXPECT_EQ(c.y + 14, mark.y);
        EXPECT_EQ(8, mark.width);
        EXPECT_EQ(2, mark.height);
    }
}

} // namespace
