#include "editor/view/RangeStateCache.h"

#include <algorithm>

void CRangeStateCache::Clear()
{
    m_checkpoints.assign(1, RangeState());
}

void CRangeStateCache::Invalidate(LineIndex line)
{
    const size_t keep = (size_t)std::max(0, line) / kCheckpointEvery + 1;
    if (m_checkpoints.size() > keep)
        m_checkpoints.resize(keep);
}

void CRangeStateCache::AdvanceOverLine(const CTextDocument& document, const CTextLine& line,
                                       bool multiLineStrings, RangeState& state)
{
    state.StartDocumentLine(multiLineStrings);
    if (!document.MayHoldMarkers(line))
        return;
    const LineRuns runs = line.PeekRuns();
    for (int i = 0; i < runs.count; ++i) {
        const CColorRun& run = runs.runs[i];
        if (run.kind >= kRunQuote1 && run.kind <= kRunRange2End)
            AdvanceRangeState(run.kind, run.subKind, state);
    }
}

RangeState CRangeStateCache::StateBefore(const CTextDocument& document, LineIndex n)
{
    n = std::max(0, std::min(n, document.GetLineCount()));
    const bool multiLine = document.GetLangSpec().m_multiLineStrings;
    size_t index = std::min((size_t)n / kCheckpointEvery, m_checkpoints.size() - 1);
    RangeState state = m_checkpoints[index];
    for (LineIndex line = (LineIndex)index * kCheckpointEvery; line < n;) {
        AdvanceOverLine(document, *document.GetLine(line), multiLine, state);
        ++line;
        if (line % kCheckpointEvery == 0 && (size_t)(line / kCheckpointEvery) == m_checkpoints.size())
            m_checkpoints.push_back(state);
    }
    return state;
}
