// Column-block actions: the block is the rectangle between anchor and caret, and each action
// walks its display lines from top to bottom, turning the edge x into a column on each.
#include <algorithm>
#include <string>

#include "editor/view/CharSteps.h"
#include "editor/view/EditActions.h"

CEditActions::EdgeColumn CEditActions::EdgeAt(PixelY y, PixelX x) const
{
    EdgeColumn edge;
    const CDisplayLineRef display = m_view.GetDisplayLineAtY(y);
    if (display == nullptr)
        return edge;
    const LineIndex line = m_view.GetDocumentLineAtY(y);
    const CTextLine& text = *GetDocument().GetLine(line);
    x = m_view.ColumnEdgeX(*display, x);
    edge.column = std::max(0, m_view.ColumnFromX(*display, x, false));
    if (edge.column >= text.GetLength())
        return edge;
    if (IsInsideDoubleByte(text, edge.column, IsDoubleByte())) {
        edge.column -= 1;
        edge.cut = true;
    } else if (CharLengthAt(text, edge.column, IsDoubleByte()) == 2 &&
               m_view.XFromColumn(*display, edge.column, true) < x) {
        edge.cut = true;
    }
    return edge;
}

PixelX CEditActions::PixelXOf(ByteColumn column, LineIndex line) const
{
    return m_view.PixelsFromDocPosition(column, line).x;
}

void CEditActions::InsertAtEdge(PixelY y, PixelX leftX, const CString& text)
{
    const LineIndex line = m_view.GetDocumentLineAtY(y);
    const EdgeColumn edge = EdgeAt(y, leftX);
    ByteColumn column = edge.column;
    PadLineTo(line, column);
    if (edge.cut) {
        EditDeleteString(column, line, 2);
        EditInsertString(column, line, "  ", 2);
        column += 1;
    }
    EditInsertString(column, line, text);
}

namespace {

// The display-line rows of a block, top to bottom.
template <class RowAction> void ForEachRow(const PixelSelection& block, int lineHeight,
                                           RowAction action)
{
    const int step = std::max(1, lineHeight);
    for (PixelY y = block.startY; y <= block.endY; y += step)
        action(y);
}

} // namespace

void CEditActions::InsertStringInColumnBlock(const CString& text)
{
    const PixelSelection block = m_view.GetSelectionRect();
    const EdgeColumn top = EdgeAt(block.startY, block.startX);
    const ByteColumn after = top.column + (top.cut ? 1 : 0) + text.GetLength();
    ForEachRow(block, m_view.GetLineHeight(),
               [&](PixelY y) { InsertAtEdge(y, block.startX, text); });
    // The caret goes just right of what was inserted on the top line, the anchor below it
    // on the bottom line: a zero-width column that takes the next key on every line.
    const PixelX x = PixelXOf(after, m_view.GetDocumentLineAtY(block.startY));
    m_view.PlaceColumnBlock(x, block.startY, block.endY);
}

void CEditActions::TypeCharInColumnBlock(char ch)
{
    InsertStringInColumnBlock(CString(ch));
}

void CEditActions::InsertTabSpacesInColumnBlock()
{
    InsertStringInColumnBlock(CString(' ', TabBlankCount()));
}

void CEditActions::DeleteCharInColumnBlock()
{
    const PixelSelection block = m_view.GetSelectionRect();
    ForEachRow(block, m_view.GetLineHeight(), [&](PixelY y) {
        const EdgeColumn edge = EdgeAt(y, block.startX);
        const LineIndex line = m_view.GetDocumentLineAtY(y);
        if (edge.column < LineLength(line))
            DeleteCharKeepingWidth(edge.column, line);
    });
}

void CEditActions::BackspaceInColumnBlock()
{
    const PixelSelection block = m_view.GetSelectionRect();
    if (block.startX <= 0)
        return;
    const PixelX x = std::max(0, block.startX - m_view.GetAverageCharWidth());
    ForEachRow(block, m_view.GetLineHeight(), [&](PixelY y) {
        const EdgeColumn edge = EdgeAt(y, x);
        const LineIndex line = m_view.GetDocumentLineAtY(y);
        if (edge.column < LineLength(line))
            DeleteCharKeepingWidth(edge.column, line);
    });
    m_view.PlaceColumnBlock(x, m_view.GetCaretY(), m_view.GetAnchorY());
}

void CEditActions::DeleteToLineEndInColumnBlock()
{
    const PixelSelection block = m_view.GetSelectionRect();
    ForEachRow(block, m_view.GetLineHeight(), [&](PixelY y) {
        const EdgeColumn edge = EdgeAt(y, block.startX);
        const LineIndex line = m_view.GetDocumentLineAtY(y);
        const int length = LineLength(line);
        if (edge.column >= length)
            return;
        EditDeleteString(edge.column, line, length - edge.column);
        if (edge.cut)
            EditInsertChar(edge.column, line, ' ');
    });
}

void CEditActions::DeleteToLineStartInColumnBlock()
{
    const PixelSelection block = m_view.GetSelectionRect();
    if (block.startX <= 0)
        return;
    ForEachRow(block, m_view.GetLineHeight(), [&](PixelY y) {
        const EdgeColumn edge = EdgeAt(y, block.startX);
        const LineIndex line = m_view.GetDocumentLineAtY(y);
        const int length = LineLength(line);
        const ByteColumn end = edge.cut ? edge.column + 2 : std::min(edge.column, length);
        EditDeleteString(0, line, end);
        if (edge.cut)
            EditInsertChar(0, line, ' ');
    });
    m_view.PlaceColumnBlock(0, m_view.GetCaretY(), m_view.GetAnchorY());
}

void CEditActions::DeleteColumnBlock()
{
    const PixelSelection block = m_view.GetSelectionRect();
    ForEachRow(block, m_view.GetLineHeight(), [&](PixelY y) {
        const EdgeColumn left = EdgeAt(y, block.startX);
        const EdgeColumn right = EdgeAt(y, block.endX);
        const LineIndex line = m_view.GetDocumentLineAtY(y);
        const int length = LineLength(line);
        if (left.column >= length)
            return;
        // A character cut by an edge goes with the range; a blank keeps its outside half.
        std::string blanks;
        if (left.cut)
            blanks += ' ';
        ByteColumn end = length;
        if (right.column < length) {
            end = right.cut ? right.column + 2 : right.column;
            if (right.cut && right.column > left.column)
                blanks += ' ';
        }
        if (end > left.column)
            EditDeleteString(left.column, line, end - left.column);
        if (!blanks.empty())
            EditInsertString(left.column, line, blanks.data(), (int)blanks.size());
    });
    m_view.PlaceColumnBlock(block.startX, block.startY, block.endY);
}

void CEditActions::CopyColumnBlock(CStringLineList& lines) const
{
    lines.RemoveAll();
    const PixelSelection block = m_view.GetSelectionRect();
    ForEachRow(block, m_view.GetLineHeight(), [&](PixelY y) {
        const EdgeColumn left = EdgeAt(y, block.startX);
        const EdgeColumn right = EdgeAt(y, block.endX);
        const CTextLine& text = *GetDocument().GetLine(m_view.GetDocumentLineAtY(y));
        const int length = text.GetLength();
        std::string entry;
        if (left.column < length) {
            ByteColumn start = left.column;
            if (left.cut) {
                entry += ' ';
                start += 2;
            }
            ByteColumn end = std::min(right.column, length);
            const bool rightCut = right.cut && right.column < length && right.column >= start;
            if (end > start)
                entry.append(text.GetText() + start, (size_t)(end - start));
            if (rightCut)
                entry += ' ';
        }
        lines.AddTail(entry.data(), (int)entry.size());
    });
}

void CEditActions::PasteColumn(const CStringLineList& source)
{
    if (source.IsEmpty())
        return;
    CStringLineList lines = source;
    lines.PadToMaxLength();
    const int height = std::max(1, m_view.GetLineHeight());
    const PixelX x = m_view.GetCaretX();
    const PixelY top = m_view.GetCaretY();
    const DisplayLineIndex first = top / height;
    ByteColumn firstColumn = 0;
    for (int i = 0; i < lines.GetCount(); ++i) {
        // Missing lines at the document's end are made by splitting the last one at its end.
        while (first + i >= m_view.GetDisplayLineCount()) {
            const LineIndex last = m_view.GetLastLineIndex();
            EditSplitLine(LineLength(last), last);
        }
        const PixelY y = (first + i) * height;
        if (i == 0) {
            const EdgeColumn edge = EdgeAt(y, x);
            firstColumn = edge.column + (edge.cut ? 1 : 0);
        }
        InsertAtEdge(y, x, lines.GetAt(i));
    }
    const PixelX after = PixelXOf(firstColumn + lines.MaxLength(), m_view.GetDocumentLineAtY(top));
    m_view.PlaceColumnBlock(after, top, top);
}
