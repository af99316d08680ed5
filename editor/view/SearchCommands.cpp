// Preparing a search, finding and replacing.
#include "editor/view/SearchCommands.h"

#include <algorithm>

#include "editor/view/CharSteps.h"
#include "editor/view/RegexPattern.h"

CSearchCommands::CSearchCommands(CEditActions& actions, CSearchParameters& parameters)
    : m_actions(actions), m_parameters(parameters)
{
}

bool CSearchCommands::Prepare(const CString& text, int flags)
{
    if (text.IsEmpty())
        return false;
    CString pattern = text;
    if ((flags & kSearchRegex) != 0) {
        pattern = BuildRegexPattern(text);
        if ((flags & kSearchMatchCase) == 0)
            pattern.MakeLower();
        if (m_parameters.engine.Compile(pattern) == nullptr)
            return false;
    }
    m_parameters.text = text;
    m_parameters.pattern = pattern;
    m_parameters.flags = flags;
    m_hasEmptyMatch = false;
    return true;
}

bool CSearchCommands::DoFind(const CString& text, int flags)
{
    if (!Prepare(text, flags))
        return false;
    m_parameters.mode = CSearchParameters::kModeFind;
    return true;
}

bool CSearchCommands::DoReplace(const CString& text, const CString& replacement, int flags)
{
    if (!Prepare(text, flags))
        return false;
    m_parameters.replacement = replacement;
    m_parameters.mode = CSearchParameters::kModeReplace;
    return true;
}

CString CSearchCommands::GetSelectedTextOnLine() const
{
    if (!View().IsSelectionActive())
        return CString();
    const DocSelection range = View().GetSelectionRange();
    if (range.start.line != range.end.line || range.end.column <= range.start.column)
        return CString();
    CString text;
    Document().GetLineText(text, range.start.column, range.start.line,
                           range.end.column - range.start.column);
    return text;
}

CString CSearchCommands::GetWordAtCaret() const
{
    const DocPosition caret = View().GetCaretDocPosition();
    ByteColumn start = caret.column;
    ByteColumn end = caret.column;
    View().GetWordBounds(caret.line, caret.column, start, end);
    CString word;
    if (end > start)
        Document().GetLineText(word, start, caret.line, end - start);
    return word;
}

bool CSearchCommands::DoFindAgain()
{
    CString text = GetSelectedTextOnLine();
    if (text.IsEmpty())
        text = GetWordAtCaret();
    if (!Prepare(text, 0))
        return false;
    m_parameters.mode = CSearchParameters::kModeFind;
    return true;
}

bool CSearchCommands::DoFindNextPrev()
{
    CString selected = GetSelectedTextOnLine();
    if (selected.IsEmpty())
        return false;
    CString current = m_parameters.text;
    if (IsRegex() && !m_parameters.engine.GetMatchText(current))
        current.Empty();
    if ((m_parameters.flags & kSearchMatchCase) == 0) {
        selected.MakeLower();
        current.MakeLower();
    }
    if (selected.Compare(current) == 0)
        return false;
    Prepare(GetSelectedTextOnLine(), 0);
    m_parameters.mode = CSearchParameters::kModeFind;
    return true;
}

int CSearchCommands::MatchLength() const
{
    return IsRegex() ? m_parameters.engine.GetMatchLength() : m_parameters.text.GetLength();
}

CString CSearchCommands::ReplacementForMatch() const
{
    if (!IsRegex())
        return m_parameters.replacement;
    CString text;
    if (!m_parameters.engine.GetReplacementText(ExpandTemplateTabs(m_parameters.replacement), text))
        text.Empty();
    return text;
}

void CSearchCommands::SelectMatch(ByteColumn column, LineIndex line, int length)
{
    View().SetAnchorToDocPosition(column + length, line);
    View().SetCaretToDocPosition(column, line);
    View().UpdateSelectionActive();
    m_hasEmptyMatch = length == 0;
    m_emptyMatch = DocPosition{column, line};
}

DocPosition CSearchCommands::StepForward(DocPosition position) const
{
    const CTextLine& line = *Document().GetLine(position.line);
    if (position.column < line.GetLength()) {
        position.column += std::max(1, CharLengthAt(line, position.column, View().IsDoubleByteMode()));
    } else {
        position.line += 1;
        position.column = 0;
    }
    return position;
}

bool CSearchCommands::DoFindNextOccurrence()
{
    CViewEngine& view = View();
    DocPosition from = view.GetCaretDocPosition();
    if (view.IsSelectionActive()) {
        const DocSelection range = view.GetSelectionRange();
        from = view.m_searchFromSelectionStart ? range.start : range.end;
    }
    view.m_searchFromSelectionStart = 0;
    // An empty match found last time at this very place is not found again.
    if (m_hasEmptyMatch && from == m_emptyMatch)
        from = StepForward(from);
    Document().SetSearchWraps(view.GetSettings().searchWraps != 0);
    ByteColumn column = from.column;
    LineIndex line = from.line;
    if (!Document().FindForwardWrap(column, line, m_parameters.pattern, m_parameters.flags,
                                    &m_parameters.engine))
        return false;
    SelectMatch(column, line, MatchLength());
    return true;
}

bool CSearchCommands::DoFindPrevOccurrence()
{
    CViewEngine& view = View();
    DocPosition from = view.GetCaretDocPosition();
    if (view.IsSelectionActive())
        from = view.GetSelectionRange().start;
    if (m_hasEmptyMatch && from == m_emptyMatch && from.column > 0)
        from.column -= std::max(1, CharLengthBefore(*Document().GetLine(from.line), from.column,
                                                    view.IsDoubleByteMode()));
    Document().SetSearchWraps(view.GetSettings().searchWraps != 0);
    ByteColumn column = from.column;
    LineIndex line = from.line;
    if (!Document().FindBackward(column, line, m_parameters.pattern, m_parameters.flags,
                                 &m_parameters.engine))
        return false;
    SelectMatch(column, line, MatchLength());
    return true;
}

bool CSearchCommands::DoReplaceThis()
{
    CViewEngine& view = View();
    if (!view.IsSelectionActive())
        return false;
    const DocSelection range = view.GetSelectionRange();
    if (range.start.line != range.end.line)
        return false;
    const CString replacement = ReplacementForMatch();
    const LineIndex line = range.start.line;
    if (range.end.column > range.start.column)
        m_actions.EditDeleteString(range.start.column, line, range.end.column - range.start.column);
    m_actions.EditInsertString(range.start.column, line, replacement);
    view.SetCaretToDocPosition(range.start.column + replacement.GetLength(), line);
    view.DropAnchor();
    view.SetSelectionActive(false);
    m_hasEmptyMatch = false;
    return true;
}

int CSearchCommands::ReplaceAllFrom(DocPosition from, DocPosition* limit)
{
    CTextDocument& document = Document();
    const int lastLine = document.GetLineCount() - 1;
    LineIndex changedLine = -1;
    auto flushChangedLine = [&] {
        if (changedLine >= 0)
            m_actions.Notify(changedLine, 1);
        changedLine = -1;
    };
    int count = 0;
    DocPosition at = from;
    while (at.line <= lastLine) {
        ByteColumn column = at.column;
        LineIndex line = at.line;
        if (!document.FindForward(column, line, m_parameters.pattern, m_parameters.flags,
                                  &m_parameters.engine))
            break;
        const int length = MatchLength();
        if (limit && (line > limit->line || (line == limit->line && column + length > limit->column)))
            break;
        const CString replacement = ReplacementForMatch();
        if (line != changedLine)
            flushChangedLine();
        // Straight to the primitives (each recorded for undo); the line is re-lexed and laid
        // out once when the search leaves it, not once per match.
        if (length > 0)
            document.DeleteString(column, line, length);
        if (!replacement.IsEmpty())
            document.InsertString(column, line, replacement);
        changedLine = line;
        if (limit && line == limit->line)
            limit->column += replacement.GetLength() - length;
        ++count;
        at = DocPosition{column + replacement.GetLength(), line};
        // After an empty match the search moves on by one character, or it would match
        // the same place again for ever.
        if (length == 0)
            at = StepForward(at);
        else if (at.column >= document.GetLine(line)->GetLength())
            at = DocPosition{0, line + 1};
    }
    flushChangedLine();
    m_hasEmptyMatch = false;
    return count;
}

int CSearchCommands::DoReplaceAllInSelection()
{
    CViewEngine& view = View();
    if (!view.IsSelectionActive() || view.IsColumnMode() || view.GetSelectionLineSpan() == 0)
        return 0;
    const DocSelection range = view.GetSelectionRange();
    DocPosition end = range.end;
    const int count = ReplaceAllFrom(range.start, &end);
    view.SetAnchorToDocPosition(range.start.column, range.start.line);
    view.SetCaretToDocPosition(end.column, end.line);
    view.UpdateSelectionActive();
    return count;
}

int CSearchCommands::DoReplaceAllInFile()
{
    CViewEngine& view = View();
    const int count = ReplaceAllFrom(DocPosition{0, 0}, nullptr);
    const LineIndex line = std::min(view.GetCaretDocPosition().line, view.GetLastLineIndex());
    view.SetCaretToDocPosition(0, line);
    view.DropAnchor();
    view.SetSelectionActive(false);
    return count;
}
