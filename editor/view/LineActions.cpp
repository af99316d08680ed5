// Edit actions on the caret's line: joins and splits, word and line deletions, duplication,
// one-line indentation and commenting.
#include <algorithm>
#include <functional>
#include <string>

#include "editor/view/EditActions.h"

void CEditActions::JoinWithNextLine()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const LineIndex line = caret.line;
    if (line >= m_view.GetLastLineIndex()) {
        PlaceCaret(caret.column, line);
        return;
    }
    EditTrimTrailing(line);
    EditTrimLeading(line + 1);
    const ByteColumn join = LineLength(line);
    EditJoinLines(join, line);
    EditInsertChar(join, line, ' ');
    PlaceCaret(join, line);
}

void CEditActions::SplitLineAtCaret()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    EditSplitLine(std::min(caret.column, LineLength(caret.line)), caret.line);
    PlaceCaret(caret.column, caret.line);
}

void CEditActions::DeleteWordAtCaret()
{
    DeleteForwardFromCaret([this](LineIndex line, ByteColumn c, int length) {
        return std::min(length, std::max(c + 1, m_view.NextWordStart(line, c)));
    });
}

void CEditActions::DeletePrevWordAtCaret()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const ByteColumn c = caret.column;
    const LineIndex line = caret.line;
    const int length = LineLength(line);
    if (c > length) {
        const ByteColumn textEnd = CTextDocument::GetLastTextColumn(*GetDocument().GetLine(line));
        const ByteColumn d = std::min(std::max(0, textEnd), length);
        if (d < length)
            EditDeleteString(d, line, length - d);
        PlaceCaret(d, line);
    } else if (c > 0) {
        const ByteColumn start = std::max(0, std::min(c - 1, m_view.PrevWordStart(line, c - 1)));
        EditDeleteString(start, line, c - start);
        PlaceCaret(start, line);
    } else if (line > 0) {
        const ByteColumn join = LineLength(line - 1);
        EditJoinLines(join, line - 1);
        PlaceCaret(join, line - 1);
    } else {
        PlaceCaret(0, 0);
    }
}

void CEditActions::DeleteToLineEndAtCaret()
{
    DeleteForwardFromCaret([](LineIndex, ByteColumn, int length) { return length; });
}

// Inside the caret line deletes from the caret to the column `endOf` gives; at or past the
// line end pads the line to the caret and joins the next line to it. The caret stays put.
void CEditActions::DeleteForwardFromCaret(
    const std::function<ByteColumn(LineIndex line, ByteColumn caret, int length)>& endOf)
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const ByteColumn c = caret.column;
    const LineIndex line = caret.line;
    const int length = LineLength(line);
    if (c < length) {
        EditDeleteString(c, line, endOf(line, c, length) - c);
    } else if (line < m_view.GetLastLineIndex()) {
        PadLineTo(line, c);
        EditJoinLines(c, line);
    }
    PlaceCaret(c, line);
}

void CEditActions::DeleteToLineStartAtCaret()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const ByteColumn c = caret.column;
    const LineIndex line = caret.line;
    const int length = LineLength(line);
    if (c > length) {
        if (length > 0)
            EditDeleteString(0, line, length);
        PlaceCaret(0, line);
    } else if (c > 0) {
        EditDeleteString(0, line, c);
        PlaceCaret(0, line);
    } else if (line > 0) {
        const ByteColumn join = LineLength(line - 1);
        EditJoinLines(join, line - 1);
        PlaceCaret(join, line - 1);
    } else {
        PlaceCaret(0, 0);
    }
}

void CEditActions::DeleteCaretLine()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const LineIndex line = caret.line;
    if (line < m_view.GetLastLineIndex())
        EditDeleteBlock(0, line, 0, line + 1);
    else
        EditDeleteString(0, line, LineLength(line));
    const ByteColumn c = m_view.IsColumnMode() ? caret.column
                                               : std::min(caret.column, LineLength(line));
    PlaceCaret(c, line);
}

void CEditActions::DuplicateCaretLine()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const LineIndex line = caret.line;
    const CTextLine& text = *GetDocument().GetLine(line);
    const std::string copy(text.GetText(), (size_t)text.GetLength());
    EditSplitLine((int)copy.size(), line);
    EditInsertString(0, line + 1, copy.data(), (int)copy.size());
    PlaceCaret(caret.column, line + 1);
}

void CEditActions::IndentCaretLine()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const int width = EditIndentLine(caret.line);
    PlaceCaret(caret.column + width, caret.line);
}

void CEditActions::OutdentCaretLine()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const int width = EditUnindentLine(caret.line);
    PlaceCaret(std::max(0, caret.column - width), caret.line);
}

void CEditActions::CommentCaretLine()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const int width = EditCommentLine(caret.line);
    PlaceCaret(caret.column + width, caret.line);
}

void CEditActions::UncommentCaretLine()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const int width = EditUncommentLine(caret.line);
    PlaceCaret(std::max(0, caret.column - width), caret.line);
}
