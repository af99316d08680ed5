// The thin layer between the edit actions and the document primitives: each wrapper makes
// one change, re-lexes exactly the lines it touched and tells every view of them (inserted
// or removed lines first, then the changed ones).
#include "editor/view/EditActions.h"

void CEditActions::Notify(LineIndex first, int count)
{
    if (count <= 0)
        return;
    GetDocument().AnalyzeAllLines(first, count);
    m_view.GetNotifier().NotifyViewsLinesChanged(first, count);
}

bool CEditActions::EditInsertChar(ByteColumn column, LineIndex line, char ch)
{
    if (!GetDocument().InsertChar(column, line, ch))
        return false;
    Notify(line, 1);
    return true;
}

bool CEditActions::EditDeleteChar(ByteColumn column, LineIndex line)
{
    if (!GetDocument().DeleteChar(column, line))
        return false;
    Notify(line, 1);
    return true;
}

bool CEditActions::EditInsertString(ByteColumn column, LineIndex line, const char* text, int length)
{
    if (length <= 0 || !GetDocument().InsertString(column, line, text, length))
        return false;
    Notify(line, 1);
    return true;
}

bool CEditActions::EditDeleteString(ByteColumn column, LineIndex line, int count)
{
    if (count <= 0 || !GetDocument().DeleteString(column, line, count))
        return false;
    Notify(line, 1);
    return true;
}

bool CEditActions::EditSplitLine(ByteColumn column, LineIndex line)
{
    if (!GetDocument().SplitLine(column, line))
        return false;
    m_view.GetNotifier().NotifyViewsLinesInserted(line, 1);
    Notify(line, 2);
    return true;
}

bool CEditActions::EditJoinLines(ByteColumn column, LineIndex line)
{
    if (!GetDocument().JoinLines(column, line))
        return false;
    m_view.GetNotifier().NotifyViewsLinesDeleted(line + 1, 1);
    Notify(line, 1);
    return true;
}

int CEditActions::EditIndentLine(LineIndex line)
{
    const int width = GetDocument().IndentLineAt(line, m_view.GetSettings().tabSize,
                                                 m_view.GetSettings().spacesForTab != 0);
    if (width != 0)
        Notify(line, 1);
    return width;
}

int CEditActions::EditUnindentLine(LineIndex line)
{
    const int width = GetDocument().UnindentLineAt(line, m_view.GetSettings().tabSize);
    if (width != 0)
        Notify(line, 1);
    return width;
}

int CEditActions::EditCommentLine(LineIndex line)
{
    const int width = GetDocument().CommentLineAt(line);
    if (width != 0)
        Notify(line, 1);
    return width;
}

int CEditActions::EditUncommentLine(LineIndex line)
{
    const int width = GetDocument().UncommentLineAt(line);
    if (width != 0)
        Notify(line, 1);
    return width;
}

int CEditActions::EditTrimLeading(LineIndex line)
{
    const int removed = GetDocument().TrimLeadingBlanksAt(line);
    if (removed != 0)
        Notify(line, 1);
    return removed;
}

int CEditActions::EditTrimTrailing(LineIndex line)
{
    const int removed = GetDocument().TrimTrailingBlanksAt(line);
    if (removed != 0)
        Notify(line, 1);
    return removed;
}

bool CEditActions::EditInsertBlock(ByteColumn column, LineIndex line, const CStringLineList& block,
                                   ByteColumn* endColumn, LineIndex* endLine)
{
    ByteColumn endAt = column;
    LineIndex endOn = line;
    if (!GetDocument().InsertBlock(column, line, &endAt, &endOn, block))
        return false;
    if (endOn > line)
        m_view.GetNotifier().NotifyViewsLinesInserted(line, endOn - line);
    Notify(line, endOn - line + 1);
    if (endColumn)
        *endColumn = endAt;
    if (endLine)
        *endLine = endOn;
    return true;
}

bool CEditActions::EditDeleteBlock(ByteColumn startColumn, LineIndex startLine,
                                   ByteColumn endColumn, LineIndex endLine)
{
    if (!GetDocument().DeleteBlock(startColumn, startLine, endColumn, endLine))
        return false;
    if (endLine > startLine)
        m_view.GetNotifier().NotifyViewsLinesDeleted(startLine + 1, endLine - startLine);
    Notify(startLine, 1);
    return true;
}

namespace {

// The lines a range form touches: first .. last, the last only when its column is not 0.
int RangeLineCount(LineIndex firstLine, ByteColumn lastColumn, LineIndex lastLine)
{
    return lastLine - firstLine + (lastColumn != 0 ? 1 : 0);
}

} // namespace

int CEditActions::EditIndentLines(ByteColumn, LineIndex firstLine, ByteColumn lastColumn,
                                  LineIndex lastLine)
{
    const int changed = GetDocument().IndentLines(firstLine, lastColumn != 0, lastLine,
                                                  m_view.GetSettings().tabSize,
                                                  m_view.GetSettings().spacesForTab != 0);
    Notify(firstLine, RangeLineCount(firstLine, lastColumn, lastLine));
    return changed;
}

int CEditActions::EditUnindentLines(ByteColumn, LineIndex firstLine, ByteColumn lastColumn,
                                    LineIndex lastLine)
{
    const int changed = GetDocument().UnindentLines(firstLine, lastColumn != 0, lastLine,
                                                    m_view.GetSettings().tabSize);
    Notify(firstLine, RangeLineCount(firstLine, lastColumn, lastLine));
    return changed;
}

int CEditActions::EditCommentLines(ByteColumn, LineIndex firstLine, ByteColumn lastColumn,
                                   LineIndex lastLine)
{
    const int changed = GetDocument().CommentLines(firstLine, lastColumn != 0, lastLine);
    Notify(firstLine, RangeLineCount(firstLine, lastColumn, lastLine));
    return changed;
}

int CEditActions::EditUncommentLines(ByteColumn, LineIndex firstLine, ByteColumn lastColumn,
                                     LineIndex lastLine)
{
    const int changed = GetDocument().UncommentLines(firstLine, lastColumn != 0, lastLine);
    Notify(firstLine, RangeLineCount(firstLine, lastColumn, lastLine));
    return changed;
}

namespace {

template <class Transform> int WholeDocument(CTextDocument& document, IViewNotifier& notifier,
                                             Transform transform)
{
    const int changed = transform(document);
    document.AnalyzeAllLines(0, document.GetLineCount());
    notifier.RefreshAllViews();
    return changed;
}

} // namespace

int CEditActions::EditTabsToSpacesAll()
{
    return WholeDocument(GetDocument(), m_view.GetNotifier(),
                         [](CTextDocument& d) { return d.TabsToSpacesAll(); });
}

int CEditActions::EditSpacesToTabsAll()
{
    return WholeDocument(GetDocument(), m_view.GetNotifier(),
                         [](CTextDocument& d) { return d.SpacesToTabsAll(); });
}

int CEditActions::EditLeadingSpacesToTabsAll()
{
    return WholeDocument(GetDocument(), m_view.GetNotifier(),
                         [](CTextDocument& d) { return d.LeadingSpacesToTabsAll(); });
}

int CEditActions::EditTrimTrailingAll()
{
    return WholeDocument(GetDocument(), m_view.GetNotifier(),
                         [](CTextDocument& d) { return d.TrimTrailingBlanksAll(); });
}
