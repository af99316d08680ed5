#pragma once
#include <vector>

#include "editor/view/ViewInterfaces.h"

class CViewEngine;

// The views of one document, told of every edit: each lines-changed, lines-inserted or
// lines-deleted notification reaches every registered view's display lines.
class CViewNotifierList : public IViewNotifier {
public:
    void AddView(CViewEngine* view);
    void RemoveView(CViewEngine* view);
    int GetViewCount() const { return (int)m_views.size(); }

    void NotifyViewsLinesChanged(LineIndex first, int count) override;
    void NotifyViewsLinesInserted(LineIndex after, int count) override;
    void NotifyViewsLinesDeleted(LineIndex first, int count) override;
    void RefreshAllViews() override;

private:
    std::vector<CViewEngine*> m_views;
};
