#pragma once
#include <cstdint>
#include <vector>

#include "editor/document/TextLine.h"
#include "editor/view/ViewTypes.h"

// One pre-measured piece of a colour run on a display line: 16 bytes.
struct DisplaySegment {
    uint8_t kind;         // ColorRunKind of the run; kRunSoftBreak marks a soft break
    uint8_t subKind;      // the run's sub-kind
    int16_t firstColumn;  // byte column in the document line
    int16_t columnCount;  // bytes in the piece; 0 for a soft break
    int32_t x;            // from the start of the text area
    int32_t width;        // full 32 bits: a long run is never cut to 16

    ByteColumn EndColumn() const { return firstColumn + columnCount; }
    PixelX EndX() const { return x + width; }
};
static_assert(sizeof(DisplaySegment) == 16, "a display segment is a packed 16-byte record");

class CDisplayLineList;

// One display line: a document line, or one continuation of a wrapped document line, with
// its segments laid out from left to right. It refers to its document line's record, whose
// address stays fixed while the line exists (the document notifies before it goes).
class CDisplayLine {
public:
    CDisplayLine() = default;
    ~CDisplayLine() { FreeSegments(); }
    CDisplayLine(const CDisplayLine&) = delete;
    CDisplayLine& operator=(const CDisplayLine&) = delete;

    const CTextLine* GetTextLine() const { return m_text; }
    // The document line's bytes; an empty string before the first layout.
    const char* GetText() const { return m_text ? m_text->GetText() : ""; }
    int GetTextLength() const { return m_text ? m_text->GetLength() : 0; }

    const DisplaySegment* GetSegments() const { return m_segments; }
    int GetSegmentCount() const { return m_segmentCount; }
    const DisplaySegment* GetSegment(int index) const
    {
        return index >= 0 && index < GetSegmentCount() ? &m_segments[index] : nullptr;
    }
    // 0 for the first display line of a document line, 1, 2, ... for its continuations.
    int GetContinuationIndex() const { return m_continuation; }
    bool IsFirst() const { return m_continuation == 0; }
    uint16_t GetLineFlags() const { return m_flags; }
    // The document line of a view's display line, kept by the view's layout (-1 in a list,
    // which knows it by position).
    LineIndex GetDocLine() const { return m_docLine; }

    // First segment's first column / last segment's end column; 0 without segments.
    ByteColumn GetStartColumn() const;
    ByteColumn GetEndColumn() const;
    // First segment's x / last segment's right edge; 0 without segments.
    PixelX GetStartX() const;
    PixelX GetEndX() const;
    // x of the first segment that is not a line end, soft break, tab or blanks; the end x
    // when there is none.
    PixelX GetTextStartX() const;
    // The first segment with x < its right edge (column < its end); else the last; null
    // without segments.
    const DisplaySegment* FindSegmentAtX(PixelX x) const;
    const DisplaySegment* FindSegmentAtColumn(ByteColumn column) const;
    // The text byte at a column; 0 below 0 or past the end column (or the text).
    unsigned char ByteAt(ByteColumn column) const;

    // Replaces the layout: the segments are copied into an array of their own.
    void SetLayout(const CTextLine* text, const DisplaySegment* segments, int count,
                   uint16_t flags);
    // Drops the segments and the text reference (an empty line awaiting layout).
    void ClearLayout();

    // Neighbours in the list (null at the ends).
    CDisplayLine* Next() const { return m_next; }
    CDisplayLine* Prev() const { return m_prev; }

private:
    friend class CDisplayLineList;
    friend class CDisplayLayout;

    void FreeSegments();

    const CTextLine* m_text = nullptr;
    DisplaySegment* m_segments = nullptr;
    int16_t m_segmentCount = 0;
    int16_t m_continuation = 0;
    uint16_t m_flags = 0;
    LineIndex m_docLine = -1;

    // List order and the balanced index over it (see CDisplayLineList).
    CDisplayLine* m_prev = nullptr;
    CDisplayLine* m_next = nullptr;
    CDisplayLine* m_parent = nullptr;
    CDisplayLine* m_left = nullptr;
    CDisplayLine* m_right = nullptr;
    uint32_t m_priority = 0;
    int m_subtreeLines = 1;   // display lines in this subtree
    int m_subtreeFirsts = 1;  // of them, first display lines (continuation index 0)
};
