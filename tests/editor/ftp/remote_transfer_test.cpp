#include <gtest/gtest.h>

#include "NetTestSupport.h"

#include "editor/dialogs/FtpTransferDlg.h"
#include "editor/dialogs/RemoteTransfer.h"
#include "editor/res/resource.h"
#include "editor/settings/SettingsRecords.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"
#include "wait.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void PutFile(const std::string& path, const std::string& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, f) << path;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

CString StringText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

// The first line of a message box made from string id: the part before its first "%".
bool IsMessage(const RecordedMessageBox& box, UINT id)
{
    const CString text = StringText(id);
    const int cut = text.Find('%');
    return box.text.Left(cut < 0 ? text.GetLength() : cut) == (cut < 0 ? text : text.Left(cut)) &&
           (box.type & MB_ICONSTOP);
}

struct Transport {
    bool internetClasses;
    bool passive;
};

class RemoteTransfer : public ::testing::TestWithParam<Transport> {
protected:
    void SetUp() override
    {
        ASSERT_NE(0u, m_server.Port()) << "the local FTP server did not start";
        m_account.title = "本机";
        m_account.host = "127.0.0.1";
        m_account.port = static_cast<int>(m_server.Port());
        m_account.user = LocalFtpServer::kUser;
        m_account.password = LocalFtpServer::kPassword;
        m_account.passive = GetParam().passive;
        m_account.useInternetClasses = GetParam().internetClasses;
    }
    std::string Local(const char* name) { return m_local / name; }

    LocalFtpServer m_server;
    TempDir m_local;
    CFtpSiteRecord m_account;
};

} // namespace

TEST_P(RemoteTransfer, UploadsListsAndDownloadsWholeFiles)
{
    ScopedMessageBoxHook boxes;
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {{"small.c", "第一行\r\n2\n"},  // 10 bytes in GBK
                 {"large.bin", PatternBytes(5 << 20)},
                 {"my file.c", std::string(1024, 'x')}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        m_local.WriteFile(file.name, file.bytes);
        std::vector<DWORD> calls;
        EXPECT_EQ(1, RemotePutFile(m_account, Local(file.name).c_str(), CString("/") + file.name,
                                   [&](DWORD n) { calls.push_back(n); return 1; }))
            << boxes.Last().text;
        EXPECT_TRUE(TempDir::ReadFile(m_server / file.name) == file.bytes);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(file.bytes.size(), calls.back());
    }

    CStringArray rows;
    m_account.folder = "/";
    ASSERT_EQ(1, RemoteListDirectory(rows, m_account, "*.c"));
    std::vector<std::string> got;
    for (int i = 0; i < rows.GetSize(); ++i)
        got.push_back(static_cast<LPCTSTR>(rows[i]));
    std::sort(got.begin(), got.end());
    if (GetParam().internetClasses) {
        // Wine's listing shows the link as a plain file and cuts names at their first blank.
        EXPECT_EQ((std::vector<std::string>{"D/sub/N", "F/small.c/10"}), got);
    } else {
        EXPECT_EQ((std::vector<std::string>{"D/sub/N", "D/www/L", "F/my file.c/1024", "F/small.c/10"}), got);
    }
    EXPECT_STREQ("/", m_account.folder);

    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const std::string copy = Local((std::string("copy of ") + file.name).c_str());
        std::vector<DWORD> calls;
        EXPECT_EQ(1, RemoteGetFile(m_account, CString("/") + file.name, copy.c_str(),
                                   [&](DWORD n) { calls.push_back(n); return 1; }, (DWORD)file.bytes.size()));
        EXPECT_TRUE(TempDir::ReadFile(copy) == file.bytes);
        if (file.bytes.size() == 1024) {  // the last block is empty: the end is a zero read
            EXPECT_EQ((std::vector<DWORD>{512, 1024, 1024}), calls);
        }
    }
    EXPECT_EQ(0, boxes.Count()) << boxes.Last().text;
}

TEST_P(RemoteTransfer, StoppedTransfersKeepTheLocalCopyAndWarnOfTheRemoteOne)
{
    const std::string bytes = PatternBytes(1 << 20);
    PutFile(m_server / "big.bin", bytes);
    m_local.WriteFile("big.bin", "old copy");
    auto stopAfterFirstBlock = [](DWORD) { return 0; };
    {
        ScopedMessageBoxHook boxes;
        EXPECT_EQ(0, RemoteGetFile(m_account, "/big.bin", Local("big.bin").c_str(), stopAfterFirstBlock));
        EXPECT_EQ("old copy", TempDir::ReadFile(Local("big.bin")));
        EXPECT_FALSE(FileExists(Local("big.bin") + ".part"));
        EXPECT_EQ(0, boxes.Count());
    }
    {
        ScopedMessageBoxHook boxes;
        m_local.WriteFile("up.bin", bytes);
        EXPECT_EQ(0, RemotePutFile(m_account, Local("up.bin").c_str(), "/up.bin", stopAfterFirstBlock));
        ASSERT_EQ(1, boxes.Count());
        EXPECT_TRUE(IsMessage(boxes.Last(), IDS_FTP_UPLOAD_INCOMPLETE)) << boxes.Last().text;
        EXPECT_NE(std::string::npos, std::string(boxes.Last().text).find("/up.bin"));
    }
    {
        // A size that does not match the listing is not a download.
        ScopedMessageBoxHook boxes;
        EXPECT_EQ(0, RemoteGetFile(m_account, "/big.bin", Local("big.bin").c_str(), nullptr, (DWORD)bytes.size() + 1));
        EXPECT_EQ("old copy", TempDir::ReadFile(Local("big.bin")));
        ASSERT_EQ(1, boxes.Count());
        EXPECT_TRUE(IsMessage(boxes.Last(), IDS_FTP_SHORT_DOWNLOAD)) << boxes.Last().text;
    }
}

TEST_P(RemoteTransfer, FailuresAreReportedAndHarmNothing)
{
    PutFile(m_server / "keep.c", "server copy");
    {
        // A missing local file never reaches the server, so its copy stays whole.
        ScopedMessageBoxHook boxes;
        EXPECT_EQ(0, RemotePutFile(m_account, Local("missing.c").c_str(), "/keep.c", nullptr));
        EXPECT_EQ("server copy", TempDir::ReadFile(m_server / "keep.c"));
        EXPECT_EQ(0, boxes.Count());
    }
    {
        ScopedMessageBoxHook boxes;
        EXPECT_EQ(0, RemoteGetFile(m_account, "/missing.c", Local("m.c").c_str(), nullptr));
        EXPECT_FALSE(FileExists(Local("m.c")));
        ASSERT_EQ(1, boxes.Count());
        if (!GetParam().internetClasses) {  // the internet classes show their own text
            EXPECT_TRUE(IsMessage(boxes.Last(), IDS_FTP_OPEN_FAILED)) << boxes.Last().text;
        }
    }
    {
        // A folder that cannot be entered is reported, and the start folder is listed.
        ScopedMessageBoxHook boxes;
        CStringArray rows;
        m_account.folder = "/no such folder";
        EXPECT_EQ(1, RemoteListDirectory(rows, m_account, "*.*"));
        EXPECT_STREQ("/", m_account.folder);
        EXPECT_LE(3, rows.GetSize());
        ASSERT_EQ(1, boxes.Count());
        EXPECT_TRUE(IsMessage(boxes.Last(), GetParam().internetClasses ? IDS_FTP_CWD_FAILED_INET : IDS_FTP_CWD_FAILED))
            << boxes.Last().text;
    }
    {
        ScopedMessageBoxHook boxes;
        m_account.password = "wrong";
        CStringArray rows;
        rows.Add("kept");
        EXPECT_EQ(0, RemoteListDirectory(rows, m_account, "*.*"));
        EXPECT_EQ(1, rows.GetSize());
        ASSERT_EQ(1, boxes.Count());
        if (!GetParam().internetClasses) {  // the internet classes show their own text
            EXPECT_TRUE(IsMessage(boxes.Last(), IDS_FTP_LOGIN_FAILED)) << boxes.Last().text;
        }
    }
}

// Our users' servers name files in GBK, the editor's own code page: the names go out and
// come back byte for byte, in folders, listings and both directions.
TEST_P(RemoteTransfer, ChineseNamesTravelInGbk)
{
    LocalFtpServer server("gbk");
    ASSERT_NE(0u, server.Port()) << "the local FTP server did not start";
    m_account.port = static_cast<int>(server.Port());
    ::CreateDirectoryA((server / "资料").c_str(), nullptr);
    PutFile(server / "资料\\说明.c", "服务器上的说明\r\n");
    m_local.WriteFile("新文件.c", "本机写的\r\n");
    ScopedMessageBoxHook boxes;

    EXPECT_EQ(1, RemotePutFile(m_account, Local("新文件.c").c_str(), "/资料/新文件.c", nullptr)) << boxes.Last().text;
    EXPECT_EQ("本机写的\r\n", TempDir::ReadFile(server / "资料\\新文件.c"));

    CStringArray rows;
    m_account.folder = "/资料";
    ASSERT_EQ(1, RemoteListDirectory(rows, m_account, "*.c")) << boxes.Last().text;
    std::vector<std::string> got;
    for (int i = 0; i < rows.GetSize(); ++i)
        got.push_back(static_cast<LPCTSTR>(rows[i]));
    std::sort(got.begin(), got.end());
    EXPECT_EQ((std::vector<std::string>{"F/说明.c/16", "F/新文件.c/10"}), got);  // in GBK's byte order
    EXPECT_STREQ("/资料", m_account.folder);

    EXPECT_EQ(1, RemoteGetFile(m_account, "/资料/说明.c", Local("副本.c").c_str(), nullptr, 16)) << boxes.Last().text;
    EXPECT_EQ("服务器上的说明\r\n", TempDir::ReadFile(Local("副本.c")));
    EXPECT_EQ(0, boxes.Count()) << boxes.Last().text;
}

// A big folder counts its entries as they come, and a stop ends the listing quietly with
// the rows and the account's folder as they were.
TEST_P(RemoteTransfer, LongListingsCountTheirEntriesAndCanBeStopped)
{
    // The platform's classes take seconds per thousand entries under the test's Wine.
    const int kEntries = GetParam().internetClasses ? 300 : 3000;
    ::CreateDirectoryA((m_server / "big").c_str(), nullptr);
    for (int i = 0; i < kEntries; ++i) {
        char name[32];
        sprintf(name, "big\\f%04d.c", i);
        PutFile(m_server / name, "");
    }
    ScopedMessageBoxHook boxes;
    CStringArray rows;
    m_account.folder = "/big";
    DWORD last = 0;
    bool inOrder = true;
    ASSERT_EQ(1, RemoteListDirectory(rows, m_account, "*.c", [&](DWORD count) {
                  inOrder = inOrder && count == last + 1;
                  last = count;
                  return 1;
              })) << boxes.Last().text;
    EXPECT_TRUE(inOrder);
    EXPECT_LE(static_cast<DWORD>(kEntries), last);
    EXPECT_EQ(kEntries, rows.GetSize());

    // The server would answer "/big" to PWD: the folder as typed shows it was left alone.
    rows.RemoveAll();
    rows.Add("kept");
    m_account.folder = "/big/";
    std::atomic<int> cancel{0};
    EXPECT_EQ(-1, RemoteListDirectory(rows, m_account, "*.c", [&](DWORD count) { return count < kEntries / 3 ? 1 : 0; }));
    cancel = 1;
    EXPECT_EQ(-1, RemoteListDirectory(rows, m_account, "*.c", nullptr, &cancel));
    EXPECT_EQ(1, rows.GetSize());
    EXPECT_STREQ("/big/", m_account.folder);
    EXPECT_EQ(0, boxes.Count()) << boxes.Last().text;
}

INSTANTIATE_TEST_SUITE_P(Clients, RemoteTransfer,
                         ::testing::Values(Transport{false, true}, Transport{false, false}, Transport{true, true},
                                           Transport{true, false}),
                         [](const auto& info) {
                             return std::string(info.param.internetClasses ? "Internet" : "Own") +
                                    (info.param.passive ? "Passive" : "Active");
                         });

TEST(RemoteTransferAccount, NoTitleOrHostFailsSilentlyWithoutTheNetwork)
{
    ScopedMessageBoxHook boxes;
    CFtpSiteRecord account;
    account.host = "127.0.0.1";
    account.port = 1;  // nothing listens there: any attempt would be reported
    CStringArray rows;
    for (int internet = 0; internet < 2; ++internet) {
        account.useInternetClasses = internet;
        EXPECT_EQ(0, RemoteGetFile(account, "/a", "a", nullptr));
        EXPECT_EQ(0, RemotePutFile(account, "a", "/a", nullptr));
        EXPECT_EQ(0, RemoteListDirectory(rows, account, "*.*"));
    }
    account.title = "t";
    account.host.Empty();
    EXPECT_EQ(0, RemoteListDirectory(rows, account, "*.*"));
    EXPECT_EQ(0, boxes.Count());
}

// A refused connection is told in our own words: the socket library's English text
// ("The attempt to connect was rejected.") says nothing more and stays out of the box.
TEST(RemoteTransferAccount, RefusedConnectionIsToldInOurWordsAlone)
{
    ScopedMessageBoxHook boxes;
    CFtpSiteRecord account;
    account.title = "t";
    account.host = "127.0.0.1";
    account.port = 1;  // nothing listens there
    CStringArray rows;
    EXPECT_EQ(0, RemoteGetFile(account, "/a", "a", nullptr));
    ASSERT_EQ(1, boxes.Count());
    EXPECT_STREQ("连接远程服务器失败.", boxes.Last().text);
    EXPECT_EQ(0, RemoteListDirectory(rows, account, "*.*"));
    ASSERT_EQ(2, boxes.Count());
    EXPECT_STREQ("连接远程服务器失败.", boxes.Last().text);
}

namespace {

// A server that logs in anyone, opens the passive channel of a RETR or STOR, sends the
// first 1500 bytes of a download (reads nothing of an upload) and then falls silent, which
// it signals through the event silent.
ScriptedPeer::Script SilentMidTransfer(HANDLE silent)
{
    return [silent](SOCKET c, HANDLE stop) {
        ScriptedPeer::SendText(c, "220 ready\r\n");
        UINT port = 0;
        SOCKET listener = ScriptedPeer::ListenOnLoopback(port);
        SOCKET channel = INVALID_SOCKET;
        for (;;) {
            const std::string command = ScriptedPeer::ReadLine(c);
            const std::string verb = command.substr(0, 4);
            if (verb == "USER")
                ScriptedPeer::SendText(c, "331 password\r\n");
            else if (verb == "PASS")
                ScriptedPeer::SendText(c, "230 in\r\n");
            else if (verb == "TYPE")
                ScriptedPeer::SendText(c, "200 ok\r\n");
            else if (verb == "PASV")
                ScriptedPeer::SendText(c, "227 Entering Passive Mode (127,0,0,1," + std::to_string(port / 256) + "," +
                                              std::to_string(port % 256) + ")\r\n");
            else if (verb == "RETR" || verb == "STOR") {
                channel = accept(listener, nullptr, nullptr);
                ScriptedPeer::SendText(c, "150 here\r\n");
                if (verb == "RETR")
                    ScriptedPeer::SendText(channel, std::string(1500, 'd'));
                break;
            } else {
                break;
            }
        }
        ::SetEvent(silent);
        ::WaitForSingleObject(stop, 20000);
        closesocket(channel);
        closesocket(listener);
    };
}

} // namespace

// A transfer against a server that fell silent in the middle is cancelled from its progress
// dialog: the dialog and its worker are gone at once, not after the 30 s network time-out
// (a third of it is left for a loaded machine).
// A download leaves no cache copy and says nothing; an upload warns that the server's copy
// may be cut short.
TEST(CancelledTransfer, SilentServerLetsGoAtOnce)
{
    TempDir local;
    local.WriteFile("up.bin", PatternBytes(16 << 20));  // more than the socket buffers hold
    const struct {
        const char* name;
        int direction;
        UINT box;  // 0: none
    } cases[] = {{"download", 1, 0}, {"upload", 0, IDS_FTP_UPLOAD_INCOMPLETE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestEvent fellSilent;
        ScriptedPeer silent(SilentMidTransfer(fellSilent.Handle()), 20000);
        CFtpSiteRecord account;
        account.title = "不答";
        account.host = "127.0.0.1";
        account.port = static_cast<int>(silent.Port());
        account.user = "u";
        account.password = "p";
        account.passive = 1;
        const std::string cache = local / "cache.bin";
        ScopedMessageBoxHook boxes;
        DWORD cancelledAt = 0;
        {
            DialogDriver driver{[&](DialogDriver& d) {
                EXPECT_TRUE(fellSilent.Wait());  // the worker now waits on the silent server
                cancelledAt = ::GetTickCount();
                d.PressCancel();
            }};
            CFtpTransferDlg dialog(c.direction, account, "/f.bin", c.direction ? cache.c_str() : (local / "up.bin").c_str(),
                                   5000);
            EXPECT_EQ(IDCANCEL, dialog.DoModal());
            EXPECT_EQ(0, dialog.GetResult());
        }
        EXPECT_LT(::GetTickCount() - cancelledAt, 10000u);  // the dialog's end waited for the worker
        EXPECT_FALSE(FileExists(cache));
        EXPECT_FALSE(FileExists(cache + ".part"));
        if (c.box) {
            ASSERT_EQ(1, boxes.Count());
            EXPECT_TRUE(IsMessage(boxes.Last(), c.box)) << boxes.Last().text;
        } else {
            EXPECT_EQ(0, boxes.Count()) << boxes.Last().text;
        }
    }
}
