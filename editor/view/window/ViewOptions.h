#pragma once
#include <functional>
#include <vector>

class CWrenView;

// The steps the view option commands share, over every open view.

// Each view keeps its caret, anchor and top line as text positions while change alters a
// layout value (tab size, line spacing, fonts); then every view lays out again, takes its
// positions back and repaints. Line heights always come from the measured font height and
// the current spacing.
void ChangeViewLayout(const std::vector<CWrenView*>& views, const std::function<void()>& change);

// The screen fonts made again from the settings (the fixed-pitch substitute while column
// mode meets a proportional font), then every view laid out again with its positions kept.
void ApplyViewSettings(const std::vector<CWrenView*>& views);
