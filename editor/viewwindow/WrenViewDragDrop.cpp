#include "editor/viewwindow/WrenView.h"

#include <cstring>

#include "editor/document/WrenDoc.h"
#include "editor/settings/EditorSettings.h"
#include "editor/view/PositionShift.h"

namespace {

// The drag that one of the views runs: where its text came from as text positions, so a
// move into another pane of the same document deletes exactly the dragged text even when
// the drop inserted its copy in front of it.
struct DragRecord {
    CWrenView* source = nullptr;
    const CTextDocument* document = nullptr;
    DocSelection range;
    bool inserted = false;  // a view of the same document inserted the text
    DocPosition insertStart;
    DocPosition insertEnd;
};

DragRecord& CurrentDrag()
{
    static DragRecord drag;
    return drag;
}

} // namespace

bool ReadTextBlock(HGLOBAL block, CStringLineList& lines)
{
    std::string bytes;
    if (!ReadTextBytes(block, bytes))
        return false;
    lines.SplitText(bytes.data(), (int)bytes.size());
    return true;
}

namespace {

// The effect a drop would have: copy with Ctrl held, else move.
DROPEFFECT DropEffect(DWORD keyState) { return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE; }

HGLOBAL TextBlock(const CStringLineList& lines)
{
    const int size = lines.TotalLength() + 2;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, (SIZE_T)size);
    if (!block)
        return nullptr;
    if (char* data = static_cast<char*>(::GlobalLock(block))) {
        memset(data, 0, (size_t)size);
        lines.JoinCrLf(data, size);
        ::GlobalUnlock(block);
        return block;
    }
    ::GlobalFree(block);
    return nullptr;
}

} // namespace

// Drag start from a click inside the saved selection; true when the click was taken over
// (a drag ran, or the click only placed the caret).
bool CWrenView::TryStartDrag(UINT flags, CPoint point)
{
    CViewEngine& engine = *m_engine;
    if (!m_settings.view.dragDropEditing || (flags & MK_SHIFT) || !engine.IsSelectionActive() ||
        !engine.IsSelectionSaved() || InGutter(point) || !engine.IsPointInSelection(point.x, point.y))
        return false;
    CStringLineList lines;
    if (engine.IsColumnMode())
        m_actions->CopyColumnBlock(lines);
    else
        m_actions->CopyStreamSelection(lines);
    HGLOBAL block = TextBlock(lines);
    if (!block)
        return false;
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, block);

    DragRecord& drag = CurrentDrag();
    drag = DragRecord();
    drag.source = this;
    drag.document = &engine.GetDocument();
    drag.range = engine.GetSelectionRange();
    const PixelPosition sourceCaret{engine.GetCaretX(), engine.GetCaretY()};
    const PixelPosition sourceAnchor{engine.GetAnchorX(), engine.GetAnchorY()};
    m_draggingOut = true;
    m_dropHandled = false;
    const DROPEFFECT effect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_SCROLL);
    m_draggingOut = false;
    const DragRecord record = drag;
    drag = DragRecord();
    if (!m_engine)
        return true;

    if ((effect & DROPEFFECT_MOVE) && m_dropHandled) {
        MoveWithinView(record.range, sourceCaret, sourceAnchor, lines);
    } else if (effect & DROPEFFECT_MOVE) {
        DocSelection range = record.range;
        if (record.inserted) {
            range.start = ShiftByInsertion(range.start, record.insertStart, record.insertEnd);
            range.end = ShiftByInsertion(range.end, record.insertStart, record.insertEnd);
        }
        RunEdit([&] {
            if (engine.IsColumnMode()) {
                const PixelPosition start = engine.PixelsFromDocPosition(range.start.column, range.start.line);
                const PixelPosition end = engine.PixelsFromDocPosition(range.end.column, range.end.line);
                m_commands->DeleteDragSource(start, end);
            } else {
                m_actions->EditDeleteBlock(range.start.column, range.start.line, range.end.column, range.end.line);
                engine.Deselect();
                engine.SetCaretToDocPosition(range.start.column, range.start.line);
                engine.DropAnchor();
            }
        });
    } else if (!m_dropHandled) {
        // No drag happened: it was a plain click.
        engine.SetCaretFromPoint(point.x, point.y);
        engine.DropAnchor();
        engine.EnsureCaretVisible();
        RepaintNow();
        UpdateAllOtherViews();
    }
    return true;
}

// The dragged text moves inside this view: the source goes first, then the drop point
// (kept as a text position) shifts by what was removed in front of it.
void CWrenView::MoveWithinView(const DocSelection& range, PixelPosition sourceCaret, PixelPosition sourceAnchor,
                               const CStringLineList& lines)
{
    CViewEngine& engine = *m_engine;
    RunEdit([&] {
        if (engine.IsColumnMode()) {
            const PixelPosition drop = m_commands->AdjustDropPoint(sourceCaret, sourceAnchor, m_dropPoint);
            m_commands->DeleteDragSource(sourceCaret, sourceAnchor);
            m_commands->DropText(drop, lines);
            return;
        }
        const DocPosition drop = ShiftByRemoval(m_dropPosition, range.start, range.end);
        m_actions->EditDeleteBlock(range.start.column, range.start.line, range.end.column, range.end.line);
        ByteColumn endColumn = drop.column;
        LineIndex endLine = drop.line;
        m_actions->EditInsertBlock(drop.column, drop.line, lines, &endColumn, &endLine);
        engine.Deselect();
        engine.SetCaretToDocPosition(endColumn, endLine);
        engine.DropAnchor();
    });
}

void CWrenView::PlaceDropCaret()
{
    if (!m_engine)
        return;
    const CViewEngine::CaretPlacement caret = m_engine->GetDropCaretPlacement();
    ::DestroyCaret();
    ::CreateCaret(m_hWnd, (HBITMAP)1, caret.width, caret.height);
    ::SetCaretPos(caret.x, caret.y);
    ::ShowCaret(m_hWnd);
}

DROPEFFECT CWrenView::OnDragEnter(COleDataObject* dataObject, DWORD keyState, CPoint point)
{
    if (!m_engine || !dataObject->IsDataAvailable(CF_TEXT))
        return CView::OnDragEnter(dataObject, keyState, point);
    CViewEngine& engine = *m_engine;
    const int lineHeight = engine.GetLineHeight();
    m_autoScrollRect = CRect(engine.GetGutterWidth(), lineHeight / 2,
                             engine.GetClientWidth() - engine.GetMetrics().GetMaxCharWidth(),
                             lineHeight * engine.GetVisibleLineCount() - lineHeight / 2);
    engine.SetDropFromPoint(point.x, point.y);
    PlaceDropCaret();
    return DropEffect(keyState);
}

DROPEFFECT CWrenView::OnDragOver(COleDataObject* dataObject, DWORD keyState, CPoint point)
{
    if (!m_engine || !dataObject->IsDataAvailable(CF_TEXT))
        return CView::OnDragOver(dataObject, keyState, point);
    CViewEngine& engine = *m_engine;
    engine.SetDropFromPoint(point.x, point.y);
    if (!m_autoScrollRect.PtInRect(point)) {
        engine.EnsureDropPointVisible();
        RepaintNow();
        InvalidateRowAndColumnPanes();
    }
    PlaceDropCaret();
    return DropEffect(keyState);
}

void CWrenView::OnDragLeave() { PlaceCaret(); }

BOOL CWrenView::OnDrop(COleDataObject* dataObject, DROPEFFECT dropEffect, CPoint point)
{
    m_dropHandled = true;
    if (!m_engine || !dataObject->IsDataAvailable(CF_TEXT))
        return CView::OnDrop(dataObject, dropEffect, point);
    CViewEngine& engine = *m_engine;
    engine.SetDropFromPoint(point.x, point.y);
    m_dropPoint = PixelPosition{engine.GetDropX(), engine.GetDropY()};
    m_dropPosition = engine.DocPositionFromPixels(m_dropPoint.x, m_dropPoint.y);
    if (m_draggingOut && engine.IsInSelection(m_dropPoint.x, m_dropPoint.y)) {
        m_commands->PlaceCaretAtDropPoint(m_dropPoint);
        engine.EnsureCaretVisible();
        RepaintNow();
        return FALSE;
    }
    if (m_draggingOut && dropEffect == DROPEFFECT_MOVE)
        return TRUE;  // the source view moves the text itself
    if (dropEffect != DROPEFFECT_COPY && dropEffect != DROPEFFECT_MOVE)
        return FALSE;
    CStringLineList lines;
    HGLOBAL block = dataObject->GetGlobalData(CF_TEXT);
    const bool read = ReadTextBlock(block, lines);
    if (block)
        ::GlobalFree(block);
    if (!read)
        return FALSE;
    DocPosition end;
    RunEdit([&] {
        m_commands->DropText(m_dropPoint, lines);
        end = engine.GetCaretDocPosition();
    });
    DragRecord& drag = CurrentDrag();
    if (drag.source && drag.source != this && drag.document == &engine.GetDocument()) {
        drag.inserted = true;
        drag.insertStart = m_dropPosition;
        drag.insertEnd = end;
    }
    return TRUE;
}
