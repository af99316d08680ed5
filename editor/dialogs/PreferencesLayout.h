#pragma once
#include <windows.h>

// Where each control of the preferences pages sits (pixels of the dialog's client area) and
// on which page it shows. A control of the fonts or colours page with a tab shows only while
// that tab is open.
struct PreferencesControl {
    int id;
    int page;
    int tab;  // -1: whatever the tab
    short x, y, w, h;
};

extern const PreferencesControl kPreferencesControls[];
extern const int kPreferencesControlCount;

// Whether a control shows when page is current and tab is its page's open tab.
inline bool PreferencesControlShown(const PreferencesControl& c, int page, int tab)
{
    return c.page == page && (c.tab < 0 || c.tab == tab);
}
