#include "framework/CommonDialogs.h"
#include "framework/DialogDriver.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The dialog's control ids of the system templates.
const int kFilterCombo = 0x470;      // cmb1: file types; font faces in the font dialog
const int kFileNameCombo = 0x47c;    // cmb13: the file name of explorer-style dialogs
const int kFileNameEdit = 0x480;     // edt1: the file name of older templates

std::vector<std::string> SplitAtZeros(const std::string& list)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < list.size() && list[start] != '\0') {
        size_t end = list.find('\0', start);
        parts.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::vector<std::string> ComboItems(DialogDriver& driver, int id)
{
    std::vector<std::string> items;
    for (int i = 0; i < driver.GetCount(id); ++i)
        items.push_back((LPCTSTR)driver.GetItemText(id, i));
    return items;
}

bool TypeFileName(DialogDriver& driver, const char* name)
{
    return driver.SetText(driver.Item(kFileNameCombo) ? kFileNameCombo : kFileNameEdit, name);
}

} // namespace

// "纜" is 0xC0 0x7C in GBK: its trail byte is the byte of '|'.
TEST(FileDialogFilterTest, RegressionTrailByteOfBarIsNotASeparator)
{
    std::string list = FileDialogFilterList("纜文件 (*.纜)|*.纜|全部 (*.*)|*.*||");
    std::vector<std::string> parts = SplitAtZeros(list);
    ASSERT_EQ(4u, parts.size());
    EXPECT_EQ("纜文件 (*.纜)", parts[0]);
    EXPECT_EQ("*.纜", parts[1]);
    EXPECT_EQ("全部 (*.*)", parts[2]);
    EXPECT_EQ("*.*", parts[3]);
}

TEST(FileDialogFilterTest, ListAlwaysEndsInTwoZeros)
{
    struct Case {
        const char* filter;
        size_t parts;
    } cases[] = {{"", 0}, {"文本|*.txt", 2}, {"文本|*.txt|", 2}, {"文本|*.txt||", 2}};
    for (const Case& c : cases) {
        std::string list = FileDialogFilterList(c.filter);
        ASSERT_GE(list.size(), 2u);
        EXPECT_EQ(std::string(2, '\0'), list.substr(list.size() - 2)) << c.filter;
        EXPECT_EQ(c.parts, SplitAtZeros(list).size()) << c.filter;
    }
    EXPECT_EQ(std::string(2, '\0'), FileDialogFilterList(nullptr));
}

TEST(FileDialogTest, OpenDialogShowsTitleFiltersAndFilterIndexAndCancels)
{
    TempDir folder;
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                       "纜文件 (*.纜)|*.纜|项目文件 (*.项目)|*.项目||");
    dialog.m_ofn.lpstrTitle = "打开项目";
    dialog.m_ofn.nFilterIndex = 2;
    std::string initialFolder = folder.Path();
    dialog.m_ofn.lpstrInitialDir = initialFolder.c_str();

    std::string title;
    std::vector<std::string> filters;
    int selectedFilter = -1;
    DialogDriver driver({[&](DialogDriver& d) {
        title = (LPCTSTR)d.Caption();
        filters = ComboItems(d, kFilterCombo);
        selectedFilter = d.GetSelection(kFilterCombo);
        d.PressCancel();
    }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(1, driver.ScriptsRun());
    EXPECT_EQ(0, driver.LeftOpenCount());
    EXPECT_EQ("打开项目", title);
    ASSERT_EQ(2u, filters.size());
    EXPECT_EQ("纜文件 (*.纜)", filters[0]);
    EXPECT_EQ("项目文件 (*.项目)", filters[1]);
    EXPECT_EQ(1, selectedFilter);
}

TEST(FileDialogTest, MultipleSelectionGivesEachFullPath)
{
    TempDir folder;
    folder.WriteFile("甲.txt", "x");
    folder.WriteFile("乙.txt", "x");
    std::vector<char> names(4096, '\0');
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT,
                       "文本 (*.txt)|*.txt||");
    dialog.m_ofn.lpstrFile = names.data();
    dialog.m_ofn.nMaxFile = (DWORD)names.size();
    std::string initialFolder = folder.Path();
    dialog.m_ofn.lpstrInitialDir = initialFolder.c_str();
    DialogDriver driver({[](DialogDriver& d) {
        EXPECT_TRUE(TypeFileName(d, "\"甲.txt\" \"乙.txt\""));
        d.PressOK();
    }});
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(0, driver.LeftOpenCount());
    std::vector<std::string> paths;
    POSITION position = dialog.GetStartPosition();
    while (position && paths.size() < 5)
        paths.push_back((LPCTSTR)dialog.GetNextPathName(position));
    ASSERT_EQ(2u, paths.size());
    EXPECT_EQ(folder.Path() + "\\甲.txt", paths[0]);
    EXPECT_EQ(folder.Path() + "\\乙.txt", paths[1]);
}

TEST(FileDialogTest, SaveDialogAppendsTheDefaultExtensionWithoutItsDot)
{
    TempDir folder;
    CFileDialog dialog(FALSE, ".项目", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "项目文件 (*.项目)|*.项目||");
    std::string initialFolder = folder.Path();
    dialog.m_ofn.lpstrInitialDir = initialFolder.c_str();
    DialogDriver driver({[](DialogDriver& d) {
        EXPECT_TRUE(TypeFileName(d, "新项目"));
        d.PressOK();
    }});
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ((folder.Path() + "\\新项目.项目").c_str(), dialog.GetPathName());
    EXPECT_STREQ("新项目.项目", dialog.GetFileName());
    EXPECT_STREQ("项目", dialog.GetFileExt());
    EXPECT_STREQ("新项目", dialog.GetFileTitle());
    EXPECT_EQ(1u, dialog.m_ofn.nFilterIndex);
}

TEST(FileDialogTest, SinglePathIteratesOnceAndEmptyNotAtAll)
{
    CFileDialog dialog(TRUE, nullptr, "C:\\目录\\文件.txt");
    POSITION position = dialog.GetStartPosition();
    ASSERT_NE(nullptr, position);
    EXPECT_STREQ("C:\\目录\\文件.txt", dialog.GetNextPathName(position));
    EXPECT_EQ(nullptr, position);
    EXPECT_STREQ("文件.txt", dialog.GetFileName());

    CFileDialog empty(TRUE);
    EXPECT_EQ(nullptr, empty.GetStartPosition());
    EXPECT_STREQ("", empty.GetFileExt());
}

TEST(ColorDialogTest, InitialColourIsHonoured)
{
    CColorDialog dialog(RGB(12, 34, 56));
    DialogDriver driver({[](DialogDriver& d) { d.PressOK(); }});
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1, driver.ScriptsRun());
    EXPECT_EQ(RGB(12, 34, 56), dialog.GetColor());
}

TEST(ColorDialogTest, CancelKeepsTheColour)
{
    CColorDialog dialog(RGB(200, 100, 0));
    DialogDriver driver({[](DialogDriver& d) { d.PressCancel(); }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(RGB(200, 100, 0), dialog.GetColor());
}

TEST(FontDialogTest, FixedPitchOnlyOffersFewerFaces)
{
    auto facesOffered = [](DWORD flags) {
        CFontDialog dialog(nullptr, flags);
        std::vector<std::string> faces;
        DialogDriver driver({[&](DialogDriver& d) {
            faces = ComboItems(d, kFilterCombo);
            d.PressCancel();
        }});
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        return faces;
    };
    std::vector<std::string> all = facesOffered(CF_SCREENFONTS);
    std::vector<std::string> fixed = facesOffered(CF_SCREENFONTS | CF_FIXEDPITCHONLY);
    ASSERT_FALSE(all.empty());
    EXPECT_LT(fixed.size(), all.size());
    for (const std::string& face : fixed)
        EXPECT_NE(all.end(), std::find(all.begin(), all.end(), face)) << face;
}

TEST(FontDialogTest, PrinterFontsWithoutAPrinterStillOfferScreenFonts)
{
    CFontDialog dialog(nullptr, CF_BOTH | CF_EFFECTS);
    std::vector<std::string> faces;
    DialogDriver driver({[&](DialogDriver& d) {
        faces = ComboItems(d, kFilterCombo);
        d.PressCancel();
    }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(1, driver.ScriptsRun());
    EXPECT_FALSE(faces.empty());
    EXPECT_EQ((DWORD)(CF_BOTH | CF_EFFECTS), dialog.m_cf.Flags & (CF_BOTH | CF_EFFECTS));
    EXPECT_EQ(nullptr, dialog.m_cf.hDC);
}

TEST(FontDialogTest, OkReturnsTheInitialFont)
{
    LOGFONT initial = {};
    initial.lfHeight = -16;
    initial.lfWeight = FW_BOLD;
    initial.lfCharSet = DEFAULT_CHARSET;
    lstrcpy(initial.lfFaceName, "宋体");
    CFontDialog dialog(&initial, CF_SCREENFONTS | CF_EFFECTS);
    DialogDriver driver({[](DialogDriver& d) { d.PressOK(); }});
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(dialog.IsBold());
    EXPECT_FALSE(dialog.IsItalic());
    EXPECT_GT(dialog.GetSize(), 0);
    EXPECT_FALSE(dialog.GetFaceName().IsEmpty());
}

TEST(PrintDialogTest, PrintSetUpOpensAndCancels)
{
    DWORD needed = 0;
    DWORD count = 0;
    ::EnumPrinters(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    if (needed == 0)
        GTEST_SKIP() << "no printer installed";
    CPrintDialog dialog(TRUE);
    DialogDriver driver({[](DialogDriver& d) { d.PressCancel(); }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(1, driver.ScriptsRun());
}

TEST(PrintDialogTest, NamesAreEmptyWithoutADevice)
{
    CPrintDialog dialog(TRUE);
    EXPECT_STREQ("", dialog.GetDeviceName());
    EXPECT_EQ(nullptr, dialog.CreatePrinterDC());
}
