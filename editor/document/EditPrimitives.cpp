// The eight editing primitives of the document and the two text queries they build on. Each
// primitive records its step, then announces what it changed: lines inserted or removed
// first, then the changed lines, which are re-analysed before any watcher hears of them.
#include <string>

#include "editor/document/TextDocument.h"

namespace {

// Rewrites a line as its text with [column, column + removed) replaced by the inserted bytes.
void SpliceLine(CTextLine& line, ByteColumn column, int removed, const char* inserted, int insertedLength)
{
    std::string text;
    text.reserve((size_t)(line.GetLength() - removed + insertedLength));
    text.append(line.GetText(), (size_t)column);
    text.append(inserted, (size_t)insertedLength);
    text.append(line.GetText() + column + removed, (size_t)(line.GetLength() - column - removed));
    line.Assign(text.data(), (int)text.size());
}

// A step is recorded before its change is made; when the change then fails (out of memory)
// the step is taken back, so the log never describes a change that did not happen.
class CStepRecording {
public:
    explicit CStepRecording(CUndoSet& set) : m_set(set), m_mark(set.GetMark()) {}
    ~CStepRecording()
    {
        if (!m_done)
            m_set.RollBackTo(m_mark);
    }
    CStepRecording(const CStepRecording&) = delete;
    CStepRecording& operator=(const CStepRecording&) = delete;
    void Done() { m_done = true; }

private:
    CUndoSet& m_set;
    CUndoSet::Mark m_mark;
    bool m_done = false;
};

} // namespace

bool CTextDocument::IsInsideLine(ByteColumn column, LineIndex line) const
{
    return m_lines.IsValidIndex(line) && column >= 0 && column <= m_lines.GetLine(line)->GetLength();
}

bool CTextDocument::InsertChar(ByteColumn column, LineIndex line, char byte)
{
    if (!IsInsideLine(column, line))
        return false;
    CStepRecording recording(TargetSet());
    TargetSet().RecordInsertChar(column, line);
    SpliceLine(*m_lines.GetLine(line), column, 0, &byte, 1);
    recording.Done();
    StepRecorded();
    LinesChanged(line, 1);
    return true;
}

bool CTextDocument::DeleteChar(ByteColumn column, LineIndex line)
{
    if (!IsInsideLine(column, line) || column >= m_lines.GetLine(line)->GetLength())
        return false;
    CTextLine& text = *m_lines.GetLine(line);
    const char byte = text.GetAt(column);
    CStepRecording recording(TargetSet());
    TargetSet().RecordDeleteChar(column, line, byte);
    SpliceLine(text, column, 1, "", 0);
    recording.Done();
    StepRecorded();
    LinesChanged(line, 1);
    return true;
}

bool CTextDocument::InsertString(ByteColumn column, LineIndex line, const char* text, int length)
{
    if (!IsInsideLine(column, line) || length < 0 || (text == nullptr && length > 0))
        return false;
    if (length == 0)
        return true;
    CStepRecording recording(TargetSet());
    TargetSet().RecordInsertString(column, line, length);
    SpliceLine(*m_lines.GetLine(line), column, 0, text, length);
    recording.Done();
    StepRecorded();
    LinesChanged(line, 1);
    return true;
}

bool CTextDocument::DeleteString(ByteColumn column, LineIndex line, int length)
{
    if (!IsInsideLine(column, line) || length < 0 ||
        length > m_lines.GetLine(line)->GetLength() - column)
        return false;
    if (length == 0)
        return true;
    CTextLine& text = *m_lines.GetLine(line);
    const CString removed(text.GetText() + column, length);
    CStepRecording recording(TargetSet());
    TargetSet().RecordDeleteString(column, line, removed);
    SpliceLine(text, column, length, "", 0);
    recording.Done();
    StepRecorded();
    LinesChanged(line, 1);
    return true;
}

bool CTextDocument::InsertBlock(ByteColumn column, LineIndex line, ByteColumn* endColumn,
                                LineIndex* endLine, const CStringLineList& block)
{
    if (!IsInsideLine(column, line) || block.IsEmpty())
        return false;
    CTextLine& first = *m_lines.GetLine(line);
    const std::string tail(first.GetText() + column, (size_t)(first.GetLength() - column));
    const int count = block.GetCount();
    const LineIndex finalLine = line + count - 1;
    const ByteColumn finalColumn = (count == 1 ? column : 0) + block.GetAt(count - 1).GetLength();
    CStepRecording recording(TargetSet());
    TargetSet().RecordInsertBlock(column, line, finalColumn, finalLine);
    // The new lines first, the last with the old tail; the first line is rewritten last, so
    // a failure on the way removes what was made and leaves the text as it was.
    int made = 0;
    try {
        for (int i = 1; i < count; ++i) {
            std::string text((LPCTSTR)block.GetAt(i), (size_t)block.GetAt(i).GetLength());
            if (i == count - 1)
                text += tail;
            m_lines.InsertLine(line + i, text.data(), (int)text.size());
            ++made;
        }
        std::string head((LPCTSTR)block.GetAt(0), (size_t)block.GetAt(0).GetLength());
        if (count == 1)
            head += tail;
        SpliceLine(first, column, first.GetLength() - column, head.data(), (int)head.size());
    } catch (...) {
        m_lines.RemoveLines(line + 1, made);
        throw;
    }
    recording.Done();
    if (endColumn != nullptr)
        *endColumn = finalColumn;
    if (endLine != nullptr)
        *endLine = finalLine;
    StepRecorded();
    LinesInserted(line, count - 1);
    LinesChanged(line, count);
    return true;
}

bool CTextDocument::DeleteBlock(ByteColumn column1, LineIndex line1, ByteColumn column2, LineIndex line2)
{
    CStringLineList removed;
    if (!CopyBlock(removed, column1, line1, column2, line2))
        return false;
    CTextLine& first = *m_lines.GetLine(line1);
    const CTextLine& last = *m_lines.GetLine(line2);
    const std::string rest(last.GetText() + column2, (size_t)(last.GetLength() - column2));
    CStepRecording recording(TargetSet());
    TargetSet().RecordDeleteBlock(column1, line1, std::move(removed));
    SpliceLine(first, column1, first.GetLength() - column1, rest.data(), (int)rest.size());
    m_lines.RemoveLines(line1 + 1, line2 - line1);
    recording.Done();
    StepRecorded();
    LinesDeleted(line1 + 1, line2 - line1);
    LinesChanged(line1, 1);
    return true;
}

bool CTextDocument::SplitLine(ByteColumn column, LineIndex line)
{
    if (!IsInsideLine(column, line))
        return false;
    CTextLine& text = *m_lines.GetLine(line);
    CStepRecording recording(TargetSet());
    TargetSet().RecordSplitLine(column, line);
    m_lines.InsertLine(line + 1, text.GetText() + column, text.GetLength() - column);
    try {
        SpliceLine(text, column, text.GetLength() - column, "", 0);
    } catch (...) {
        m_lines.RemoveLines(line + 1, 1);
        throw;
    }
    recording.Done();
    StepRecorded();
    LinesInserted(line, 1);
    LinesChanged(line, 2);
    return true;
}

bool CTextDocument::JoinLines(ByteColumn column, LineIndex line)
{
    (void)column;
    // Line + 1 must exist: the last line is never joined with itself.
    if (!m_lines.IsValidIndex(line) || !m_lines.IsValidIndex(line + 1))
        return false;
    CTextLine& text = *m_lines.GetLine(line);
    const CTextLine& next = *m_lines.GetLine(line + 1);
    const ByteColumn joinColumn = text.GetLength();
    CStepRecording recording(TargetSet());
    TargetSet().RecordJoinLines(joinColumn, line);
    SpliceLine(text, joinColumn, 0, next.GetText(), next.GetLength());
    m_lines.RemoveLines(line + 1, 1);
    recording.Done();
    StepRecorded();
    LinesDeleted(line + 1, 1);
    LinesChanged(line, 1);
    return true;
}

void CTextDocument::GetLineText(CString& text, ByteColumn column, LineIndex line, int length) const
{
    text.Empty();
    const CTextLine* source = m_lines.GetLine(line);
    if (source == nullptr || column < 0 || column >= source->GetLength() || length <= 0)
        return;
    if (length > source->GetLength() - column)
        length = source->GetLength() - column;
    text = CString(source->GetText() + column, length);
}

bool CTextDocument::CopyBlock(CStringLineList& block, ByteColumn column1, LineIndex line1,
                              ByteColumn column2, LineIndex line2) const
{
    block.RemoveAll();
    if (!IsInsideLine(column1, line1) || !IsInsideLine(column2, line2) || line2 < line1 ||
        (line2 == line1 && column2 < column1))
        return false;
    const CTextLine& first = *m_lines.GetLine(line1);
    if (line1 == line2) {
        block.AddTail(first.GetText() + column1, column2 - column1);
        return true;
    }
    block.AddTail(first.GetText() + column1, first.GetLength() - column1);
    for (LineIndex n = line1 + 1; n < line2; ++n) {
        const CTextLine& whole = *m_lines.GetLine(n);
        block.AddTail(whole.GetText(), whole.GetLength());
    }
    block.AddTail(m_lines.GetLine(line2)->GetText(), column2);
    return true;
}
