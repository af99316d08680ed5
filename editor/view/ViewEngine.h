#pragma once
#include <string>
#include <vector>

#include "editor/document/StringLineList.h"
#include "editor/document/TextDocument.h"
#include "editor/view/CaretSelection.h"
#include "editor/view/DisplayLayout.h"
#include "editor/view/PrintLayout.h"
#include "editor/view/ViewInterfaces.h"
#include "editor/view/ViewMetrics.h"
#include "editor/settings/ViewSettings.h"
#include "editor/view/ViewTypes.h"

// The window-free engine of one editor view (one document pane): the façade the window
// class CWrenView, the edit actions, command bodies, undo replay and search call. It keeps
// the scroll offsets and the client size itself and composes the display layout
// (CDisplayLayout: display lines, metrics, range-state checkpoints, look-ups by y) and the
// caret and selection (CCaretSelection, with the rule that moves them after an edit); the
// layout tells it when display lines are replaced and it moves the stored positions.
// Every position is in layout pixels (PixelX from the left edge of the text area, PixelY =
// display-line number × line height); columns are byte offsets in a document line.
//
// The engine reaches the outside only through the interfaces it is given: the screen's text
// metrics, the host window, the clipboard, the settings, the process-wide editing modes and
// the document, which it watches for its whole life: every change of the text, whoever made
// it, reaches the display lines through the document's notifications.
class CViewEngine : public IDocumentWatcher, private IDisplayLinesListener {
public:
    CViewEngine(CTextDocument& document, const ITextMetrics& screenMetrics, IViewHost& host,
                IClipboard& clipboard, const CViewSettings& settings, CEditingModes& modes);
    ~CViewEngine() override;
    CViewEngine(const CViewEngine&) = delete;
    CViewEngine& operator=(const CViewEngine&) = delete;

    // ---- collaborators ----
    CTextDocument& GetDocument() const { return m_document; }
    IViewHost& GetHost() const { return m_host; }
    IClipboard& GetClipboard() const { return m_clipboard; }
    const CViewSettings& GetSettings() const { return m_settings; }
    CEditingModes& GetModes() const { return m_modes; }
    const CMetricCache& GetMetrics() const { return m_layout.GetMetrics(); }
    bool IsColumnMode() const { return m_modes.columnMode; }
    bool IsDoubleByteMode() const { return m_document.IsDoubleByteMode(); }

    // ---- lifecycle (window events) ----
    // Initial state of a new pane: copied from a neighbour showing the same document, or
    // all positions 0, spelling off and wrap by the wrap-on-open setting (off in column
    // mode). Then the display lines are built.
    void InitialUpdate(const CViewEngine* neighbour);
    // The document was reloaded: positions and selection to 0, display lines rebuilt.
    void ResetLayout();
    // The client area's new size; rewraps (keeping positions) when the width changed while
    // wrapping to the window.
    void SetClientSize(int width, int height);
    int GetClientWidth() const { return m_clientWidth; }
    int GetClientHeight() const { return m_clientHeight; }

    bool IsWordWrap() const { return m_layout.IsWordWrap(); }
    // Only the flag: the caller rebuilds (keeping positions around it) when it changes.
    void SetWordWrap(bool wrap) { m_layout.SetWordWrap(wrap); }
    bool IsSpellingCheck() const { return m_spellingCheck; }
    void SetSpellingCheck(bool on) { m_spellingCheck = on; }

    // ---- display lines ----
    const CDisplayLayout& GetLayout() const { return m_layout; }
    int GetDisplayLineCount() const { return m_layout.GetCount(); }
    // Lays out count document lines from first on again.
    void FormatLines(LineIndex first, int count) { m_layout.FormatLines(first, count); }
    // Rebuilds every display line from the document; pixel positions are left as they were
    // (clamped to the new layout) for the caller to restore or reset.
    void ReformatDocument();
    // Lays out the lines on screen and a screen above and below it that are still pending
    // (word wrap over a large document), so a paint, and a scroll by a line or a page after
    // it, read exact counts; what lies above the screen changing keeps the same text on top.
    void LayOutVisibleLines();
    // count document lines were inserted after document line after (negative: at the
    // head): their display lines are added, unformatted; stored positions below them move
    // with their lines.
    void InsertDisplayLines(LineIndex after, int count);
    // The document's notifications: the display lines follow and the host is invalidated
    // (the view that made the edit repaints at once anyway). Ignored until the first layout
    // (InitialUpdate) built the display lines.
    void OnLinesChanged(LineIndex first, int count) override;
    void OnLinesInserted(LineIndex after, int count) override;
    void OnLinesDeleted(LineIndex first, int count) override;
    // Rebuilt keeping the caret, anchor and top line at their text positions.
    void OnDocumentRefreshed() override;
    void OnDocumentReset() override;
    LineIndex GetCaretLine() const override { return GetCaretDocPosition().line; }
    // Caret to column 0 of the line, no selection, caret shown.
    void GoToLine(LineIndex line) override;
    // Caret, anchor and top line as text positions around a rebuild.
    void SaveLayoutPositions();
    void RestoreLayoutPositions();
    // The display lines agree with a fresh layout of the document and the positions lie in
    // the layout; for tests and debug checks.
    bool Check() const;

    // ---- metrics ----
    int GetLineHeight() const { return GetMetrics().GetLineHeight(); }
    int GetGutterWidth() const { return GetMetrics().GetGutterWidth(m_document.GetLineCount()); }
    int GetAverageCharWidth() const { return GetMetrics().GetAverageCharWidth(); }
    // Client height / line height.
    int GetVisibleLineCount() const;
    // The fonts changed: measure again and rebuild, keeping positions.
    void RefreshViewFonts();

    // ---- display-line look-ups ----
    // Display line at y / line height; the last one when out of range; null when empty.
    CDisplayLineRef GetDisplayLineAtY(PixelY y) const { return m_layout.LineAtY(y); }
    LineIndex GetDocumentLineAtY(PixelY y) const { return m_layout.DocLineAtY(y); }
    // y of the display line of a document line whose end column lies past the column; the
    // line's last display line when none does.
    PixelY GetYOfPosition(ByteColumn column, LineIndex line) const
    {
        return m_layout.YOfPosition(column, line);
    }
    LineIndex GetLastLineIndex() const { return m_document.GetLineCount() - 1; }

    // ---- columns and pixels ----
    // Column at x on a display line; with snap an x past the end gives the end column,
    // without it a virtual column by average character widths.
    ByteColumn ColumnFromX(const CDisplayLine& line, PixelX x, bool snap) const
    {
        return m_layout.ColumnFromX(line, x, snap);
    }
    PixelX XFromColumn(const CDisplayLine& line, ByteColumn column, bool snap) const
    {
        return m_layout.XFromColumn(line, column, snap);
    }
    DocPosition DocPositionFromPixels(PixelX x, PixelY y) const;
    PixelPosition PixelsFromDocPosition(ByteColumn column, LineIndex line) const;
    // The caret as a text position: snapped in stream mode, virtual in column mode.
    DocPosition GetCaretDocPosition() const;
    DocPosition GetAnchorDocPosition() const;
    // Caret (and desired x) to a text position; in column mode a virtual column past the
    // line's end lands on the character grid.
    void SetCaretToDocPosition(ByteColumn column, LineIndex line);
    void SetAnchorToDocPosition(ByteColumn column, LineIndex line);
    // Anchor and caret (and desired x) to text positions together: an active selection
    // stays active unless they now coincide.
    void RelocateSelection(DocPosition anchor, DocPosition caret);

    // ---- word bounds (columns on one document line) ----
    ByteColumn WordEndFrom(LineIndex line, ByteColumn pos) const;
    ByteColumn WordStartFrom(LineIndex line, ByteColumn pos) const;
    ByteColumn NextWordStart(LineIndex line, ByteColumn pos) const;
    ByteColumn PrevWordStart(LineIndex line, ByteColumn pos) const;
    // The word at a position: [start, end); empty (start == end == pos) when none.
    void GetWordBounds(LineIndex line, ByteColumn pos, ByteColumn& start, ByteColumn& end) const;
    // The word that ends at a position.
    void GetVocabularyWordBounds(LineIndex line, ByteColumn pos, ByteColumn& start,
                                 ByteColumn& end) const;

    // ---- caret, anchor and drop position ----
    PixelX GetCaretX() const { return m_selection.GetCaret().x; }
    PixelY GetCaretY() const { return m_selection.GetCaret().y; }
    PixelX GetAnchorX() const { return m_selection.GetAnchor().x; }
    PixelY GetAnchorY() const { return m_selection.GetAnchor().y; }
    PixelX GetDesiredX() const { return m_selection.GetDesiredX(); }
    // With store 0 the x is replaced by the desired x; with store 1 it becomes it.
    void SetCaretX(PixelX x, int store);
    void SetCaretFromPoint(int clientX, int clientY);
    // Caret and desired x to a position of this layout (a selection's edge, a drop point);
    // the anchor stays, and an active selection ends if the caret reached it.
    void MoveCaretTo(PixelPosition caret);
    // The selection from anchor to caret (positions of this layout), desired x at the caret;
    // active when they differ.
    void SelectPixels(PixelPosition anchor, PixelPosition caret);
    // A zero-width column block at x from the caret's row to the anchor's, desired x there.
    void PlaceColumnBlock(PixelX x, PixelY caretY, PixelY anchorY);
    // The display line under the caret: caret at its start, anchor at the start of the next
    // display line (at this line's end on the last line or in column mode).
    void SelectDisplayLineAtCaret();
    // The anchor to the caret: no selection.
    void DropAnchor() { m_selection.DropAnchor(); }
    PixelX GetDropX() const { return m_selection.GetDrop().x; }
    PixelY GetDropY() const { return m_selection.GetDrop().y; }
    void SetDropFromPoint(int clientX, int clientY);
    bool IsCaretInView() const;

    // ---- selection ----
    bool IsSelectionActive() const { return m_selection.IsActive(); }
    // Selection active exactly when anchor and caret differ.
    void UpdateSelectionActive() { m_selection.UpdateActive(); }
    // The selection ends; the anchor stays idle (a Shift movement drops it first).
    void Deselect() { m_selection.Deselect(); }
    // After a column-block edit: the block stays selected while it spans rows.
    void KeepBlockWhileSpanningRows() { m_selection.KeepBlockWhileSpanningRows(); }
    bool IsSelectionSaved() const { return m_selection.IsSaved(); }
    // Saves the normalised selection (selection saved = 1), or clears saved.
    void SaveSelection();
    // A mouse selection starts: the selection so far is saved for Shift extension.
    void BeginMouseSelection();
    bool IsMouseSelecting() const { return m_selection.IsMouseSelecting(); }
    // The pointer is over the gutter or not while selecting (never in column mode).
    void TrackGutterSelection(bool inGutter);
    bool IsGutterSelecting() const { return m_selection.IsGutterSelecting(); }
    // The button was released: a gutter selection takes its last line whole and the
    // selection is saved. Returns whether it was a gutter selection.
    bool EndMouseSelection();
    PixelSelection GetSelectionRect() const;
    // Where a column block's edge at x falls on this display line. With a fixed-pitch font
    // the grid holds on every row, so x itself (an edge inside a double-byte character cuts
    // it); with a proportional font the nearest character boundary of the row, so every row
    // takes whole characters and the highlight shows what copying, cutting and typing take.
    PixelX ColumnEdgeX(const CDisplayLine& line, PixelX x) const;
    DocSelection GetSelectionRange() const;
    // Display-line span of the selection in document lines (end line − start line), 0
    // without a selection.
    int GetSelectionLineSpan() const;
    bool IsInSelection(PixelX x, PixelY y) const;
    bool IsPointInSelection(int clientX, int clientY) const;
    void ExtendFromSavedSelection();
    void ExtendGutterSelectionEnd();

    // ---- search ----
    // The next forward search starts at the selection's start (set by the find prompt).
    void RequestSearchFromSelectionStart() { m_searchFromSelectionStart = true; }
    // Whether it was requested; the request is used up.
    bool TakeSearchFromSelectionStart();

    // ---- clipboard, dates, keys ----
    bool SetClipboardText(const CStringLineList& lines);
    bool GetClipboardText(CStringLineList& lines);
    int GetModifierMask() const;

    // ---- caret movement ----
    // The movement of a caret key with the modifier mask (Shift is the caller's); returns
    // whether a full repaint is needed.
    bool MoveCaretForKey(int key, int modifiers);

    // ---- scrolling ----
    PixelX GetScrollX() const { return m_scrollX; }
    PixelY GetScrollY() const { return m_scrollY; }
    void SetScrollY(PixelY y);
    void SetScrollX(PixelX x);
    // Scrolls this pane and tells the host, which makes the neighbouring panes follow.
    void ScrollTo(PixelX x, PixelY y);
    void EnsureCaretVisible();
    void EnsureCaretVisibleNarrow();
    void EnsureDropPointVisible();
    void ScrollCaretToTop();
    void ScrollCaretToBottom();
    void ScrollCaretToCentre();

    // ---- scroll bars and the system caret (window arithmetic, no window) ----
    struct ScrollBarState {
        int maximum = 0;
        int page = 0;
        int position = 0;
    };
    // Display lines per vertical bar unit: 1 up to 32767 lines, doubling up to 32.
    int GetVerticalScrollScale() const;
    // Clamps scroll y into the layout first.
    ScrollBarState UpdateVerticalScrollBar();
    // Clamps a negative scroll x to 0 first; always 4094 columns beyond the page.
    ScrollBarState UpdateHorizontalScrollBar();
    // A dragged thumb's position as scroll offsets.
    PixelY ScrollYFromThumb(int thumb) const { return thumb * GetLineHeight() * GetVerticalScrollScale(); }
    PixelX ScrollXFromThumb(int thumb) const { return thumb * GetAverageCharWidth(); }
    struct CaretPlacement {
        int x = 0;  // client coordinates; (-10000, -10000) when outside the client area
        int y = 0;
        int width = 0;
        int height = 0;
    };
    // Where and how large the system caret is drawn for the caret (or the drop caret).
    CaretPlacement GetCaretPlacement() const;
    CaretPlacement GetDropCaretPlacement() const;

    // ---- range state for painting ----
    // The state to paint a display line with: carried from the document's head, the line's
    // own reset applied when it is a first display line, and advanced over the earlier
    // display lines of its document line. Costs at most one checkpoint interval.
    RangeState GetRangeStateAtDisplayLine(const CDisplayLine& line) { return m_layout.RangeStateAt(line); }

    // ---- printing ----
    const CPrintLayout& GetPrintLayout() const { return m_printLayout; }
    // The document lines a print of the selection covers: from its start line as many as it
    // spans, plus one when its end column is not 0.
    void GetSelectionPrintLines(LineIndex& first, int& count) const;
    // The layout of a print job: the selection's lines or the whole document, wrapped for
    // the page; returns the job's page count.
    int BeginPrintLayout(const ITextMetrics& printer, const PageRect& page, bool selectionOnly);
    // The job ended: the printer lines are released.
    void EndPrintLayout() { m_printLayout.Clear(); }

private:
    // ---- caret movement (each sets caret x and desired x; MoveCaretForKey picks one) ----
    void StepLeft(int n);
    void StepRight(int n);
    void WordLeft();
    void WordRight();
    void ToDisplayLineStart();
    void ToDisplayLineEnd();
    void ToFirstTextPosition();
    void JumpDocLineStart();
    void JumpDocLineEnd();
    void LineUp();
    void LineDown();
    void ToScreenTop();
    void ToScreenBottom();
    void PageUp();
    void PageDown();
    void HalfPageUp();
    void HalfPageDown();
    void JumpDocStart();
    void JumpDocEnd();
    void ToScreenTopStart();
    void ToScreenBottomEnd();
    void ScrollUpKeepCaret();
    void ScrollDownKeepCaret();
    // Both return whether they scrolled.
    bool ScrollUpOnly();
    bool ScrollDownOnly();
    DisplayLineIndex GetDisplayLineIndexAtY(PixelY y) const { return m_layout.IndexAtY(y); }
    PixelY GetLastDisplayLineY() const { return m_layout.LastLineY(); }
    // count document lines from first were deleted: their display lines go, stored
    // positions below them move with their lines.
    void RemoveDisplayLines(LineIndex first, int count);
    void SetCaretY(PixelY y);
    CDisplayLineRef CaretLine() const { return GetDisplayLineAtY(GetCaretY()); }
    // Caret x and desired x together.
    void PlaceCaretX(PixelX x);
    void SetDropY(PixelY y);
    void SetDropX(PixelX x);
    LineIndex DocLineOfDisplay(const CDisplayLine* line) const { return m_layout.DocLineOf(line); }
    LineIndex DocLineOfDisplay(const CDisplayLineRef& line) const { return m_layout.DocLineOf(line.get()); }
    const CMetricCache& Metrics() const { return m_layout.GetMetrics(); }
    // oldCount display lines from start became newCount: the stored y positions follow
    // (RemapLayoutY).
    void OnDisplayLinesReplaced(DisplayLineIndex start, int oldCount, int newCount) override;
    bool IsDoubleByteBefore(const CDisplayLine& line, ByteColumn column) const;
    bool IsDoubleByteAt(const CDisplayLine& line, ByteColumn column) const;
    int ClassAt(const CTextLine& line, ByteColumn pos) const;
    int CharLengthAt(const CTextLine& line, ByteColumn pos) const;
    ByteColumn CharStartBefore(const CTextLine& line, ByteColumn pos) const;
    PixelX NearestBoundaryX(const CDisplayLine& line, PixelX x, bool checkLeadByte) const;
    PixelX SnapToLine(const CDisplayLine& line, PixelX x) const;
    // Where the caret (on the character grid in column mode) or the anchor goes for a text
    // position.
    PixelPosition CaretPixelsOf(ByteColumn column, LineIndex line) const;
    PixelPosition AnchorPixelsOf(ByteColumn column, LineIndex line) const;

    CTextDocument& m_document;
    IViewHost& m_host;
    IClipboard& m_clipboard;
    const CViewSettings& m_settings;
    CEditingModes& m_modes;
    CDisplayLayout m_layout;
    CPrintLayout m_printLayout;

    int m_clientWidth = 0;
    int m_clientHeight = 0;
    bool m_spellingCheck = false;
    PixelX m_scrollX = 0;
    PixelY m_scrollY = 0;
    CCaretSelection m_selection;
    bool m_searchFromSelectionStart = false;

    // Text positions kept over a rebuild.
    struct LayoutPositions {
        ByteColumn topColumn = 0;
        LineIndex topLine = 0;
        DocPosition anchor;
        DocPosition caret;
    } m_layoutPositions;
};
