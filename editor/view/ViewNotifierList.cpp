#include "editor/view/ViewNotifierList.h"

#include <algorithm>

#include "editor/view/ViewEngine.h"

void CViewNotifierList::AddView(CViewEngine* view)
{
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CViewNotifierList::RemoveView(CViewEngine* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CViewNotifierList::NotifyViewsLinesChanged(LineIndex first, int count)
{
    for (CViewEngine* view : m_views)
        view->FormatLines(first, count);
}

void CViewNotifierList::NotifyViewsLinesInserted(LineIndex after, int count)
{
    for (CViewEngine* view : m_views)
        view->InsertDisplayLines(after, count);
}

void CViewNotifierList::NotifyViewsLinesDeleted(LineIndex first, int count)
{
    for (CViewEngine* view : m_views)
        view->RemoveDisplayLines(first, count);
}

void CViewNotifierList::RefreshAllViews()
{
    for (CViewEngine* view : m_views)
        view->ReformatDocument();
}
