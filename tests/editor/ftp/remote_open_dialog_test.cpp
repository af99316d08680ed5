#include <gtest/gtest.h>

#include "NetTestSupport.h"

#include "editor/dialogs/RemoteOpenDlg.h"
#include "editor/res/resource.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"
#include "ListViewDriving.h"
#include "wait.h"

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

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

    // Every listing runs behind its progress dialog, which ends by itself when the listing did.
    static void Listing(DialogDriver& d, const std::function<void()>& act)
    {
        d.Queue([](DialogDriver& progress) { progress.KeepOpen(); });
        act();
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
        Listing(d, [&] { d.Click(IDC_REMOTE_CONNECT); });
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
        Listing(d, [&] { d.Click(IDC_REMOTE_CONNECT); });
        d.SetText(IDC_REMOTE_FILE_NAME, "SUB");
        Listing(d, [&] { d.PressOK(); });
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
        Listing(d, [&] { d.Click(IDC_REMOTE_CONNECT); });
        d.SetText(IDC_REMOTE_FILE_NAME, "a.c");
        d.PressOK();  // answered No: stays
        EXPECT_STREQ("a.c\nOverwrite the existing file?", boxes.Last().text);
        d.SetText(IDC_REMOTE_FILE_NAME, "new.c");
        d.PressOK();
    }));
    ASSERT_EQ(1, m_selection.GetSize());
    EXPECT_STREQ("/new.c\n0", m_selection[0]);
}

// A listing that hangs on a server that stopped answering is cancelled from its progress
// dialog: the remote dialog comes back at once, not after the network time-out, showing
// what it showed before and no error.
TEST_F(RemoteOpenDialog, CancelledListingComesBackAtOnceAndKeepsTheList)
{
    TestEvent askedForUser;
    ScriptedPeer silent([&](SOCKET c, HANDLE stop) {
        ScriptedPeer::SendText(c, "220 hello\r\n");
        ScriptedPeer::ReadLine(c);  // USER, never answered
        askedForUser.Set();
        ::WaitForSingleObject(stop, 20000);
    }, 20000);
    CFtpSiteRecord accounts[2];
    accounts[0].Copy(m_account);
    accounts[1].Copy(m_account);
    accounts[1].title = "不答";
    accounts[1].port = static_cast<int>(silent.Port());
    accounts[1].folder = "/";
    ScopedMessageBoxHook boxes;
    DWORD elapsed = 0;
    DialogDriver driver{[&](DialogDriver& d) {
        Listing(d, [&] { d.Click(IDC_REMOTE_CONNECT); });
        ASSERT_EQ(4, ListRows(d.Item(IDC_REMOTE_FILES)));
        d.Select(IDC_REMOTE_ACCOUNT, 1);
        d.Queue([&](DialogDriver& progress) {
            EXPECT_STREQ("列出 不答 /: 已收到 0 项", progress.Caption());
            EXPECT_TRUE(askedForUser.Wait());  // the worker now waits for the reply to USER
            progress.PressCancel();
        });
        const DWORD start = ::GetTickCount();
        d.Click(IDC_REMOTE_CONNECT);
        elapsed = ::GetTickCount() - start;
        EXPECT_EQ(4, ListRows(d.Item(IDC_REMOTE_FILES)));
        EXPECT_STREQ("a.c", ListText(d.Item(IDC_REMOTE_FILES), 2));
        EXPECT_STREQ("/", d.GetText(IDC_REMOTE_OPEN_FOLDER));
        EXPECT_TRUE(d.IsEnabled(IDOK));
        d.PressCancel();
    }};
    CRemoteOpenDlg dialog(1, nullptr, "C (*.c)|*.c|");
    dialog.SetAccounts(2, accounts);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(0, driver.LeftOpenCount());
    EXPECT_LT(elapsed, 15000u);  // the time-out is 30 s; half of it is left for a loaded machine
    EXPECT_EQ(0, boxes.Count()) << boxes.Last().text;
}

// A folder of thousands of entries counts them in the progress dialog's caption while they
// come, and fills the list without freezing the dialog.
TEST_F(RemoteOpenDialog, BigFolderShowsItsCountWhileListing)
{
    for (int i = 0; i < 3000; ++i) {
        char name[32];
        sprintf(name, "f%04d.c", i);
        FILE* f = fopen((m_server / name).c_str(), "wb");
        ASSERT_NE(nullptr, f);
        fclose(f);
    }
    ScopedMessageBoxHook boxes;
    std::vector<CString> captions;
    ASSERT_EQ(IDCANCEL, Run(1, [&](DialogDriver& d) {
        d.Queue([&](DialogDriver& progress) {
            HWND bar = progress.Item(IDC_FTP_PROGRESS);
            EXPECT_TRUE(::GetWindowLongA(bar, GWL_STYLE) & PBS_MARQUEE);
            // Watch the dialog as the user would until the worker ends it.
            CDialog* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(progress.Dialog()));
            ASSERT_NE(nullptr, dialog);
            const DWORD start = ::GetTickCount();
            while (dialog->ContinueModal() && ::GetTickCount() - start < 20000) {
                MSG msg;
                if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageA(&msg);
                } else {
                    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
                }
                const CString caption = progress.Caption();
                if (captions.empty() || captions.back() != caption)
                    captions.push_back(caption);
            }
            progress.KeepOpen();
        });
        const DWORD start = ::GetTickCount();
        d.Click(IDC_REMOTE_CONNECT);
        EXPECT_GT(5000u, ::GetTickCount() - start);  // the rows too go in at once
        EXPECT_EQ(3004, ListRows(d.Item(IDC_REMOTE_FILES)));
        d.PressCancel();
    }));
    // The first entry is told at once; the start folder is not known yet.
    ASSERT_FALSE(captions.empty());
    const CString last = captions.back();
    const CString prefix = "列出 本机: 已收到 ";
    ASSERT_EQ(0, last.Find(prefix)) << last;
    EXPECT_LE(1, atoi(last.Mid(prefix.GetLength()))) << last;
    EXPECT_EQ(0, boxes.Count()) << boxes.Last().text;
}

// A folder of 200,000 entries is shown as soon as it is listed: the list asks for the rows it
// shows instead of taking them in one by one.
TEST_F(RemoteOpenDialog, HugeFolderIsShownAtOnce)
{
    const int kEntries = 200000;
    std::string listing;
    for (int i = 0; i < kEntries; ++i) {
        char line[64];
        sprintf(line, "-rw-r--r-- 1 u g 7 Dec 5 10:30 f%06d.c\r\n", i);
        listing += line;
    }
    // Just enough of a server to log in and list one folder.
    ScriptedPeer server([&](SOCKET c, HANDLE) {
        ScriptedPeer::SendText(c, "220 x\r\n");
        SOCKET listener = INVALID_SOCKET;
        for (;;) {
            const std::string command = ScriptedPeer::ReadLine(c);
            const std::string verb = command.substr(0, 4);
            if (command.empty() || verb == "QUIT")
                break;
            if (verb == "USER") {
                ScriptedPeer::SendText(c, "331 pw\r\n");
            } else if (verb == "PASS") {
                ScriptedPeer::SendText(c, "230 in\r\n");
            } else if (verb == "PWD") {
                ScriptedPeer::SendText(c, "257 \"/\"\r\n");
            } else if (verb == "PASV") {
                UINT port = 0;
                listener = ScriptedPeer::ListenOnLoopback(port);
                ScriptedPeer::SendText(c, "227 (127,0,0,1," + std::to_string(port / 256) + "," +
                                              std::to_string(port % 256) + ")\r\n");
            } else if (verb == "LIST" && listener != INVALID_SOCKET) {
                SOCKET channel = accept(listener, nullptr, nullptr);
                ScriptedPeer::SendText(c, "150 here\r\n");
                ScriptedPeer::SendText(channel, listing);
                closesocket(channel);
                closesocket(listener);
                listener = INVALID_SOCKET;
                ScriptedPeer::SendText(c, "226 done\r\n");
            } else {
                ScriptedPeer::SendText(c, "250 ok\r\n");
            }
        }
    }, 120000);
    m_account.port = static_cast<int>(server.Port());
    m_account.folder = "/";
    ScopedMessageBoxHook boxes;
    DWORD elapsed = 0;
    ASSERT_EQ(IDCANCEL, Run(1, [&](DialogDriver& d) {
        const DWORD start = ::GetTickCount();
        Listing(d, [&] { d.Click(IDC_REMOTE_CONNECT); });
        elapsed = ::GetTickCount() - start;
        HWND files = d.Item(IDC_REMOTE_FILES);
        EXPECT_EQ(kEntries, ListRows(files));
        EXPECT_STREQ("f000000.c", ListText(files, 0));
        EXPECT_STREQ("f199999.c", ListText(files, kEntries - 1));
        d.PressCancel();
    }));
    EXPECT_GT(90000u, elapsed);  // one by one, the rows alone took six minutes
    EXPECT_EQ(0, boxes.Count()) << boxes.Last().text;
}

