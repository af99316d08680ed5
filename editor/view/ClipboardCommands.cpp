// Command bodies that move text through the clipboard: cut, copy, append, paste.
#include <string>

#include "editor/view/EditCommands.h"

bool CEditCommands::ReadClipboardLines(CStringLineList& lines) const
{
    lines.RemoveAll();
    std::string bytes;
    if (!View().GetClipboard().GetText(bytes))
        return false;
    // The block may be longer than its text: a zero byte ends the text.
    const size_t zero = bytes.find('\0');
    const int length = (int)(zero == std::string::npos ? bytes.size() : zero);
    lines.SplitText(bytes.data(), length);
    // A text that ends with a line end is whole lines: the break is kept as an empty last
    // entry, so pasting it inserts lines rather than joining the last into the caret line.
    if (length > 0 && (bytes[(size_t)length - 1] == '\n' || bytes[(size_t)length - 1] == '\r'))
        lines.AddTail("", 0);
    return true;
}

bool CEditCommands::CopySelectionOrLine(CStringLineList& lines, int quiet)
{
    lines.RemoveAll();
    if (IsColumnMode()) {
        if (!HasSelection() || !BlockHasWidth())
            return Refuse(quiet);
        m_actions.CopyColumnBlock(lines);
        return true;
    }
    if (HasSelection()) {
        m_actions.CopyStreamSelection(lines);
        return true;
    }
    const CTextLine& line = *m_actions.GetDocument().GetLine(View().GetCaretDocPosition().line);
    lines.AddTail(line.GetText(), line.GetLength());
    lines.AddTail("", 0);
    return true;
}

void CEditCommands::DeleteCopied()
{
    if (IsColumnMode()) {
        m_actions.DeleteColumnBlock();
        View().KeepBlockWhileSpanningRows();
    } else if (HasSelection()) {
        m_actions.DeleteSelection();
        ClearSelection();
    } else {
        m_actions.DeleteCaretLine();
    }
}

bool CEditCommands::DoCut(int quiet)
{
    CStringLineList lines;
    if (!CopySelectionOrLine(lines, quiet))
        return false;
    DeleteCopied();
    View().SetClipboardText(lines);
    return true;
}

bool CEditCommands::DoCopy(int quiet)
{
    CStringLineList lines;
    if (!CopySelectionOrLine(lines, quiet))
        return false;
    View().SetClipboardText(lines);
    return true;
}

bool CEditCommands::DoCopyFilePath(const CString& path)
{
    CStringLineList lines;
    lines.AddTail(path);
    return View().SetClipboardText(lines);
}

bool CEditCommands::DoAppendCut(int quiet)
{
    if (IsColumnMode())
        return Refuse(quiet);
    CStringLineList lines;
    ReadClipboardLines(lines);
    CStringLineList copied;
    CopySelectionOrLine(copied, quiet);
    lines.Append(copied);
    DeleteCopied();
    View().SetClipboardText(lines);
    return true;
}

bool CEditCommands::DoAppendCopy(int quiet)
{
    if (IsColumnMode())
        return Refuse(quiet);
    CStringLineList lines;
    ReadClipboardLines(lines);
    CStringLineList copied;
    CopySelectionOrLine(copied, quiet);
    lines.Append(copied);
    View().SetClipboardText(lines);
    return true;
}

bool CEditCommands::DoPaste(int quiet)
{
    CStringLineList lines;
    if (!ReadClipboardLines(lines) || lines.IsEmpty())
        return Refuse(quiet);
    if (IsColumnMode()) {
        if (HasSelection()) {
            if (BlockHasWidth()) {
                m_actions.DeleteColumnBlock();
            } else {
                const PixelSelection block = View().GetSelectionRect();
                View().MoveCaretTo({View().GetCaretX(), block.startY});
            }
        }
        ClearSelection();
        m_actions.PasteColumn(lines);
        return true;
    }
    if (HasSelection())
        m_actions.DeleteSelection();
    ClearSelection();
    m_actions.PasteStream(lines);
    return true;
}
