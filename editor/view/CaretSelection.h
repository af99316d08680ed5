#pragma once
#include "editor/view/ViewTypes.h"

// Where a view's caret rule applies after an edit: oldCount display lines from start became
// newCount. A y below them moves with them, one inside stays inside (on removal: on the line
// before, which the removed lines were joined into); the result is clamped to the layout's
// lineCount lines.
PixelY RemapLayoutY(PixelY y, int lineHeight, DisplayLineIndex start, int oldCount, int newCount,
                    int lineCount);

// The caret and the selection of one view: caret, anchor, desired x, the drop point of a
// drag, the selection saved when a mouse selection starts and the mouse and gutter
// selecting states, with the one rule that moves them all when display lines come and go.
// Positions are layout pixels the engine computed from its layout; this object keeps them
// consistent with each other, not with the text.
//
// Invariant: the selection is active exactly when anchor and caret differ, with one stated
// exception: Deselect (and a caret move after it) leaves the anchor idle where it was, so an
// inactive selection may have an idle anchor apart from the caret. The anchor only counts
// again once DropAnchor, Select, MoveAnchor or UpdateActive set it. An active selection is
// never empty, whatever moves. A saved selection starts on or above its end's row.
class CCaretSelection {
public:
    PixelPosition GetCaret() const { return m_caret; }
    PixelPosition GetAnchor() const { return m_anchor; }
    PixelX GetDesiredX() const { return m_desiredX; }
    PixelPosition GetDrop() const { return m_drop; }
    bool IsActive() const { return m_active; }
    bool IsSaved() const { return m_saved; }
    const PixelSelection& GetSaved() const { return m_savedSelection; }
    bool IsMouseSelecting() const { return m_mouseSelecting; }
    bool IsGutterSelecting() const { return m_gutterSelecting; }

    // Everything to 0, no selection, nothing saved, no mouse selection.
    void Reset() { *this = CCaretSelection(); }
    // Caret, anchor and desired x of another view's; no selection there.
    void TakePositionsOf(const CCaretSelection& other);

    // The caret moves, the anchor stays: an active selection ends when the caret reaches
    // the anchor, an inactive one stays inactive.
    void MoveCaret(PixelPosition caret);
    void MoveCaretX(PixelX x) { MoveCaret({x, m_caret.y}); }
    void MoveCaretY(PixelY y) { MoveCaret({m_caret.x, y}); }
    void SetDesiredX(PixelX x) { m_desiredX = x; }
    // The anchor moves, the caret stays; as MoveCaret for the selection.
    void MoveAnchor(PixelPosition anchor);
    // Anchor and caret move together (put back on their text after a rebuild): an active
    // selection stays active unless they now coincide.
    void Relocate(PixelPosition anchor, PixelPosition caret);
    // The selection from anchor to caret: active when they differ.
    void Select(PixelPosition anchor, PixelPosition caret);
    // The anchor to the caret: no selection.
    void DropAnchor();
    // The selection ends; the anchor stays idle where it was.
    void Deselect() { m_active = false; }
    // Active exactly when anchor and caret differ.
    void UpdateActive() { m_active = m_anchor != m_caret; }
    // A column block stays selected while it spans rows, even without width.
    void KeepBlockWhileSpanningRows() { m_active = m_anchor.y != m_caret.y; }

    // The drop point of a drag over the view.
    void SetDrop(PixelPosition drop) { m_drop = drop; }
    void SetDropX(PixelX x) { m_drop.x = x; }
    void SetDropY(PixelY y) { m_drop.y = y; }

    // The selection saved at the start of a mouse selection (start before end), or none.
    void Save(const PixelSelection& selection);
    void ClearSaved() { m_saved = false; }

    void SetMouseSelecting(bool on) { m_mouseSelecting = on; }
    void SetGutterSelecting(bool on) { m_gutterSelecting = on; }

    // The layout's display lines changed (see RemapLayoutY): every stored y follows, and
    // a selection the change emptied ends.
    void Remap(int lineHeight, DisplayLineIndex start, int oldCount, int newCount, int lineCount);

    // The invariant holds and every y lies on one of lineCount display lines.
    bool Check(int lineHeight, int lineCount) const;

private:
    PixelPosition m_caret;
    PixelPosition m_anchor;
    PixelX m_desiredX = 0;
    PixelPosition m_drop;
    bool m_active = false;
    bool m_saved = false;
    PixelSelection m_savedSelection;
    bool m_mouseSelecting = false;
    bool m_gutterSelecting = false;
};
