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

// Lays out one document line unwrapped, for a display line whose layout was deferred until
// something first reads its segments (see CDisplayLine::DeferLayout).
class IDeferredLayout {
public:
    virtual ~IDeferredLayout() = default;
    // The line's segments, valid until the next call.
    virtual const std::vector<DisplaySegment>& LayOutDeferred(const CTextLine& text) const = 0;
};

// One display line: a document line, or one continuation of a wrapped document line, with
// its segments laid out from left to right. It refers to its document line's record, whose
// address stays fixed while the line exists (the document notifies before it goes).
//
// An unwrapped line's layout may be deferred: the line then keeps only its text reference
// and flags, and the segments are made by the layout it was given when first read. So a
// view lays out the lines someone looks at, not every line of a large file at once.
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

    const DisplaySegment* GetSegments() const { return Ready().m_segments; }
    int GetSegmentCount() const { return Ready().m_segmentCount; }
    const DisplaySegment* GetSegment(int index) const
    {
        return index >= 0 && index < GetSegmentCount() ? &m_segments[index] : nullptr;
    }
    // False while the layout is deferred and nothing has read the segments yet.
    bool IsLaidOut() const { return m_segmentCount != kDeferred; }
    // 0 for the first display line of a document line, 1, 2, ... for its continuations.
    int GetContinuationIndex() const { return m_continuation; }
    bool IsFirst() const { return m_continuation == 0; }
    uint16_t GetLineFlags() const { return m_flags; }

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
    // Drops the segments; they are made by layout from text when first read. The layout
    // must outlive the line or lay it out again first.
    void DeferLayout(const CTextLine* text, uint16_t flags, const IDeferredLayout* layout);
    // Drops the segments and the text reference (an empty line awaiting layout).
    void ClearLayout();

    // Neighbours in the list (null at the ends).
    CDisplayLine* Next() const { return m_next; }
    CDisplayLine* Prev() const { return m_prev; }

private:
    friend class CDisplayLineList;

    static const int16_t kDeferred = -1;  // m_segmentCount while m_deferred is set

    // The line itself, laid out first when its layout was deferred.
    const CDisplayLine& Ready() const
    {
        if (m_segmentCount == kDeferred)
            LayOutNow();
        return *this;
    }
    void LayOutNow() const;
    void FreeSegments();

    const CTextLine* m_text = nullptr;
    // The owned segments, or while deferred the layout to make them with: one pointer per
    // line either way.
    union {
        mutable DisplaySegment* m_segments = nullptr;
        mutable const IDeferredLayout* m_deferred;
    };
    mutable int16_t m_segmentCount = 0;
    int16_t m_continuation = 0;
    uint16_t m_flags = 0;

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
