// The preferences' fonts and colour pages.
#include "editor/dialogs/PreferencesLookPages.h"

#include "editor/res/resource.h"
#include "framework/CommonDialogs.h"
#include "framework/DataExchange.h"
#include "framework/Dc.h"
#include "framework/PrinterChoice.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// 字体: the three lists, their row labels and the font dialog's choice.
const int kFontListIds[3] = {IDC_SCREEN_FONTS, IDC_PRINTER_FONTS, IDC_OTHER_FONTS};
const int kFontRowCounts[3] = {6, 4, 2};
const int kColumnModeRow = 0;

int& OtherFontRow()
{
    static int row = 0;
    return row;
}

CString FontRowLabel(int list, int row)
{
    if (list == 2)
        return LoadResourceText(row == kColumnModeRow ? IDS_COLUMN_MODE_FONT : IDS_OUTPUT_FONT);
    if (row == 0)
        return LoadResourceText(IDS_FONT_DEFAULT_ROW);
    CString label;
    label.Format(LoadResourceText(IDS_FONT_CUSTOM_ROW), row);
    return label;
}

int ScreenLogPixelsY()
{
    HDC dc = ::GetDC(nullptr);
    int pixels = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(nullptr, dc);
    return pixels;
}

// 颜色: each swatch, the entries it sets (the first is the one it shows and edits) and how
// the swatch itself is painted.
struct Swatch {
    int id;
    int entries[4];
    int entryCount;
    int fill;
    int text;
};
const Swatch kSwatches[] = {
    {IDC_SWATCH_BACKGROUND, {40}, 1, 40, 31},
    {IDC_SWATCH_ACTIVE_LINE, {42}, 1, 42, 31},
    {IDC_SWATCH_NORMAL_TEXT, {31, 32, 34, 35}, 4, 40, 31},
    {IDC_SWATCH_CONSTANT, {5}, 1, 40, 5},
    {IDC_SWATCH_COMMENT, {9}, 1, 40, 9},
    {IDC_SWATCH_STRING, {6}, 1, 40, 6},
    {IDC_SWATCH_SYMBOL, {33, 1, 3, 4}, 4, 40, 33},
    {IDC_SWATCH_VARIABLE, {20}, 1, 40, 20},
    {IDC_SWATCH_KEYWORD0, {21}, 1, 40, 21},
    {IDC_SWATCH_KEYWORD1, {22}, 1, 40, 22},
    {IDC_SWATCH_KEYWORD2, {23}, 1, 40, 23},
    {IDC_SWATCH_KEYWORD3, {24}, 1, 40, 24},
    {IDC_SWATCH_KEYWORD4, {25}, 1, 40, 25},
    {IDC_SWATCH_KEYWORD5, {26}, 1, 40, 26},
    {IDC_SWATCH_KEYWORD6, {27}, 1, 40, 27},
    {IDC_SWATCH_KEYWORD7, {28}, 1, 40, 28},
    {IDC_SWATCH_KEYWORD8, {29}, 1, 40, 29},
    {IDC_SWATCH_KEYWORD9, {30}, 1, 40, 30},
    {IDC_SWATCH_LEFT_MARGIN, {41}, 1, 41, 2},
    {IDC_SWATCH_LINE_NUMBERS, {2}, 1, 41, 2},
    {IDC_SWATCH_RANGE1, {43}, 1, 43, 31},
    {IDC_SWATCH_RANGE2, {44}, 1, 44, 31},
    {IDC_SWATCH_HIGHLIGHT, {14}, 1, 40, 14},
    {IDC_SWATCH_SHADOW, {12}, 1, 40, 12},
};

const Swatch* SwatchOf(int id)
{
    for (const Swatch& s : kSwatches)
        if (s.id == id)
            return &s;
    return nullptr;
}

// The built-in schemes: the entries of each row and their colour in schemes 0-3.
struct SchemeRow {
    int entries[4];
    int entryCount;
    COLORREF colors[4];
};
const SchemeRow kSchemes[] = {
    {{40}, 1, {RGB(255, 255, 255), RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0)}},
    {{41}, 1, {RGB(128, 128, 128), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 156)}},
    {{42}, 1, {RGB(255, 255, 192), RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 64)}},
    {{43}, 1, {RGB(248, 248, 248), RGB(232, 240, 232), RGB(248, 248, 248), RGB(96, 0, 0)}},
    {{44}, 1, {RGB(255, 255, 255), RGB(240, 240, 240), RGB(255, 255, 255), RGB(0, 0, 0)}},
    {{1, 3, 4, 33}, 4, {RGB(64, 64, 64), RGB(64, 64, 64), RGB(0, 0, 0), RGB(192, 192, 192)}},
    {{2}, 1, {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(192, 192, 192)}},
    {{5}, 1, {RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255)}},
    {{6}, 1, {RGB(128, 0, 128), RGB(128, 0, 128), RGB(128, 0, 128), RGB(255, 128, 255)}},
    {{9}, 1, {RGB(0, 128, 0), RGB(0, 128, 0), RGB(0, 128, 0), RGB(128, 255, 128)}},
    {{12}, 1, {RGB(128, 64, 64), RGB(128, 64, 64), RGB(128, 64, 64), RGB(128, 192, 192)}},
    {{14}, 1, {RGB(0, 0, 192), RGB(0, 0, 192), RGB(0, 0, 192), RGB(255, 255, 64)}},
    {{20}, 1, {RGB(0, 64, 128), RGB(0, 64, 128), RGB(0, 64, 128), RGB(255, 192, 128)}},
    {{21}, 1, {RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 0, 192), RGB(255, 255, 0)}},
    {{22}, 1, {RGB(255, 0, 0), RGB(255, 0, 0), RGB(192, 0, 0), RGB(0, 255, 255)}},
    {{23}, 1, {RGB(255, 0, 255), RGB(255, 0, 255), RGB(192, 0, 192), RGB(0, 255, 0)}},
    {{24}, 1, {RGB(255, 156, 0), RGB(255, 156, 0), RGB(192, 128, 0), RGB(0, 100, 255)}},
    {{25}, 1, {RGB(0, 192, 192), RGB(0, 192, 192), RGB(0, 128, 128), RGB(255, 64, 64)}},
    {{26}, 1, {RGB(0, 0, 192), RGB(0, 0, 192), RGB(0, 0, 192), RGB(255, 255, 64)}},
    {{27}, 1, {RGB(192, 0, 0), RGB(192, 0, 0), RGB(192, 0, 0), RGB(64, 255, 255)}},
    {{28}, 1, {RGB(192, 0, 192), RGB(192, 0, 192), RGB(192, 0, 192), RGB(64, 255, 64)}},
    {{29}, 1, {RGB(192, 128, 0), RGB(192, 128, 0), RGB(192, 128, 0), RGB(64, 128, 255)}},
    {{30}, 1, {RGB(0, 128, 128), RGB(0, 128, 128), RGB(0, 128, 128), RGB(255, 128, 128)}},
    {{31, 32, 34, 35}, 4, {RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255)}},
};

const char* const kSchemeNames[] = {"default color scheme", "light gray color scheme", "simplified color scheme",
                                    "reversed color scheme", "saved color schemes..."};
const int kSavedSchemesItem = 4;
const char kSchemeFilter[] = "配色方案文件 (*.配色)|*.配色||";
const char kSchemeHeader[] = "颜色设置 1.0";
const int kSchemeHeaderLength = sizeof kSchemeHeader - 1;
// File order: entries 40-49, then 0-39.
int EntryAtFilePosition(int position)
{
    return position < 10 ? 40 + position : position - 10;
}

int& ColorTab()
{
    static int tab = 0;
    return tab;
}

int& SchemeItem()
{
    static int item = 0;
    return item;
}

} // namespace

int& FontPageTab()
{
    static int tab = 0;
    return tab;
}

// 字体.

BEGIN_MESSAGE_MAP(CFontsPage, CPreferencesPage)
    ON_NOTIFY(TCN_SELCHANGE, IDC_FONT_TABS, OnFontTabChange)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, IDC_SCREEN_FONTS, IDC_PRINTER_FONTS, OnFontSelected)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, IDC_OTHER_FONTS, IDC_OTHER_FONTS, OnFontSelected)
    ON_NOTIFY_RANGE(NM_DBLCLK, IDC_SCREEN_FONTS, IDC_PRINTER_FONTS, OnFontDblClk)
    ON_NOTIFY_RANGE(NM_DBLCLK, IDC_OTHER_FONTS, IDC_OTHER_FONTS, OnFontDblClk)
END_MESSAGE_MAP()

void CFontsPage::Exchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_FONT_TABS, m_fontTabs);
    DDX_Control(dx, IDC_SCREEN_FONTS, m_fontLists[0]);
    DDX_Control(dx, IDC_PRINTER_FONTS, m_fontLists[1]);
    DDX_Control(dx, IDC_OTHER_FONTS, m_fontLists[2]);
}

void CFontsPage::Init()
{
    const UINT tabs[3] = {IDS_SCREEN_FONTS_TAB, IDS_PRINTER_FONTS_TAB, IDS_OTHER_FONTS_TAB};
    for (int i = 0; i < 3; ++i)
        m_fontTabs.InsertItem(i, LoadResourceText(tabs[i]));
    if (FontPageTab() < 0 || FontPageTab() > 2)
        FontPageTab() = 0;
    m_fontTabs.SetCurSel(FontPageTab());
    for (CListCtrl& list : m_fontLists) {
        list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
        list.InsertColumn(0, LoadResourceText(IDS_FONT_RANGE_COLUMN), LVCFMT_LEFT, 100);
        list.InsertColumn(1, LoadResourceText(IDS_FONT_NAME_COLUMN), LVCFMT_LEFT, 150);
        list.InsertColumn(2, LoadResourceText(IDS_FONT_SIZE_COLUMN), LVCFMT_LEFT, 65);
    }
}

void CFontsPage::LoadControls()
{
    const CEditorSettings& s = Settings();
    m_fonts[0] = s.screenFonts;
    m_fonts[1] = s.printerFonts;
    m_fonts[2] = s.otherFonts;
    m_fontRow[0] = s.screenFontSlot < kFontRowCounts[0] ? s.screenFontSlot : 0;
    m_fontRow[1] = s.printerFontSlot < kFontRowCounts[1] ? s.printerFontSlot : 0;
    m_fontRow[2] = OtherFontRow();
    for (int list = 0; list < 3; ++list) {
        for (int row = 0; row < kFontRowCounts[list]; ++row) {
            m_fontLists[list].InsertItem(row, FontRowLabel(list, row));
            ShowFontRow(list, row);
        }
        m_fontLists[list].SetItemState(m_fontRow[list], LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
}

void CFontsPage::Apply()
{
    CEditorSettings& s = Settings();
    s.screenFonts = m_fonts[0];
    s.printerFonts = m_fonts[1];
    s.otherFonts = m_fonts[2];
    s.screenFontSlot = m_fontRow[0];
    s.printerFontSlot = m_fontRow[1];
}

int CFontsPage::OpenTab() const
{
    return FontPageTab();
}

void CFontsPage::ShowFontRow(int list, int row)
{
    const LOGFONTA& font = m_fonts[list][(size_t)row];
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, font.lfFaceName, LF_FACESIZE);
    CString size;
    size.Format("%d", (int)(font.lfHeight / 10));
    m_fontLists[list].SetItemText(row, 1, face);
    m_fontLists[list].SetItemText(row, 2, size);
}

void CFontsPage::OnFontTabChange(NMHDR*, LRESULT* result)
{
    FontPageTab() = m_fontTabs.GetCurSel();
    ShowControls();
    *result = 0;
}

void CFontsPage::OnFontSelected(UINT id, NMHDR* header, LRESULT* result)
{
    auto* change = reinterpret_cast<NMLISTVIEW*>(header);
    const int list = id == IDC_SCREEN_FONTS ? 0 : id == IDC_PRINTER_FONTS ? 1 : 2;
    if (!Filling() && change->iItem >= 0 && (change->uNewState & LVIS_SELECTED)) {
        m_fontRow[list] = change->iItem;
        if (list == 2)
            OtherFontRow() = change->iItem;
    }
    *result = 0;
}

void CFontsPage::OnFontDblClk(UINT id, NMHDR* header, LRESULT* result)
{
    auto* click = reinterpret_cast<NMITEMACTIVATE*>(header);
    const int list = id == IDC_SCREEN_FONTS ? 0 : id == IDC_PRINTER_FONTS ? 1 : 2;
    if (click->iItem >= 0 && click->iItem < kFontRowCounts[list]) {
        m_fontRow[list] = click->iItem;
        ChooseFont(list, click->iItem);
    }
    *result = 0;
}

void CFontsPage::ChooseFont(int list, int row)
{
    LOGFONTA font = m_fonts[list][(size_t)row];
    font.lfHeight = -::MulDiv(font.lfHeight, ScreenLogPixelsY(), 720);
    DWORD flags = CF_EFFECTS | CF_SCREENFONTS;
    // The printer list is the application's printer's (the default printer until one is
    // chosen); without a printer the dialog lists screen fonts only.
    CDC printer;
    const bool printerFonts = list == 1 && AfxGetPrinterChoice().CreatePrinterDC(printer);
    if (printerFonts)
        flags |= CF_PRINTERFONTS;
    if (list == 2 && row == kColumnModeRow)
        flags |= CF_FIXEDPITCHONLY;
    CFontDialog dialog(&font, flags, printerFonts ? &printer : nullptr, &Dialog());
    if (dialog.DoModal() != IDOK)
        return;
    dialog.GetCurrentFont(&font);
    font.lfHeight = dialog.GetSize();
    m_fonts[list][(size_t)row] = font;
    ShowFontRow(list, row);
}

// 颜色. STN_CLICKED shares its code with BN_CLICKED, and the swatches' id range holds buttons
// of other pages: OnCmdMsg lets only a swatch's click through.

BEGIN_MESSAGE_MAP(CColorsPage, CPreferencesPage)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_BACKGROUND, IDC_SWATCH_STRING, OnSwatchClicked)
    ON_NOTIFY(TCN_SELCHANGE, IDC_COLOR_TABS, OnColorTabChange)
    ON_CBN_SELCHANGE(IDC_COLOR_SCHEMES, OnSchemeChange)
    ON_BN_CLICKED(IDC_LOAD_COLORS, OnLoadColors)
    ON_BN_CLICKED(IDC_SAVE_COLORS, OnSaveColors)
END_MESSAGE_MAP()

CColorsPage::CColorsPage(const PreferencesPageContext& context) : CPreferencesPage(context)
{
    std::copy(Settings().view.colors, Settings().view.colors + kColorCount, m_colors);
}

CColorsPage::~CColorsPage()
{
    if (m_swatchBrush)
        ::DeleteObject(m_swatchBrush);
}

BOOL CColorsPage::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    if (code == STN_CLICKED && id >= IDC_SWATCH_BACKGROUND && id <= IDC_SWATCH_STRING && !SwatchOf((int)id))
        return FALSE;
    return CPreferencesPage::OnCmdMsg(id, code, extra, handlerInfo);
}

void CColorsPage::Exchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_COLOR_TABS, m_colorTabs);
}

void CColorsPage::Init()
{
    const UINT tabs[3] = {IDS_GENERAL_COLORS_TAB, IDS_KEYWORD_COLORS_TAB, IDS_OTHER_COLORS_TAB};
    for (int i = 0; i < 3; ++i)
        m_colorTabs.InsertItem(i, LoadResourceText(tabs[i]));
    m_colorTabs.SetCurSel(ColorTab());
    for (const char* name : kSchemeNames)
        Dialog().SendDlgItemMessage(IDC_COLOR_SCHEMES, CB_ADDSTRING, 0, (LPARAM)name);
    Dialog().SendDlgItemMessage(IDC_COLOR_SCHEMES, CB_SETCURSEL, (WPARAM)SchemeItem());
}

void CColorsPage::LoadControls()
{
    std::copy(Settings().view.colors, Settings().view.colors + kColorCount, m_colors);
}

void CColorsPage::Apply()
{
    std::copy(m_colors, m_colors + kColorCount, Settings().view.colors);
}

int CColorsPage::OpenTab() const
{
    return m_colorTabs.GetCurSel();
}

void CColorsPage::SetPresetColors(int scheme)
{
    const int column = scheme < 0 ? 0 : scheme > 3 ? 3 : scheme;
    for (const SchemeRow& row : kSchemes)
        for (int i = 0; i < row.entryCount; ++i)
            m_colors[row.entries[i]] = row.colors[column];
}

bool CColorsPage::ReadSchemeFile(const char* path)
{
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    unsigned char bytes[kSchemeHeaderLength + kColorCount * 4];
    const size_t got = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    if (got < (size_t)kSchemeHeaderLength || std::memcmp(bytes, kSchemeHeader, kSchemeHeaderLength) != 0)
        return false;
    // Whole colours only: a trailing part of an entry is ignored, and a value that is no
    // colour (its high byte set) refuses the whole file.
    const int count = (int)(got - kSchemeHeaderLength) / 4;
    uint32_t read[kColorCount];
    for (int i = 0; i < count; ++i) {
        const unsigned char* p = bytes + kSchemeHeaderLength + 4 * i;
        read[i] = p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
        if (read[i] >> 24)
            return false;
    }
    for (int i = 0; i < count; ++i)
        m_colors[EntryAtFilePosition(i)] = read[i];
    return true;
}

bool CColorsPage::WriteSchemeFile(const char* path) const
{
    return SaveColorScheme(path, m_colors);
}

void CColorsPage::RedrawColorSwatches()
{
    for (const Swatch& s : kSwatches)
        Dialog().GetDlgItem(s.id)->Invalidate();
}

void CColorsPage::OnSwatchClicked(UINT id)
{
    const Swatch* swatch = SwatchOf((int)id);
    if (!swatch)
        return;
    CColorDialog dialog(m_colors[swatch->entries[0]], CC_FULLOPEN, &Dialog());
    if (dialog.DoModal() != IDOK)
        return;
    for (int i = 0; i < swatch->entryCount; ++i)
        m_colors[swatch->entries[i]] = dialog.GetColor();
    RedrawColorSwatches();
}

void CColorsPage::OnColorTabChange(NMHDR*, LRESULT* result)
{
    ColorTab() = m_colorTabs.GetCurSel();
    ShowControls();
    *result = 0;
}

void CColorsPage::OnSchemeChange()
{
    SchemeItem() = (int)Dialog().SendDlgItemMessage(IDC_COLOR_SCHEMES, CB_GETCURSEL);
}

void CColorsPage::OnLoadColors()
{
    const int item = (int)Dialog().SendDlgItemMessage(IDC_COLOR_SCHEMES, CB_GETCURSEL);
    if (item < 0)
        return;
    if (item < kSavedSchemesItem) {
        SetPresetColors(item);
    } else {
        CString path = ChooseFile(true, kSchemeFilter, "加载配色方案", nullptr, "配置", "");
        if (!path.IsEmpty())
            ReadSchemeFile(path);
    }
    RedrawColorSwatches();
}

void CColorsPage::OnSaveColors()
{
    CString path = ChooseFile(false, kSchemeFilter, "保存配色方案", ".配色", "配置", "");
    if (!path.IsEmpty())
        WriteSchemeFile(path);
}

HBRUSH CColorsPage::SwatchBrush(CDC* dc, CWnd* control)
{
    const Swatch* swatch = control ? SwatchOf(control->GetDlgCtrlID()) : nullptr;
    if (!swatch)
        return nullptr;
    if (m_swatchBrush)
        ::DeleteObject(m_swatchBrush);
    m_swatchBrush = ::CreateSolidBrush(m_colors[swatch->fill]);
    ::SetTextColor(dc->GetSafeHdc(), m_colors[swatch->text]);
    ::SetBkMode(dc->GetSafeHdc(), TRANSPARENT);
    return m_swatchBrush;
}
