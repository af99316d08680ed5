#include "editor/viewwindow/ViewOptions.h"

#include <cstdlib>

#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "editor/viewwindow/WrenView.h"

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

namespace {

const int kSpacings[] = {100, 110, 120, 150, 200};
const int kTabSizes[] = {2, 4, 8, 16};

// The on/off settings by command (const for a const block).
template <class ViewSettings>
auto Switch(ViewSettings& view, UINT id) -> decltype(&view.showLineNumbers)
{
    switch (id) {
    case ID_VIEW_LINE_NUMBERS: return &view.showLineNumbers;
    case ID_VIEW_SHOW_SPACES: return &view.showSpaces;
    case ID_VIEW_SHOW_TABS: return &view.showTabs;
    case ID_VIEW_SHOW_LINE_ENDS: return &view.showLineEnds;
    case ID_VIEW_BOLD_KEYWORDS: return &view.boldKeywords;
    case ID_VIEW_ITALIC_COMMENTS: return &view.italicComments;
    default: return nullptr;
    }
}

void InvalidateAll(const std::vector<CWrenView*>& views)
{
    for (CWrenView* view : views)
        view->Invalidate(FALSE);
}

bool IsFixedPitchSlot(const LOGFONTA& font) { return (font.lfPitchAndFamily & 3) == FIXED_PITCH; }

// Column mode on turns wrapping off everywhere; with a proportional screen font the fixed
// substitute takes its place while the mode lasts.
void ToggleColumnMode(const CEditorSettings& settings, const std::vector<CWrenView*>& views)
{
    CEditingModes& modes = TheEditingModes();
    modes.columnMode = !modes.columnMode;
    if (modes.columnMode)
        for (CWrenView* view : views)
            view->TurnWrapOff();
    if (!IsFixedPitchSlot(settings.screenFonts[settings.screenFontSlot]))
        ApplyViewSettings(views);
    InvalidateAll(views);
}

} // namespace

bool RunViewOptionCommand(CEditorSettings& settings, UINT id, const std::vector<CWrenView*>& views,
                          CWrenView* active)
{
    if (id == ID_EDIT_COLUMN_MODE) {
        ToggleColumnMode(settings, views);
        if (active)
            active->PlaceCaret();
        return false;
    }
    if (id == ID_EDIT_OVERWRITE) {
        TheEditingModes().overwriteMode = !TheEditingModes().overwriteMode;
        if (active)
            active->PlaceCaret();
        return false;
    }
    if (int* value = Switch(settings.view, id)) {
        *value = !*value;
        InvalidateAll(views);
    } else if (id >= ID_VIEW_SCREEN_FONT_DEFAULT && id <= ID_VIEW_SCREEN_FONT_5) {
        settings.screenFontSlot = (int)(id - ID_VIEW_SCREEN_FONT_DEFAULT);
        ApplyViewSettings(views);
    } else if (id >= ID_VIEW_PRINTER_FONT_DEFAULT && id <= ID_VIEW_PRINTER_FONT_3) {
        settings.printerFontSlot = (int)(id - ID_VIEW_PRINTER_FONT_DEFAULT);
        InvalidateAll(views);
    } else if (id >= ID_VIEW_SPACING_100 && id <= ID_VIEW_SPACING_200) {
        ChangeViewLayout(views, [&] { settings.view.lineSpacingPercent = kSpacings[id - ID_VIEW_SPACING_100]; });
    } else if (id >= ID_VIEW_TAB_SIZE_2 && id <= ID_VIEW_TAB_SIZE_16) {
        ChangeViewLayout(views, [&] { settings.view.tabSize = kTabSizes[id - ID_VIEW_TAB_SIZE_2]; });
    } else {
        return false;
    }
    return true;
}

ViewOptionState GetViewOptionState(const CEditorSettings& settings, UINT id)
{
    ViewOptionState state;
    auto fontText = [&state](const LOGFONTA& font, int slot) {
        const int points = std::abs(font.lfHeight) / 10;
        if (slot == 0)
            state.text.Format("缺省(&D) (%s, %d)", font.lfFaceName, points);
        else
            state.text.Format("定制(&%d) (%s, %d)", slot, font.lfFaceName, points);
    };
    if (id == ID_EDIT_COLUMN_MODE) {
        state.check = TheEditingModes().columnMode;
    } else if (id == ID_EDIT_OVERWRITE) {
        state.check = TheEditingModes().overwriteMode;
    } else if (const int* value = Switch(settings.view, id)) {
        state.check = *value != 0;
    } else if (id >= ID_VIEW_SCREEN_FONT_DEFAULT && id <= ID_VIEW_SCREEN_FONT_5) {
        const int slot = (int)(id - ID_VIEW_SCREEN_FONT_DEFAULT);
        state.radio = settings.screenFontSlot == slot;
        fontText(settings.screenFonts[slot], slot);
    } else if (id >= ID_VIEW_PRINTER_FONT_DEFAULT && id <= ID_VIEW_PRINTER_FONT_3) {
        const int slot = (int)(id - ID_VIEW_PRINTER_FONT_DEFAULT);
        state.radio = settings.printerFontSlot == slot;
        fontText(settings.printerFonts[slot], slot);
    } else if (id >= ID_VIEW_SPACING_100 && id <= ID_VIEW_SPACING_200) {
        state.radio = settings.view.lineSpacingPercent == kSpacings[id - ID_VIEW_SPACING_100];
    } else if (id >= ID_VIEW_TAB_SIZE_2 && id <= ID_VIEW_TAB_SIZE_16) {
        state.radio = settings.view.tabSize == kTabSizes[id - ID_VIEW_TAB_SIZE_2];
    }
    return state;
}
