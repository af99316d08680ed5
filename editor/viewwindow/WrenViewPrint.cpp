#include "editor/viewwindow/WrenView.h"

#include "editor/document/WrenDoc.h"
#include "editor/settings/EditorSettings.h"
#include "framework/Dc.h"

#include <algorithm>

namespace {

// The file name of a path; the whole text when it has no folder.
std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

// A selection over several lines is offered, and chosen, in the print dialog.
BOOL CWrenView::OnPreparePrinting(CPrintInfo* info)
{
    if (m_engine && m_engine->GetSelectionLineSpan() > 0) {
        info->m_pPD->m_pd.Flags &= ~PD_NOSELECTION;
        info->m_pPD->m_pd.Flags |= PD_SELECTION;
    }
    return DoPreparePrinting(info);
}

void CWrenView::OnBeginPrinting(CDC* dc, CPrintInfo* info)
{
    if (!m_engine || !dc)
        return;
    const int slot = std::max(0, std::min(m_settings.printerFontSlot, kFontSlotCount - 1));
    m_printer = std::make_unique<CViewPrinter>(*m_engine, m_settings.printerFonts[slot]);
    const int pages = m_printer->Begin(dc->GetSafeHdc(), info->PrintSelection() != FALSE);
    info->SetMinPage(1);
    info->SetMaxPage((UINT)pages);
}

void CWrenView::OnPrint(CDC* dc, CPrintInfo* info)
{
    if (!m_printer || !dc)
        return;
    const std::string path = (const char*)GetDocument()->GetPathName();
    const std::string name = path.empty() ? std::string((const char*)GetDocument()->GetTitle()) : FileNameOf(path);
    m_printer->PrintPage(dc->GetSafeHdc(), (int)info->m_nCurPage, path, name);
}

void CWrenView::OnEndPrinting(CDC*, CPrintInfo*)
{
    m_printer.reset();
}
