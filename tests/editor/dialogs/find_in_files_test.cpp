#include "editor/dialogs/FindInFilesDlg.h"
#include "editor/res/resource.h"
#include "framework/DialogDriver.h"

#include <gtest/gtest.h>

namespace {

void Fill(DialogDriver& d, const char* text, const char* types, const char* folder)
{
    d.SetText(IDC_FIND_TEXT, text);
    d.SetText(IDC_FILE_TYPES, types);
    d.SetText(IDC_SEARCH_FOLDER, folder);
}

} // namespace

TEST(FindInFilesDialogTest, FirstUseOffersTheFirstPatternsAndTheCurrentFolder)
{
    CFindInFilesDlg dialog;
    char current[MAX_PATH] = "";
    ::GetCurrentDirectory(sizeof current, current);
    CString types, folder;
    int typeCount = 0;
    bool findEnabled = true, projectEnabled = true, browseEnabled = true;
    DialogDriver driver{[&](DialogDriver& d) {
        types = d.GetText(IDC_FILE_TYPES);
        typeCount = d.GetCount(IDC_FILE_TYPES);
        folder = d.GetText(IDC_SEARCH_FOLDER);
        findEnabled = d.IsEnabled(IDC_FIND_NEXT);
        projectEnabled = d.IsEnabled(IDC_IN_PROJECT);
        browseEnabled = d.IsEnabled(IDC_BROWSE_FOLDER);
        d.Click(IDC_FIND_NEXT);  // nothing to find: stays open
        d.PressCancel();
    }};
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_STREQ("*.墨;*.接口;*.定义;*.墨双", types);
    EXPECT_EQ(6, typeCount);
    EXPECT_STREQ(current, folder);
    EXPECT_FALSE(findEnabled);
    EXPECT_FALSE(projectEnabled);
    EXPECT_FALSE(browseEnabled) << "no folder browser was given";
}

TEST(FindInFilesDialogTest, InProjectSwitchesTheFolderControlsOff)
{
    CFindInFilesDlg dialog;
    dialog.m_projectAvailable = 1;
    bool folderOn = false, subfoldersOn = false, folderAfter = true, subfoldersAfter = true, again = false;
    DialogDriver driver{[&](DialogDriver& d) {
        folderOn = d.IsEnabled(IDC_SEARCH_FOLDER);
        subfoldersOn = d.IsEnabled(IDC_SUBFOLDERS);
        d.Click(IDC_IN_PROJECT);
        folderAfter = d.IsEnabled(IDC_SEARCH_FOLDER);
        subfoldersAfter = d.IsEnabled(IDC_SUBFOLDERS);
        d.Click(IDC_IN_PROJECT);
        again = d.IsEnabled(IDC_SEARCH_FOLDER) && d.IsEnabled(IDC_SUBFOLDERS);
        d.PressCancel();
    }};
    dialog.DoModal();
    EXPECT_TRUE(folderOn && subfoldersOn);
    EXPECT_FALSE(folderAfter);
    EXPECT_FALSE(subfoldersAfter);
    EXPECT_TRUE(again);
}

TEST(FindInFilesDialogTest, TheThreeButtonsKeepTheirHistoriesAndFolders)
{
    CFindInFilesDlg dialog;
    DialogDriver driver;

    // Last folder before any search acts as Find; a known pattern list keeps its place.
    driver.Queue([](DialogDriver& d) {
        Fill(d, "主函数", "*.c;*.h;*.cpp;*.hpp", "C:\\a\\b\\");
        d.Click(IDC_SUBFOLDERS);
        d.Click(IDC_FIND_IN_LAST_FOLDER);
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("C:\\a\\b\\", dialog.m_folder);
    EXPECT_STREQ("C:\\a\\b\\", dialog.GetLastFolder());
    EXPECT_EQ(1, dialog.m_subfolders);
    EXPECT_STREQ("*.c;*.h;*.cpp;*.hpp", dialog.GetFileTypeHistory().Entries()[2]);

    // Last folder with a folder typed: the last folder is searched, its history unchanged,
    // and the pattern list moves to the front.
    driver.Queue([](DialogDriver& d) {
        Fill(d, "主函数", "*.c;*.h;*.cpp;*.hpp", "D:\\other");
        d.Click(IDC_FIND_IN_LAST_FOLDER);
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("C:\\a\\b\\", dialog.m_folder);
    EXPECT_STREQ("*.c;*.h;*.cpp;*.hpp", dialog.GetFileTypeHistory().Latest());
    EXPECT_EQ(1u, dialog.GetFolderHistory().GetCount());
    EXPECT_EQ(1u, dialog.GetFindHistory().GetCount());

    // The parent folder: one trailing separator dropped; a drive has no parent.
    const struct {
        const char* typed;
        const char* searched;
    } parents[] = {{"C:\\a\\b\\", "C:\\a"}, {"C:", "C:"}, {"E:/x/y", "E:/x"}};
    for (const auto& p : parents) {
        driver.Queue([&](DialogDriver& d) {
            Fill(d, "返回", "*.*", p.typed);
            d.Click(IDC_FIND_IN_PARENT_FOLDER);
        });
        ASSERT_EQ(IDOK, dialog.DoModal());
        EXPECT_STREQ(p.searched, dialog.m_folder) << p.typed;
        EXPECT_STREQ(p.searched, dialog.GetFolderHistory().Latest()) << p.typed;
    }
    EXPECT_STREQ("C:\\a\\b\\", dialog.GetLastFolder()) << "only Find sets the last folder";
    EXPECT_STREQ("返回", dialog.GetFindHistory().Latest());
    EXPECT_EQ(2u, dialog.GetFindHistory().GetCount());
}

TEST(FindInFilesDialogTest, BrowseReplacesTheFolderOnlyWhenOneIsChosen)
{
    CFindInFilesDlg dialog;
    dialog.m_folder = "C:\\start";
    CString askedTitle, askedStart, afterChoice, afterCancel;
    bool choose = true;
    dialog.m_chooseFolder = [&](const CString& title, CString& folder) {
        askedTitle = title;
        askedStart = folder;
        folder = "C:\\chosen";
        return choose;
    };
    DialogDriver driver{[&](DialogDriver& d) {
        d.Click(IDC_BROWSE_FOLDER);
        afterChoice = d.GetText(IDC_SEARCH_FOLDER);
        choose = false;
        d.SetText(IDC_SEARCH_FOLDER, "C:\\kept");
        d.Click(IDC_BROWSE_FOLDER);
        afterCancel = d.GetText(IDC_SEARCH_FOLDER);
        d.PressCancel();
    }};
    dialog.DoModal();
    EXPECT_STREQ("选择欲搜索的目录:", askedTitle);
    EXPECT_STREQ("C:\\kept", askedStart);
    EXPECT_STREQ("C:\\chosen", afterChoice);
    EXPECT_STREQ("C:\\kept", afterCancel);
    EXPECT_STREQ("C:\\start", dialog.m_folder) << "cancel keeps the member";
}
