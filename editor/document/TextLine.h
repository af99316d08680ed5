#pragma once
#include <cstdint>

// One line of a document: its bytes in the ANSI code page (GBK) without a line end, and the
// colour runs the line lexer computed for it. Columns are byte offsets; a double-byte
// character spans two columns.

// A 0-based line index into a document.
typedef int LineIndex;
// A 0-based byte offset inside one line.
typedef int ByteColumn;

// The kind byte of a colour run; also the index of its entry in the colour table.
enum ColorRunKind : uint8_t {
    kRunNone = 0,
    kRunLineEnd = 1,
    kRunSoftBreak = 2,  // display segments only; the lexer never writes it
    kRunTab = 3,
    kRunBlanks = 4,
    kRunNumber = 5,
    kRunQuote1 = 6,
    kRunQuote2 = 7,
    kRunQuote3 = 8,
    kRunLineComment = 9,
    kRunBlockCommentOn = 10,
    kRunBlockCommentOff = 11,
    kRunShadowOn = 12,
    kRunShadowOff = 13,
    kRunHighlightOn = 14,
    kRunHighlightOff = 15,
    kRunRange1Begin = 16,
    kRunRange1End = 17,
    kRunRange2Begin = 18,
    kRunRange2End = 19,
    kRunVariable = 20,
    kRunKeyword0 = 21,  // keyword groups 0 to 9 are 21 to 30
    kRunKeyword9 = 30,
    kRunWordByte = 31,
    kRunMisspelled = 32,
    kRunDelimiter = 33,
    kRunWordDbcsChar = 34,
    kRunOther = 35,
};

// The condition under which quoted text, comments or a keyword group are coloured,
// relative to the spec's two user ranges.
enum RangeCondition : uint8_t {
    kRangeNone = 0,
    kRangeInside1 = 1,
    kRangeInside2 = 2,
    kRangeOutside1Inside2 = 3,
    kRangeOutside1 = 4,
    kRangeOutside2 = 5,
    kRangeInside1Or2 = 6,
};

// One colour run, stored back to back in a line's run array: 6 bytes.
struct CColorRun {
    uint8_t kind;     // ColorRunKind
    uint8_t subKind;  // RangeCondition for quotations, comments and keywords, else 0
    int16_t start;    // first column
    int16_t length;   // bytes covered

    int End() const { return start + length; }
};
static_assert(sizeof(CColorRun) == 6, "a colour run is a packed 6-byte record");

// Line flag bits.
enum LineFlag : uint16_t {
    kLineBookmark = 0x01,        // kept across edits and re-analysis
    kLineHasRangeMarks = 0x02,   // runs of kinds 16-19
    kLineHasComments = 0x04,     // runs of kinds 9-11
    kLineHasShadowMarks = 0x08,  // runs of kinds 12-15
    kLineHasQuotes = 0x10,       // runs of kinds 6-8
    kLineOverlong = 0x20,        // the lexer stopped before the end: columns left 16 bits
};

class CTextLine {
public:
    CTextLine() : m_length(0), m_textBorrowed(0), m_runCount(0), m_runsBorrowed(0) {}
    CTextLine(const char* text, int length) : CTextLine() { Assign(text, length); }
    virtual ~CTextLine();
    CTextLine(const CTextLine&) = delete;
    CTextLine& operator=(const CTextLine&) = delete;

    // Zero-terminated; a line read from a file may also hold zero bytes before GetLength().
    const char* GetText() const { return m_text; }
    int GetLength() const { return (int)m_length; }
    // The byte at a column, 0 outside the line.
    char GetAt(ByteColumn column) const
    {
        return column >= 0 && column < GetLength() ? m_text[column] : '\0';
    }

    // Replaces the text and drops the runs; the flags stay (a bookmark survives an edit).
    void Assign(const char* text, int length);
    void Assign(const char* text);

    const CColorRun* GetRuns() const { return m_runs; }
    int GetRunCount() const { return m_runCount; }
    const CColorRun* GetRun(int index) const
    {
        return index >= 0 && index < GetRunCount() ? &m_runs[index] : nullptr;
    }
    // Copies count runs (at most 32767) into the line: over the present runs when there
    // are at least as many, else into a new array of the line's own.
    void SetRuns(const CColorRun* runs, int count);
    void FreeRuns();
    // Start + length of the last run; 0 without runs.
    int GetRunsEnd() const;

    // Storage lent by an owner that outlives the line (the line list's arenas): the line
    // points at it and never frees it; what the line owned before is freed. text must be
    // zero-terminated at length; count is at most 32767.
    void BorrowText(char* text, int length);
    void BorrowRuns(CColorRun* runs, int count);

    uint16_t GetFlags() const { return m_flags; }
    void SetFlags(uint16_t flags) { m_flags = flags; }
    bool HasFlag(uint16_t flag) const { return (m_flags & flag) != 0; }
    bool IsBookmarked() const { return HasFlag(kLineBookmark); }

private:
    void ReleaseText();
    void ReleaseRuns();

    static char s_emptyText[1];

    // Text and runs are each either the line's own heap block or borrowed; the two
    // ownership bits ride in the length fields so that a line stays 20 bytes.
    char* m_text = s_emptyText;
    uint32_t m_length : 31;
    uint32_t m_textBorrowed : 1;
    CColorRun* m_runs = nullptr;
    uint16_t m_runCount : 15;
    uint16_t m_runsBorrowed : 1;
    uint16_t m_flags = 0;
};
