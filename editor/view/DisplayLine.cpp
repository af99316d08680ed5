#include "editor/view/DisplayLine.h"

#include <algorithm>
#include <cstring>

ByteColumn CDisplayLine::GetStartColumn() const
{
    return m_segmentCount > 0 ? m_segments[0].firstColumn : 0;
}

ByteColumn CDisplayLine::GetEndColumn() const
{
    return m_segmentCount > 0 ? m_segments[m_segmentCount - 1].EndColumn() : 0;
}

PixelX CDisplayLine::GetStartX() const
{
    return m_segmentCount > 0 ? m_segments[0].x : 0;
}

PixelX CDisplayLine::GetEndX() const
{
    return m_segmentCount > 0 ? m_segments[m_segmentCount - 1].EndX() : 0;
}

PixelX CDisplayLine::GetTextStartX() const
{
    for (int i = 0; i < m_segmentCount; ++i) {
        const int kind = m_segments[i].kind;
        if (kind < kRunLineEnd || kind > kRunBlanks)
            return m_segments[i].x;
    }
    return GetEndX();
}

const DisplaySegment* CDisplayLine::FindSegmentAtX(PixelX x) const
{
    for (int i = 0; i < m_segmentCount; ++i) {
        if (x < m_segments[i].EndX())
            return &m_segments[i];
    }
    return m_segmentCount > 0 ? &m_segments[m_segmentCount - 1] : nullptr;
}

const DisplaySegment* CDisplayLine::FindSegmentAtColumn(ByteColumn column) const
{
    for (int i = 0; i < m_segmentCount; ++i) {
        if (column < m_segments[i].EndColumn())
            return &m_segments[i];
    }
    return m_segmentCount > 0 ? &m_segments[m_segmentCount - 1] : nullptr;
}

unsigned char CDisplayLine::ByteAt(ByteColumn column) const
{
    if (column < 0 || column > GetEndColumn() || column >= GetTextLength())
        return 0;
    return static_cast<unsigned char>(m_text->GetText()[column]);
}

void CDisplayLine::SetLayout(const CTextLine* text, const DisplaySegment* segments, int count,
                             uint16_t flags)
{
    count = std::max(0, std::min(count, 32767));
    m_text = text;
    m_flags = flags;
    if (count != m_segmentCount || !m_segments) {
        FreeSegments();
        m_segments = count > 0 ? new DisplaySegment[count] : nullptr;
    }
    if (count > 0)
        std::memcpy(m_segments, segments, count * sizeof(DisplaySegment));
    m_segmentCount = (int16_t)count;
}

void CDisplayLine::FreeSegments()
{
    delete[] m_segments;
    m_segments = nullptr;
    m_segmentCount = 0;
}

void CDisplayLine::ClearLayout()
{
    FreeSegments();
    m_text = nullptr;
    m_flags = 0;
}
