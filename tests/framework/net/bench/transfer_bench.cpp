// Transfer speeds over the loopback address, the way the IDE moves remote files: archives
// over sockets, and FTP against the local pyftpdlib server through the own client's socket
// classes and through the internet classes, both in 512-byte blocks.
//   framework_net_transfer_bench [megabytes]   (default 16)
#include "NetTestSupport.h"
#include "bench_measures.h"

#include "framework/Internet.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

const UINT kBlock = 512;

void Report(const char* what, size_t bytes, double seconds)
{
    printf("%-46s %8.3f s %9.1f MB/s\n", what, seconds, bytes / 1048576.0 / seconds);
}

void SocketArchives(const std::string& bytes)
{
    CSocket listener;
    CString address;
    UINT port = 0;
    if (!listener.Create(0, SOCK_STREAM, "127.0.0.1") || !listener.Listen() || !listener.GetSockName(address, port))
        return;
    size_t received = 0;
    CStopwatch watch;
    std::thread reader([&] {
        CSocket connection;
        if (!listener.Accept(connection))
            return;
        CSocketFile file(&connection);
        CArchive in(&file, CArchive::load);
        char block[kBlock];
        while (UINT read = in.Read(block, kBlock))
            received += read;
    });
    {
        CSocket client;
        client.Create();
        client.Connect("127.0.0.1", port);
        CSocketFile file(&client);
        CArchive out(&file, CArchive::store);
        for (size_t done = 0; done < bytes.size(); done += kBlock)
            out.Write(bytes.data() + done, kBlock);
        out.Close();
    }
    reader.join();
    Report("archives over sockets, 512-byte blocks", received, watch.Seconds());
}

void OwnClient(UINT port, const std::string& bytes)
{
    MiniFtp ftp(port);
    if (!ftp.Login(LocalFtpServer::kUser, LocalFtpServer::kPassword))
        return;
    ftp.Command("TYPE I");
    CStopwatch upload;
    ftp.Send(true, "STOR own.bin", bytes);
    Report("FTP upload, socket classes (passive)", bytes.size(), upload.Seconds());
    int code = 0;
    CStopwatch download;
    size_t size = ftp.Receive(true, "RETR own.bin", code).size();
    Report("FTP download, socket classes (passive)", size, download.Seconds());
}

void InternetClasses(UINT port, const std::string& bytes)
{
    try {
        CInternetSession session;
        std::unique_ptr<CFtpConnection> connection(session.GetFtpConnection(
            "127.0.0.1", LocalFtpServer::kUser, LocalFtpServer::kPassword, (INTERNET_PORT)port, TRUE));
        CStopwatch upload;
        {
            std::unique_ptr<CInternetFile> file(connection->OpenFile("wininet.bin", GENERIC_WRITE));
            for (size_t done = 0; done < bytes.size(); done += kBlock)
                file->Write(bytes.data() + done, kBlock);
            file->Close();
        }
        Report("FTP upload, internet classes (passive)", bytes.size(), upload.Seconds());
        CStopwatch download;
        size_t size = 0;
        {
            std::unique_ptr<CInternetFile> file(connection->OpenFile("wininet.bin", GENERIC_READ));
            char block[kBlock];
            while (UINT read = file->Read(block, kBlock))
                size += read;
            file->Close();
        }
        Report("FTP download, internet classes (passive)", size, download.Seconds());
    } catch (CException* e) {
        char text[512];
        e->GetErrorMessage(text, sizeof text);
        printf("internet classes failed: %s\n", text);
        e->Delete();
    }
}

} // namespace

int main(int argc, char** argv)
{
    size_t megabytes = argc > 1 ? (size_t)atoi(argv[1]) : 16;
    if (megabytes == 0)
        megabytes = 16;
    const std::string bytes = PatternBytes(megabytes << 20);
    AfxSocketInit();
    printf("%zu MB\n", megabytes);
    SocketArchives(bytes);
    LocalFtpServer server;
    if (!server.Port()) {
        printf("the local FTP server did not start\n");
        return 1;
    }
    OwnClient(server.Port(), bytes);
    InternetClasses(server.Port(), bytes);
    return 0;
}
