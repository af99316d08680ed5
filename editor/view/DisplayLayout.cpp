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

void CDisplayLayout::LayOut(CLineLayout& layout, LineIndex n, DocLineLayout& out) const
{
    out.clear();
    const CTextLine* text = m_document.GetLine(n);
    auto add = [&](int continuation) {
        auto line = std::make_shared<CDisplayLine>();
        line->SetLayout(text, m_segments.data(), (int)m_segments.size(), layout.GetLineFlags());
        line->m_continuation = (int16_t)continuation;
        line->m_docLine = n;
        out.push_back(std::move(line));
    };
    if (!m_wordWrap) {
        layout.LayoutUnwrapped(*text, m_segments);
        add(0);
        return;
    }
    bool more = layout.FormatFirstDisplayLine(*text, m_segments);
    add(0);
    while (more) {
        more = layout.FormatContinuationLine(m_segments);
        add(layout.GetLastContinuationIndex());
    }
}

int CDisplayLayout::CountDisplayLines(CLineLayout& layout, LineIndex n) const
{
    if (!m_wordWrap)
        return 1;
    const CTextLine* text = m_document.GetLine(n);
    int count = 1;
    for (bool more = layout.FormatFirstDisplayLine(*text, m_segments); more; ++count)
        more = layout.FormatContinuationLine(m_segments);
    return count;
}

CDisplayLayout::DocLineLayout CDisplayLayout::DisplayLinesOf(LineIndex n) const
{
    auto kept = m_kept.find(n);
    if (kept != m_kept.end()) {
        kept->second.lastUse = ++m_useClock;
        return kept->second.lines;
    }
    KeptLayout fresh;
    CLineLayout layout = ScreenLayout();
    LayOut(layout, n, fresh.lines);
    fresh.lastUse = ++m_useClock;
    const int count = (int)fresh.lines.size();
    if (m_counts.GetValue(n) != count) {
        const DisplayLineIndex start = m_counts.StartOf(n);
        const int old = m_counts.SetValue(n, count);
        if (old != count)
            m_listener.OnDisplayLinesReplaced(start, old, count);
    }
    TrimKept();
    DocLineLayout lines = fresh.lines;
    m_kept.emplace(n, std::move(fresh));
    return lines;
}

void CDisplayLayout::TrimKept() const
{
    if ((int)m_kept.size() < 2 * kKeptDocLines)
        return;
    // Keep the kKeptDocLines read last.
    std::vector<unsigned long long> uses;
    uses.reserve(m_kept.size());
    for (const auto& entry : m_kept)
        uses.push_back(entry.second.lastUse);
    std::nth_element(uses.begin(), uses.end() - kKeptDocLines, uses.end());
    const unsigned long long oldestKept = *(uses.end() - kKeptDocLines);
    for (auto it = m_kept.begin(); it != m_kept.end();) {
        if (it->second.lastUse < oldestKept)
            it = m_kept.erase(it);
        else
            ++it;
    }
}

void CDisplayLayout::Forget(LineIndex first, int count)
{
    if (count <= 0)
        return;
    if (count >= (int)m_kept.size()) {
        for (auto it = m_kept.begin(); it != m_kept.end();) {
            if (it->first >= first && it->first - first < count)
                it = m_kept.erase(it);
            else
                ++it;
        }
        return;
    }
    for (LineIndex n = first; n < first + count; ++n)
        m_kept.erase(n);
}

void CDisplayLayout::Shift(LineIndex first, int delta)
{
    if (delta == 0)
        return;
    std::unordered_map<LineIndex, KeptLayout> moved;
    moved.reserve(m_kept.size());
    for (auto& entry : m_kept) {
        LineIndex n = entry.first;
        if (n >= first) {
            n += delta;
            for (const std::shared_ptr<CDisplayLine>& line : entry.second.lines)
                line->m_docLine = n;
        }
        moved.emplace(n, std::move(entry.second));
    }
    m_kept.swap(moved);
}

void CDisplayLayout::FormatLines(LineIndex first, int count)
{
    const int available = std::min(m_document.GetLineCount(), m_counts.GetDocLineCount());
    if (first < 0) {
        count += first;
        first = 0;
    }
    count = std::min(count, available - first);
    if (count <= 0)
        return;
    m_rangeStates.Invalidate(first);
    Forget(first, count);
    if (!m_wordWrap)
        return;
    CLineLayout layout = ScreenLayout();
    CHostProgress progress(count > kProgressThreshold ? &m_host : nullptr, "Formatting...");
    DisplayLineIndex index = m_counts.StartOf(first);
    for (int i = 0; i < count; ++i) {
        const int newCount = CountDisplayLines(layout, first + i);
        const int oldCount = m_counts.SetValue(first + i, newCount);
        if (newCount != oldCount)
            m_listener.OnDisplayLinesReplaced(index, oldCount, newCount);
        index += newCount;
        if ((i + 1) % kProgressEvery == 0)
            progress.Set((int)((long long)(i + 1) * 100 / count));
    }
}

void CDisplayLayout::Rebuild()
{
    m_kept.clear();
    m_rangeStates.Clear();
    const int lines = m_document.GetLineCount();
    if (!m_wordWrap) {
        m_counts.Reset(lines, 1);
        return;
    }
    std::vector<uint16_t> counts((size_t)lines);
    CLineLayout layout = ScreenLayout();
    CHostProgress progress(lines > kProgressThreshold ? &m_host : nullptr, "Formatting...");
    for (int n = 0; n < lines; ++n) {
        counts[(size_t)n] = (uint16_t)std::min(CountDisplayLines(layout, n), (int)CDisplayLineCounts::kMaxCount);
        if ((n + 1) % kProgressEvery == 0)
            progress.Set((int)((long long)(n + 1) * 100 / lines));
    }
    m_counts.Assign(counts);
}

void CDisplayLayout::RemoveLines(LineIndex first, int count)
{
    if (first < 0 || first >= m_counts.GetDocLineCount() || count <= 0)
        return;
    count = std::min(count, m_counts.GetDocLineCount() - first);
    m_rangeStates.Invalidate(first);
    const DisplayLineIndex start = m_counts.StartOf(first);
    const int removed = m_counts.Remove(first, count);
    Forget(first, count);
    Shift(first + count, -count);
    m_listener.OnDisplayLinesReplaced(start, removed, 0);
}

void CDisplayLayout::InsertLines(LineIndex after, int count)
{
    if (count <= 0)
        return;
    m_rangeStates.Invalidate(after + 1);
    // Past the last document line the new lines follow the last display line.
    const LineIndex at = std::max(0, std::min(after + 1, m_counts.GetDocLineCount()));
    const DisplayLineIndex start = m_counts.StartOf(at);
    m_counts.Insert(at, count, 1);
    Shift(at, count);
    m_listener.OnDisplayLinesReplaced(start, 0, count);
}

CDisplayLineRef CDisplayLayout::LineAt(DisplayLineIndex k) const
{
    if (k < 0 || k >= m_counts.GetDisplayLineCount())
        return nullptr;
    int continuation = 0;
    const LineIndex n = m_counts.DocLineAt(k, &continuation);
    DocLineLayout lines = DisplayLinesOf(n);
    return lines[(size_t)std::min(continuation, (int)lines.size() - 1)];
}

CDisplayLineRef CDisplayLayout::LineAtY(PixelY y) const
{
    if (m_counts.IsEmpty())
        return nullptr;
    return LineAt(IndexAtY(y));
}

CDisplayLineRef CDisplayLayout::FirstLineOf(LineIndex n) const
{
    if (n < 0 || n >= m_counts.GetDocLineCount())
        return nullptr;
    return DisplayLinesOf(n).front();
}

DisplayLineIndex CDisplayLayout::IndexOf(const CDisplayLine& line) const
{
    return m_counts.StartOf(line.GetDocLine()) + line.GetContinuationIndex();
}

CDisplayLineRef CDisplayLayout::NextLine(const CDisplayLine& line) const
{
    return LineAt(IndexOf(line) + 1);
}

DisplayLineIndex CDisplayLayout::IndexAtY(PixelY y) const
{
    const int last = m_counts.GetDisplayLineCount() - 1;
    if (y < 0)
        return 0;
    const DisplayLineIndex k = y / GetLineHeight();
    return k > last ? last : k;
}

PixelY CDisplayLayout::LastLineY() const
{
    return GetLineHeight() * std::max(0, m_counts.GetDisplayLineCount() - 1);
}

PixelY CDisplayLayout::YOfPosition(ByteColumn column, LineIndex line) const
{
    const int firsts = m_counts.GetDocLineCount();
    if (firsts == 0)
        return 0;
    if (line < 0 || line >= firsts)
        line = firsts - 1;
    const DocLineLayout lines = DisplayLinesOf(line);
    int c = 0;
    while (c + 1 < (int)lines.size() && lines[(size_t)c]->GetEndColumn() <= column)
        ++c;
    return (m_counts.StartOf(line) + c) * GetLineHeight();
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
    const LineIndex n = line.GetDocLine();
    RangeState state = m_rangeStates.StateBefore(m_document, n);
    state.StartDocumentLine(m_document.GetLangSpec().m_multiLineStrings);
    if (line.IsFirst())
        return state;
    const DocLineLayout lines = DisplayLinesOf(n);
    for (int c = 0; c < line.GetContinuationIndex() && c < (int)lines.size(); ++c) {
        const CDisplayLine& earlier = *lines[(size_t)c];
        for (int i = 0; i < earlier.GetSegmentCount(); ++i) {
            const DisplaySegment& segment = earlier.GetSegments()[i];
            if (segment.kind >= kRunQuote1 && segment.kind <= kRunRange2End)
                AdvanceRangeState(segment.kind, segment.subKind, state);
        }
    }
    return state;
}

int CDisplayLayout::CountLaidOut() const
{
    int count = 0;
    for (const auto& entry : m_kept)
        count += (int)entry.second.lines.size();
    return count;
}

bool CDisplayLayout::Check() const
{
    if (!m_counts.Check() || m_counts.GetDocLineCount() != m_document.GetLineCount())
        return false;
    // Every line takes as many display lines as a fresh layout makes, and every kept display
    // line is as that layout makes it.
    CLineLayout layout = ScreenLayout();
    DocLineLayout fresh;
    for (LineIndex n = 0; n < m_document.GetLineCount(); ++n) {
        auto kept = m_kept.find(n);
        if (kept == m_kept.end()) {
            if (m_counts.GetValue(n) != CountDisplayLines(layout, n))
                return false;
            continue;
        }
        LayOut(layout, n, fresh);
        const DocLineLayout& lines = kept->second.lines;
        if (m_counts.GetValue(n) != (int)fresh.size() || lines.size() != fresh.size())
            return false;
        for (size_t c = 0; c < fresh.size(); ++c) {
            const CDisplayLine& a = *lines[c];
            const CDisplayLine& b = *fresh[c];
            if (a.GetTextLine() != b.GetTextLine() || a.GetContinuationIndex() != b.GetContinuationIndex() ||
                a.GetDocLine() != n || a.GetLineFlags() != b.GetLineFlags() ||
                a.GetSegmentCount() != b.GetSegmentCount())
                return false;
            for (int i = 0; i < a.GetSegmentCount(); ++i) {
                const DisplaySegment& x = a.GetSegments()[i];
                const DisplaySegment& y = b.GetSegments()[i];
                if (x.kind != y.kind || x.subKind != y.subKind || x.firstColumn != y.firstColumn ||
                    x.columnCount != y.columnCount || x.x != y.x || x.width != y.width)
                    return false;
            }
        }
    }
    return true;
}
