#include "editor/view/DisplayLayout.h"

#include <algorithm>

namespace {

// A pass over more lines than this shows its progress, every kProgressEvery lines.
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

int CDisplayLayout::EstimateValue(const LayoutParameters& p, LineIndex n) const
{
    // Every byte a blank wide in a fixed-pitch font, else an average character wide (a
    // double-byte character is about two); continuation lines have the wrap indent less.
    const int unit = p.fixedPitch ? p.blankWidth : std::max(1, p.minimumRoom / 8);
    const long long width = (long long)m_document.GetLine(n)->GetLength() * unit;
    int estimate = 1;
    const int room = p.wrapWidth - p.continuationIndent;
    if (p.minimumRoom + p.continuationIndent < p.wrapWidth && width > p.wrapWidth && room > 0)
        estimate += (int)std::min<long long>((width - p.wrapWidth + room - 1) / room,
                                             CDisplayLineCounts::kMaxCount);
    return CDisplayLineCounts::PendingValue(estimate);
}

void CDisplayLayout::StoreCount(LineIndex n, int count) const
{
    if (m_counts.GetValue(n) == count)
        return;
    const DisplayLineIndex start = m_counts.StartOf(n);
    const int old = m_counts.SetValue(n, count);
    const int now = m_counts.GetCount(n);
    if (old != now)
        m_listener.OnDisplayLinesReplaced(start, old, now);
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
    StoreCount(n, (int)fresh.lines.size());
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
    if (count <= kExactPassLines) {
        CLineLayout layout = ScreenLayout();
        for (LineIndex n = first; n < first + count; ++n)
            StoreCount(n, CountDisplayLines(layout, n));
        return;
    }
    // Many lines (a long paste, a replacement everywhere): estimated now, laid out when
    // read, and announced as one replacement.
    const LayoutParameters parameters = ScreenParameters();
    std::vector<uint16_t> values((size_t)count);
    CHostProgress progress(count > kProgressThreshold ? &m_host : nullptr, "Formatting...");
    for (int i = 0; i < count; ++i) {
        values[(size_t)i] = (uint16_t)EstimateValue(parameters, first + i);
        if ((i + 1) % kProgressEvery == 0)
            progress.Set((int)((long long)(i + 1) * 100 / count));
    }
    const DisplayLineIndex start = m_counts.StartOf(first);
    const int removed = m_counts.Remove(first, count);
    const int added = m_counts.InsertValues(first, values);
    if (removed != added)
        m_listener.OnDisplayLinesReplaced(start, removed, added);
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
    std::vector<uint16_t> values((size_t)lines);
    if (lines <= kExactDocLines) {
        CLineLayout layout = ScreenLayout();
        for (LineIndex n = 0; n < lines; ++n)
            values[(size_t)n] = (uint16_t)std::min(CountDisplayLines(layout, n), (int)CDisplayLineCounts::kMaxCount);
    } else {
        const LayoutParameters parameters = ScreenParameters();
        CHostProgress progress(lines > kProgressThreshold ? &m_host : nullptr, "Formatting...");
        for (LineIndex n = 0; n < lines; ++n) {
            values[(size_t)n] = (uint16_t)EstimateValue(parameters, n);
            if ((n + 1) % kProgressEvery == 0)
                progress.Set((int)((long long)(n + 1) * 100 / lines));
        }
    }
    m_counts.Assign(values);
}

int CDisplayLayout::LayOutDisplayLines(DisplayLineIndex first, int count)
{
    if (!m_wordWrap || m_counts.IsEmpty())
        return 0;
    const int total = m_counts.GetDisplayLineCount();
    first = std::max(0, first);
    const DisplayLineIndex last = std::min(total - 1, first + count - 1);
    if (first > last)
        return 0;
    // The document lines are taken from the counts as they stand; laying one out moves the
    // display lines after it, which the caller's next round sees.
    const LineIndex from = m_counts.DocLineAt(first, nullptr);
    const LineIndex to = m_counts.DocLineAt(last, nullptr);
    std::vector<LineIndex> pending;
    m_counts.FindNotLaidOut(from, to - from + 1, to - from + 1, pending);
    if (pending.empty())
        return 0;
    CLineLayout layout = ScreenLayout();
    for (LineIndex n : pending)
        StoreCount(n, CountDisplayLines(layout, n));
    return (int)pending.size();
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
    // Wrapped, the new lines are pending until the pass over them that follows.
    m_counts.Insert(at, count, m_wordWrap ? 0 : 1);
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

int CDisplayLayout::CountPending() const
{
    std::vector<LineIndex> pending;
    m_counts.FindNotLaidOut(0, m_counts.GetDocLineCount(), m_counts.GetDocLineCount(), pending);
    return (int)pending.size();
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
        const bool pending = CDisplayLineCounts::IsPending(m_counts.GetValue(n));
        if (pending && (!m_wordWrap || kept != m_kept.end()))
            return false;
        if (kept == m_kept.end()) {
            if (!pending && m_counts.GetValue(n) != CountDisplayLines(layout, n))
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
