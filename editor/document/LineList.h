#pragma once
#include <memory>
#include <vector>

#include "editor/document/LineArena.h"
#include "editor/document/TextFormat.h"
#include "editor/document/TextLine.h"

// The document's ordered list of lines. Lines are kept in blocks of at most kMaxBlockLines
// pointers with the index of each block's first line, so line n is found by a binary
// search over the blocks (and at once when near the last lookup) and inserting or removing
// a line moves at most one block's pointers. A CTextLine keeps its address for as long as
// it is in the list, so views may hold on to it.
//
// The text of loaded lines lives in an arena the list owns (one heap block per megabyte,
// not one per line); a line that is edited gets a block of its own, and what it leaves in
// the arena stays there until the list is emptied. Colour runs are each line's own, made
// when first read (see CTextLine::DeferAnalysis).
//
// Invariant (Check): every block is non-empty and holds at most kMaxBlockLines lines;
// m_blockStarts[0] == 0 and each start is the previous start plus the previous block's size;
// the sizes sum to m_count.
class CLineList {
public:
    static const int kMaxBlockLines = 1024;

    CLineList() = default;
    ~CLineList();
    CLineList(const CLineList&) = delete;
    CLineList& operator=(const CLineList&) = delete;

    int GetCount() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }
    bool IsValidIndex(LineIndex n) const { return n >= 0 && n < m_count; }

    // Line n; an index below 0 or at or past the end gives the last line. Null only when
    // the list is empty.
    CTextLine* GetLine(LineIndex n) const;

    // Appends a new line with the text and no runs.
    CTextLine* AddTail(const char* text, int length);
    // Inserts a new line so that it becomes line n (n == count appends); n is clamped to
    // 0..count.
    CTextLine* InsertLine(LineIndex n, const char* text, int length);
    // Destroys count lines from line first on (the range is cut to the list).
    void RemoveLines(LineIndex first, int count);
    void RemoveAll();

    // True when any line carries the overlong flag. Only lines longer than the lexer's reach
    // can; only those are analysed for the answer.
    bool HasOverlongLine() const;

    // Replaces all lines by the file's lines (always at least one line afterwards when the
    // file could be opened). Reports an open failure to the user and returns false.
    bool Load(const char* path, EncodingCode encoding, LineEndCode lineEnd,
              TextLoadReport* report = nullptr);
    // Writes all lines through a temporary file beside the target that then replaces it,
    // so a failed save leaves the original as it was. Reports a failure and returns false.
    bool Save(const char* path, EncodingCode encoding, LineEndCode lineEnd) const;

    // Validates the invariant; for tests and debug checks.
    bool Check() const;

private:
    class CLoadSink;
    CTextLine* AppendLoadedLine(const char* text, int length);

    struct Location {
        int block;
        int offset;
    };
    CTextLine* NewLine(const char* text, int length);
    void DeleteLine(CTextLine* line);
    Location Locate(LineIndex n) const;
    void ShiftStartsAfter(int block, int delta);
    void SplitBlock(int block);

    // Line records are carved from slabs and reused through a free list: one heap
    // allocation per line fewer, which matters for files of a million lines.
    static const int kSlabLines = 1024;
    struct alignas(CTextLine) LineSlot {
        unsigned char bytes[sizeof(CTextLine)];
    };
    std::vector<std::unique_ptr<LineSlot[]>> m_slabs;
    std::vector<LineSlot*> m_freeSlots;

    // Text of loaded lines.
    std::unique_ptr<CLineArena> m_textArena;

    std::vector<std::vector<CTextLine*>> m_blocks;
    std::vector<int> m_blockStarts;
    int m_count = 0;
    mutable int m_lastBlock = 0;  // block of the last lookup: walks by index are O(1)
};
