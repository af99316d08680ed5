#include "editor/view/window/ViewOptions.h"

#include <cstdlib>

#include "editor/shell/EditorSettings.h"
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

namespace {

enum : UINT {
    kCmdColumnMode = 41036,
    kCmdOverwrite = 59140,
    kCmdLineNumbers = 43015,
    kCmdScreenFont0 = 43024,
    kCmdScreenFont5 = 43029,
    kCmdPrinterFont0 = 43030,
    kCmdPrinterFont3 = 43033,
    kCmdSpacing100 = 43048,
    kCmdSpacing200 = 43052,
    kCmdTab2 = 43064,
    kCmdTab16 = 43067,
    kCmdShowSpaces = 43072,
    kCmdItalicComments = 43076,
};

const int kSpacings[] = {100, 110, 120, 150, 200};
const int kTabSizes[] = {2, 4, 8, 16};

// The on/off settings by command, from 43072.
int* Switch(UINT id)
{
    CViewSettings& view = TheEditorSettings().view;
    switch (id) {
    case kCmdLineNumbers: return &view.showLineNumbers;
    case 43072: return &view.showSpaces;
    case 43073: return &view.showTabs;
    case 43074: return &view.showLineEnds;
    case 43075: return &view.boldKeywords;
    case 43076: return &view.italicComments;
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
void ToggleColumnMode(const std::vector<CWrenView*>& views)
{
    CEditingModes& modes = TheEditingModes();
    modes.columnMode = !modes.columnMode;
    if (modes.columnMode)
        for (CWrenView* view : views)
            view->TurnWrapOff();
    const CEditorSettings& settings = TheEditorSettings();
    if (!IsFixedPitchSlot(settings.screenFonts[settings.screenFontSlot]))
        ApplyViewSettings(views);
    InvalidateAll(views);
}

} // namespace

bool RunViewOptionCommand(UINT id, const std::vector<CWrenView*>& views, CWrenView* active)
{
    CEditorSettings& settings = TheEditorSettings();
    if (id == kCmdColumnMode) {
        ToggleColumnMode(views);
        if (active)
            active->PlaceCaret();
        return false;
    }
    if (id == kCmdOverwrite) {
        TheEditingModes().overwriteMode = !TheEditingModes().overwriteMode;
        if (active)
            active->PlaceCaret();
        return false;
    }
    if (int* value = Switch(id)) {
        *value = !*value;
        InvalidateAll(views);
    } else if (id >= kCmdScreenFont0 && id <= kCmdScreenFont5) {
        settings.screenFontSlot = (int)(id - kCmdScreenFont0);
        ApplyViewSettings(views);
    } else if (id >= kCmdPrinterFont0 && id <= kCmdPrinterFont3) {
        settings.printerFontSlot = (int)(id - kCmdPrinterFont0);
        InvalidateAll(views);
    } else if (id >= kCmdSpacing100 && id <= kCmdSpacing200) {
        ChangeViewLayout(views, [&] { settings.view.lineSpacingPercent = kSpacings[id - kCmdSpacing100]; });
    } else if (id >= kCmdTab2 && id <= kCmdTab16) {
        ChangeViewLayout(views, [&] { settings.view.tabSize = kTabSizes[id - kCmdTab2]; });
    } else {
        return false;
    }
    return true;
}

ViewOptionState GetViewOptionState(UINT id)
{
    const CEditorSettings& settings = TheEditorSettings();
    ViewOptionState state;
    auto fontText = [&state](const LOGFONTA& font, int slot) {
        const int points = std::abs(font.lfHeight) / 10;
        if (slot == 0)
            state.text.Format("缺省(&D) (%s, %d)", font.lfFaceName, points);
        else
            state.text.Format("定制(&%d) (%s, %d)", slot, font.lfFaceName, points);
    };
    if (id == kCmdColumnMode) {
        state.check = TheEditingModes().columnMode;
    } else if (id == kCmdOverwrite) {
        state.check = TheEditingModes().overwriteMode;
    } else if (const int* value = Switch(id)) {
        state.check = *value != 0;
    } else if (id >= kCmdScreenFont0 && id <= kCmdScreenFont5) {
        const int slot = (int)(id - kCmdScreenFont0);
        state.radio = settings.screenFontSlot == slot;
        fontText(settings.screenFonts[slot], slot);
    } else if (id >= kCmdPrinterFont0 && id <= kCmdPrinterFont3) {
        const int slot = (int)(id - kCmdPrinterFont0);
        state.radio = settings.printerFontSlot == slot;
        fontText(settings.printerFonts[slot], slot);
    } else if (id >= kCmdSpacing100 && id <= kCmdSpacing200) {
        state.radio = settings.view.lineSpacingPercent == kSpacings[id - kCmdSpacing100];
    } else if (id >= kCmdTab2 && id <= kCmdTab16) {
        state.radio = settings.view.tabSize == kTabSizes[id - kCmdTab2];
    }
    return state;
}
