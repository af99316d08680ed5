#include <gtest/gtest.h>

#include "editor/dialogs/FtpAccountsDlg.h"
#include "editor/res/resource.h"
#include "framework/DialogDriver.h"
#include "ListViewDriving.h"

#include <commctrl.h>

namespace {

const int kCount = 16;

struct AccountTable {
    CFtpSiteRecord records[kCount];
    AccountTable()
    {
        records[0].title = "甲";
        records[0].host = "a.example";
        records[1].title = "乙";
        records[1].host = "b.example";
        records[1].user = "u";
    }
};

// Runs the accounts dialog over the table with the script and takes the table back after OK.
int RunAccounts(AccountTable& table, DialogDriver::Script script)
{
    DialogDriver driver{script};
    CFtpAccountsDlg dialog;
    dialog.SetAccounts(kCount, table.records);
    const int result = dialog.DoModal();
    if (result == IDOK)
        dialog.GetAccounts(kCount, table.records);
    EXPECT_EQ(0, driver.LeftOpenCount());
    return result;
}

} // namespace

TEST(FtpAccountsDialog, FieldsWriteThroughTrimmedAndRowsFollow)
{
    AccountTable table;
    ASSERT_EQ(IDOK, RunAccounts(table, [](DialogDriver& d) {
        EXPECT_EQ(kCount, ListRows(d.Item(IDC_FTP_ACCOUNTS)));
        EXPECT_STREQ("甲", d.GetText(1101));
        EXPECT_STREQ("甲 [ftp://a.example]", ListText(d.Item(IDC_FTP_ACCOUNTS), 0));
        d.SetText(1101, "  本机  ");
        d.SetText(1124, " moyu ");
        d.SetText(IDC_FTP_PASSWORD, "  pw ");
        d.SetText(1067, " /home ");
        d.Click(IDC_FTP_SAVE_PASSWORD);
        EXPECT_STREQ("本机 [ftp://moyu@a.example]", ListText(d.Item(IDC_FTP_ACCOUNTS), 0));
        d.PressOK();
    }));
    EXPECT_STREQ("本机", table.records[0].title);
    EXPECT_STREQ("moyu", table.records[0].user);
    EXPECT_STREQ("  pw ", table.records[0].password);
    EXPECT_STREQ("/home", table.records[0].folder);
    EXPECT_EQ(1, table.records[0].savePassword);
}

TEST(FtpAccountsDialog, MoveDeleteAndCancel)
{
    AccountTable table;
    ASSERT_EQ(IDOK, RunAccounts(table, [](DialogDriver& d) {
        EXPECT_TRUE(ShowsIcon(d.Item(IDC_FTP_UP)));
        EXPECT_TRUE(ShowsIcon(d.Item(IDC_FTP_DOWN)));
        d.Click(IDC_FTP_UP);  // the first row cannot go up
        EXPECT_STREQ("甲", d.GetText(1101));
        d.Click(IDC_FTP_DOWN);
        EXPECT_EQ(1, ListSelection(d.Item(IDC_FTP_ACCOUNTS)));
        EXPECT_STREQ("甲", d.GetText(1101));
        ListSelect(d.Item(IDC_FTP_ACCOUNTS), kCount - 1);
        d.SetText(1101, "末");
        d.Click(IDC_FTP_DOWN);  // nor the last one down
        EXPECT_EQ(kCount - 1, ListSelection(d.Item(IDC_FTP_ACCOUNTS)));
        ListSelect(d.Item(IDC_FTP_ACCOUNTS), 0);
        d.Click(IDC_FTP_DELETE);
        EXPECT_STREQ("- 空 -", ListText(d.Item(IDC_FTP_ACCOUNTS), 0));
        EXPECT_STREQ("", d.GetText(1100));
        d.PressOK();
    }));
    EXPECT_TRUE(table.records[0].title.IsEmpty());
    EXPECT_EQ(21, table.records[0].port);
    EXPECT_STREQ("甲", table.records[1].title);
    EXPECT_STREQ("末", table.records[kCount - 1].title);

    ASSERT_EQ(IDCANCEL, RunAccounts(table, [](DialogDriver& d) {
        d.SetText(1101, "changed");
        d.PressCancel();
    }));
    EXPECT_TRUE(table.records[0].title.IsEmpty());
}

TEST(FtpAdvancedDialog, PortAndClientChoices)
{
    DialogDriver driver{[](DialogDriver& d) {
        EXPECT_EQ(1, d.GetCount(IDC_FTP_SERVER_TYPE));
        EXPECT_STREQ("Generic FTP Server", d.GetItemText(IDC_FTP_SERVER_TYPE, 0));
        EXPECT_TRUE(d.IsEnabled(IDC_FTP_PORT));
        EXPECT_STREQ("2121", d.GetText(IDC_FTP_PORT));
        d.Click(IDC_FTP_DEFAULT_PORT);
        EXPECT_STREQ("21", d.GetText(IDC_FTP_PORT));
        EXPECT_FALSE(d.IsEnabled(IDC_FTP_PORT));
        d.Click(IDC_FTP_DEFAULT_PORT);
        EXPECT_TRUE(d.IsEnabled(IDC_FTP_PORT));
        d.SetText(IDC_FTP_PORT, "990");
        d.Click(IDC_FTP_USE_WININET);
        EXPECT_EQ(0, d.GetSelection(IDC_FTP_SERVER_TYPE));
        EXPECT_FALSE(d.IsEnabled(IDC_FTP_SERVER_TYPE));
        d.Click(IDC_FTP_PASSIVE);
        d.PressOK();
    }};
    CFtpAdvancedDlg dialog;
    dialog.m_port = 2121;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(990, dialog.m_port);
    EXPECT_EQ(1, dialog.m_useInternetClasses);
    EXPECT_EQ(1, dialog.m_passive);
    EXPECT_EQ(0, dialog.m_serverType);
}
