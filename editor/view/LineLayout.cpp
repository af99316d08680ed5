#include "editor/view/LineLayout.h"

#include <algorithm>

#include "editor/util/CharClasses.h"

namespace {

int FloorDiv(int a, int b)
{
    int q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

bool NeverSplits(int kind)
{
    return kind == kRunLineEnd || kind == kRunTab || kind == kRunBlanks;
}

// Bytes of a run that lie inside the line's text: a run is never measured past the text.
int BytesInText(const CTextLine& line, int start, int length)
{
    return std::max(0, std::min(length, line.GetLength() - start));
}

}  // namespace

CLineLayout::CLineLayout(const ITextMetrics& metrics, const LayoutParameters& parameters)
    : m_metrics(metrics), m_parameters(parameters)
{
    m_parameters.blankWidth = std::max(1, m_parameters.blankWidth);
    m_parameters.tabPitch = std::max(1, m_parameters.tabPitch);
    m_parameters.tabOrigin = std::max(1, m_parameters.tabOrigin);
}

int CLineLayout::MeasureRun(const char* text, int kind, int length, PixelX x) const
{
    const int s = m_parameters.blankWidth;
    if (kind == kRunTab) {
        // Each tab reaches the next stop at least S − O + 1 pixels ahead.
        const int t = m_parameters.tabPitch;
        PixelX end = x;
        for (int i = 0; i < std::max(1, length); ++i)
            end = t * (FloorDiv(end + s - m_parameters.tabOrigin, t) + 1);
        return end - x;
    }
    if (kind == kRunBlanks || m_parameters.fixedPitch)
        return length * s;
    return length > 0 ? m_metrics.MeasureText(text, length) : 0;
}

int CLineLayout::MeasureBytes(const char* text, int count) const
{
    if (count <= 0)
        return 0;
    if (m_parameters.fixedPitch)
        return count * m_parameters.blankWidth;
    return m_metrics.MeasureText(text, count);
}

int CLineLayout::FitBytes(const char* text, int n, int available) const
{
    if (available < 0 || n <= 0)
        return 0;
    // Character boundaries, then the last one whose prefix fits; widths grow with the count.
    std::vector<int>& boundaries = m_boundaries;
    boundaries.clear();
    boundaries.push_back(0);
    for (int i = 0; i < n;) {
        const int step =
            m_parameters.doubleByte && GbkText::IsLeadByte((unsigned char)text[i]) && i + 1 < n ? 2 : 1;
        i += step;
        boundaries.push_back(i);
    }
    int low = 0, high = (int)boundaries.size() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (MeasureBytes(text, boundaries[middle]) <= available)
            low = middle;
        else
            high = middle - 1;
    }
    return boundaries[low];
}

int CLineLayout::LeadingBlankWidth(const CTextLine& line) const
{
    const LineRuns runs = line.PeekRuns();
    return LeadingBlankWidth(line.GetText(), runs.runs, runs.count);
}

int CLineLayout::LeadingBlankWidth(const char* text, const CColorRun* runs, int count) const
{
    PixelX x = 0;
    for (int i = 0; i < count; ++i) {
        const CColorRun& run = runs[i];
        if (run.kind != kRunTab && run.kind != kRunBlanks)
            break;
        x += MeasureRun(text + run.start, run.kind, run.length, x);  // tabs and blanks: no text read
    }
    return x;
}

void CLineLayout::Append(Segments& out, int kind, int subKind, int first, int count, PixelX x,
                         int width) const
{
    DisplaySegment segment;
    segment.kind = (uint8_t)kind;
    segment.subKind = (uint8_t)subKind;
    segment.firstColumn = (int16_t)first;
    segment.columnCount = (int16_t)count;
    segment.x = x;
    segment.width = width;
    out.push_back(segment);
}

void CLineLayout::LayoutUnwrapped(const CTextLine& line, Segments& out)
{
    out.clear();
    const char* text = line.GetText();
    const LineRuns runs = line.PeekRuns();
    m_lineFlags = runs.flags;
    PixelX x = 0;
    for (int i = 0; i < runs.count; ++i) {
        const CColorRun& run = runs.runs[i];
        const int width = MeasureRun(text + run.start, run.kind,
                                     NeverSplits(run.kind) ? run.length
                                                           : BytesInText(line, run.start, run.length),
                                     x);
        Append(out, run.kind, run.subKind, run.start, run.length, x, width);
        x += width;
    }
}

bool CLineLayout::FormatFirstDisplayLine(const CTextLine& line, Segments& out)
{
    out.clear();
    m_line = &line;
    // The runs are copied: a line whose analysis is deferred is lexed without keeping them.
    const LineRuns runs = line.PeekRuns();
    m_runs.assign(runs.runs, runs.runs + runs.count);
    m_lineFlags = runs.flags;
    m_leadingWidth = LeadingBlankWidth(line.GetText(), m_runs.data(), (int)m_runs.size());
    m_counter = 0;
    m_resume = 0;
    m_hasPending = false;
    const LayoutParameters& p = m_parameters;
    const bool mayWrap = p.minimumRoom + p.continuationIndent + m_leadingWidth < p.wrapWidth;
    const bool more = LayOutPieces(0, mayWrap, out);
    ++m_counter;
    return more;
}

bool CLineLayout::FormatContinuationLine(Segments& out)
{
    out.clear();
    if (!m_line)
        return false;
    const bool more = LayOutPieces(m_leadingWidth + m_parameters.continuationIndent, true, out);
    ++m_counter;
    return more;
}

bool CLineLayout::LayOutPieces(PixelX x, bool allowWrap, Segments& out)
{
    const LayoutParameters& p = m_parameters;
    const char* text = m_line->GetText();
    const int runCount = (int)m_runs.size();
    while (m_hasPending || m_resume < runCount) {
        CColorRun piece = m_hasPending ? m_pending : m_runs[m_resume];
        if (!m_hasPending)
            ++m_resume;
        m_hasPending = false;
        const int width = MeasureRun(
            text + piece.start, piece.kind,
            NeverSplits(piece.kind) ? piece.length : BytesInText(*m_line, piece.start, piece.length),
            x);
        if (allowWrap && x + width > p.wrapWidth && !NeverSplits(piece.kind)) {
            if (p.continuationIndent + m_leadingWidth + width > p.wrapWidth) {
                // Too wide even for a fresh continuation line: cut it where it stops fitting.
                const int length = BytesInText(*m_line, piece.start, piece.length);
                int count = FitBytes(text + piece.start, length, p.wrapWidth - x);
                if (count == 0 && out.empty() && length > 0) {
                    // Nothing fits on an otherwise empty line: take one character, or the
                    // line would never end.
                    count = p.doubleByte && GbkText::IsLeadByte((unsigned char)text[piece.start]) &&
                                    length > 1 ? 2 : 1;
                }
                const int pieceWidth = MeasureBytes(text + piece.start, count);
                Append(out, piece.kind, piece.subKind, piece.start, count, x, pieceWidth);
                Append(out, kRunSoftBreak, 0, piece.start + count, 0, x + pieceWidth, 0);
                piece.start = (int16_t)(piece.start + count);
                piece.length = (int16_t)(piece.length - count);
                if (piece.length > 0) {
                    m_pending = piece;
                    m_hasPending = true;
                }
            } else {
                // The whole run moves down.
                Append(out, kRunSoftBreak, 0, piece.start, 0, x, 0);
                m_pending = piece;
                m_hasPending = true;
            }
            return m_hasPending || m_resume < runCount;
        }
        Append(out, piece.kind, piece.subKind, piece.start, piece.length, x, width);
        x += width;
    }
    return false;
}
