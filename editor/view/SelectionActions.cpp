// Edit actions on a stream selection: deleting it, copying and pasting streams, whole-line
// block operations and the whole-document transforms that keep caret and anchor in place.
#include <algorithm>

#include "editor/view/EditActions.h"

void CEditActions::DeleteSelection()
{
    const DocSelection range = m_view.GetSelectionRange();
    if (range.start.line == range.end.line) {
        const ByteColumn start = std::min(range.start.column, LineLength(range.start.line));
        const ByteColumn end = std::min(range.end.column, LineLength(range.end.line));
        if (end > start)
            EditDeleteString(start, range.start.line, end - start);
    } else {
        EditDeleteBlock(range.start.column, range.start.line, range.end.column, range.end.line);
    }
    PlaceCaret(range.start.column, range.start.line);
    m_view.DropAnchor();
}

void CEditActions::SelectionToWholeLines()
{
    DocSelection range = m_view.GetSelectionRange();
    range.start.column = 0;
    if (range.end.column != 0) {
        if (range.end.line < m_view.GetLastLineIndex()) {
            range.end.column = 0;
            range.end.line += 1;
        } else {
            range.end.column = LineLength(range.end.line);
        }
    }
    m_view.RelocateSelection(range.start, range.end);
}

template <class RangeEdit> void CEditActions::EditSelectedLines(RangeEdit edit)
{
    SelectionToWholeLines();
    const DocSelection range = m_view.GetSelectionRange();
    edit(range.start.column, range.start.line, range.end.column, range.end.line);
    // A range that ends at the end of the last line ends at its new end.
    const ByteColumn endColumn = range.end.column != 0 ? LineLength(range.end.line) : 0;
    m_view.RelocateSelection(DocPosition{endColumn, range.end.line}, DocPosition{0, range.start.line});
}

void CEditActions::IndentSelectedLines()
{
    EditSelectedLines([this](ByteColumn c1, LineIndex l1, ByteColumn c2, LineIndex l2) {
        EditIndentLines(c1, l1, c2, l2);
    });
}

void CEditActions::UnindentSelectedLines()
{
    EditSelectedLines([this](ByteColumn c1, LineIndex l1, ByteColumn c2, LineIndex l2) {
        EditUnindentLines(c1, l1, c2, l2);
    });
}

void CEditActions::CommentSelectedLines()
{
    EditSelectedLines([this](ByteColumn c1, LineIndex l1, ByteColumn c2, LineIndex l2) {
        EditCommentLines(c1, l1, c2, l2);
    });
}

void CEditActions::UncommentSelectedLines()
{
    EditSelectedLines([this](ByteColumn c1, LineIndex l1, ByteColumn c2, LineIndex l2) {
        EditUncommentLines(c1, l1, c2, l2);
    });
}

template <class Transform> void CEditActions::KeepingPositions(Transform transform)
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const DocPosition anchor = m_view.GetAnchorDocPosition();
    transform();
    auto clamp = [this](DocPosition p) {
        p.line = std::min(p.line, m_view.GetLastLineIndex());
        if (!m_view.IsColumnMode())
            p.column = std::min(p.column, LineLength(p.line));
        return p;
    };
    m_view.RelocateSelection(clamp(anchor), clamp(caret));
}

void CEditActions::TabsToSpacesKeepingPositions()
{
    KeepingPositions([this] { EditTabsToSpacesAll(); });
}

void CEditActions::SpacesToTabsKeepingPositions()
{
    KeepingPositions([this] { EditSpacesToTabsAll(); });
}

void CEditActions::LeadingSpacesToTabsKeepingPositions()
{
    KeepingPositions([this] { EditLeadingSpacesToTabsAll(); });
}

void CEditActions::TrimTrailingKeepingPositions()
{
    KeepingPositions([this] { EditTrimTrailingAll(); });
}

void CEditActions::CopyStreamSelection(CStringLineList& lines) const
{
    lines.RemoveAll();
    const DocSelection range = m_view.GetSelectionRange();
    const ByteColumn start = std::min(range.start.column, LineLength(range.start.line));
    const ByteColumn end = std::min(range.end.column, LineLength(range.end.line));
    GetDocument().CopyBlock(lines, start, range.start.line, end, range.end.line);
}

void CEditActions::PasteStream(const CStringLineList& lines)
{
    if (lines.IsEmpty())
        return;
    const DocPosition caret = m_view.GetCaretDocPosition();
    const ByteColumn c = std::min(caret.column, LineLength(caret.line));
    if (lines.GetCount() == 1) {
        const CString& text = lines.GetAt(0);
        EditInsertString(c, caret.line, text);
        PlaceCaret(c + text.GetLength(), caret.line);
        return;
    }
    ByteColumn endColumn = c;
    LineIndex endLine = caret.line;
    if (EditInsertBlock(c, caret.line, lines, &endColumn, &endLine))
        PlaceCaret(endColumn, endLine);
}
