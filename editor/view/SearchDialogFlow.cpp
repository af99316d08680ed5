#include "editor/view/SearchDialogFlow.h"

CSearchDialogFlow::CSearchDialogFlow(CSearchCommands& search, CEditGroups& groups,
                                     IViewPrompts& prompts)
    : m_search(search), m_groups(groups), m_prompts(prompts)
{
}

CString CSearchDialogFlow::PresetText() const
{
    const CString selected = m_search.GetSelectedTextOnLine();
    return selected.IsEmpty() ? m_search.GetWordAtCaret() : selected;
}

void CSearchDialogFlow::Repaint()
{
    if (!View().IsCaretInView())
        View().ScrollCaretToCentre();
    View().GetHost().InvalidateView();
}

bool CSearchDialogFlow::Prepare(const IViewPrompts::SearchRequest& request, bool replace)
{
    if (request.text.IsEmpty())
        return false;
    // The next search starts at the selection's start, so the selected text is found first.
    View().RequestSearchFromSelectionStart();
    const bool prepared = replace ? m_search.DoReplace(request.text, request.replacement, request.flags)
                                  : m_search.DoFind(request.text, request.flags);
    if (!prepared)
        m_prompts.ReportBadPattern(request.text);
    else if (m_recordPlace)
        m_recordPlace();
    if (prepared && onPrepared)
        onPrepared(request, replace);
    return prepared;
}

void CSearchDialogFlow::FindCommand()
{
    IViewPrompts::SearchRequest request;
    request.text = PresetText();
    if (!m_prompts.AskFind(request) || !Prepare(request, false))
        return;
    FindOccurrence(request.searchUp);
}

void CSearchDialogFlow::ReplaceCommand()
{
    IViewPrompts::SearchRequest request;
    request.text = PresetText();
    const bool linesSelected = View().IsSelectionActive() && !View().IsColumnMode() &&
                               View().GetSelectionLineSpan() != 0;
    request.scope = linesSelected ? IViewPrompts::SearchRequest::kAllInSelection
                                  : IViewPrompts::SearchRequest::kAllInFile;
    if (!m_prompts.AskReplace(request) || !Prepare(request, true))
        return;
    switch (request.scope) {
    case IViewPrompts::SearchRequest::kAllInSelection: ReplaceAllCommand(true); break;
    case IViewPrompts::SearchRequest::kAllInFile: ReplaceAllCommand(false); break;
    case IViewPrompts::SearchRequest::kNextMatch: FindOccurrenceStep(false); break;
    case IViewPrompts::SearchRequest::kAllInOpenFiles:
        if (onReplaceInOpenFiles)
            onReplaceInOpenFiles();
        break;
    }
}

bool CSearchDialogFlow::FindOccurrence(bool backward)
{
    const bool found = backward ? m_search.DoFindPrevOccurrence() : m_search.DoFindNextOccurrence();
    if (!found) {
        m_prompts.ReportNotFound(m_search.GetParameters().text);
        return false;
    }
    if (m_recordPlace)
        m_recordPlace();
    Repaint();
    if (m_search.GetParameters().mode == CSearchParameters::kModeReplace)
        ConfirmReplacements();
    return true;
}

void CSearchDialogFlow::ConfirmReplacements()
{
    if (m_search.GetSelectedTextOnLine().IsEmpty())
        return;
    CViewEngine& view = View();
    const PixelSelection selection = view.GetSelectionRect();
    const int x = view.GetGutterWidth() + selection.startX - view.GetScrollX() + 40;
    const int y = selection.startY - view.GetScrollY() + view.GetMetrics().GetFontHeight() + 10;
    switch (m_prompts.ConfirmReplace(x, y)) {
    case IViewPrompts::kReplaceThis: ReplaceThisStep(); break;
    case IViewPrompts::kReplaceAndFindNext:
        ReplaceThisStep();
        FindOccurrenceStep(false);
        break;
    case IViewPrompts::kReplaceAll: ReplaceAllCommand(false); break;
    case IViewPrompts::kFindNext: FindOccurrenceStep(false); break;
    case IViewPrompts::kFindPrevious: FindOccurrenceStep(true); break;
    case IViewPrompts::kCancel: break;
    }
}

void CSearchDialogFlow::Ran(int commandId)
{
    if (onCommandRun)
        onCommandRun(commandId);
}

bool CSearchDialogFlow::FindOccurrenceStep(bool backward)
{
    Ran(backward ? ID_SEARCH_PREV_OCCURRENCE : ID_SEARCH_NEXT_OCCURRENCE);
    return FindOccurrence(backward);
}

void CSearchDialogFlow::ReplaceThisStep()
{
    m_groups.RunAction([this] {
        m_search.DoReplaceThis();
        Ran(ID_SEARCH_REPLACE_THIS);
    });
}

int CSearchDialogFlow::ReplaceAllCommand(bool inSelection)
{
    int count = 0;
    m_groups.RunAction([&] {
        count = inSelection ? m_search.DoReplaceAllInSelection() : m_search.DoReplaceAllInFile();
        Ran(inSelection ? ID_SEARCH_REPLACE_ALL_IN_SELECTION : ID_SEARCH_REPLACE_ALL_IN_FILE);
    });
    if (count > 0)
        m_prompts.ReportReplaceCount(count);
    else
        m_prompts.ReportNotFound(m_search.GetParameters().text);
    return count;
}

void CSearchDialogFlow::GoToLineCommand()
{
    int line = View().GetCaretDocPosition().line + 1;
    if (!m_prompts.AskGoToLine(1, View().GetDocument().GetLineCount(), line))
        return;
    m_search.DoGoToLine(line);
    if (onWentToLine)
        onWentToLine(line);
    View().EnsureCaretVisible();
    View().GetHost().InvalidateView();
}
