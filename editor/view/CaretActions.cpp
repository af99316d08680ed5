// Edit actions at the caret: typing, tabs, strings, Enter with automatic indentation,
// Backspace and Delete.
#include <algorithm>
#include <string>

#include "editor/view/CharSteps.h"
#include "editor/view/EditActions.h"
#include "editor/view/FullWidthBackspace.h"
#include "editor/view/RangeState.h"

namespace {

// Whether a quotation or comment opened on the line is still open at the column. The lexer
// marks only the quotation marks and comment markers, so the state is carried run by run.
bool IsInCommentOrQuote(const CTextLine& line, ByteColumn column)
{
    RangeState state;
    for (int i = 0; i < line.GetRunCount(); ++i) {
        const CColorRun& run = line.GetRuns()[i];
        if (run.End() > column)
            break;
        AdvanceRangeState(run.kind, run.subKind, state);
    }
    return !state.IsQuiet();
}

} // namespace

int CEditActions::LineLength(LineIndex line) const
{
    const CTextLine* text = GetDocument().GetLine(line);
    return text ? text->GetLength() : 0;
}

void CEditActions::PadLineTo(LineIndex line, ByteColumn column)
{
    const int length = LineLength(line);
    if (column > length) {
        const std::string blanks((size_t)(column - length), ' ');
        EditInsertString(length, line, blanks.data(), (int)blanks.size());
    }
}

void CEditActions::OverwriteCharAt(ByteColumn column, LineIndex line)
{
    // Judged by the lead byte: keywords, quotations and delimiters hold double-byte
    // characters too, and half a character must never be left behind.
    const CTextLine& text = *GetDocument().GetLine(line);
    if (CharLengthAt(text, column, IsDoubleByte()) == 2) {
        EditDeleteString(column, line, 2);
        EditInsertChar(column, line, ' ');
    } else {
        EditDeleteChar(column, line);
    }
}

void CEditActions::DeleteCharKeepingWidth(ByteColumn column, LineIndex line)
{
    OverwriteCharAt(column, line);
}

int CEditActions::TabBlankCount() const
{
    const CMetricCache& metrics = m_view.GetMetrics();
    const int blank = std::max(1, metrics.GetBlankWidth());
    const PixelX caretX = m_view.GetCaretX();
    return std::max(1, (metrics.NextTabStop(caretX) - caretX) / blank);
}

void CEditActions::TypeCharAtCaret(char ch)
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    ByteColumn c = caret.column;
    const LineIndex line = caret.line;
    const bool overwrite = m_view.GetModes().overwriteMode;
    if (overwrite && c < LineLength(line))
        OverwriteCharAt(c, line);
    else
        PadLineTo(line, c);
    EditInsertChar(c, line, ch);
    CTextDocument& document = GetDocument();
    if (m_view.GetSettings().autoIndent && !overwrite && c > 0 &&
        c == CTextDocument::GetFirstTextColumn(*document.GetLine(line)) &&
        document.IsIndentCloseAt(c, line))
        c = std::max(0, c - EditUnindentLine(line));
    PlaceCaret(c + 1, line);
}

void CEditActions::InsertTabSpaces()
{
    const int count = TabBlankCount();
    const DocPosition caret = m_view.GetCaretDocPosition();
    const ByteColumn c = caret.column;
    const LineIndex line = caret.line;
    if (m_view.GetModes().overwriteMode && c < LineLength(line))
        OverwriteCharAt(c, line);
    else
        PadLineTo(line, c);
    if (count == 1) {
        EditInsertChar(c, line, ' ');
    } else {
        const std::string blanks((size_t)count, ' ');
        EditInsertString(c, line, blanks.data(), count);
    }
    PlaceCaret(c + count, line);
}

ByteColumn CEditActions::PutTextAt(ByteColumn c, LineIndex line, const char* text, int n)
{
    if (n <= 0)
        return c;
    const int length = LineLength(line);
    if (m_view.GetModes().overwriteMode && c < length) {
        const int rest = length - c;
        const CTextLine& lineText = *GetDocument().GetLine(line);
        if (n < rest && IsInsideDoubleByte(lineText, c + n, IsDoubleByte())) {
            // The text would end inside a double-byte character: it goes whole and a
            // blank keeps the columns after it.
            EditDeleteString(c, line, n + 1);
            std::string padded(text, (size_t)n);
            padded += ' ';
            EditInsertString(c, line, padded.data(), n + 1);
            return c + n;
        }
        EditDeleteString(c, line, std::min(n, rest));
    } else {
        PadLineTo(line, c);
    }
    EditInsertString(c, line, text, n);
    return c + n;
}

void CEditActions::InsertStringAtCaret(const CString& text)
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const ByteColumn end = PutTextAt(caret.column, caret.line, text, text.GetLength());
    PlaceCaret(end, caret.line);
}

void CEditActions::InsertStringAtColumn(ByteColumn column, const CString& text)
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    PutTextAt(column, caret.line, text, text.GetLength());
    const ByteColumn c = caret.column >= column ? caret.column + text.GetLength() : caret.column;
    PlaceCaret(c, caret.line);
}

void CEditActions::InsertStringPlain(const CString& text)
{
    CEditingModes& modes = m_view.GetModes();
    const bool overwrite = modes.overwriteMode;
    modes.overwriteMode = false;
    if (m_view.IsSelectionActive()) {
        if (!modes.columnMode)
            DeleteSelection();
        else if (m_view.GetCaretX() != m_view.GetAnchorX())
            DeleteColumnBlock();
    }
    m_view.Deselect();
    InsertStringAtCaret(text);
    modes.overwriteMode = overwrite;
}

ByteColumn CEditActions::IndentNewLine(LineIndex line)
{
    CTextDocument& document = GetDocument();
    LineIndex source = line;
    while (source > 0 && document.IsBlankLineAt(source))
        --source;
    const CTextLine& sourceLine = *document.GetLine(source);
    const ByteColumn first = CTextDocument::GetFirstTextColumn(sourceLine);
    const int leading = std::min(first, sourceLine.GetLength());
    ByteColumn k = 0;
    if (leading > 0) {
        const std::string indent(sourceLine.GetText(), (size_t)leading);
        EditInsertString(0, line + 1, indent.data(), leading);
        k = leading;
    }
    const ByteColumn last = CTextDocument::GetLastTextColumn(*document.GetLine(source));
    if (last > 0 && document.IsIndentOpenAt(last - 1, source))
        k += EditIndentLine(line + 1);
    return k;
}

void CEditActions::NewLineWithIndent()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const LineIndex line = caret.line;
    const ByteColumn c = std::min(caret.column, LineLength(line));
    const bool overwrite = m_view.GetModes().overwriteMode;
    if (!overwrite || line == m_view.GetLastLineIndex())
        EditSplitLine(c, line);
    ByteColumn k = 0;
    if (!m_view.GetSettings().autoIndent)
        k = 0;
    else if (overwrite)
        k = CTextDocument::GetFirstTextColumn(*GetDocument().GetLine(line + 1));
    else
        k = IndentNewLine(line);
    PlaceCaret(k, line + 1);
}

void CEditActions::BackspaceAtCaret()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const ByteColumn c = caret.column;
    const LineIndex line = caret.line;
    const int length = LineLength(line);
    if (c > length) {
        PlaceCaret(c - 1, line);
        return;
    }
    if (c == 0) {
        if (line > 0) {
            const ByteColumn join = LineLength(line - 1);
            EditJoinLines(join, line - 1);
            PlaceCaret(join, line - 1);
        } else {
            PlaceCaret(0, 0);
        }
        return;
    }
    const CTextLine& text = *GetDocument().GetLine(line);
    if (CharLengthBefore(text, c, IsDoubleByte()) == 2) {
        const bool quoted = IsInCommentOrQuote(text, c - 2);
        const FullWidthBackspace change = ConvertFullWidthBeforeCaret(text.GetText(), c, quoted);
        const ByteColumn start = c - change.removeBytes;
        const std::string replacement(change.replacement);
        EditDeleteString(start, line, change.removeBytes);
        EditInsertString(start, line, replacement.data(), (int)replacement.size());
        PlaceCaret(start + (int)replacement.size(), line);
        return;
    }
    EditDeleteChar(c - 1, line);
    PlaceCaret(c - 1, line);
}

void CEditActions::DeleteAtCaret()
{
    const DocPosition caret = m_view.GetCaretDocPosition();
    const ByteColumn c = caret.column;
    const LineIndex line = caret.line;
    const int length = LineLength(line);
    if (c < length) {
        const int bytes = CharLengthAt(*GetDocument().GetLine(line), c, IsDoubleByte());
        if (bytes == 2)
            EditDeleteString(c, line, 2);
        else
            EditDeleteChar(c, line);
    } else if (line < m_view.GetLastLineIndex()) {
        PadLineTo(line, c);
        EditJoinLines(c, line);
    }
    PlaceCaret(c, line);
}

void CEditActions::MoveToPrevTabStop()
{
    const CDisplayLineRef line = m_view.GetDisplayLineAtY(m_view.GetCaretY());
    PixelX x = m_view.GetMetrics().PrevTabStop(m_view.GetCaretX());
    if (line)
        x = std::max(x, line->GetStartX());
    m_view.SetCaretX(std::max(0, x), 1);
}
