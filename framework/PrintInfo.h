#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/CommonDialogs.h"
#include "framework/Geometry.h"

#include <memory>

// One print job's state as the printing virtuals see it: the print dialog with the page range
// and the choice of a selection, the page being printed, and the rectangle to draw in. The
// print loop and the preview fill and step it.
struct CPrintInfo {
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    void SetMinPage(UINT page);
    void SetMaxPage(UINT page);
    UINT GetMinPage() const;
    // 0xFFFF while the length is unknown: the view's OnPrepareDC then ends the job.
    UINT GetMaxPage() const;
    // The range the user chose, or the whole document.
    UINT GetFromPage() const;
    UINT GetToPage() const;
    // The user chose to print the selection.
    BOOL PrintSelection() const;

    // The print dialog: its m_pd holds the page range and the flags the job runs with.
    CPrintDialog* m_pPD;
    // Print at once with the printer's defaults, without the dialog.
    BOOL m_bDirect = FALSE;
    BOOL m_bPreview = FALSE;
    // Set by OnPrepareDC to FALSE to end the job before m_nCurPage.
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    // Pages the preview shows side by side (1 or 2).
    UINT m_nNumPreviewPages = 1;
    // The page in the DC's logical units, set before each OnPrint.
    CRect m_rectDraw;
    // The preview's page line ("第 %u 页", "第 %u-%u 页"), in two parts separated by '\n'.
    CString m_strPageDesc;
    void* m_lpUserData = nullptr;

private:
    std::unique_ptr<CPrintDialog> m_dialog;
};

// Pages a print job goes through: the chosen range, inside the document's pages.
struct PrintPageRange {
    UINT from = 1;
    UINT to = 1;
};
PrintPageRange ClampPrintPageRange(UINT from, UINT to, UINT minPage, UINT maxPage);
