// The matching-pair highlight: the bottom eighth of the bracket at the caret and of its
// partner inverted directly on the window, taken back before the caret moves again.
#include "editor/viewwindow/WrenView.h"

#include "framework/Dc.h"

void CWrenView::ShowBracketMatch()
{
    m_bracketMatch = BracketMatchCells();
    BracketMatch match;
    if (!m_engine || !CBracketMatcher(*m_engine).MatchAtCaret(match, CBracketMatcher::kHighlightLineLimit))
        return;
    m_bracketMatch = BracketCellsOf(*m_engine, match);
    InvertBracketCells(true);
}

void CWrenView::HideBracketMatch()
{
    if (m_bracketMatch.shown)
        InvertBracketCells(false);
    m_bracketMatch = BracketMatchCells();
}

// Inverts each visible cell (show) or each inverted one back (hide).
void CWrenView::InvertBracketCells(bool show)
{
    CClientDC dc(this);
    for (int i = 0; i < 2; ++i) {
        BracketMatchCells& cells = m_bracketMatch;
        if (show)
            cells.inverted[i] = IsBracketCellVisible(*m_engine, cells, i);
        if (!cells.inverted[i])
            continue;
        const ClientRect mark = BracketMarkRect(*m_engine, cells, i);
        ::PatBlt(dc.GetSafeHdc(), mark.x, mark.y, mark.width, mark.height, DSTINVERT);
        if (!show)
            cells.inverted[i] = false;
    }
}
