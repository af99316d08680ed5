#pragma once
#include "editor/dialogs/PreferencesPage.h"
#include "framework/CommonControls.h"
#include "framework/Controls.h"

// The tab the fonts page opens on: 0 screen, 1 printer, 2 other fonts.
int& FontPageTab();

// 字体: the screen, printer and other fonts, each list edited in a working copy through the
// font dialog.
class CFontsPage : public CPreferencesPage {
public:
    using CPreferencesPage::CPreferencesPage;
    void Exchange(CDataExchange* dx) override;
    void Init() override;
    void Apply() override;
    int OpenTab() const override;

protected:
    void LoadControls() override;

private:
    void OnFontTabChange(NMHDR* header, LRESULT* result);
    void OnFontSelected(UINT id, NMHDR* header, LRESULT* result);
    void OnFontDblClk(UINT id, NMHDR* header, LRESULT* result);
    void ChooseFont(int list, int row);
    void ShowFontRow(int list, int row);

    FontList m_fonts[3];
    int m_fontRow[3] = {};
    CListCtrl m_fontLists[3];
    CTabCtrl m_fontTabs;

    DECLARE_MESSAGE_MAP()
};

// 颜色: the colour table in a working copy, set swatch by swatch, from the built-in schemes
// or from a scheme file.
class CColorsPage : public CPreferencesPage {
public:
    explicit CColorsPage(const PreferencesPageContext& context);
    ~CColorsPage() override;
    void Exchange(CDataExchange* dx) override;
    void Init() override;
    void Apply() override;
    int OpenTab() const override;

    // Clicks of this page's id range that are no swatch's belong to other pages' buttons.
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;

    // The working copy on a scheme file; false and nothing changed when a file is refused.
    bool ReadSchemeFile(const char* path);
    bool WriteSchemeFile(const char* path) const;
    void SetPresetColors(int scheme);
    const uint32_t* WorkingColors() const { return m_colors; }
    // The brush a swatch is painted with; null for any other control.
    HBRUSH SwatchBrush(CDC* dc, CWnd* control);

protected:
    void LoadControls() override;

private:
    void OnSwatchClicked(UINT id);
    void OnColorTabChange(NMHDR* header, LRESULT* result);
    void OnSchemeChange();
    void OnLoadColors();
    void OnSaveColors();
    void RedrawColorSwatches();

    uint32_t m_colors[kColorCount];
    CTabCtrl m_colorTabs;
    HBRUSH m_swatchBrush = nullptr;

    DECLARE_MESSAGE_MAP()
};
