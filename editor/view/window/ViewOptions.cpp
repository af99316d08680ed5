#include "editor/view/window/ViewOptions.h"

#include "editor/view/window/WrenView.h"

void ChangeViewLayout(const std::vector<CWrenView*>& views, const std::function<void()>& change)
{
    for (CWrenView* view : views)
        if (CViewEngine* engine = view->GetEngine())
            engine->SaveLayoutPositions();
    if (change)
        change();
    for (CWrenView* view : views)
        if (CViewEngine* engine = view->GetEngine()) {
            engine->ReformatDocument();
            engine->RestoreLayoutPositions();
            view->Invalidate(FALSE);
        }
}

void ApplyViewSettings(const std::vector<CWrenView*>& views)
{
    ChangeViewLayout(views, [] { RefreshScreenFonts(); });
}
