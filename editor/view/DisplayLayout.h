#pragma once
#include <memory>
#include <unordered_map>
#include <vector>

#include "editor/document/TextDocument.h"
#include "editor/view/DisplayLine.h"
#include "editor/view/DisplayLineCounts.h"
#include "editor/view/LineLayout.h"
#include "editor/view/RangeStateCache.h"
#include "editor/view/ViewInterfaces.h"
#include "editor/view/ViewMetrics.h"
#include "editor/settings/ViewSettings.h"
#include "editor/view/ViewTypes.h"

// Told when a layout pass replaces display lines, so positions stored as pixel y can follow.
class IDisplayLinesListener {
public:
    virtual ~IDisplayLinesListener() = default;
    // oldCount display lines from start became newCount.
    virtual void OnDisplayLinesReplaced(DisplayLineIndex start, int oldCount, int newCount) = 0;
};

// A display line handed out by a view's layout: it stays valid while held, also when the
// layout lets go of it (its document line is laid out again, or it was not read for long).
typedef std::shared_ptr<const CDisplayLine> CDisplayLineRef;

// The display lines of one view (one pane) for the screen: the metrics they are measured
// with, the wrap width, the range-state checkpoints painting starts from, the passes that
// build and rebuild them, and the look-ups from a pixel y or a text position to a display
// line and between columns and x. Display line k lies at y = k × line height.
//
// What the layout keeps for every document line is only how many display lines it takes
// (CDisplayLineCounts: nothing per line without word wrap). The segments of a display line
// are made when something first reads the line (painting, caret placement, hit testing) and
// kept for the lines read last, a few screens of them; so opening or reformatting a large
// file measures only what is shown, and the memory a view holds does not grow with the
// document. With word wrap a line's display-line count needs its layout: a rebuild of a
// large document, or a pass over many lines, estimates each count from the line's length
// and leaves the line pending; reading a line lays it out and stores its true count, and the
// view lays out the lines around what it shows before it paints (LayOutDisplayLines). A
// count that changes is announced like any other, so positions below follow.
//
// Invariant (Check): one entry per document line, each holding as many display lines as a
// fresh layout of its document line with the current parameters makes, or pending (only
// with word wrap, and never for a kept line); and every kept display line as that layout
// makes it.
class CDisplayLayout {
public:
    CDisplayLayout(const CTextDocument& document, const ITextMetrics& screenMetrics,
                   const CViewSettings& settings, IViewHost& host, IDisplayLinesListener& listener);
    CDisplayLayout(const CDisplayLayout&) = delete;
    CDisplayLayout& operator=(const CDisplayLayout&) = delete;

    const CMetricCache& GetMetrics() const { return m_metrics; }
    // Display lines; document lines they were built for.
    int GetCount() const { return m_counts.GetDisplayLineCount(); }
    int GetDocLineCount() const { return m_counts.GetDocLineCount(); }
    bool IsEmpty() const { return m_counts.IsEmpty(); }
    int GetLineHeight() const { return m_metrics.GetLineHeight(); }

    // The client width wrapping to the window uses, and whether lines wrap: only the
    // values; the caller rebuilds when they change.
    void SetClientWidth(int width) { m_clientWidth = width; }
    void SetWordWrap(bool wrap) { m_wordWrap = wrap; }
    bool IsWordWrap() const { return m_wordWrap; }
    LayoutParameters ScreenParameters() const;
    CLineLayout ScreenLayout() const;

    // Lays out count document lines from first on again: a few at once, more of them left
    // pending with estimated counts.
    void FormatLines(LineIndex first, int count);
    // Every display line built again from the document; with word wrap a large document's
    // lines are left pending.
    void Rebuild();
    // Lays out the pending document lines holding display lines first .. first + count - 1,
    // so their counts are exact; returns how many it laid out. The display lines may move
    // as counts change: a caller that wants a range settled repeats until this returns 0.
    int LayOutDisplayLines(DisplayLineIndex first, int count);
    // count document lines from first were deleted: their display lines go.
    void RemoveLines(LineIndex first, int count);
    // count document lines were inserted after document line after (negative: at the head):
    // as many display lines are added, to be formatted.
    void InsertLines(LineIndex after, int count);

    // Display line k; null outside the lines.
    CDisplayLineRef LineAt(DisplayLineIndex k) const;
    // Display line at y / line height; the last one when out of range; null when empty.
    CDisplayLineRef LineAtY(PixelY y) const;
    DisplayLineIndex IndexAtY(PixelY y) const;
    // The first display line of document line n; null outside the lines.
    CDisplayLineRef FirstLineOf(LineIndex n) const;
    DisplayLineIndex IndexOfFirst(LineIndex n) const { return m_counts.StartOf(n); }
    // Position of a display line of this layout in the list; the one after it (null after
    // the last).
    DisplayLineIndex IndexOf(const CDisplayLine& line) const;
    CDisplayLineRef NextLine(const CDisplayLine& line) const;
    LineIndex DocLineOf(const CDisplayLine* line) const { return line ? line->GetDocLine() : 0; }
    LineIndex DocLineAtY(PixelY y) const { return DocLineOf(LineAtY(y).get()); }
    PixelY LastLineY() const;
    // y of the display line of a document line whose end column lies past the column; the
    // line's last display line when none does.
    PixelY YOfPosition(ByteColumn column, LineIndex line) const;
    // Column at x on a display line; with snap an x past the end gives the end column,
    // without it a virtual column by average character widths.
    ByteColumn ColumnFromX(const CDisplayLine& line, PixelX x, bool snap) const;
    PixelX XFromColumn(const CDisplayLine& line, ByteColumn column, bool snap) const;

    // The state to paint a display line with: carried from the document's head, the line's
    // own reset applied when it is a first display line, and advanced over the earlier
    // display lines of its document line. Costs at most one checkpoint interval.
    RangeState RangeStateAt(const CDisplayLine& line);

    bool Check() const;
    // Display lines whose segments are kept now, and whether document line n's are; for
    // tests.
    int CountLaidOut() const;
    bool IsLaidOut(LineIndex n) const { return m_kept.count(n) != 0; }
    // Document lines whose display-line count is an estimate; for tests and benchmarks.
    int CountPending() const;

    // Document lines whose display lines are kept at most, beyond those held outside.
    static const int kKeptDocLines = 512;
    // With word wrap, a rebuild of at most this many lines and a pass over at most
    // kExactPassLines lay every line out; larger ones leave the lines pending.
    static const int kExactDocLines = 1000;
    static const int kExactPassLines = 64;

private:
    typedef std::vector<std::shared_ptr<CDisplayLine>> DocLineLayout;
    struct KeptLayout {
        DocLineLayout lines;
        unsigned long long lastUse = 0;
    };

    // The display lines of document line n, laid out now when they are not kept; a count
    // that differs from the one stored is stored and announced.
    DocLineLayout DisplayLinesOf(LineIndex n) const;
    void LayOut(CLineLayout& layout, LineIndex n, DocLineLayout& out) const;
    // Display lines a fresh layout gives document line n.
    int CountDisplayLines(CLineLayout& layout, LineIndex n) const;
    // The pending value of document line n: its display lines estimated from its length.
    int EstimateValue(const LayoutParameters& parameters, LineIndex n) const;
    // Stores line n's count, announcing a change of its display lines.
    void StoreCount(LineIndex n, int count) const;
    // Kept layouts: dropped for count lines from first on; moved by delta for lines from
    // first on; the least recently read half dropped when there are too many.
    void Forget(LineIndex first, int count);
    void Shift(LineIndex first, int delta);
    void TrimKept() const;

    const CTextDocument& m_document;
    const CViewSettings& m_settings;
    IViewHost& m_host;
    IDisplayLinesListener& m_listener;
    CMetricCache m_metrics;
    mutable CDisplayLineCounts m_counts;
    CRangeStateCache m_rangeStates;
    mutable std::unordered_map<LineIndex, KeptLayout> m_kept;
    mutable unsigned long long m_useClock = 0;
    mutable CLineLayout::Segments m_segments;  // scratch of LayOut
    int m_clientWidth = 0;
    bool m_wordWrap = false;
};
