#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "editor/view/ViewTypes.h"

// How many display lines each document line of a view takes, and the look-ups between a
// display-line number and a document line. Document lines are kept in blocks of at most
// kMaxBlockLines with the document line and the display line each block starts at, so a
// look-up is a binary search over the blocks and a walk inside one, and inserting or
// removing lines costs one block and the starts after it. A block whose lines all hold the
// same value stores that value once: an unwrapped view, or one whose lines are not laid out
// yet, holds a few bytes per thousand lines.
//
// A line whose layout is pending (not laid out since it last changed) stores an estimate
// with kPending set, or 0 (an estimate of one); it takes the estimated display lines until
// it is laid out and its true count stored. A view wrapping a large file estimates every
// line from its length and lays out only the lines it shows, so the scroll range is close
// from the start and exact where the user has been.
//
// Invariant (Check): every block is non-empty and holds at most kMaxBlockLines lines; its
// per-line values, when it has them, are as many as its lines; its display-line total is
// the sum over its lines of max(1, value); the starts are the running sums of the sizes
// and totals before each block.
class CDisplayLineCounts {
public:
    static constexpr int kMaxBlockLines = 1024;
    static constexpr int kMaxCount = 0x7FFF;
    static constexpr int kPending = 0x8000;

    // The value of a pending line estimated to take estimate display lines.
    static int PendingValue(int estimate) { return kPending | std::max(1, std::min(estimate, kMaxCount)); }
    static bool IsPending(int value) { return value == 0 || (value & kPending) != 0; }
    // Display lines a line holding value takes: at least one.
    static int Displayed(int value) { return (value & kMaxCount) > 0 ? (value & kMaxCount) : 1; }

    // No lines.
    void Clear();
    // lines document lines, each holding value.
    void Reset(int lines, int value);
    // One document line per value, each holding it.
    void Assign(const std::vector<uint16_t>& values);

    int GetDocLineCount() const { return m_docLines; }
    int GetDisplayLineCount() const { return m_displayLines; }
    bool IsEmpty() const { return m_docLines == 0; }

    // The stored value of line n; 0 outside the lines.
    int GetValue(LineIndex n) const;
    // Display lines of line n.
    int GetCount(LineIndex n) const;
    // The first display line of line n; the display-line count for n at or past the end.
    DisplayLineIndex StartOf(LineIndex n) const;
    // The document line holding display line k and k's index among its display lines;
    // k is clamped to the display lines. -1 when there are no lines.
    LineIndex DocLineAt(DisplayLineIndex k, int* continuation) const;

    // Stores line n's value (its count clamped to kMaxCount); returns its display lines
    // before.
    int SetValue(LineIndex n, int value);
    // Inserts count lines holding value before line at (at clamped to 0..lines).
    void Insert(LineIndex at, int count, int value);
    // Inserts one line per value before line at, each holding it; returns their display
    // lines. Costs the values and the blocks, however many differ.
    int InsertValues(LineIndex at, const std::vector<uint16_t>& values);
    // Removes count lines from first on (cut to the lines); returns their display lines.
    int Remove(LineIndex first, int count);

    // Pending lines in [first, first + count), in order, at most limit of them.
    void FindNotLaidOut(LineIndex first, int count, int limit, std::vector<LineIndex>& out) const;

    bool Check() const;

private:
    struct Block {
        int lines = 0;
        int displayLines = 0;
        int uniform = 0;                // every line's value while values is empty
        std::vector<uint16_t> values;   // per line, or empty
    };
    struct Location {
        int block;
        int offset;
    };

    static int Clamped(int value);
    int ValueIn(const Block& block, int offset) const
    {
        return block.values.empty() ? block.uniform : block.values[offset];
    }
    Location Locate(LineIndex n) const;
    void Expand(Block& block);
    void UpdateStartsFrom(int block);
    // Blocks holding values in order.
    static std::vector<Block> MakeBlocks(const uint16_t* values, int count);
    // Block b keeps its first offset lines; the rest become a block after it.
    void SplitBlock(int block, int offset);
    void MergeSmall(int block);

    std::vector<Block> m_blocks;
    std::vector<int> m_docStarts;      // first document line of each block
    std::vector<int> m_displayStarts;  // first display line of each block
    int m_docLines = 0;
    int m_displayLines = 0;
};
