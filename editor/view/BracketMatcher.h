#pragma once
#include "editor/view/ViewTypes.h"

class CViewEngine;

// A bracket at a view's caret and the bracket that pairs with it.
struct BracketMatch {
    DocPosition symbol;    // the start of the bracket's run
    DocPosition partner;   // the start of its partner's run
    bool opening = false;  // the caret's bracket opens its pair
};

// Finds the bracket at a view's caret and its partner. A bracket is a delimiter run of the
// lexer whose text is one side of the language description's ASCII or full-width pairs;
// nested pairs of the same kind are counted, other kinds passed over. The lexer makes runs
// only of a comment's marker and a string's quotes and colours the text behind them by
// its range state, so a bracket in a comment or a string counts like any other.
class CBracketMatcher {
public:
    explicit CBracketMatcher(const CViewEngine& view) : m_view(view) {}

    // The highlight runs on every caret move: an unmatched bracket must not walk the rest of
    // a large document each time, so it looks at most this many lines away.
    static const LineIndex kHighlightLineLimit = 2000;

    // The bracket the highlight would show: the one starting at the caret's column, else
    // the one ending in front of it. None while the highlight is switched off or a
    // selection is active.
    bool BracketAtCaret(DocPosition& symbol, bool& isOpening) const;
    // The caret's bracket and its partner; false when there is no bracket or no partner
    // within lineLimit lines of it (a negative limit: anywhere in the document).
    bool MatchAtCaret(BracketMatch& match, LineIndex lineLimit) const;

private:
    const CViewEngine& m_view;
};

// The matching-pair highlight of a view: the bracket at the caret (cell 0) and its partner
// (cell 1) in layout pixels, and which of them are drawn on the window now.
struct BracketMatchCells {
    bool shown = false;
    bool opening = false;  // the caret's symbol opens its pair
    PixelX x[2] = {0, 0};
    PixelY y[2] = {0, 0};
    int width = 0;
    bool inverted[2] = {false, false};
};

// The cells of a match in the view's layout: each at its bracket's pixels, as wide as the
// caret bracket's segment (the average character width where there is none).
BracketMatchCells BracketCellsOf(const CViewEngine& view, const BracketMatch& match);

// A rectangle in a view's client coordinates.
struct ClientRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
// Where a cell's mark goes: the bottom eighth of the font height, under the bracket.
ClientRect BracketMarkRect(const CViewEngine& view, const BracketMatchCells& cells, int cell);
// Whether the whole cell lies in the text area (right of the gutter, inside the client
// area) at the view's scroll offsets; a cell cut by an edge is not drawn.
bool IsBracketCellVisible(const CViewEngine& view, const BracketMatchCells& cells, int cell);
