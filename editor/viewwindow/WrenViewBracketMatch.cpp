// The matching-pair highlight: the bottom eighth of the bracket at the caret and of its
// partner inverted directly on the window, taken back before the caret moves again.
#include "editor/viewwindow/WrenView.h"

#include "framework/Dc.h"

void CWrenView::ShowBracketMatch()
{
    m_bracketMatch = BracketMatchCells();
    DocPosition symbol;
    bool opening = false;
    if (!m_search || !m_search->BracketAtCaret(symbol, opening))
        return;
    DocPosition partner = symbol;
    if (!m_engine->GetDocument().FindMatchingPair(partner.column, partner.line, kBracketMatchLineLimit))
        return;
    CViewEngine& engine = *m_engine;
    const PixelPosition first = engine.PixelsFromDocPosition(symbol.column, symbol.line);
    const PixelPosition second = engine.PixelsFromDocPosition(partner.column, partner.line);
    const CDisplayLineRef line = engine.GetDisplayLineAtY(first.y);
    const DisplaySegment* segment = line ? line->FindSegmentAtColumn(symbol.column) : nullptr;
    BracketMatchCells& cells = m_bracketMatch;
    cells.opening = opening;
    cells.width = segment ? segment->width : engine.GetAverageCharWidth();
    cells.x[0] = first.x;
    cells.y[0] = first.y;
    cells.x[1] = second.x;
    cells.y[1] = second.y;
    cells.shown = true;
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
    CViewEngine& engine = *m_engine;
    const int fontHeight = engine.GetMetrics().GetFontHeight();
    const int gutter = engine.GetGutterWidth();
    CClientDC dc(this);
    for (int i = 0; i < 2; ++i) {
        BracketMatchCells& cells = m_bracketMatch;
        const int x = cells.x[i] + gutter - engine.GetScrollX();
        const int y = cells.y[i] - engine.GetScrollY();
        if (show)
            cells.inverted[i] = x >= gutter && x + cells.width <= engine.GetClientWidth() && y >= 0 &&
                                y + fontHeight <= engine.GetClientHeight();
        if (!cells.inverted[i])
            continue;
        ::PatBlt(dc.GetSafeHdc(), x, y + 7 * fontHeight / 8, cells.width, fontHeight - 7 * fontHeight / 8, DSTINVERT);
        if (!show)
            cells.inverted[i] = false;
    }
}
