// The places a view hands to the position history: where searches leave from and land,
// where the mouse jumps to, and what the main frame asks to keep.
#include "editor/viewwindow/WrenView.h"

#include <cstdlib>

#include "editor/document/WrenDoc.h"
#include "editor/settings/PositionHistory.h"

bool RecordPositionIfFar(PositionHistory& history, const char* path, int column, int line, int distance)
{
    const PositionHistory::Position& last = history.LastPosition();
    if (last.file.CompareNoCase(path) == 0 && std::abs(line - last.line) <= distance)
        return false;
    history.RecordJump(path, column, line);
    history.SetLastPosition(path, line);
    return true;
}

void CWrenView::RecordCaretPositionIfFar(int distance)
{
    if (!m_engine || !m_pDocument || m_pDocument->GetPathName().IsEmpty())
        return;
    const DocPosition caret = m_engine->GetCaretDocPosition();
    RecordPositionIfFar(ThePositionHistory(), m_pDocument->GetPathName(), caret.column, caret.line + 1, distance);
}

void CWrenView::PushPositionHistory()
{
    RecordCaretPositionIfFar(kNearSearchLines);
    if (m_engine && m_pDocument && !m_pDocument->GetPathName().IsEmpty())
        ThePositionHistory().SetLastPosition(m_pDocument->GetPathName(), GetCaretLineNumber());
}

void CWrenView::PushPositionHistoryFar()
{
    RecordCaretPositionIfFar(kNearMouseLines);
}
