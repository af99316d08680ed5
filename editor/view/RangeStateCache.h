#pragma once
#include <vector>

#include "editor/document/TextDocument.h"
#include "editor/view/RangeState.h"

// The range state at the start of document lines, so a paint can start at the first visible
// line instead of carrying the state from the head of the document. States are kept at
// every kCheckpointEvery-th line and extended on demand; an edit drops the states that could
// depend on it (those of later lines). A paint after a keystroke near the view therefore
// advances over at most one checkpoint interval.
class CRangeStateCache {
public:
    static const int kCheckpointEvery = 128;

    CRangeStateCache() { Clear(); }

    // Lines from `line` on changed, moved or were removed: states after it are stale. The
    // state at the start of `line` itself depends only on the lines above it and stays.
    void Invalidate(LineIndex line);
    void Clear();

    // The state carried into document line n (before the line's own reset).
    RangeState StateBefore(const CTextDocument& document, LineIndex n);

    // What painting does for a document line it does not draw: the line's reset, then its
    // quotation, comment, shadow, highlight and range markers (kinds 6 to 19). A line that
    // cannot hold any is not lexed.
    static void AdvanceOverLine(const CTextDocument& document, const CTextLine& line,
                                bool multiLineStrings, RangeState& state);

    int GetCheckpointCount() const { return (int)m_checkpoints.size(); }

private:
    std::vector<RangeState> m_checkpoints;  // state before line i × kCheckpointEvery
};
