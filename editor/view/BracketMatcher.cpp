#include "editor/view/BracketMatcher.h"

#include "editor/view/ViewEngine.h"

bool CBracketMatcher::BracketAtCaret(DocPosition& symbol, bool& isOpening) const
{
    if (!m_view.GetSettings().highlightMatchingPair || m_view.IsSelectionActive())
        return false;
    CTextDocument& document = m_view.GetDocument();
    const DocPosition caret = m_view.GetCaretDocPosition();
    const CTextLine* line = document.GetLine(caret.line);
    if (!line)
        return false;
    int length = 0;
    // The caret's own column first, then the character in front of it.
    for (const ByteColumn column : {caret.column, caret.column - 1}) {
        if (column < 0 || column >= line->GetLength() ||
            !document.GetPairDelimiterAt(column, caret.line, isOpening, length))
            continue;
        const CColorRun* run = CTextDocument::GetRunAt(*line, column);
        symbol = DocPosition{run ? run->start : column, caret.line};
        return true;
    }
    return false;
}

bool CBracketMatcher::MatchAtCaret(BracketMatch& match, LineIndex lineLimit) const
{
    if (!BracketAtCaret(match.symbol, match.opening))
        return false;
    match.partner = match.symbol;
    return m_view.GetDocument().FindMatchingPair(match.partner.column, match.partner.line, lineLimit);
}

BracketMatchCells BracketCellsOf(const CViewEngine& view, const BracketMatch& match)
{
    const PixelPosition first = view.PixelsFromDocPosition(match.symbol.column, match.symbol.line);
    const PixelPosition second = view.PixelsFromDocPosition(match.partner.column, match.partner.line);
    const CDisplayLineRef line = view.GetDisplayLineAtY(first.y);
    const DisplaySegment* segment = line ? line->FindSegmentAtColumn(match.symbol.column) : nullptr;
    BracketMatchCells cells;
    cells.shown = true;
    cells.opening = match.opening;
    cells.width = segment ? segment->width : view.GetAverageCharWidth();
    cells.x[0] = first.x;
    cells.y[0] = first.y;
    cells.x[1] = second.x;
    cells.y[1] = second.y;
    return cells;
}

namespace {

// The cell's top left corner in client coordinates.
ClientRect ClientCell(const CViewEngine& view, const BracketMatchCells& cells, int cell)
{
    ClientRect rect;
    rect.x = cells.x[cell] + view.GetGutterWidth() - view.GetScrollX();
    rect.y = cells.y[cell] - view.GetScrollY();
    rect.width = cells.width;
    rect.height = view.GetMetrics().GetFontHeight();
    return rect;
}

} // namespace

ClientRect BracketMarkRect(const CViewEngine& view, const BracketMatchCells& cells, int cell)
{
    ClientRect rect = ClientCell(view, cells, cell);
    const int fontHeight = rect.height;
    rect.y += 7 * fontHeight / 8;
    rect.height = fontHeight - 7 * fontHeight / 8;
    return rect;
}

bool IsBracketCellVisible(const CViewEngine& view, const BracketMatchCells& cells, int cell)
{
    const ClientRect rect = ClientCell(view, cells, cell);
    return rect.x >= view.GetGutterWidth() && rect.x + rect.width <= view.GetClientWidth() && rect.y >= 0 &&
           rect.y + rect.height <= view.GetClientHeight();
}
