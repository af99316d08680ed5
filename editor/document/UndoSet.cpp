#include "editor/document/UndoSet.h"

size_t CUndoSet::TextBytes(const CStringLineList& block)
{
    size_t bytes = kEntryBytes;
    for (int i = 0; i < block.GetCount(); ++i)
        bytes += TextBytes(block.GetAt(i));
    return bytes;
}

void CUndoSet::Clear()
{
    m_textBytes = 0;
    m_groups.clear();
    m_ops.clear();
    m_columns.clear();
    m_lines.clear();
    m_lengths.clear();
    m_bytes.clear();
    m_strings.clear();
    m_blocks.clear();
}

namespace {

template <class List> void Truncate(List& list, size_t size) noexcept
{
    while (list.size() > size)
        list.pop_back();
}

} // namespace

CUndoSet::Mark CUndoSet::GetMark() const
{
    return Mark{{m_groups.size(), m_ops.size(), m_columns.size(), m_lines.size(), m_lengths.size(),
                 m_bytes.size(), m_strings.size(), m_blocks.size()}};
}

void CUndoSet::RollBackTo(const Mark& mark) noexcept
{
    for (size_t i = mark.sizes[6]; i < m_strings.size(); ++i)
        m_textBytes -= TextBytes(m_strings[i]);
    for (size_t i = mark.sizes[7]; i < m_blocks.size(); ++i)
        m_textBytes -= TextBytes(m_blocks[i]);
    Truncate(m_groups, mark.sizes[0]);
    Truncate(m_ops, mark.sizes[1]);
    Truncate(m_columns, mark.sizes[2]);
    Truncate(m_lines, mark.sizes[3]);
    Truncate(m_lengths, mark.sizes[4]);
    Truncate(m_bytes, mark.sizes[5]);
    Truncate(m_strings, mark.sizes[6]);
    Truncate(m_blocks, mark.sizes[7]);
}

int CUndoSet::PopGroup()
{
    if (m_groups.empty())
        return 0;
    const int steps = m_groups.back();
    m_groups.pop_back();
    return steps;
}

void CUndoSet::PushStep(UndoOp op, ByteColumn column, LineIndex line)
{
    m_ops.push_back(op);
    m_columns.push_back(column);
    m_lines.push_back(line);
}

void CUndoSet::RecordInsertChar(ByteColumn column, LineIndex line)
{
    PushStep(kUndoInsertChar, column, line);
}

void CUndoSet::RecordDeleteChar(ByteColumn column, LineIndex line, char byte)
{
    PushStep(kUndoDeleteChar, column, line);
    m_bytes.push_back(byte);
}

void CUndoSet::RecordInsertString(ByteColumn column, LineIndex line, int length)
{
    PushStep(kUndoInsertString, column, line);
    m_lengths.push_back(length);
}

void CUndoSet::RecordDeleteString(ByteColumn column, LineIndex line, const CString& text)
{
    PushStep(kUndoDeleteString, column, line);
    m_strings.push_back(text);
    m_textBytes += TextBytes(text);
}

void CUndoSet::RecordInsertBlock(ByteColumn column, LineIndex line, ByteColumn endColumn,
                                 LineIndex endLine)
{
    m_columns.push_back(endColumn);
    m_lines.push_back(endLine);
    PushStep(kUndoInsertBlock, column, line);
}

void CUndoSet::RecordDeleteBlock(ByteColumn column, LineIndex line, CStringLineList&& block)
{
    PushStep(kUndoDeleteBlock, column, line);
    m_blocks.push_back(std::move(block));
    m_textBytes += TextBytes(m_blocks.back());
}

void CUndoSet::RecordSplitLine(ByteColumn column, LineIndex line)
{
    PushStep(kUndoSplitLine, column, line);
}

void CUndoSet::RecordJoinLines(ByteColumn column, LineIndex line)
{
    PushStep(kUndoJoinLines, column, line);
}

bool CUndoSet::PopStep(UndoStep* step)
{
    if (m_ops.empty() || m_columns.empty() || m_lines.empty())
        return false;
    *step = UndoStep();
    step->op = m_ops.back();
    m_ops.pop_back();
    step->column = m_columns.back();
    m_columns.pop_back();
    step->line = m_lines.back();
    m_lines.pop_back();
    switch (step->op) {
    case kUndoDeleteChar:
        if (!m_bytes.empty()) {
            step->byte = m_bytes.back();
            m_bytes.pop_back();
        }
        break;
    case kUndoInsertString:
        if (!m_lengths.empty()) {
            step->length = m_lengths.back();
            m_lengths.pop_back();
        }
        break;
    case kUndoDeleteString:
        if (!m_strings.empty()) {
            m_textBytes -= TextBytes(m_strings.back());
            step->text = std::move(m_strings.back());
            m_strings.pop_back();
        }
        break;
    case kUndoInsertBlock:
        if (!m_columns.empty() && !m_lines.empty()) {
            step->endColumn = m_columns.back();
            m_columns.pop_back();
            step->endLine = m_lines.back();
            m_lines.pop_back();
        }
        break;
    case kUndoDeleteBlock:
        if (!m_blocks.empty()) {
            m_textBytes -= TextBytes(m_blocks.back());
            step->block = std::move(m_blocks.back());
            m_blocks.pop_back();
        }
        break;
    default:
        break;
    }
    return true;
}

bool CUndoSet::DropOldestGroup()
{
    if (m_groups.empty())
        return false;
    const int steps = m_groups.front();
    m_groups.pop_front();
    // The oldest entries of every list belong to the oldest steps, in the same order.
    for (int i = 0; i < steps && !m_ops.empty(); ++i) {
        const UndoOp op = m_ops.front();
        m_ops.pop_front();
        m_columns.pop_front();
        m_lines.pop_front();
        switch (op) {
        case kUndoDeleteChar:
            m_bytes.pop_front();
            break;
        case kUndoInsertString:
            m_lengths.pop_front();
            break;
        case kUndoDeleteString:
            m_textBytes -= TextBytes(m_strings.front());
            m_strings.pop_front();
            break;
        case kUndoInsertBlock:
            m_columns.pop_front();
            m_lines.pop_front();
            break;
        case kUndoDeleteBlock:
            m_textBytes -= TextBytes(m_blocks.front());
            m_blocks.pop_front();
            break;
        default:
            break;
        }
    }
    return true;
}

bool CUndoSet::GetLastPosition(ByteColumn* column, LineIndex* line) const
{
    if (m_groups.empty() || m_columns.empty() || m_lines.empty())
        return false;
    *column = m_columns.back();
    *line = m_lines.back();
    return true;
}

bool CUndoSet::Check() const
{
    size_t steps = 0;
    for (int group : m_groups) {
        if (group <= 0)
            return false;
        steps += (size_t)group;
    }
    size_t bytes = 0, lengths = 0, strings = 0, blocks = 0, positions = 0;
    for (UndoOp op : m_ops) {
        ++positions;
        switch (op) {
        case kUndoDeleteChar: ++bytes; break;
        case kUndoInsertString: ++lengths; break;
        case kUndoDeleteString: ++strings; break;
        case kUndoInsertBlock: ++positions; break;
        case kUndoDeleteBlock: ++blocks; break;
        default: break;
        }
    }
    // Steps of a group still open are not yet counted in a group.
    return steps <= m_ops.size() && bytes == m_bytes.size() && lengths == m_lengths.size() &&
           strings == m_strings.size() && blocks == m_blocks.size() &&
           positions == m_columns.size() && positions == m_lines.size();
}
