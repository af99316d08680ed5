#include "editor/dialogs/DocumentDialogs.h"

#include "editor/dialogs/SmallDialogs.h"
#include "framework/WinApp.h"

void CDocumentSummaryDialog::Show(const CDocumentSummary& summary)
{
    CDocInfoDlg dialog(AfxGetMainWnd());
    dialog.m_path = summary.path;
    dialog.m_encoding = summary.encodingName;
    dialog.m_fileFormat = summary.lineEndName;
    dialog.m_fileSize = (long)summary.fileSize;
    dialog.m_lineCount = summary.lineCount;
    dialog.m_wordCount = summary.wordCount;
    dialog.m_byteCount = (int)summary.byteCount;
    dialog.m_readOnly = summary.readOnly ? 1 : 0;
    dialog.m_hidden = summary.hidden ? 1 : 0;
    dialog.m_system = summary.system ? 1 : 0;
    dialog.m_lastModified = summary.changeTime;
    dialog.DoModal();
}

bool RunReloadAsDialog(CWnd* parent, int& index)
{
    CReloadAsDlg dialog(parent);
    dialog.m_encodingIndex = index;
    if (dialog.DoModal() != IDOK)
        return false;
    index = dialog.m_encodingIndex;
    return true;
}
