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

// The lexer analyses a line up to this column: only a longer line can be overlong.
const int kMaxAnalysedColumn = 32766;

// A line's colour runs and flags as one analysis gave them.
struct LineRuns {
    const CColorRun* runs = nullptr;
    int count = 0;
    uint16_t flags = 0;  // run-class and overlong bits; the bookmark bit of the line
};

class CTextLine;

// Makes the colour runs of a line whose analysis was put off until they are first read
// (see CTextLine::DeferAnalysis). The document is one: its lines are coloured when someone
// looks at them, not all at once when a large file is opened.
class ILineAnalyzer {
public:
    virtual ~ILineAnalyzer() = default;
    // The line's runs and run flags (no bookmark bit), held by the analyser until its next
    // call.
    virtual LineRuns LexLine(const CTextLine& line) const = 0;
};

class CTextLine {
public:
    CTextLine() : m_length(0), m_textBorrowed(0), m_deferred(0), m_runCount(0) {}
    CTextLine(const char* text, int length) : CTextLine() { Assign(text, length); }
    ~CTextLine();
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

    // The runs and flags below are those of the line's analysis: a line whose analysis is
    // deferred is analysed first and keeps its runs.
    const CColorRun* GetRuns() const { return Analysed().m_runs; }
    int GetRunCount() const { return Analysed().m_runCount; }
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

    // The runs and flags for a pass over many lines: a line whose analysis is deferred is
    // lexed without keeping the runs, which then stay valid only until its analyser lexes
    // again. So walking a large document does not leave every line holding its runs.
    LineRuns PeekRuns() const;

    // Drops the runs; they and the run flags are made by the analyser, which must outlive
    // the line or analyse it again first, when something first reads them. The bookmark
    // stays.
    void DeferAnalysis(const ILineAnalyzer* analyzer);
    bool IsAnalysisDeferred() const { return m_deferred != 0; }

    // Storage lent by an owner that outlives the line (the line list's arena): the line
    // points at it and never frees it; what the line owned before is freed. text must be
    // zero-terminated at length.
    void BorrowText(char* text, int length);

    uint16_t GetFlags() const { return Analysed().m_flags; }
    void SetFlags(uint16_t flags) { m_flags = flags; }
    bool HasFlag(uint16_t flag) const { return (GetFlags() & flag) != 0; }
    // The bookmark needs no analysis.
    bool IsBookmarked() const { return (m_flags & kLineBookmark) != 0; }
    void SetBookmark(bool on)
    {
        m_flags = on ? uint16_t(m_flags | kLineBookmark) : uint16_t(m_flags & ~kLineBookmark);
    }

private:
    const CTextLine& Analysed() const
    {
        if (m_deferred)
            AnalyseNow();
        return *this;
    }
    void AnalyseNow() const;
    void ReleaseText();
    void ReleaseRuns();

    static char s_emptyText[1];

    // The text is the line's own pooled block or borrowed. The runs are the line's own
    // block, or, while the analysis is deferred, the analyser takes their place: one
    // pointer either way, so that a line is two pointers and eight bytes.
    char* m_text = s_emptyText;
    union {
        mutable CColorRun* m_runs = nullptr;
        const ILineAnalyzer* m_analyzer;
    };
    uint32_t m_length : 30;
    uint32_t m_textBorrowed : 1;
    mutable uint32_t m_deferred : 1;
    mutable uint16_t m_runCount;
    mutable uint16_t m_flags = 0;
};
static_assert(sizeof(CTextLine) == 2 * sizeof(void*) + 8, "a line record stays this small");
