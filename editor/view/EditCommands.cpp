// Command bodies for typing, Enter, Tab and the deletions: the selection prologue and the
// choice between the stream and the column-block action.
#include "editor/view/EditCommands.h"

#include "editor/view/EditGroups.h"

CEditCommands::CEditCommands(CEditActions& actions, CEditGroups& groups)
    : m_actions(actions), m_groups(groups)
{
}

bool CEditCommands::Refuse(int quiet)
{
    if (!quiet)
        View().GetHost().Beep();
    return false;
}

void CEditCommands::SelectionPrologue()
{
    if (!HasSelection())
        return;
    if (IsColumnMode()) {
        if (BlockHasWidth())
            m_actions.DeleteColumnBlock();
        View().KeepBlockWhileSpanningRows();
    } else {
        m_actions.DeleteSelection();
        ClearSelection();
    }
}

void CEditCommands::DoTypeChar(char ch)
{
    if (HasSelection()) {
        SelectionPrologue();
        if (IsColumnMode() && HasSelection()) {
            m_actions.TypeCharInColumnBlock(ch);
            return;
        }
    }
    m_actions.TypeCharAtCaret(ch);
}

void CEditCommands::DoTypeString(const CString& text)
{
    if (HasSelection()) {
        SelectionPrologue();
        if (IsColumnMode() && HasSelection()) {
            m_actions.InsertStringInColumnBlock(text);
            return;
        }
    }
    m_actions.InsertStringAtCaret(text);
}

void CEditCommands::InsertTextAtCaret(const CString& text)
{
    if (HasSelection()) {
        if (IsColumnMode()) {
            if (BlockHasWidth())
                m_actions.DeleteColumnBlock();
            ClearSelection();
        } else {
            SelectionPrologue();
        }
    }
    m_actions.InsertStringAtCaret(text);
}

bool CEditCommands::InsertFileAtCaret(const char* path)
{
    CStringLineList lines;
    if (path == nullptr || !lines.ReadFileLines(path))
        return false;
    InsertLinesAtCaret(lines);
    return true;
}

void CEditCommands::InsertLinesAtCaret(const CStringLineList& lines)
{
    if (HasSelection()) {
        if (IsColumnMode()) {
            if (BlockHasWidth())
                m_actions.DeleteColumnBlock();
            ClearSelection();
        } else {
            SelectionPrologue();
        }
    }
    if (IsColumnMode())
        m_actions.PasteColumn(lines);
    else
        m_actions.PasteStream(lines);
}

void CEditCommands::DoEscapeKey()
{
    ClearSelection();
}

bool CEditCommands::DoEnterKey(int quiet)
{
    if (HasSelection() && IsColumnMode()) {
        if (!BlockHasWidth())
            return Refuse(quiet);
        SelectionPrologue();
        return true;
    }
    // Over a stream selection Enter replaces it by a new line.
    SelectionPrologue();
    m_actions.NewLineWithIndent();
    return true;
}

void CEditCommands::DoForcedNewLine()
{
    if (HasSelection()) {
        if (IsColumnMode()) {
            m_actions.DeleteColumnBlock();
            ClearSelection();
        } else {
            SelectionPrologue();
        }
    }
    CEditingModes& modes = View().GetModes();
    const CEditingModes saved = modes;
    modes.overwriteMode = false;
    modes.columnMode = false;
    m_actions.NewLineWithIndent();
    modes.overwriteMode = saved.overwriteMode;
    modes.columnMode = saved.columnMode;
}

template <class OnBlock, class OnCaret>
void CEditCommands::DeleteBody(OnBlock onBlock, OnCaret onCaret)
{
    if (!HasSelection()) {
        onCaret();
        return;
    }
    if (IsColumnMode() && !BlockHasWidth()) {
        onBlock();
        return;
    }
    SelectionPrologue();
}

void CEditCommands::DoBackspaceKey()
{
    DeleteBody([this] { m_actions.BackspaceInColumnBlock(); },
               [this] { m_actions.BackspaceAtCaret(); });
}

void CEditCommands::DoDeleteKey()
{
    DeleteBody([this] { m_actions.DeleteCharInColumnBlock(); },
               [this] { m_actions.DeleteAtCaret(); });
}

void CEditCommands::DoDeleteWord()
{
    DeleteBody([this] { m_actions.DeleteCharInColumnBlock(); },
               [this] { m_actions.DeleteWordAtCaret(); });
}

void CEditCommands::DoDeletePrevWord()
{
    DeleteBody([this] { m_actions.BackspaceInColumnBlock(); },
               [this] { m_actions.DeletePrevWordAtCaret(); });
}

void CEditCommands::DoDeleteToLineEnd()
{
    DeleteBody([this] { m_actions.DeleteToLineEndInColumnBlock(); },
               [this] { m_actions.DeleteToLineEndAtCaret(); });
}

void CEditCommands::DoDeleteToLineStart()
{
    DeleteBody([this] { m_actions.DeleteToLineStartInColumnBlock(); },
               [this] { m_actions.DeleteToLineStartAtCaret(); });
}

bool CEditCommands::DoDeleteLine(int quiet)
{
    if (HasSelection() && IsColumnMode() && !BlockHasWidth())
        return Refuse(quiet);
    DeleteBody([] {}, [this] { m_actions.DeleteCaretLine(); });
    return true;
}

void CEditCommands::DoTabKey()
{
    const bool spaces = View().GetSettings().spacesForTab != 0;
    if (HasSelection() && IsColumnMode()) {
        if (BlockHasWidth())
            m_actions.DeleteColumnBlock();
        if (spaces)
            m_actions.InsertTabSpacesInColumnBlock();
        else
            m_actions.TypeCharInColumnBlock('\t');
        View().KeepBlockWhileSpanningRows();
        return;
    }
    if (HasSelection()) {
        if (IsMultiLineSelection()) {
            m_actions.IndentSelectedLines();
            return;
        }
        SelectionPrologue();
    }
    if (spaces)
        m_actions.InsertTabSpaces();
    else
        m_actions.TypeCharAtCaret('\t');
}

void CEditCommands::DoDetabKey()
{
    if (HasSelection() && !IsColumnMode() && IsMultiLineSelection()) {
        m_actions.UnindentSelectedLines();
        return;
    }
    ClearSelection();
    m_actions.MoveToPrevTabStop();
}

bool CEditCommands::DoIndent(int quiet)
{
    if (HasSelection()) {
        if (IsColumnMode())
            return Refuse(quiet);
        if (IsMultiLineSelection()) {
            m_actions.IndentSelectedLines();
            return true;
        }
        ClearSelection();
    }
    m_actions.IndentCaretLine();
    return true;
}

bool CEditCommands::DoOutdent(int quiet)
{
    if (HasSelection()) {
        if (IsColumnMode())
            return Refuse(quiet);
        if (IsMultiLineSelection()) {
            m_actions.UnindentSelectedLines();
            return true;
        }
        ClearSelection();
    }
    m_actions.OutdentCaretLine();
    return true;
}

bool CEditCommands::DoForcedOutdent(int quiet)
{
    CEditingModes& modes = View().GetModes();
    const bool columnMode = modes.columnMode;
    modes.columnMode = false;
    const bool done = DoOutdent(quiet);
    modes.columnMode = columnMode;
    return done;
}

bool CEditCommands::DoCommentLines(int quiet)
{
    if (IsColumnMode() || m_actions.GetDocument().GetLangSpec().m_lineComment[0].empty())
        return Refuse(quiet);
    if (HasSelection()) {
        if (IsMultiLineSelection()) {
            m_actions.CommentSelectedLines();
            return true;
        }
        ClearSelection();
    }
    m_actions.CommentCaretLine();
    return true;
}

bool CEditCommands::DoUncommentLines(int quiet)
{
    if (IsColumnMode() || m_actions.GetDocument().GetLangSpec().m_lineComment[0].empty())
        return Refuse(quiet);
    if (HasSelection()) {
        if (IsMultiLineSelection()) {
            m_actions.UncommentSelectedLines();
            return true;
        }
        ClearSelection();
    }
    m_actions.UncommentCaretLine();
    return true;
}

void CEditCommands::DoJoinLines()
{
    ClearSelection();
    m_actions.JoinWithNextLine();
}

void CEditCommands::DoSplitLine()
{
    ClearSelection();
    m_actions.SplitLineAtCaret();
}

void CEditCommands::DoDuplicateLine()
{
    ClearSelection();
    m_actions.DuplicateCaretLine();
}
