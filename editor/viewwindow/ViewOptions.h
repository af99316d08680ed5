#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "framework/CString.h"

class CWrenView;
struct CEditorSettings;

// The steps the view option commands share, over every open view.

// Each view keeps its caret, anchor and top line as text positions while change alters a
// layout value (tab size, line spacing, fonts); then every view lays out again, takes its
// positions back and repaints. Line heights always come from the measured font height and
// the current spacing.
void ChangeViewLayout(const std::vector<CWrenView*>& views, const std::function<void()>& change);

// The screen fonts made again from the settings (the fixed-pitch substitute while column
// mode meets a proportional font), then every view laid out again with its positions kept.
void ApplyViewSettings(const std::vector<CWrenView*>& views);

// The view option commands: column mode, overwrite, line numbers, the six screen font slots,
// the four printer font slots, the five line spacings, the four tab sizes, and the
// show-spaces, show-tabs, show-line-ends, bold-keyword and italic-comment switches.
// Changes the setting in settings (the block the views read) over every open view; active is
// the view whose caret shows the mode (may be null). Returns whether the configuration file
// is to be written now: column mode and overwrite are not saved.
bool RunViewOptionCommand(CEditorSettings& settings, UINT id, const std::vector<CWrenView*>& views,
                          CWrenView* active);

// What an option command's menu item shows: a check mark or a radio mark (-1: neither), and
// for a font slot the menu text with the slot's face and size.
struct ViewOptionState {
    int check = -1;
    int radio = -1;
    CString text;
};
ViewOptionState GetViewOptionState(const CEditorSettings& settings, UINT id);
