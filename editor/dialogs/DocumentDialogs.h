#pragma once
#include "editor/document/DocumentServices.h"

class CWnd;

// The document summary as the application shows it: CDocInfoDlg filled from the summary,
// owned by the main window. The dialog's result is ignored.
class CDocumentSummaryDialog : public IDocumentSummaryDialog {
public:
    void Show(const CDocumentSummary& summary) override;
};

// Runs CReloadAsDlg with `index` selected (0 detects the encoding, 1 to 5 name it); on OK
// `index` takes the choice. False on Cancel.
bool RunReloadAsDialog(CWnd* parent, int& index);
