#pragma once
#include "editor/document/TextDocument.h"
#include "editor/view/DisplayLineList.h"
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

// The display lines of one view (one pane) for the screen: the metrics they are measured
// with, the wrap width, the range-state checkpoints painting starts from, the passes that
// build and rebuild them, and the look-ups from a pixel y or a text position to a display
// line and between columns and x. Display line k lies at y = k × line height.
//
// Without word wrap a display line is laid out when something first reads its segments
// (painting, caret placement, hit testing): a pass over the document only records each
// line's text and flags, so opening or reformatting a large file measures only what is shown.
// With word wrap every line is laid out at once, since its display-line count depends on it.
//
// Invariant (Check): one first display line per document line, and each display line as a
// fresh layout of its document line with the current parameters would make it.
class CDisplayLayout : private IDeferredLayout {
public:
    CDisplayLayout(const CTextDocument& document, const ITextMetrics& screenMetrics,
                   const CViewSettings& settings, IViewHost& host, IDisplayLinesListener& listener);
    CDisplayLayout(const CDisplayLayout&) = delete;
    CDisplayLayout& operator=(const CDisplayLayout&) = delete;

    const CMetricCache& GetMetrics() const { return m_metrics; }
    const CDisplayLineList& GetLines() const { return m_lines; }
    int GetCount() const { return m_lines.GetCount(); }
    bool IsEmpty() const { return m_lines.IsEmpty(); }
    int GetLineHeight() const { return m_metrics.GetLineHeight(); }

    // The client width wrapping to the window uses, and whether lines wrap: only the
    // values; the caller rebuilds when they change.
    void SetClientWidth(int width) { m_clientWidth = width; }
    void SetWordWrap(bool wrap) { m_wordWrap = wrap; }
    bool IsWordWrap() const { return m_wordWrap; }
    LayoutParameters ScreenParameters() const;
    CLineLayout ScreenLayout() const;

    // Lays out count document lines from first on again.
    void FormatLines(LineIndex first, int count);
    // Every display line built again from the document.
    void Rebuild();
    // count document lines from first were deleted: their display lines go.
    void RemoveLines(LineIndex first, int count);
    // count document lines were inserted after document line after (negative: at the head):
    // as many display lines are added, to be formatted.
    void InsertLines(LineIndex after, int count);

    // Display line at y / line height; the last one when out of range; null when empty.
    const CDisplayLine* LineAtY(PixelY y) const;
    DisplayLineIndex IndexAtY(PixelY y) const;
    LineIndex DocLineOf(const CDisplayLine* line) const { return line ? m_lines.DocLineOf(line) : 0; }
    LineIndex DocLineAtY(PixelY y) const { return DocLineOf(LineAtY(y)); }
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
    // Display lines whose segments have been made (all of them with word wrap); for tests.
    int CountLaidOut() const;

private:
    const std::vector<DisplaySegment>& LayOutDeferred(const CTextLine& text) const override;

    // Lays out document line n into its first display line and as many continuations as it
    // needs; returns the line's last display line. segments is scratch space the caller
    // keeps across lines.
    CDisplayLine* LayoutDocLine(CLineLayout& layout, CLineLayout::Segments& segments,
                                CDisplayLine* first, LineIndex n);

    const CTextDocument& m_document;
    const CViewSettings& m_settings;
    IViewHost& m_host;
    IDisplayLinesListener& m_listener;
    CMetricCache m_metrics;
    CDisplayLineList m_lines;
    CRangeStateCache m_rangeStates;
    mutable CLineLayout::Segments m_deferredSegments;  // scratch of LayOutDeferred
    int m_clientWidth = 0;
    bool m_wordWrap = false;
};
