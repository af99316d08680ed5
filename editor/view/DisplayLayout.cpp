#include "editor/view/DisplayLayout.h"

#include <algorithm>

namespace {

const int kProgressThreshold = 1000;
const int kProgressEvery = 20;

}  // namespace

CDisplayLayout::CDisplayLayout(const CTextDocument& document, const ITextMetrics& screenMetrics,
                               const CViewSettings& settings, IViewHost& host,
                               IDisplayLinesListener& listener)
    : m_document(document), m_settings(settings), m_host(host), m_listener(listener),
      m_metrics(screenMetrics, settings)
{
}

LayoutParameters CDisplayLayout::ScreenParameters() const
{
    LayoutParameters p;
    p.blankWidth = m_metrics.GetBlankWidth();
    p.tabPitch = p.blankWidth * std::max(1, m_settings.tabSize);
    p.tabOrigin = 1;
    p.fixedPitch = m_metrics.IsFixedPitchFont();
    if (m_settings.fixedWrapWidth != 0)
        p.wrapWidth = m_settings.fixedWrapWidth * m_metrics.GetAverageCharWidth();
    else
        p.wrapWidth = m_clientWidth - m_metrics.GetMaxCharWidth() - m_metrics.GetGutterWidth(m_document.GetLineCount());
    p.continuationIndent = p.blankWidth * m_settings.wrapIndent;
    p.minimumRoom = 8 * m_metrics.GetAverageCharWidth();
    p.doubleByte = m_document.IsDoubleByteMode();
    return p;
}

CLineLayout CDisplayLayout::ScreenLayout() const
{
    return CLineLayout(m_metrics.GetDevice(), ScreenParameters());
}

CDisplayLine* CDisplayLayout::LayoutDocLine(CLineLayout& layout, CLineLayout::Segments& segments,
                                            CDisplayLine* first, LineIndex n)
{
    while (first->Next() && !first->Next()->IsFirst())
        m_lines.Remove(first->Next());
    const CTextLine* text = m_document.GetLine(n);
    if (!m_wordWrap) {
        first->DeferLayout(text, text->GetFlags(), this);
        return first;
    }
    bool more = layout.FormatFirstDisplayLine(*text, segments);
    first->SetLayout(text, segments.data(), (int)segments.size(), text->GetFlags());
    CDisplayLine* last = first;
    while (more) {
        more = layout.FormatContinuationLine(segments);
        last = m_lines.InsertAfter(last);
        m_lines.SetContinuationIndex(last, layout.GetLastContinuationIndex());
        last->SetLayout(text, segments.data(), (int)segments.size(), text->GetFlags());
    }
    return last;
}

void CDisplayLayout::FormatLines(LineIndex first, int count)
{
    const int available = std::min(m_document.GetLineCount(), m_lines.GetFirstLineCount());
    if (first < 0) {
        count += first;
        first = 0;
    }
    count = std::min(count, available - first);
    if (count <= 0)
        return;
    m_rangeStates.Invalidate(first);
    CLineLayout layout = ScreenLayout();
    // One buffer for the whole pass: a buffer grown and freed per line fragments the heap,
    // and some heaps then search ever longer free lists for the display line blocks.
    CLineLayout::Segments segments;
    CHostProgress progress(count > kProgressThreshold ? &m_host : nullptr, "Formatting...");
    CDisplayLine* line = m_lines.GetFirstOfDocLine(first);
    DisplayLineIndex index = m_lines.IndexOf(line);
    for (int i = 0; i < count && line; ++i) {
        int oldCount = 1;
        for (CDisplayLine* next = line->Next(); next && !next->IsFirst(); next = next->Next())
            ++oldCount;
        CDisplayLine* last = LayoutDocLine(layout, segments, line, first + i);
        const int newCount = last->GetContinuationIndex() + 1;
        if (newCount != oldCount)
            m_listener.OnDisplayLinesReplaced(index, oldCount, newCount);
        index += newCount;
        line = last->Next();
        if ((i + 1) % kProgressEvery == 0)
            progress.Set((int)((long long)(i + 1) * 100 / count));
    }
}

void CDisplayLayout::Rebuild()
{
    m_lines.RemoveAll();
    m_rangeStates.Clear();
    const int lines = m_document.GetLineCount();
    for (int i = 0; i < lines; ++i)
        m_lines.AddTail();
    FormatLines(0, lines);
}

void CDisplayLayout::RemoveLines(LineIndex first, int count)
{
    CDisplayLine* line = m_lines.GetFirstOfDocLine(first);
    if (!line || count <= 0)
        return;
    m_rangeStates.Invalidate(first);
    const DisplayLineIndex start = m_lines.IndexOf(line);
    int removed = 0;
    for (int i = 0; i < count && line; ++i) {
        do {
            CDisplayLine* next = line->Next();
            m_lines.Remove(line);
            ++removed;
            line = next;
        } while (line && !line->IsFirst());
    }
    m_listener.OnDisplayLinesReplaced(start, removed, 0);
}

void CDisplayLayout::InsertLines(LineIndex after, int count)
{
    if (count <= 0)
        return;
    m_rangeStates.Invalidate(after + 1);
    // Past the last document line the new lines follow the last display line: putting
    // them at the head would move every line below them.
    CDisplayLine* anchor = nullptr;
    if (after >= m_lines.GetFirstLineCount())
        anchor = m_lines.GetTail();
    else if (after >= 0)
        anchor = m_lines.GetFirstOfDocLine(after);
    const DisplayLineIndex start = anchor ? m_lines.IndexOf(anchor) + 1 : 0;
    for (int i = 0; i < count; ++i)
        m_lines.InsertAfter(anchor);
    m_listener.OnDisplayLinesReplaced(start, 0, count);
}

const CDisplayLine* CDisplayLayout::LineAtY(PixelY y) const
{
    if (m_lines.IsEmpty())
        return nullptr;
    return m_lines.GetAt(IndexAtY(y));
}

DisplayLineIndex CDisplayLayout::IndexAtY(PixelY y) const
{
    const int last = m_lines.GetCount() - 1;
    if (y < 0)
        return 0;
    const DisplayLineIndex k = y / GetLineHeight();
    return k > last ? last : k;
}

PixelY CDisplayLayout::LastLineY() const
{
    return GetLineHeight() * std::max(0, m_lines.GetCount() - 1);
}

PixelY CDisplayLayout::YOfPosition(ByteColumn column, LineIndex line) const
{
    const int firsts = m_lines.GetFirstLineCount();
    if (firsts == 0)
        return 0;
    if (line < 0 || line >= firsts)
        line = firsts - 1;
    const CDisplayLine* display = m_lines.GetFirstOfDocLine(line);
    DisplayLineIndex index = m_lines.IndexOf(display);
    for (;;) {
        if (display->GetEndColumn() > column)
            break;
        const CDisplayLine* next = display->Next();
        if (!next || next->IsFirst())
            break;
        display = next;
        ++index;
    }
    return index * GetLineHeight();
}

ByteColumn CDisplayLayout::ColumnFromX(const CDisplayLine& line, PixelX x, bool snap) const
{
    const int average = m_metrics.GetAverageCharWidth();
    if (x < line.GetStartX())
        return line.GetStartColumn();
    if (x >= line.GetEndX()) {
        if (snap)
            return line.GetEndColumn();
        return line.GetEndColumn() + (x - line.GetEndX()) / average;
    }
    const DisplaySegment& segment = *line.FindSegmentAtX(x);
    if (x >= segment.EndX())
        return segment.EndColumn();
    if (segment.kind == kRunLineEnd || segment.kind == kRunSoftBreak || segment.kind == kRunTab ||
        x <= segment.x)
        return segment.firstColumn;
    if (segment.kind == kRunWordDbcsChar)
        return snap ? segment.firstColumn : segment.firstColumn + (x - segment.x) / average;
    const CLineLayout layout = ScreenLayout();
    if (segment.kind == kRunBlanks)
        return segment.firstColumn +
               std::min<int>(segment.columnCount, (x - segment.x) / layout.GetParameters().blankWidth);
    const int available = std::max(0, std::min<int>(segment.columnCount,
                                                     line.GetTextLength() - segment.firstColumn));
    return segment.firstColumn +
           layout.FitBytes(line.GetText() + segment.firstColumn, available, x - segment.x);
}

PixelX CDisplayLayout::XFromColumn(const CDisplayLine& line, ByteColumn column, bool snap) const
{
    if (column < line.GetStartColumn())
        return line.GetStartX();
    if (column >= line.GetEndColumn()) {
        if (snap)
            return line.GetEndX();
        return line.GetEndX() + (column - line.GetEndColumn()) * m_metrics.GetAverageCharWidth();
    }
    const DisplaySegment& segment = *line.FindSegmentAtColumn(column);
    if (column >= segment.EndColumn())
        return segment.EndX();
    if (segment.kind == kRunLineEnd || segment.kind == kRunSoftBreak || segment.kind == kRunTab ||
        column <= segment.firstColumn)
        return segment.x;
    if (segment.kind == kRunWordDbcsChar)
        return snap ? segment.x
                    : segment.x + m_metrics.GetAverageCharWidth() * (column - segment.firstColumn);
    const int count = std::min(column, line.GetTextLength()) - segment.firstColumn;
    return segment.x + ScreenLayout().MeasureRun(line.GetText() + segment.firstColumn,
                                                 segment.kind, std::max(0, count), segment.x);
}

RangeState CDisplayLayout::RangeStateAt(const CDisplayLine& line)
{
    const LineIndex n = m_lines.DocLineOf(&line);
    RangeState state = m_rangeStates.StateBefore(m_document, n);
    state.StartDocumentLine(m_document.GetLangSpec().m_multiLineStrings);
    const CDisplayLine* earlier = m_lines.GetFirstOfDocLine(n);
    for (; earlier && earlier != &line; earlier = earlier->Next()) {
        for (int i = 0; i < earlier->GetSegmentCount(); ++i) {
            const DisplaySegment& segment = earlier->GetSegments()[i];
            if (segment.kind >= kRunQuote1 && segment.kind <= kRunRange2End)
                AdvanceRangeState(segment.kind, segment.subKind, state);
        }
    }
    return state;
}

const std::vector<DisplaySegment>& CDisplayLayout::LayOutDeferred(const CTextLine& text) const
{
    ScreenLayout().LayoutUnwrapped(text, m_deferredSegments);
    return m_deferredSegments;
}

int CDisplayLayout::CountLaidOut() const
{
    int count = 0;
    for (const CDisplayLine* line = m_lines.GetHead(); line; line = line->Next())
        count += line->IsLaidOut() ? 1 : 0;
    return count;
}

bool CDisplayLayout::Check() const
{
    if (!m_lines.Check())
        return false;
    if (m_lines.GetFirstLineCount() != m_document.GetLineCount())
        return false;
    // Every display line as a fresh layout would make it.
    CLineLayout layout = ScreenLayout();
    CLineLayout::Segments segments;
    const CDisplayLine* line = m_lines.GetHead();
    for (LineIndex n = 0; n < m_document.GetLineCount(); ++n) {
        const CTextLine* text = m_document.GetLine(n);
        bool more;
        int index = 0;
        if (m_wordWrap) {
            more = layout.FormatFirstDisplayLine(*text, segments);
        } else {
            layout.LayoutUnwrapped(*text, segments);
            more = false;
        }
        for (;;) {
            if (!line || line->GetTextLine() != text || line->GetContinuationIndex() != index ||
                line->GetSegmentCount() != (int)segments.size() ||
                line->GetLineFlags() != text->GetFlags())
                return false;
            for (int i = 0; i < (int)segments.size(); ++i) {
                const DisplaySegment& a = line->GetSegments()[i];
                const DisplaySegment& b = segments[i];
                if (a.kind != b.kind || a.subKind != b.subKind || a.firstColumn != b.firstColumn ||
                    a.columnCount != b.columnCount || a.x != b.x || a.width != b.width)
                    return false;
            }
            line = line->Next();
            if (!more)
                break;
            more = layout.FormatContinuationLine(segments);
            ++index;
        }
    }
    if (line)
        return false;
    return true;
}
