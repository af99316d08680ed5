// Command bodies behind drag and drop inside and between views.
#include <algorithm>

#include "editor/view/EditCommands.h"

void CEditCommands::DeleteDragSource(PixelPosition sourceCaret, PixelPosition sourceAnchor)
{
    View().SelectPixels(sourceAnchor, sourceCaret);
    if (IsColumnMode())
        m_actions.DeleteColumnBlock();
    else
        m_actions.DeleteSelection();
    ClearSelection();
}

PixelPosition CEditCommands::AdjustDropPoint(PixelPosition sourceCaret, PixelPosition sourceAnchor,
                                             PixelPosition drop) const
{
    PixelSelection source;
    if (IsColumnMode()) {
        source.startX = std::min(sourceCaret.x, sourceAnchor.x);
        source.endX = std::max(sourceCaret.x, sourceAnchor.x);
        source.startY = std::min(sourceCaret.y, sourceAnchor.y);
        source.endY = std::max(sourceCaret.y, sourceAnchor.y);
        if (drop.y >= source.startY && drop.y <= source.endY && drop.x >= source.endX)
            drop.x -= source.endX - source.startX;
        return drop;
    }
    const bool caretFirst = sourceCaret.y < sourceAnchor.y ||
                            (sourceCaret.y == sourceAnchor.y && sourceCaret.x < sourceAnchor.x);
    const PixelPosition start = caretFirst ? sourceCaret : sourceAnchor;
    const PixelPosition end = caretFirst ? sourceAnchor : sourceCaret;
    const int span = end.y - start.y;
    if (drop.y == end.y && drop.x >= end.x) {
        drop.x -= end.x - start.x;
        drop.y -= span;
    } else if (drop.y > end.y) {
        drop.y -= span;
    }
    return drop;
}

void CEditCommands::PlaceCaretAtDropPoint(PixelPosition drop)
{
    View().MoveCaretTo(drop);
    View().DropAnchor();
}

void CEditCommands::DropText(PixelPosition drop, const CStringLineList& lines)
{
    PlaceCaretAtDropPoint(drop);
    if (IsColumnMode())
        m_actions.PasteColumn(lines);
    else
        m_actions.PasteStream(lines);
}
