#pragma once
#include <cstdint>
#include <deque>

#include "editor/document/StringLineList.h"
#include "editor/document/TextLine.h"
#include "framework/CString.h"

// The code of one recorded step: what the primitive did, so its inverse can be replayed.
enum UndoOp : int32_t {
    kUndoInsertChar = 1,    // replay: delete the character at (column, line)
    kUndoDeleteChar = 2,    // + the byte; replay: insert it
    kUndoInsertString = 3,  // + the length; replay: delete that many bytes
    kUndoDeleteString = 4,  // + the text; replay: insert it
    kUndoInsertBlock = 5,   // + end column and end line; replay: delete the block
    kUndoDeleteBlock = 6,   // + the lines; replay: insert them
    kUndoSplitLine = 7,     // replay: join line and line + 1
    kUndoJoinLines = 8,     // column = length of the first line; replay: split there
};

// One step as popped from a set, with the entries its op carries.
struct UndoStep {
    UndoOp op = kUndoInsertChar;
    ByteColumn column = 0;
    LineIndex line = 0;
    ByteColumn endColumn = 0;  // op 5
    LineIndex endLine = 0;     // op 5
    int length = 0;            // op 3
    char byte = 0;             // op 2
    CString text;              // op 4
    CStringLineList block;     // op 6
};

// One undo or redo log: eight lists, each newest first, without a depth limit. A group is
// the number of steps one user action recorded; the steps' entries lie in the other lists.
// For op 5 the start position is pushed after the end position, so it is the head entry.
class CUndoSet {
public:
    void Clear();

    int GetGroupCount() const { return (int)m_groups.size(); }
    int GetStepCount() const { return (int)m_ops.size(); }
    bool IsEmpty() const { return m_groups.empty(); }

    void PushGroup(int steps) { m_groups.push_back(steps); }

    // The lists' lengths, to take back what was recorded after it (a step whose change then
    // failed, or a record that ran out of memory half way).
    struct Mark {
        size_t sizes[8] = {};
    };
    Mark GetMark() const;
    void RollBackTo(const Mark& mark) noexcept;

    // Forgets the oldest group and its steps (its state can no longer be reached); false
    // when there is none.
    bool DropOldestGroup();
    // About how many bytes the set holds: its steps and the texts they keep.
    size_t GetMemoryEstimate() const { return m_ops.size() * kStepBytes + m_textBytes; }
    // The step count of the newest group, 0 when there is none.
    int PopGroup();

    // Records one step with the entries its op carries.
    void RecordInsertChar(ByteColumn column, LineIndex line);
    void RecordDeleteChar(ByteColumn column, LineIndex line, char byte);
    void RecordInsertString(ByteColumn column, LineIndex line, int length);
    void RecordDeleteString(ByteColumn column, LineIndex line, const CString& text);
    void RecordInsertBlock(ByteColumn column, LineIndex line, ByteColumn endColumn, LineIndex endLine);
    void RecordDeleteBlock(ByteColumn column, LineIndex line, CStringLineList&& block);
    void RecordSplitLine(ByteColumn column, LineIndex line);
    void RecordJoinLines(ByteColumn column, LineIndex line);

    // Pops the newest step with all its entries; false when no step is left.
    bool PopStep(UndoStep* step);

    // The position of the newest step; false (outputs untouched) when there is no group.
    bool GetLastPosition(ByteColumn* column, LineIndex* line) const;

    // The lists agree: every group has steps, the groups add up to the steps, and each
    // entry list holds exactly the entries its ops need.
    bool Check() const;

private:
    // Deques: a push never moves the entries already recorded, so no single keystroke pays
    // for copying a long log.
    void PushStep(UndoOp op, ByteColumn column, LineIndex line);
    static size_t TextBytes(const CString& text) { return kEntryBytes + (size_t)text.GetLength(); }
    static size_t TextBytes(const CStringLineList& block);

    // Estimates: one step's entries in the position and op lists; one kept string.
    static const size_t kStepBytes = 16;
    static const size_t kEntryBytes = 40;
    size_t m_textBytes = 0;

    std::deque<int> m_groups;
    std::deque<UndoOp> m_ops;
    std::deque<ByteColumn> m_columns;  // position 1
    std::deque<LineIndex> m_lines;     // position 2
    std::deque<int> m_lengths;
    std::deque<char> m_bytes;
    std::deque<CString> m_strings;
    std::deque<CStringLineList> m_blocks;
};
