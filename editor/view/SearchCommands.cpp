// Preparing a search, finding and replacing.
#include "editor/view/SearchCommands.h"

#include <algorithm>
#include <string>
#include <vector>

#include "editor/util/TextSearch.h"
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
    const bool fromStart = view.TakeSearchFromSelectionStart();
    if (view.IsSelectionActive()) {
        const DocSelection range = view.GetSelectionRange();
        from = fromStart ? range.start : range.end;
    }
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
    m_hasEmptyMatch = false;
    return true;
}

int CSearchCommands::FindInText(const char* text, ByteColumn start) const
{
    const int flags = m_parameters.flags;
    const bool wholeWord = (flags & kSearchWholeWord) != 0;
    const bool matchCase = (flags & kSearchMatchCase) != 0;
    if (IsRegex())
        return FindRegexForward(text, m_parameters.pattern, m_parameters.engine, start, wholeWord, matchCase);
    return FindTextForward(text, m_parameters.pattern, start, wholeWord, matchCase);
}

// Matches are replaced in a copy of the line, searched exactly as the line would be after
// each replacement; the line then gets at most two edits for all its matches but the last,
// which keeps its own, so the newest undo step stays where the last match was.
//
// The replacements run in one change batch, so each changed line is re-lexed and laid out
// once, not once per match, and past the batch's limit the whole document at once: lines
// re-analysed one at a time get a heap block each, and under Wine's heap many blocks freed
// and allocated at growing sizes cost time in the square of their number.
int CSearchCommands::ReplaceAllFrom(DocPosition from, DocPosition* limit)
{
    CTextDocument& document = Document();
    CChangeBatch batch(document);
    const int lastLine = document.GetLineCount() - 1;
    int count = 0;
    std::string work;
    // Replacements made in work and not yet in the document, all on one line.
    struct Pending {
        bool any = false;
        ByteColumn regionStart = 0;  // the first one's column, the same in both texts
        int prefixDelta = 0;         // growth of the line by all but the last one
        ByteColumn lastColumn = 0;   // the last one's column in work
        int lastLength = 0;          // its match length
        int lastReplacement = 0;     // its replacement length
    } pending;
    auto flush = [&](LineIndex line) {
        if (!pending.any)
            return;
        const ByteColumn regionStart = pending.regionStart;
        const int oldPrefix = pending.lastColumn - pending.prefixDelta - regionStart;
        const int newPrefix = pending.lastColumn - regionStart;
        if (oldPrefix > 0)
            document.DeleteString(regionStart, line, oldPrefix);
        if (newPrefix > 0)
            document.InsertString(regionStart, line, work.data() + regionStart, newPrefix);
        if (pending.lastLength > 0)
            document.DeleteString(pending.lastColumn, line, pending.lastLength);
        if (pending.lastReplacement > 0)
            document.InsertString(pending.lastColumn, line, work.data() + pending.lastColumn,
                                  pending.lastReplacement);
        pending = Pending();
    };
    DocPosition at = from;
    bool stopped = false;
    // No match beyond the limit's line is replaced, so no line after it is searched.
    const LineIndex endLine = limit ? std::min(lastLine, limit->line) : lastLine;
    while (!stopped && at.line <= endLine) {
        const LineIndex line = at.line;
        const CTextLine& text = *document.GetLine(line);
        work.assign(text.GetText(), (size_t)text.GetLength());
        ByteColumn start = std::max(at.column, 0);
        at = DocPosition{0, line + 1};
        // The searches of one line share one step budget, as one search of it would.
        CRegexSearchBudget budget(m_parameters.engine);
        for (;;) {
            const ByteColumn column = FindInText(work.c_str(), start);
            if (column < 0)
                break;
            const int length = MatchLength();
            if (limit && (line > limit->line || (line == limit->line && column + length > limit->column))) {
                stopped = true;
                break;
            }
            const CString replacement = ReplacementForMatch();
            const int replacementLength = replacement.GetLength();
            if (pending.any) {
                pending.prefixDelta += pending.lastReplacement - pending.lastLength;
            } else {
                pending.any = true;
                pending.regionStart = column;
            }
            pending.lastColumn = column;
            pending.lastLength = length;
            pending.lastReplacement = replacementLength;
            work.replace((size_t)column, (size_t)length, (LPCTSTR)replacement, (size_t)replacementLength);
            if (limit && line == limit->line)
                limit->column += replacementLength - length;
            ++count;
            start = column + replacementLength;
            // After an empty match the search moves on by one character, or it would match
            // the same place again for ever; the step reads the line, so it must be current.
            if (length == 0) {
                flush(line);
                const DocPosition next = StepForward(DocPosition{start, line});
                if (next.line != line)
                    break;
                start = next.column;
            } else if (start >= (ByteColumn)work.size()) {
                break;
            }
        }
        flush(line);
    }
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
    return count;
}
