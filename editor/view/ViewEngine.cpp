#include "editor/view/ViewEngine.h"

#include <algorithm>

CViewEngine::CViewEngine(CTextDocument& document, const ITextMetrics& screenMetrics,
                         IViewHost& host, IClipboard& clipboard, const CViewSettings& settings,
                         CEditingModes& modes)
    : m_document(document),
      m_host(host),
      m_clipboard(clipboard),
      m_settings(settings),
      m_modes(modes),
      m_layout(document, screenMetrics, settings, host, *this)
{
    m_document.AddWatcher(this);
}

CViewEngine::~CViewEngine()
{
    m_document.RemoveWatcher(this);
}

void CViewEngine::OnLinesChanged(LineIndex first, int count)
{
    if (m_layout.IsEmpty())
        return;
    FormatLines(first, count);
    m_host.InvalidateView();
}

void CViewEngine::OnLinesInserted(LineIndex after, int count)
{
    if (m_layout.IsEmpty())
        return;
    InsertDisplayLines(after, count);
    m_host.InvalidateView();
}

void CViewEngine::OnLinesDeleted(LineIndex first, int count)
{
    if (m_layout.IsEmpty())
        return;
    RemoveDisplayLines(first, count);
    m_host.InvalidateView();
}

void CViewEngine::GoToLine(LineIndex line)
{
    if (m_layout.IsEmpty())
        return;
    SetCaretToDocPosition(0, std::max(0, std::min(line, GetLastLineIndex())));
    DropAnchor();
    EnsureCaretVisible();
}

void CViewEngine::OnDocumentRefreshed()
{
    if (m_layout.IsEmpty())
        return;
    SaveLayoutPositions();
    ReformatDocument();
    RestoreLayoutPositions();
    m_host.InvalidateView();
}

void CViewEngine::OnDocumentReset()
{
    ResetLayout();
    m_host.InvalidateView();
}

void CViewEngine::InitialUpdate(const CViewEngine* neighbour)
{
    if (neighbour) {
        m_scrollX = neighbour->m_scrollX;
        m_scrollY = neighbour->m_scrollY;
        m_selection.TakePositionsOf(neighbour->m_selection);
        m_layout.SetWordWrap(neighbour->m_layout.IsWordWrap());
        m_spellingCheck = neighbour->m_spellingCheck;
    } else {
        m_scrollX = m_scrollY = 0;
        m_selection.Reset();
        m_spellingCheck = false;
        m_layout.SetWordWrap(m_settings.wrapOnOpen != 0 && !m_modes.columnMode);
    }
    m_layoutPositions = LayoutPositions();
    ReformatDocument();
}

void CViewEngine::ResetLayout()
{
    m_scrollX = m_scrollY = 0;
    m_selection.Reset();
    m_layoutPositions = LayoutPositions();
    ReformatDocument();
}

void CViewEngine::SetClientSize(int width, int height)
{
    const bool rewrap = !m_layout.IsEmpty() && width != m_clientWidth && m_layout.IsWordWrap() &&
                        m_settings.fixedWrapWidth == 0;
    m_clientHeight = height;
    if (!rewrap) {
        m_clientWidth = width;
        m_layout.SetClientWidth(width);
        return;
    }
    SaveLayoutPositions();
    m_clientWidth = width;
    m_layout.SetClientWidth(width);
    ReformatDocument();
    RestoreLayoutPositions();
}

void CViewEngine::RefreshViewFonts()
{
    CMetricCache::AdvanceGeneration();
    if (m_layout.IsEmpty())
        return;
    SaveLayoutPositions();
    ReformatDocument();
    RestoreLayoutPositions();
}

int CViewEngine::GetVisibleLineCount() const
{
    return m_clientHeight / GetLineHeight();
}
