#include <gtest/gtest.h>

#include "NetTestSupport.h"

#include "editor/dialogs/RemoteOpenDlg.h"
#include "editor/res/resource.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"
#include "ListViewDriving.h"

#include <cstdio>

namespace {

class RemoteOpenDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(0u, m_server.Port());
        for (const char* name : {"a.c", "b.c", "sub\\c.c"}) {
            FILE* f = fopen((m_server / name).c_str(), "wb");
            ASSERT_NE(nullptr, f);
            fputs(name, f);
            fclose(f);
        }
        m_account.title = "本机";
        m_account.host = "127.0.0.1";
        m_account.port = static_cast<int>(m_server.Port());
        m_account.user = LocalFtpServer::kUser;
        m_account.password = LocalFtpServer::kPassword;
        m_account.savePassword = 1;
        m_account.passive = 1;
    }

    int Run(int mode, DialogDriver::Script script)
    {
        DialogDriver driver{script};
        CRemoteOpenDlg dialog(mode, nullptr, "C (*.c)|*.c|All Files (*.*)|*.*|");
        dialog.SetAccounts(1, &m_account);
        const int result = dialog.DoModal();
        dialog.GetAccounts(1, &m_account);
        m_selection.RemoveAll();
        m_selection.Append(dialog.m_selection);
        EXPECT_EQ(0, driver.LeftOpenCount());
        return result;
    }

    LocalFtpServer m_server;
    CFtpSiteRecord m_account;
    RemoteSelection m_selection;
};

} // namespace

TEST_F(RemoteOpenDialog, OpenSeveralFilesInListOrder)
{
    ASSERT_EQ(IDOK, Run(1, [](DialogDriver& d) {
        HWND files = d.Item(IDC_REMOTE_FILES);
        EXPECT_FALSE(d.IsEnabled(IDOK));
        EXPECT_EQ(0, ListRows(files));
        EXPECT_STREQ("(&O)打开", d.GetText(IDOK));
        d.Click(IDC_REMOTE_CONNECT);
        EXPECT_TRUE(d.IsEnabled(IDOK));
        EXPECT_STREQ("/", d.GetText(IDC_REMOTE_OPEN_FOLDER));
        EXPECT_FALSE(d.IsEnabled(IDC_REMOTE_PARENT));  // no ".." at the top
        ASSERT_EQ(4, ListRows(files));
        // Each entry's picture says what it is: a folder, a link, files.
        const struct {
            const char* name;
            int image;
        } expected[] = {{"sub", 2}, {"www", 1}, {"a.c", 3}, {"b.c", 3}};
        for (int i = 0; i < 4; ++i) {
            EXPECT_STREQ(expected[i].name, ListText(files, i));
            EXPECT_EQ(expected[i].image, ListImage(files, i));
        }
        HIMAGELIST images = (HIMAGELIST)SendMessageA(files, LVM_GETIMAGELIST, LVSIL_SMALL, 0);
        EXPECT_EQ(4, ImageList_GetImageCount(images));
        for (int id : {IDC_REMOTE_PARENT, IDC_REMOTE_CREATE_FOLDER, IDC_REMOTE_ACCOUNTS_BUTTON})
            EXPECT_TRUE(ShowsIcon(d.Item(id))) << id;
        ListSelect(files, 2);
        ListSelect(files, 3, true);
        EXPECT_STREQ("\"b.c\" \"a.c\" ", d.GetText(IDC_REMOTE_FILE_NAME));
        d.PressOK();
    }));
    ASSERT_EQ(2, m_selection.GetSize());
    EXPECT_STREQ("/a.c\n3", m_selection[0]);
    EXPECT_STREQ("/b.c\n3", m_selection[1]);
}

TEST_F(RemoteOpenDialog, TypedNamesEnterFoldersAndFindFilesWhateverTheirCase)
{
    ScopedMessageBoxHook boxes;
    ASSERT_EQ(IDOK, Run(1, [&](DialogDriver& d) {
        d.Click(IDC_REMOTE_CONNECT);
        d.SetText(IDC_REMOTE_FILE_NAME, "SUB");
        d.PressOK();
        EXPECT_STREQ("/sub", d.GetText(IDC_REMOTE_OPEN_FOLDER));
        EXPECT_TRUE(d.IsEnabled(IDC_REMOTE_PARENT));
        EXPECT_STREQ("..", ListText(d.Item(IDC_REMOTE_FILES), 0));
        d.SetText(IDC_REMOTE_FILE_NAME, "nope.c");
        d.PressOK();
        EXPECT_STREQ("nope.c\nThere is no such file!", boxes.Last().text);
        d.SetText(IDC_REMOTE_FILE_NAME, "C.C");
        d.PressOK();
    }));
    EXPECT_STREQ("/sub/c.c\n7", m_selection[0]);
    EXPECT_STREQ("/sub", m_account.folder);  // the copy handed back knows the folder
}

TEST_F(RemoteOpenDialog, SaveNewOrOverwrite)
{
    ScopedMessageBoxHook boxes({IDNO});
    ASSERT_EQ(IDOK, Run(0, [&](DialogDriver& d) {
        EXPECT_STREQ("(&S)保存", d.GetText(IDOK));
        d.Click(IDC_REMOTE_CONNECT);
        d.SetText(IDC_REMOTE_FILE_NAME, "a.c");
        d.PressOK();  // answered No: stays
        EXPECT_STREQ("a.c\nOverwrite the existing file?", boxes.Last().text);
        d.SetText(IDC_REMOTE_FILE_NAME, "new.c");
        d.PressOK();
    }));
    ASSERT_EQ(1, m_selection.GetSize());
    EXPECT_STREQ("/new.c\n0", m_selection[0]);
}
