#include <gtest/gtest.h>

#include "NetTestSupport.h"

#include "framework/Archive.h"
#include "framework/Socket.h"

#include <memory>

namespace {

// Just enough of an FTP client to drive a real server through the socket classes: a
// control channel of archives over a CSocketFile, data channels in passive or active mode.
class MiniFtp {
public:
    explicit MiniFtp(UINT port)
    {
        EXPECT_TRUE(m_control.Create());
        m_connected = m_control.Connect("127.0.0.1", port);
        m_file = std::make_unique<CSocketFile>(&m_control);
        m_in = std::make_unique<CArchive>(m_file.get(), CArchive::load);
        m_out = std::make_unique<CArchive>(m_file.get(), CArchive::store);
    }

    bool Connected() const { return m_connected; }

    // The reply's code; its lines, joined by LF, in LastText.
    int ReadReply()
    {
        CString line;
        if (!m_in->ReadString(line))
            return 0;
        m_text = line;
        while (line.GetLength() < 4 || line[3] != ' ') {
            if (!m_in->ReadString(line))
                return 0;
            m_text += "\n" + line;
        }
        return atoi(line.Left(3));
    }

    int Command(const CString& command)
    {
        m_out->WriteString(command + "\r\n");
        m_out->Flush();
        return ReadReply();
    }

    const CString& LastText() const { return m_text; }

    bool Login(const char* user, const char* password)
    {
        return ReadReply() == 220 && Command(CString("USER ") + user) == 331 &&
               Command(CString("PASS ") + password) == 230;
    }

    static bool IsPreliminary(int code) { return code >= 100 && code < 200; }

    // Sends the command over a new data channel; null unless the server answered 1xx.
    std::unique_ptr<CSocket> OpenData(bool passive, const CString& command)
    {
        auto data = std::make_unique<CSocket>();
        if (passive) {
            if (Command("PASV") != 227)
                return nullptr;
            int h1, h2, h3, h4, p1, p2;
            int open = m_text.Find('(');
            if (open < 0 || sscanf((LPCTSTR)m_text + open, "(%d,%d,%d,%d,%d,%d)", &h1, &h2, &h3, &h4, &p1, &p2) != 6)
                return nullptr;
            CString host;
            host.Format("%d.%d.%d.%d", h1, h2, h3, h4);
            if (!data->Create() || !data->Connect(host, p1 * 256 + p2) || !IsPreliminary(Command(command)))
                return nullptr;
            return data;
        }
        CSocket listener;
        CString address;
        UINT port = 0;
        m_control.GetSockName(address, port);
        if (!listener.Create(0, SOCK_STREAM, address) || !listener.Listen() || !listener.GetSockName(address, port))
            return nullptr;
        address.Replace('.', ',');
        CString argument;
        argument.Format("PORT %s,%u,%u", (LPCTSTR)address, port / 256, port % 256);
        if (Command(argument) != 200 || !IsPreliminary(Command(command)) || !listener.Accept(*data))
            return nullptr;
        return data;
    }

    // RETR or LIST: the bytes of the data channel; the final reply's code in code.
    std::string Receive(bool passive, const CString& command, int& code)
    {
        code = 0;
        std::string bytes;
        {
            auto data = OpenData(passive, command);
            if (!data)
                return bytes;
            CSocketFile file(data.get());
            CArchive in(&file, CArchive::load);
            char block[4096];
            while (UINT read = in.Read(block, sizeof block))
                bytes.append(block, read);
        }
        code = ReadReply();
        return bytes;
    }

    // STOR: the final reply's code.
    int Send(bool passive, const CString& command, const std::string& bytes)
    {
        {
            auto data = OpenData(passive, command);
            if (!data)
                return 0;
            CSocketFile file(data.get());
            CArchive out(&file, CArchive::store);
            out.Write(bytes.data(), (UINT)bytes.size());
            out.Close();
        }
        return ReadReply();
    }

private:
    CSocket m_control;
    bool m_connected = false;
    std::unique_ptr<CSocketFile> m_file;
    std::unique_ptr<CArchive> m_in;
    std::unique_ptr<CArchive> m_out;
    CString m_text;
};

class FtpOverSockets : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { ASSERT_NE(0u, m_server.Port()) << "the local FTP server did not start"; }

    LocalFtpServer m_server;
};

} // namespace

TEST_P(FtpOverSockets, UploadsListsAndDownloadsSmallAndLargeFiles)
{
    const bool passive = GetParam();
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {{"small.txt", "第一行\r\n2\n"}, {"large.bin", PatternBytes(1 << 20)}, {"my file.c", "x"}};

    MiniFtp ftp(m_server.Port());
    ASSERT_TRUE(ftp.Connected());
    ASSERT_TRUE(ftp.Login(LocalFtpServer::kUser, LocalFtpServer::kPassword)) << ftp.LastText();
    ASSERT_EQ(200, ftp.Command("TYPE I"));
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        EXPECT_EQ(226, ftp.Send(passive, CString("STOR ") + file.name, file.bytes)) << ftp.LastText();
        EXPECT_TRUE(TempDir::ReadFile(m_server / file.name) == file.bytes);
    }

    int code = 0;
    std::string listing = ftp.Receive(passive, "LIST", code);
    EXPECT_EQ(226, code);
    EXPECT_NE(std::string::npos, listing.find(" 1048576 ")) << listing;
    for (const char* name : {" small.txt\r\n", " large.bin\r\n", " my file.c\r\n", " sub\r\n", " www -> sub\r\n"})
        EXPECT_NE(std::string::npos, listing.find(name)) << name << " in " << listing;

    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        EXPECT_TRUE(ftp.Receive(passive, CString("RETR ") + file.name, code) == file.bytes);
        EXPECT_EQ(226, code);
    }
    EXPECT_EQ(221, ftp.Command("QUIT"));
}

INSTANTIATE_TEST_SUITE_P(Modes, FtpOverSockets, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Passive" : "Active"; });

TEST(FtpOverSocketsErrors, FailedDirectoryChangeAndWrongPasswordAreReplies)
{
    LocalFtpServer server;
    ASSERT_NE(0u, server.Port());
    {
        MiniFtp ftp(server.Port());
        ASSERT_TRUE(ftp.Login(LocalFtpServer::kUser, LocalFtpServer::kPassword));
        EXPECT_EQ(550, ftp.Command("CWD missing"));
        EXPECT_EQ(250, ftp.Command("CWD sub"));
    }
    MiniFtp ftp(server.Port());
    EXPECT_EQ(220, ftp.ReadReply());
    EXPECT_EQ(331, ftp.Command(CString("USER ") + LocalFtpServer::kUser));
    EXPECT_EQ(530, ftp.Command("PASS wrong"));
}
