#include "editor/shell/program/InterimView.h"

#include "editor/document/WrenDoc.h"
#include "framework/Dc.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CInterimView, CView)

BEGIN_MESSAGE_MAP(CInterimView, CView)
    ON_WM_MOUSEWHEEL()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

CTextDocument* TextOf(CDocument* document)
{
    auto* wren = dynamic_cast<CWrenDoc*>(document);
    return wren != nullptr ? &wren->GetText() : nullptr;
}

}  // namespace

CInterimView::~CInterimView()
{
    if (m_watching)
        if (CTextDocument* text = TextOf(GetDocument()))
            text->RemoveWatcher(this);
}

void CInterimView::OnInitialUpdate()
{
    if (!m_watching)
        if (CTextDocument* text = TextOf(GetDocument())) {
            text->AddWatcher(this);
            m_watching = true;
        }
    CView::OnInitialUpdate();
}

int CInterimView::VisibleLines() const
{
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    return std::max<int>(1, (client.bottom + LineHeight() - 1) / LineHeight());
}

void CInterimView::OnDraw(CDC* dc)
{
    CTextDocument* text = TextOf(GetDocument());
    if (text == nullptr)
        return;
    HGDIOBJ oldFont = ::SelectObject(*dc, ::GetStockObject(SYSTEM_FIXED_FONT));
    TEXTMETRICA metrics;
    ::GetTextMetricsA(*dc, &metrics);
    m_lineHeight = metrics.tmHeight;
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    ::SetBkColor(*dc, RGB(255, 255, 255));
    ::ExtTextOutA(*dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    int last = std::min(text->GetLineCount(), m_topLine + VisibleLines());
    for (int line = m_topLine; line < last; ++line) {
        const CTextLine* row = text->GetLine(line);
        const char* bytes = row->GetText();
        int length = bytes != nullptr ? static_cast<int>(strlen(bytes)) : 0;
        ::TextOutA(*dc, 4, (line - m_topLine) * m_lineHeight, bytes != nullptr ? bytes : "", length);
    }
    ::SelectObject(*dc, oldFont);
}

void CInterimView::Refresh()
{
    ScrollTo(m_topLine);
}

void CInterimView::ScrollTo(int topLine)
{
    CTextDocument* text = TextOf(GetDocument());
    int count = text != nullptr ? text->GetLineCount() : 1;
    m_topLine = std::max(0, std::min(topLine, count - 1));
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CInterimView::GoToLine(LineIndex line)
{
    ScrollTo(line - 1);
}

BOOL CInterimView::OnMouseWheel(UINT, short delta, CPoint)
{
    ScrollTo(m_topLine - delta / WHEEL_DELTA * 3);
    return TRUE;
}

void CInterimView::OnSize(UINT, int, int)
{
    Invalidate(FALSE);
}
