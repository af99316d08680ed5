// Going to a line, bookmarks, the last edit and block ends, and the select commands.
#include <algorithm>

#include "editor/view/BracketMatcher.h"
#include "editor/view/SearchCommands.h"

bool CSearchCommands::FinishMove(bool moved, bool hadSelection)
{
    View().DropAnchor();
    return moved || hadSelection;
}

bool CSearchCommands::DoGoToLine(int lineNumber)
{
    const bool hadSelection = View().IsSelectionActive();
    const LineIndex line = std::max(0, std::min(lineNumber - 1, View().GetLastLineIndex()));
    View().SetCaretToDocPosition(0, line);
    return FinishMove(true, hadSelection);
}

bool CSearchCommands::DoToggleBookmark()
{
    const bool hadSelection = View().IsSelectionActive();
    const LineIndex line = View().GetCaretDocPosition().line;
    Document().ToggleBookmark(line);
    return FinishMove(true, hadSelection);
}

bool CSearchCommands::DoNextBookmark()
{
    const bool hadSelection = View().IsSelectionActive();
    LineIndex line = View().GetCaretDocPosition().line;
    const bool found = Document().FindNextBookmark(line);
    if (found)
        View().SetCaretToDocPosition(0, line);
    return FinishMove(found, hadSelection);
}

bool CSearchCommands::DoPrevBookmark()
{
    const bool hadSelection = View().IsSelectionActive();
    LineIndex line = View().GetCaretDocPosition().line;
    const bool found = Document().FindPrevBookmark(line);
    if (found)
        View().SetCaretToDocPosition(0, line);
    return FinishMove(found, hadSelection);
}

bool CSearchCommands::DoGoToPrevEditPos()
{
    const bool hadSelection = View().IsSelectionActive();
    ByteColumn column = 0;
    LineIndex line = 0;
    const bool found = Document().GetUndoSet().GetLastPosition(&column, &line);
    if (found) {
        line = std::max(0, std::min(line, View().GetLastLineIndex()));
        column = std::max(0, std::min(column, Document().GetLine(line)->GetLength()));
        View().SetCaretToDocPosition(column, line);
    }
    return FinishMove(found, hadSelection);
}

bool CSearchCommands::BracketAtCaret(DocPosition& symbol, bool& isOpening) const
{
    return CBracketMatcher(View()).BracketAtCaret(symbol, isOpening);
}

bool CSearchCommands::DoGoToBlockStart()
{
    const bool hadSelection = View().IsSelectionActive();
    DocPosition symbol;
    bool isOpening = false;
    bool found = false;
    if (BracketAtCaret(symbol, isOpening) && !isOpening) {
        found = Document().FindMatchingPair(symbol.column, symbol.line);
    } else {
        symbol = View().GetCaretDocPosition();
        found = Document().FindPairBackward(symbol.column, symbol.line);
    }
    if (found)
        View().SetCaretToDocPosition(symbol.column, symbol.line);
    return FinishMove(found, hadSelection);
}

bool CSearchCommands::DoGoToBlockEnd()
{
    const bool hadSelection = View().IsSelectionActive();
    DocPosition symbol;
    bool isOpening = false;
    bool found = false;
    if (BracketAtCaret(symbol, isOpening) && isOpening) {
        found = Document().FindMatchingPair(symbol.column, symbol.line);
    } else {
        symbol = View().GetCaretDocPosition();
        found = Document().FindPairForward(symbol.column, symbol.line);
    }
    if (found)
        View().SetCaretToDocPosition(symbol.column, symbol.line);
    return FinishMove(found, hadSelection);
}

bool CSearchCommands::SelectAll()
{
    const LineIndex last = View().GetLastLineIndex();
    View().SetAnchorToDocPosition(0, 0);
    View().SetCaretToDocPosition(Document().GetLine(last)->GetLength(), last);
    return View().GetAnchorX() != View().GetCaretX() || View().GetAnchorY() != View().GetCaretY();
}

bool CSearchCommands::SelectLine()
{
    const LineIndex line = View().GetCaretDocPosition().line;
    View().SetAnchorToDocPosition(0, line);
    if (line < View().GetLastLineIndex() && !View().IsColumnMode())
        View().SetCaretToDocPosition(0, line + 1);
    else
        View().SetCaretToDocPosition(Document().GetLine(line)->GetLength(), line);
    return View().GetAnchorX() != View().GetCaretX() || View().GetAnchorY() != View().GetCaretY();
}

bool CSearchCommands::SelectWord()
{
    const DocPosition caret = View().GetCaretDocPosition();
    const CTextLine& line = *Document().GetLine(caret.line);
    const CColorRun* run = CTextDocument::GetRunAt(line, caret.column);
    if (run == nullptr || run->length <= 0 || run->kind == kRunLineEnd)
        return false;
    View().SetAnchorToDocPosition(run->start, caret.line);
    View().SetCaretToDocPosition(run->End(), caret.line);
    return true;
}

bool CSearchCommands::SelectBlock()
{
    DocPosition open;
    bool isOpening = false;
    int length = 0;
    if (BracketAtCaret(open, isOpening)) {
        DocPosition partner = open;
        if (!Document().FindMatchingPair(partner.column, partner.line))
            return false;
        if (!isOpening)
            std::swap(open, partner);
    } else {
        open = View().GetCaretDocPosition();
        if (!Document().FindPairBackward(open.column, open.line))
            return false;
    }
    DocPosition close = open;
    if (!Document().FindMatchingPair(close.column, close.line) ||
        !Document().GetPairDelimiterAt(close.column, close.line, isOpening, length))
        return false;
    View().SetAnchorToDocPosition(open.column, open.line);
    View().SetCaretToDocPosition(close.column + length, close.line);
    return true;
}

void CSearchCommands::KeepSelection(bool selected)
{
    if (selected)
        View().UpdateSelectionActive();
    else
        View().Deselect();
}

bool CSearchCommands::DoSelectAll(int quiet)
{
    if (View().IsColumnMode()) {
        if (!quiet)
            View().GetHost().Beep();
        return false;
    }
    KeepSelection(SelectAll());
    return true;
}

void CSearchCommands::DoSelectLine()
{
    KeepSelection(SelectLine());
}

void CSearchCommands::DoSelectWord()
{
    KeepSelection(SelectWord());
}

bool CSearchCommands::DoSelectBlock(int quiet)
{
    if (View().IsColumnMode()) {
        if (!quiet)
            View().GetHost().Beep();
        return false;
    }
    KeepSelection(SelectBlock());
    return true;
}
