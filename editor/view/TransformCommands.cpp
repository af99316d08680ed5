// Command bodies that transform text in place (case changes, whole-document transforms),
// undo and redo, and the caret keys.
#include <algorithm>
#include <vector>

#include "editor/view/CharSteps.h"
#include "editor/view/EditCommands.h"
#include "editor/view/EditGroups.h"

namespace {

// Where each entry of a copied selection lies in the document.
struct SpanStart {
    ByteColumn column;
    LineIndex line;
};

} // namespace

template <class Change> bool CEditCommands::ChangeCase(int quiet, Change change)
{
    if (!HasSelection() || (IsColumnMode() && !BlockHasWidth()))
        return Refuse(quiet);
    CTextDocument& document = m_actions.GetDocument();
    CStringLineList lines;
    std::vector<SpanStart> starts;
    if (IsColumnMode()) {
        // Each row from the first whole character right of the left edge to the last whole
        // character left of the right one: a cut character is never split, so the case
        // change always sees whole characters.
        const PixelSelection block = View().GetSelectionRect();
        const int step = std::max(1, View().GetLineHeight());
        for (PixelY y = block.startY; y <= block.endY; y += step) {
            const CDisplayLineRef display = View().GetDisplayLineAtY(y);
            const LineIndex line = View().GetDocumentLineAtY(y);
            const CTextLine& text = *document.GetLine(line);
            const bool dbcs = View().IsDoubleByteMode();
            ByteColumn start = std::min(View().ColumnFromX(*display, block.startX, false), text.GetLength());
            ByteColumn end = std::min(View().ColumnFromX(*display, block.endX, false), text.GetLength());
            if (IsInsideDoubleByte(text, start, dbcs))
                start += 1;
            if (IsInsideDoubleByte(text, end, dbcs))
                end -= 1;
            end = std::max(start, end);
            lines.AddTail(text.GetText() + start, end - start);
            starts.push_back({start, line});
        }
    } else {
        m_actions.CopyStreamSelection(lines);
        const DocSelection range = View().GetSelectionRange();
        for (int i = 0; i < lines.GetCount(); ++i)
            starts.push_back({i == 0 ? range.start.column : 0, range.start.line + i});
    }
    CStringLineList changed = lines;
    change(changed);
    // Case changes keep every length, so only the bytes that differ are replaced.
    for (int i = 0; i < lines.GetCount() && i < (int)starts.size(); ++i) {
        const CString& before = lines.GetAt(i);
        const CString& after = changed.GetAt(i);
        if (before.GetLength() != after.GetLength())
            continue;
        int first = 0;
        int last = before.GetLength();
        while (first < last && before[first] == after[first])
            ++first;
        while (last > first && before[last - 1] == after[last - 1])
            --last;
        if (first == last)
            continue;
        const ByteColumn column = starts[(size_t)i].column + first;
        const LineIndex line = starts[(size_t)i].line;
        m_actions.EditDeleteString(column, line, last - first);
        m_actions.EditInsertString(column, line, (LPCTSTR)after + first, last - first);
    }
    return true;
}

bool CEditCommands::DoUpperCase(int quiet)
{
    return ChangeCase(quiet, [](CStringLineList& lines) { lines.MakeUpperAll(); });
}

bool CEditCommands::DoLowerCase(int quiet)
{
    return ChangeCase(quiet, [](CStringLineList& lines) { lines.MakeLowerAll(); });
}

bool CEditCommands::DoCapitalize(int quiet)
{
    return ChangeCase(quiet, [](CStringLineList& lines) { lines.CapitalizeAll(); });
}

bool CEditCommands::DoInvertCase(int quiet)
{
    return ChangeCase(quiet, [](CStringLineList& lines) { lines.InvertCaseAll(); });
}

void CEditCommands::DoTabsToSpaces() { m_actions.TabsToSpacesKeepingPositions(); }

void CEditCommands::DoSpacesToTabs() { m_actions.SpacesToTabsKeepingPositions(); }

void CEditCommands::DoLeadingSpacesToTabs() { m_actions.LeadingSpacesToTabsKeepingPositions(); }

void CEditCommands::DoRemoveTrailingBlanks() { m_actions.TrimTrailingKeepingPositions(); }

void CEditCommands::DoUndoStep()
{
    ClearSelection();
    m_groups.Undo();
}

void CEditCommands::DoRedoStep()
{
    ClearSelection();
    m_groups.Redo();
}

bool CEditCommands::MoveCaretByKey(int key, int modifiers)
{
    CViewEngine& view = View();
    const bool shift = (modifiers & kModifierShift) != 0;
    const bool hadSelection = view.IsSelectionActive();
    if (shift && !hadSelection)
        view.DropAnchor();
    bool repaint = false;
    bool move = true;
    if (hadSelection && !shift) {
        const PixelSelection selection = view.GetSelectionRect();
        const bool toStart = key == kKeyLeft || key == kKeyUp || key == kKeyPageUp || key == kKeyHome;
        const bool toEnd = key == kKeyRight || key == kKeyDown || key == kKeyPageDown || key == kKeyEnd;
        if (toStart)
            view.MoveCaretTo({selection.startX, selection.startY});
        else if (toEnd)
            view.MoveCaretTo({selection.endX, selection.endY});
        move = key != kKeyLeft && key != kKeyRight;
    }
    if (move && key >= kKeyPageUp && key <= kKeyDown)
        repaint = view.MoveCaretForKey(key, modifiers & ~kModifierShift);
    if (shift) {
        view.UpdateSelectionActive();
        repaint = true;
    } else if (hadSelection) {
        view.Deselect();
        repaint = true;
    }
    view.GetHost().SetStatusText(GetCaretCodeText());
    return repaint;
}

CString CEditCommands::GetCaretCodeText() const
{
    const DocPosition caret = View().GetCaretDocPosition();
    const CTextLine& line = *m_actions.GetDocument().GetLine(caret.line);
    CString hex;
    for (int i = 0; i < 4; ++i) {
        const ByteColumn column = caret.column + i;
        if (column >= line.GetLength() || line.GetText()[column] == '\0')
            break;
        if (i == 2)
            hex += ",";
        CString byte;
        byte.Format("%02X", (unsigned char)line.GetText()[column]);
        hex += byte;
    }
    if (hex.IsEmpty())
        return hex;
    return CString("【") + hex + "】";
}
