#include <gtest/gtest.h>

#include "NetTestSupport.h"

#include "editor/dialogs/FtpSession.h"
#include "editor/dialogs/RemoteTransfer.h"
#include "editor/util/PathUtil.h"

#include <atomic>
#include <string>
#include <vector>

namespace {

// Answers each command in turn with its reply (an empty reply: say nothing) and records the
// commands it was sent.
struct Dialogue {
    std::string greeting;
    std::vector<std::string> replies;
    std::vector<std::string> commands;

    ScriptedPeer::Script Script()
    {
        return [this](SOCKET c, HANDLE stop) {
            ScriptedPeer::SendText(c, greeting);
            for (const std::string& reply : replies) {
                commands.push_back(ScriptedPeer::ReadLine(c));
                if (reply.empty())
                    WaitForSingleObject(stop, 10000);
                else
                    ScriptedPeer::SendText(c, reply);
            }
        };
    }
};

} // namespace

TEST(FtpSession, RepliesOfOneAndSeveralLines)
{
    const struct {
        const char* greeting;
        int code;
        const char* text;
    } cases[] = {
        {"220 Ready\r\n", 220, "220 Ready"},
        {"220-Welcome\r\n220 Ready\r\n", 220, "220-Welcome\n220 Ready"},
        // Only the first line's code and a blank end a reply of several lines.
        {"220-Welcome\r\n230 not yet\r\n 220 nor this\r\n220 Ready\r\n", 220,
         "220-Welcome\n230 not yet\n 220 nor this\n220 Ready"},
        {"220-A\n22\n220 B\n", 220, "220-A\n22\n220 B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.greeting);
        Dialogue d{c.greeting, {}};
        ScriptedPeer peer(d.Script());
        CFtpSession session;
        EXPECT_EQ(1, session.Connect("127.0.0.1", peer.Port()));
        EXPECT_EQ(c.code, session.GetLastCode());
        EXPECT_STREQ(c.text, session.GetLastText());
    }
}

TEST(FtpSession, LoginSendsThePasswordOnlyWhenAsked)
{
    const struct {
        const char* userReply;
        int result;
        size_t commands;
    } cases[] = {{"230 in\r\n", 1, 1}, {"331 password\r\n", 1, 2}, {"530 no\r\n", 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.userReply);
        Dialogue d{"220 x\r\n", {c.userReply, "230 ok\r\n"}};
        {
            ScriptedPeer peer(d.Script());
            CFtpSession session;
            ASSERT_EQ(1, session.Connect("127.0.0.1", peer.Port()));
            // Line ends inside a name would start a second command.
            EXPECT_EQ(c.result, session.Login("moyu\r\nDELE x", "pw"));
        }
        ASSERT_LE(c.commands, d.commands.size());
        EXPECT_EQ("USER moyuDELE x", d.commands[0]);
        if (c.commands == 2)
            EXPECT_EQ("PASS pw", d.commands[1]);
        else if (d.commands.size() > 1)
            EXPECT_EQ("", d.commands[1]);
    }
}

TEST(FtpSession, WorkingFolderIsTheQuotedText)
{
    const struct {
        const char* reply;
        int result;
        const char* folder;
    } cases[] = {{"257 \"/home/user\" is current\r\n", 1, "/home/user"},
                 {"257 /home/user\r\n", 0, "before"},
                 {"550 no\r\n", 0, "before"}};
    for (const auto& c : cases) {
        Dialogue d{"220 x\r\n", {c.reply}};
        ScriptedPeer peer(d.Script());
        CFtpSession session;
        ASSERT_EQ(1, session.Connect("127.0.0.1", peer.Port()));
        CString folder = "before";
        EXPECT_EQ(c.result, session.PrintWorkingDirectory(folder)) << c.reply;
        EXPECT_STREQ(c.folder, folder);
    }
}

TEST(FtpSession, SilentServerAndOverlongLinesFailInsteadOfHanging)
{
    {
        Dialogue d{"220 x\r\n", {""}};
        ScriptedPeer peer(d.Script());
        CFtpSession session;
        session.SetTimeout(300);
        ASSERT_EQ(1, session.Connect("127.0.0.1", peer.Port()));
        const DWORD start = GetTickCount();
        EXPECT_EQ(0, session.ChangeDirectory("/"));
        EXPECT_GT(5000u, GetTickCount() - start);
        EXPECT_FALSE(session.GetLastText().IsEmpty());
    }
    {
        Dialogue d{"220 " + std::string(kFtpMaxLineLength + 10, 'x') + "\r\n", {}};
        ScriptedPeer peer(d.Script());
        CFtpSession session;
        EXPECT_EQ(0, session.Connect("127.0.0.1", peer.Port()));
        EXPECT_NE(-1, session.GetLastText().Find("一行超过"));
    }
}

// A socket failure is told in the interface's language: a port nobody listens on refuses.
TEST(FtpSession, ASocketFailureIsToldInChinese)
{
    UINT port = 0;
    closesocket(ScriptedPeer::ListenOnLoopback(port));
    CFtpSession session;
    session.SetTimeout(2000);
    EXPECT_EQ(0, session.Connect("127.0.0.1", port));
    EXPECT_STREQ("连接被拒绝.", session.GetLastText());
}

TEST(FtpSession, PassiveAddresses)
{
    const struct {
        const char* text;
        bool ok;
        const char* host;
        UINT port;
    } cases[] = {
        {"10,0,0,7,4,1", true, "10.0.0.7", 1025}, {"192,168,1,2,19,137", true, "192.168.1.2", 5001},
        {"127,0,0,1,256,1", false, "", 0},         {"1,2,3,4,5", false, "", 0},
        {"1,2,3,4,5,6,7", false, "", 0},           {"a,b,c,d,1,1", false, "", 0},
    };
    for (const auto& c : cases) {
        CString host;
        UINT port = 0;
        EXPECT_EQ(c.ok, ParseFtpHostPort(c.text, host, port)) << c.text;
        if (c.ok) {
            EXPECT_STREQ(c.host, host);
            EXPECT_EQ(c.port, port);
        }
    }
}

namespace {

// Sends the text again and again until the client goes or the peer stops.
void SendForever(SOCKET connection, HANDLE stop, const std::string& text)
{
    while (WaitForSingleObject(stop, 0) == WAIT_TIMEOUT &&
           send(connection, text.data(), static_cast<int>(text.size()), 0) > 0) {
    }
}

// A server that answers PASV with the address text made by passiveText from its data port,
// sends data on the data connection and then the final reply (nothing when reset is set:
// the control connection is then reset in the middle of the data; endlessly when endless
// is set).
struct DataServer {
    std::function<std::string(UINT port)> passiveText;
    std::string data;
    bool reset = false;
    bool endless = false;
    std::vector<std::string> commands;

    ScriptedPeer::Script Script()
    {
        return [this](SOCKET c, HANDLE stop) {
            ScriptedPeer::SendText(c, "220 x\r\n");
            UINT port = 0;
            SOCKET listener = ScriptedPeer::ListenOnLoopback(port);
            commands.push_back(ScriptedPeer::ReadLine(c));  // TYPE before a transfer, or PASV
            if (commands.back().compare(0, 4, "TYPE") == 0) {
                ScriptedPeer::SendText(c, "200 ok\r\n");
                commands.push_back(ScriptedPeer::ReadLine(c));
            }
            ScriptedPeer::SendText(c, "227 Entering Passive Mode " + passiveText(port) + "\r\n");
            commands.push_back(ScriptedPeer::ReadLine(c));  // LIST or RETR
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(listener, &ready);
            timeval wait = {5, 0};
            if (select(0, &ready, nullptr, nullptr, &wait) == 1) {
                SOCKET channel = accept(listener, nullptr, nullptr);
                ScriptedPeer::SendText(c, "150 here\r\n");
                if (endless)
                    SendForever(channel, stop, data);
                else
                    ScriptedPeer::SendText(channel, data);
                if (reset) {
                    ScriptedPeer::Reset(channel);
                    closesocket(channel);
                    ScriptedPeer::Reset(c);
                    closesocket(listener);
                    return;
                }
                closesocket(channel);
                ScriptedPeer::SendText(c, "226 done\r\n");
            }
            closesocket(listener);
        };
    }
};

std::string Parenthesised(UINT port, const char* host = "127,0,0,1")
{
    return "(" + std::string(host) + "," + std::to_string(port / 256) + "," + std::to_string(port % 256) + ")";
}

} // namespace

TEST(FtpSession, ListingOverPassiveChannels)
{
    const struct {
        const char* name;
        std::function<std::string(UINT)> passive;
        int result;
    } cases[] = {
        {"usual", [](UINT p) { return Parenthesised(p); }, 1},
        {"no address: the control channel's peer", [](UINT p) { return Parenthesised(p, "0,0,0,0"); }, 1},
        {"no parentheses", [](UINT p) { return Parenthesised(p).substr(1); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DataServer server{c.passive, "a\r\nb\n"};
        ScriptedPeer peer(server.Script());
        CFtpSession session;
        session.SetTimeout(2000);
        ASSERT_EQ(1, session.Connect("127.0.0.1", peer.Port()));
        CStringArray lines;
        EXPECT_EQ(c.result, session.List(lines, nullptr, TRUE)) << session.GetLastText();
        ASSERT_EQ(c.result ? 2 : 0, lines.GetSize());
        if (c.result) {
            EXPECT_STREQ("a", lines[0]);
            EXPECT_STREQ("b", lines[1]);
        }
    }
}

TEST(FtpSession, ListingLineOverTheBoundFailsTheListing)
{
    DataServer server{[](UINT p) { return Parenthesised(p); },
                      "ok\r\n" + std::string(kFtpMaxLineLength + 1, 'x') + "\r\n"};
    ScriptedPeer peer(server.Script());
    CFtpSession session;
    session.SetTimeout(2000);
    ASSERT_EQ(1, session.Connect("127.0.0.1", peer.Port()));
    CStringArray lines;
    EXPECT_EQ(0, session.List(lines, nullptr, TRUE));
    EXPECT_NE(-1, session.GetLastText().Find("一行超过"));
}

TEST(FtpSession, ReplyThatNeverEndsFailsInsteadOfGrowing)
{
    ScriptedPeer peer([](SOCKET c, HANDLE stop) {
        ScriptedPeer::SendText(c, "220-Welcome\r\n");
        SendForever(c, stop, "220-and more\r\n");
    });
    CFtpSession session;
    session.SetTimeout(2000);
    EXPECT_EQ(0, session.Connect("127.0.0.1", peer.Port()));
    EXPECT_NE(-1, session.GetLastText().Find("应答超过")) << static_cast<LPCTSTR>(session.GetLastText());
    EXPECT_GE(kFtpMaxReplyBytes + kFtpMaxLineLength, session.GetLastText().GetLength());
}

TEST(FtpSession, CancelStopsAListingThatNeverPauses)
{
    // The data never stops arriving, so no socket call ever waits for it: only a check
    // between lines sees the flag.
    DataServer server{[](UINT p) { return Parenthesised(p); }, std::string(2000, 'x') + "\r\n", false, true};
    ScriptedPeer peer(server.Script(), 60000);
    std::atomic<int> cancel{0};
    CFtpSession session;
    session.SetTimeout(2000);
    session.SetCancelFlag(&cancel);
    ASSERT_EQ(1, session.Connect("127.0.0.1", peer.Port()));
    CStringArray lines;
    DWORD seen = 0;
    const int result = session.List(lines, nullptr, TRUE, [&](DWORD count) {
        seen = count;
        if (count == 100)
            cancel = 1;
        return 1;
    });
    EXPECT_EQ(0, result);
    EXPECT_EQ(100u, seen);
}

TEST(FtpSession, ResetDuringADownloadIsNotACompleteFile)
{
    DataServer server{[](UINT p) { return Parenthesised(p); }, std::string(3000, 'd'), true};
    ScriptedPeer peer(server.Script());
    CFtpSession session;
    session.SetTimeout(2000);
    ASSERT_EQ(1, session.Connect("127.0.0.1", peer.Port()));
    ASSERT_EQ(1, session.OpenTransfer(TRUE, "f", TRUE, TRUE)) << session.GetLastText();
    EXPECT_EQ(0, session.Write("x", 1));  // no writing into a download
    char block[512];
    try {
        while (session.Read(block, sizeof block)) {
        }
    } catch (CException* e) {  // Windows reports the reset; Wine may see the end
        e->Delete();
    }
    EXPECT_EQ(0, session.CloseTransfer());
    EXPECT_EQ(0, session.OpenTransfer(TRUE, "g", TRUE, TRUE));  // the first is still open
}

TEST(FtpListing, LinesBecomeRows)
{
    const struct {
        const char* line;
        const char* filter;
        const char* row;
    } cases[] = {
        {"drwxr-xr-x 2 user group 4096 Dec 5 10:30 src", "*.*", "D/src/N"},
        {"lrwxrwxrwx 1 user group 11 Jan 1 2005 www -> /var/www", "*.*", "D/www/L"},
        {"-rw-r--r-- 1 user group 2048 Dec 5 10:30 my file.c", "*.c", "F/my file.c/2048"},
        {"-rw-r--r-- 1 user group 2048 Dec 5 10:30 my file.h", "*.c", ""},
        {"-rw-r--r-- 1 user group 2048 Dec 5 10:30 my file.h", "*.c;*.h", "F/my file.h/2048"},
        {"-rw-r--r-- 1 user group 7 12\xBF\xF9 5\xC0\xCF 10:30 kr.c", "*.*", "F/kr.c/7"},
        {"-rw-r--r-- 1 user group 7 Dec  5  2005 两个字.墨", "*.*", "F/两个字.墨/7"},
        {"total 12", "*.*", ""},
        {"drwxr-xr-x 2 user group 4096 Dec 5 10:30 .", "*.*", ""},
        {"drwxr-xr-x 2 user group 4096 Dec 5 10:30 ..", "*.*", ""},
        {"", "*.*", ""},
        {" -rw-r--r-- 1 user group 1 Dec 5 10:30 lead", "*.*", ""},
        {"-rw-r--r-- 1 user group 1 Dec 5 10:30", "*.*", ""},
        {"-rw-r--r-- 1 user group 1 Dec 5 10:30 a/b", "*.*", ""},
        // Hostile names are rows like any other; the cache name keeps them inside.
        {"-rw-r--r-- 1 user group 1 Dec 5 10:30 ..\\..\\boot.ini", "*.*", "F/..\\..\\boot.ini/1"},
        {"-rw-r--r-- 1 user group 1 Dec 5 10:30 C:\\x.c", "*.*", "F/C:\\x.c/1"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.row, FtpListRow(c.line, c.filter, 2026)) << c.line;

    FtpListEntry entry;
    ASSERT_TRUE(ParseFtpListLine(NormalizeFtpListLine("-rw-r--r-- 1 u g 7 12\xBF\xF9 5\xC0\xCF 10:30 kr.c", 2026), entry));
    EXPECT_STREQ("2026.12.5", entry.date);
    EXPECT_STREQ("kr.c", entry.name);
    EXPECT_EQ(7u, entry.size);
    for (const char* name : {"..\\..\\boot.ini", "C:\\x.c", "/../../etc/x", "..", "a/../../b"}) {
        const CString cache = RemotePathToCacheName(name);
        EXPECT_EQ(-1, cache.Find(':')) << name;
        EXPECT_EQ(-1, cache.Find("..\\")) << name << " -> " << static_cast<LPCTSTR>(cache);
    }
}

// A listing's lines become rows until the user stops: the work ends before the next line
// and the rows are left as they were, however costly the lines a server crafted.
TEST(FtpListing, RowsStopAtTheNextLineOnceStopped)
{
    CStringArray lines;
    const CString crafted = "-rw-r--r-- 1 u g " + CString(std::string(4000, '7').c_str()) + "\xBF\xF9 5\xC0\xCF 1:2 x.c";
    for (int i = 0; i < 100; ++i)
        lines.Add(i % 2 ? crafted : CString("-rw-r--r-- 1 u g 7 Dec 5 10:30 a.c"));
    CStringArray rows;
    rows.Add("D/earlier/N");
    int asked = 0;
    EXPECT_FALSE(FtpListRows(lines, "*.*", [&] { return ++asked > 3; }, rows));
    EXPECT_EQ(4, asked) << "no line is taken after the stop";
    ASSERT_EQ(1, rows.GetSize());
    EXPECT_STREQ("D/earlier/N", rows[0]);

    asked = 0;
    EXPECT_TRUE(FtpListRows(lines, "*.*", [&] { return ++asked > 100; }, rows));
    EXPECT_EQ(100, asked);
    EXPECT_EQ(100, rows.GetSize());
}
