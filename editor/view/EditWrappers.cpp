// The thin layer between the edit actions and the document primitives: each wrapper makes
// one change with the view's settings. The document re-lexes exactly the lines it touched
// and tells every view of them.
#include "editor/view/EditActions.h"

bool CEditActions::EditInsertChar(ByteColumn column, LineIndex line, char ch)
{
    return GetDocument().InsertChar(column, line, ch);
}

bool CEditActions::EditDeleteChar(ByteColumn column, LineIndex line)
{
    return GetDocument().DeleteChar(column, line);
}

bool CEditActions::EditInsertString(ByteColumn column, LineIndex line, const char* text, int length)
{
    return length > 0 && GetDocument().InsertString(column, line, text, length);
}

bool CEditActions::EditDeleteString(ByteColumn column, LineIndex line, int count)
{
    return count > 0 && GetDocument().DeleteString(column, line, count);
}

bool CEditActions::EditSplitLine(ByteColumn column, LineIndex line)
{
    return GetDocument().SplitLine(column, line);
}

bool CEditActions::EditJoinLines(ByteColumn column, LineIndex line)
{
    return GetDocument().JoinLines(column, line);
}

int CEditActions::EditIndentLine(LineIndex line)
{
    return GetDocument().IndentLineAt(line, m_view.GetSettings().tabSize,
                                                 m_view.GetSettings().spacesForTab != 0);
}

int CEditActions::EditUnindentLine(LineIndex line)
{
    return GetDocument().UnindentLineAt(line, m_view.GetSettings().tabSize);
}

int CEditActions::EditCommentLine(LineIndex line)
{
    return GetDocument().CommentLineAt(line);
}

int CEditActions::EditUncommentLine(LineIndex line)
{
    return GetDocument().UncommentLineAt(line);
}

int CEditActions::EditTrimLeading(LineIndex line)
{
    return GetDocument().TrimLeadingBlanksAt(line);
}

int CEditActions::EditTrimTrailing(LineIndex line)
{
    return GetDocument().TrimTrailingBlanksAt(line);
}

bool CEditActions::EditInsertBlock(ByteColumn column, LineIndex line, const CStringLineList& block,
                                   ByteColumn* endColumn, LineIndex* endLine)
{
    ByteColumn endAt = column;
    LineIndex endOn = line;
    if (!GetDocument().InsertBlock(column, line, &endAt, &endOn, block))
        return false;
    if (endColumn)
        *endColumn = endAt;
    if (endLine)
        *endLine = endOn;
    return true;
}

bool CEditActions::EditDeleteBlock(ByteColumn startColumn, LineIndex startLine,
                                   ByteColumn endColumn, LineIndex endLine)
{
    return GetDocument().DeleteBlock(startColumn, startLine, endColumn, endLine);
}

int CEditActions::EditIndentLines(ByteColumn, LineIndex firstLine, ByteColumn lastColumn,
                                  LineIndex lastLine)
{
    return GetDocument().IndentLines(firstLine, lastColumn != 0, lastLine,
                                                  m_view.GetSettings().tabSize,
                                                  m_view.GetSettings().spacesForTab != 0);
}

int CEditActions::EditUnindentLines(ByteColumn, LineIndex firstLine, ByteColumn lastColumn,
                                    LineIndex lastLine)
{
    return GetDocument().UnindentLines(firstLine, lastColumn != 0, lastLine,
                                                    m_view.GetSettings().tabSize);
}

int CEditActions::EditCommentLines(ByteColumn, LineIndex firstLine, ByteColumn lastColumn,
                                   LineIndex lastLine)
{
    return GetDocument().CommentLines(firstLine, lastColumn != 0, lastLine);
}

int CEditActions::EditUncommentLines(ByteColumn, LineIndex firstLine, ByteColumn lastColumn,
                                     LineIndex lastLine)
{
    return GetDocument().UncommentLines(firstLine, lastColumn != 0, lastLine);
}

int CEditActions::EditTabsToSpacesAll()
{
    return GetDocument().TabsToSpacesAll();
}

int CEditActions::EditSpacesToTabsAll()
{
    return GetDocument().SpacesToTabsAll();
}

int CEditActions::EditLeadingSpacesToTabsAll()
{
    return GetDocument().LeadingSpacesToTabsAll();
}

int CEditActions::EditTrimTrailingAll()
{
    return GetDocument().TrimTrailingBlanksAll();
}
