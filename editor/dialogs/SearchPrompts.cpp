#include "editor/dialogs/SearchPrompts.h"

#include "editor/dialogs/SmallDialogs.h"
#include "editor/document/TextDocument.h"
#include "editor/res/resource.h"
#include "framework/Exceptions.h"
#include "framework/MessageBox.h"

CSearchPrompts::CSearchPrompts(CWnd* view) : m_view(view) {}

CFindDlg& CSearchPrompts::FindDialog()
{
    static CFindDlg dialog;
    return dialog;
}

CReplaceDlg& CSearchPrompts::ReplaceDialog()
{
    static CReplaceDlg dialog;
    return dialog;
}

int CSearchPrompts::SearchFlags(int regularExpression, int matchCase, int wholeWord)
{
    return (regularExpression ? kSearchRegex : 0) | (matchCase ? kSearchMatchCase : 0) |
           (wholeWord ? kSearchWholeWord : 0);
}

bool CSearchPrompts::AskFind(SearchRequest& request)
{
    CFindDlg& dialog = FindDialog();
    dialog.m_pParentWnd = m_view;
    dialog.m_findText = request.text;
    if (dialog.DoModal() != IDOK)
        return false;
    request.text = dialog.m_findText;
    request.flags = SearchFlags(dialog.m_regularExpression, dialog.m_matchCase, dialog.m_wholeWord);
    request.searchUp = dialog.m_direction == 0;
    request.scope = SearchRequest::kNextMatch;
    return true;
}

bool CSearchPrompts::AskReplace(SearchRequest& request)
{
    CReplaceDlg& dialog = ReplaceDialog();
    dialog.m_pParentWnd = m_view;
    dialog.m_findText = request.text;
    dialog.m_scope = request.scope == SearchRequest::kAllInSelection ? CReplaceDlg::kScopeSelection
                                                                     : CReplaceDlg::kScopeFile;
    dialog.m_allFilesAvailable = m_allFilesAvailable && m_allFilesAvailable();
    if (dialog.DoModal() != IDOK)
        return false;
    request.text = dialog.m_findText;
    request.replacement = dialog.m_replaceText;
    request.flags = SearchFlags(dialog.m_regularExpression, dialog.m_matchCase, dialog.m_wholeWord);
    if (!dialog.m_replaceAll) {
        request.scope = SearchRequest::kNextMatch;
        return true;
    }
    if (dialog.m_scope == CReplaceDlg::kScopeAllFiles) {
        request.scope = SearchRequest::kAllInOpenFiles;
        return true;
    }
    request.scope = dialog.m_scope == CReplaceDlg::kScopeSelection ? SearchRequest::kAllInSelection
                                                                   : SearchRequest::kAllInFile;
    return true;
}

bool CSearchPrompts::AskGoToLine(int first, int last, int& line)
{
    CGotoLineDlg dialog(m_view);
    dialog.m_prompt.Format(IDS_GOTO_LINE_PROMPT, first, last);
    dialog.m_lineNumber = line;
    if (dialog.DoModal() != IDOK)
        return false;
    line = (int)dialog.m_lineNumber;
    return true;
}

IViewPrompts::ReplaceChoice CSearchPrompts::ConfirmReplace(int clientX, int clientY)
{
    CReplaceConfirmDlg dialog(m_view);
    POINT point = {clientX, clientY};
    if (m_view && m_view->GetSafeHwnd())
        m_view->ClientToScreen(&point);
    dialog.m_x = point.x;
    dialog.m_y = point.y;
    const bool replace = dialog.DoModal() == IDOK;
    if (replace)
        return dialog.m_goToNext ? kReplaceAndFindNext : kReplaceThis;
    if (dialog.m_replaceAllInFile)
        return kReplaceAll;
    if (dialog.m_goToNext)
        return kFindNext;
    return dialog.m_goToPrevious ? kFindPrevious : kCancel;
}

void CSearchPrompts::ReportNotFound(const CString& text)
{
    CString message;
    message.Format(IDS_NOT_FOUND, (LPCTSTR)text);
    AfxMessageBox(message, MB_ICONINFORMATION);
}

void CSearchPrompts::ReportReplaceCount(int count)
{
    CString message;
    message.Format(IDS_REPLACE_COUNT, count);
    AfxMessageBox(message, MB_ICONINFORMATION);
}

void CSearchPrompts::ReportBadPattern(const CString& text)
{
    CString message;
    message.Format(IDS_BAD_PATTERN, (LPCTSTR)text);
    AfxMessageBox(message, MB_ICONSTOP);
}

void CSearchPrompts::ReportRefusedWhileRecording(const char* command)
{
    CString message;
    message.Format(IDS_REFUSED_WHILE_RECORDING, command);
    AfxMessageBox(message, MB_ICONSTOP);
}

void CSearchPrompts::ReportOutOfMemory()
{
    CMemoryException error;
    error.ReportError(MB_ICONEXCLAMATION);
}
