#include <algorithm>

#include "editor/view/ViewEngine.h"

namespace {

const int kProgressThreshold = 1000;
const int kProgressEvery = 20;

}  // namespace

LayoutParameters CViewEngine::ScreenLayoutParameters() const
{
    LayoutParameters p;
    p.blankWidth = m_metrics.GetBlankWidth();
    p.tabPitch = p.blankWidth * std::max(1, m_settings.tabSize);
    p.tabOrigin = 1;
    p.fixedPitch = m_metrics.IsFixedPitchFont();
    if (m_settings.fixedWrapWidth != 0)
        p.wrapWidth = m_settings.fixedWrapWidth * m_metrics.GetAverageCharWidth();
    else
        p.wrapWidth = m_clientWidth - m_metrics.GetMaxCharWidth() - m_metrics.GetGutterWidth();
    p.continuationIndent = p.blankWidth * m_settings.wrapIndent;
    p.minimumRoom = 8 * m_metrics.GetAverageCharWidth();
    p.doubleByte = m_document.IsDoubleByteMode();
    return p;
}

CLineLayout CViewEngine::ScreenLayout() const
{
    return CLineLayout(m_metrics.GetDevice(), ScreenLayoutParameters());
}

CDisplayLine* CViewEngine::LayoutDocLine(CLineLayout& layout, CLineLayout::Segments& segments,
                                         CDisplayLine* first, LineIndex n)
{
    while (first->Next() && !first->Next()->IsFirst())
        m_displayLines.Remove(first->Next());
    const CTextLine* text = m_document.GetLine(n);
    if (!m_wordWrap) {
        layout.LayoutUnwrapped(*text, segments);
        first->SetLayout(text, segments.data(), (int)segments.size(), text->GetFlags());
        return first;
    }
    bool more = layout.FormatFirstDisplayLine(*text, segments);
    first->SetLayout(text, segments.data(), (int)segments.size(), text->GetFlags());
    CDisplayLine* last = first;
    while (more) {
        more = layout.FormatContinuationLine(segments);
        last = m_displayLines.InsertAfter(last);
        m_displayLines.SetContinuationIndex(last, layout.GetLastContinuationIndex());
        last->SetLayout(text, segments.data(), (int)segments.size(), text->GetFlags());
    }
    return last;
}

void CViewEngine::FormatLines(LineIndex first, int count)
{
    const int available = std::min(m_document.GetLineCount(), m_displayLines.GetFirstLineCount());
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
    CDisplayLine* line = m_displayLines.GetFirstOfDocLine(first);
    DisplayLineIndex index = m_displayLines.IndexOf(line);
    for (int i = 0; i < count && line; ++i) {
        int oldCount = 1;
        for (CDisplayLine* next = line->Next(); next && !next->IsFirst(); next = next->Next())
            ++oldCount;
        CDisplayLine* last = LayoutDocLine(layout, segments, line, first + i);
        const int newCount = last->GetContinuationIndex() + 1;
        if (newCount != oldCount)
            RemapPositions(index, oldCount, newCount);
        index += newCount;
        line = last->Next();
        if ((i + 1) % kProgressEvery == 0)
            progress.Set((int)((long long)(i + 1) * 100 / count));
    }
}

void CViewEngine::ReformatDocument()
{
    // A rebuild keeps pixel positions as they are (callers restore or reset them); only
    // the lines' growth during the pass must not move them.
    const CCaretSelection selection = m_selection;
    const PixelY scrollY = m_scrollY;
    m_displayLines.RemoveAll();
    m_rangeStates.Clear();
    const int lines = m_document.GetLineCount();
    for (int i = 0; i < lines; ++i)
        m_displayLines.AddTail();
    FormatLines(0, lines);
    m_selection = selection;
    m_scrollY = scrollY;
    RemapPositions(0, 0, 0);
}

void CViewEngine::RemoveDisplayLines(LineIndex first, int count)
{
    CDisplayLine* line = m_displayLines.GetFirstOfDocLine(first);
    if (!line || count <= 0)
        return;
    m_rangeStates.Invalidate(first);
    const DisplayLineIndex start = m_displayLines.IndexOf(line);
    int removed = 0;
    for (int i = 0; i < count && line; ++i) {
        do {
            CDisplayLine* next = line->Next();
            m_displayLines.Remove(line);
            ++removed;
            line = next;
        } while (line && !line->IsFirst());
    }
    RemapPositions(start, removed, 0);
}

void CViewEngine::InsertDisplayLines(LineIndex after, int count)
{
    if (count <= 0)
        return;
    m_rangeStates.Invalidate(after + 1);
    // Past the last document line the new lines follow the last display line: putting
    // them at the head would move every line below them.
    CDisplayLine* anchor = nullptr;
    if (after >= m_displayLines.GetFirstLineCount())
        anchor = m_displayLines.GetTail();
    else if (after >= 0)
        anchor = m_displayLines.GetFirstOfDocLine(after);
    const DisplayLineIndex start = anchor ? m_displayLines.IndexOf(anchor) + 1 : 0;
    for (int i = 0; i < count; ++i)
        m_displayLines.InsertAfter(anchor);
    RemapPositions(start, 0, count);
}

void CViewEngine::RemapPositions(DisplayLineIndex start, int oldCount, int newCount)
{
    const int h = GetLineHeight();
    const int lines = m_displayLines.GetCount();
    m_selection.Remap(h, start, oldCount, newCount, lines);
    m_scrollY = RemapLayoutY(m_scrollY, h, start, oldCount, newCount, lines);
}

void CViewEngine::SaveLayoutPositions()
{
    m_layoutPositions.caret = GetCaretDocPosition();
    m_layoutPositions.anchor = GetAnchorDocPosition();
    const CDisplayLine* top = GetDisplayLineAtY(m_scrollY);
    m_layoutPositions.topLine = top ? m_displayLines.DocLineOf(top) : 0;
    m_layoutPositions.topColumn = top ? top->GetStartColumn() : 0;
}

void CViewEngine::RestoreLayoutPositions()
{
    if (m_displayLines.IsEmpty())
        return;
    RelocateSelection(m_layoutPositions.anchor, m_layoutPositions.caret);
    const CDisplayLine* top = m_displayLines.GetFirstOfDocLine(
        std::min(m_layoutPositions.topLine, m_displayLines.GetFirstLineCount() - 1));
    m_scrollY = m_displayLines.IndexOf(top) * GetLineHeight();
    m_scrollX = XFromColumn(*top, 0, true);
}

bool CViewEngine::Check() const
{
    if (!m_displayLines.Check())
        return false;
    if (m_displayLines.GetFirstLineCount() != m_document.GetLineCount())
        return false;
    // Every display line as a fresh layout would make it.
    CLineLayout layout = ScreenLayout();
    CLineLayout::Segments segments;
    const CDisplayLine* line = m_displayLines.GetHead();
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
    const int h = GetLineHeight();
    if (m_scrollY < 0 || m_scrollY > GetLastDisplayLineY() || m_scrollY % h != 0)
        return false;
    return m_selection.Check(h, m_displayLines.GetCount());
}

RangeState CViewEngine::GetRangeStateAtDisplayLine(const CDisplayLine& line)
{
    const LineIndex n = m_displayLines.DocLineOf(&line);
    RangeState state = m_rangeStates.StateBefore(m_document, n);
    state.StartDocumentLine(m_document.GetLangSpec().m_multiLineStrings);
    const CDisplayLine* earlier = m_displayLines.GetFirstOfDocLine(n);
    for (; earlier && earlier != &line; earlier = earlier->Next()) {
        for (int i = 0; i < earlier->GetSegmentCount(); ++i) {
            const DisplaySegment& segment = earlier->GetSegments()[i];
            if (segment.kind >= kRunQuote1 && segment.kind <= kRunRange2End)
                AdvanceRangeState(segment.kind, segment.subKind, state);
        }
    }
    return state;
}
