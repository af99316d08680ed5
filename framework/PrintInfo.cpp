#include "framework/PrintInfo.h"

#include "framework/CommonDialogs.h"

#include <algorithm>
#include <utility>

CPrintInfo::CPrintInfo()
    : m_dialog(std::make_unique<CPrintDialog>(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION))
{
    m_pPD = m_dialog.get();
    m_pPD->m_pd.nMinPage = 1;
    m_pPD->m_pd.nMaxPage = 0xFFFF;
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xFFFF;
    m_strPageDesc = "第 %u 页\n第 %u-%u 页";
}

CPrintInfo::~CPrintInfo() = default;

void CPrintInfo::SetMinPage(UINT page)
{
    m_pPD->m_pd.nMinPage = static_cast<WORD>(page);
}

void CPrintInfo::SetMaxPage(UINT page)
{
    m_pPD->m_pd.nMaxPage = static_cast<WORD>(page);
}

UINT CPrintInfo::GetMinPage() const
{
    return m_pPD->m_pd.nMinPage;
}

UINT CPrintInfo::GetMaxPage() const
{
    return m_pPD->m_pd.nMaxPage;
}

UINT CPrintInfo::GetFromPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nToPage : GetMaxPage();
}

BOOL CPrintInfo::PrintSelection() const
{
    return (m_pPD->m_pd.Flags & PD_SELECTION) != 0;
}

PrintPageRange ClampPrintPageRange(UINT from, UINT to, UINT minPage, UINT maxPage)
{
    if (maxPage < minPage)
        maxPage = minPage;
    if (from > to)
        std::swap(from, to);
    PrintPageRange range;
    range.from = std::clamp(from, minPage, maxPage);
    range.to = std::clamp(to, minPage, maxPage);
    return range;
}
