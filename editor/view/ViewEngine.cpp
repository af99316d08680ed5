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
      m_metrics(screenMetrics, settings)
{
    m_document.AddWatcher(this);
}

CViewEngine::~CViewEngine()
{
    m_document.RemoveWatcher(this);
}

void CViewEngine::OnLinesChanged(LineIndex first, int count)
{
    if (m_displayLines.IsEmpty())
        return;
    FormatLines(first, count);
    m_host.InvalidateView();
}

void CViewEngine::OnLinesInserted(LineIndex after, int count)
{
    if (m_displayLines.IsEmpty())
        return;
    InsertDisplayLines(after, count);
    m_host.InvalidateView();
}

void CViewEngine::OnLinesDeleted(LineIndex first, int count)
{
    if (m_displayLines.IsEmpty())
        return;
    RemoveDisplayLines(first, count);
    m_host.InvalidateView();
}

void CViewEngine::GoToLine(LineIndex line)
{
    if (m_displayLines.IsEmpty())
        return;
    SetCaretToDocPosition(0, std::max(0, std::min(line, GetLastLineIndex())));
    DropAnchor();
    EnsureCaretVisible();
}

void CViewEngine::OnDocumentRefreshed()
{
    if (m_displayLines.IsEmpty())
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
        m_wordWrap = neighbour->m_wordWrap;
        m_spellingCheck = neighbour->m_spellingCheck;
    } else {
        m_scrollX = m_scrollY = 0;
        m_selection.Reset();
        m_spellingCheck = false;
        m_wordWrap = m_settings.wrapOnOpen != 0 && !m_modes.columnMode;
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
    const bool rewrap = !m_displayLines.IsEmpty() && width != m_clientWidth && m_wordWrap &&
                        m_settings.fixedWrapWidth == 0;
    m_clientHeight = height;
    if (!rewrap) {
        m_clientWidth = width;
        return;
    }
    SaveLayoutPositions();
    m_clientWidth = width;
    ReformatDocument();
    RestoreLayoutPositions();
}

void CViewEngine::RefreshViewFonts()
{
    CMetricCache::AdvanceGeneration();
    if (m_displayLines.IsEmpty())
        return;
    SaveLayoutPositions();
    ReformatDocument();
    RestoreLayoutPositions();
}

int CViewEngine::GetVisibleLineCount() const
{
    return m_clientHeight / GetLineHeight();
}
