#include "editor/dialogs/RemoteTransfer.h"

#include <memory>
#include <mutex>

#include "editor/dialogs/FtpSession.h"
#include "editor/res/resource.h"
#include "editor/settings/SettingsRecords.h"
#include "editor/util/PathUtil.h"
#include "framework/Exceptions.h"
#include "framework/File.h"
#include "framework/Internet.h"
#include "framework/MessageBox.h"
#include "framework/Socket.h"
#include "framework/WaitCursor.h"

namespace {

const UINT kBlockSize = 512;

void ShowStop(UINT id, LPCTSTR argument = "", LPCTSTR second = "")
{
    CString text;
    text.Format(id, argument, second);
    text.TrimRight('\n');
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
}

// What follows our text in the box of a failed step of the own client: the server's last
// reply, or what the session says went wrong. A failed connect has no reply, only the
// socket layer's error, and our text says all the user needs.
CString FailureDetail(UINT id, const CFtpSession& session)
{
    return id == IDS_FTP_CONNECT_FAILED ? CString() : session.GetLastText();
}

void ReportException(CException* e)
{
    e->ReportError(MB_OK | MB_ICONSTOP);
    e->Delete();
}

bool HasServer(const CFtpSiteRecord& account)
{
    return !account.title.IsEmpty() && !account.host.IsEmpty();
}

bool Cancelled(const std::atomic<int>* cancel)
{
    return cancel && *cancel;
}

// What the user stopped is not a failure: it goes without a box.
void ShowStopUnlessCancelled(const std::atomic<int>* cancel, UINT id, LPCTSTR argument)
{
    if (!Cancelled(cancel))
        ShowStop(id, argument);
}

void ReportUnlessCancelled(const std::atomic<int>* cancel, CException* e)
{
    if (Cancelled(cancel))
        e->Delete();
    else
        ReportException(e);
}

// One remote file open for reading or writing, through either client.
class RemoteFile {
public:
    virtual ~RemoteFile() = default;
    virtual UINT Read(void* buffer, UINT count) = 0;
    virtual void Write(const void* buffer, UINT count) = 0;
    // Ends the transfer; true when the server took or gave all of it.
    virtual bool Finish() = 0;
    // A framework exception during the block loop, reported (unless the transfer was
    // cancelled) and deleted.
    virtual void ReportLoopFailure(CException* e) = 0;

protected:
    explicit RemoteFile(const std::atomic<int>* cancel) : m_cancel(cancel) {}
    // Raised by another thread to stop the transfer; a cancelled transfer shows no box.
    const std::atomic<int>* m_cancel;
};

class OwnRemoteFile : public RemoteFile {
public:
    ~OwnRemoteFile() override
    {
        m_session.Quit();
        m_session.Close();
    }
    // Connects, logs in and opens the file; null after the box that says why. Raising
    // *cancel stops any socket call of the session at once.
    static std::unique_ptr<OwnRemoteFile> Open(const CFtpSiteRecord& account, LPCTSTR path, BOOL download,
                                               const std::atomic<int>* cancel)
    {
        if (!InitSocketsOnce())
            return nullptr;
        std::unique_ptr<OwnRemoteFile> file(new OwnRemoteFile(cancel));
        CFtpSession& s = file->m_session;
        s.SetCancelFlag(cancel);
        UINT failure = 0;
        if (!s.Connect(account.host, account.port))
            failure = IDS_FTP_CONNECT_FAILED;
        else if (!s.Login(account.user, account.password))
            failure = IDS_FTP_LOGIN_FAILED;
        else if (!s.OpenTransfer(download, path, TRUE, account.passive))
            failure = IDS_FTP_OPEN_FAILED;
        if (failure) {
            ShowStopUnlessCancelled(cancel, failure, FailureDetail(failure, s));
            return nullptr;
        }
        return file;
    }
    UINT Read(void* buffer, UINT count) override { return m_session.Read(buffer, count); }
    void Write(const void* buffer, UINT count) override { m_session.Write(buffer, count); }
    bool Finish() override { return m_session.CloseTransfer() != 0; }
    void ReportLoopFailure(CException* e) override
    {
        e->Delete();
        if (!Cancelled(m_cancel))
            AfxMessageBox(IDS_FTP_TRANSFER_ERROR, MB_OK | MB_ICONSTOP);
    }

private:
    using RemoteFile::RemoteFile;
    CFtpSession m_session;
};

// A connection of the internet classes, closed and deleted with its session.
class InternetConnection {
public:
    // Null after the exception's box. The platform's calls cannot be cut short: a cancel
    // only keeps their failure quiet.
    static std::unique_ptr<InternetConnection> Open(const CFtpSiteRecord& account,
                                                    const std::atomic<int>* cancel = nullptr)
    {
        std::unique_ptr<InternetConnection> c(new InternetConnection);
        try {
            c->m_session.reset(new CInternetSession(nullptr, 1, INTERNET_OPEN_TYPE_PRECONFIG));
            c->m_connection.reset(c->m_session->GetFtpConnection(account.host, account.user, account.password,
                                                                 static_cast<INTERNET_PORT>(account.port),
                                                                 account.passive));
        } catch (CException* e) {
            ReportUnlessCancelled(cancel, e);
            return nullptr;
        }
        return c;
    }
    ~InternetConnection()
    {
        if (m_connection)
            m_connection->Close();
    }
    CFtpConnection* Get() const { return m_connection.get(); }

private:
    std::unique_ptr<CInternetSession> m_session;
    std::unique_ptr<CFtpConnection> m_connection;
};

class InternetRemoteFile : public RemoteFile {
public:
    static std::unique_ptr<InternetRemoteFile> Open(const CFtpSiteRecord& account, LPCTSTR path, BOOL download,
                                                    const std::atomic<int>* cancel)
    {
        std::unique_ptr<InternetRemoteFile> file(new InternetRemoteFile(cancel));
        file->m_connection = InternetConnection::Open(account, cancel);
        if (!file->m_connection)
            return nullptr;
        try {
            file->m_file.reset(file->m_connection->Get()->OpenFile(path, download ? GENERIC_READ : GENERIC_WRITE,
                                                            FTP_TRANSFER_TYPE_BINARY, 1));
        } catch (CException* e) {
            ReportUnlessCancelled(cancel, e);
            return nullptr;
        }
        return file;
    }
    ~InternetRemoteFile() override
    {
        if (m_file)
            m_file->Abort();
    }
    UINT Read(void* buffer, UINT count) override { return m_file->Read(buffer, count); }
    void Write(const void* buffer, UINT count) override { m_file->Write(buffer, count); }
    bool Finish() override
    {
        try {
            m_file->Close();
        } catch (CException* e) {
            ReportUnlessCancelled(m_cancel, e);
            return false;
        }
        return true;
    }
    void ReportLoopFailure(CException* e) override { ReportUnlessCancelled(m_cancel, e); }

private:
    using RemoteFile::RemoteFile;
    std::unique_ptr<InternetConnection> m_connection;
    std::unique_ptr<CInternetFile> m_file;
};

std::unique_ptr<RemoteFile> OpenRemoteFile(const CFtpSiteRecord& account, LPCTSTR path, BOOL download,
                                           const std::atomic<int>* cancel)
{
    if (account.useInternetClasses)
        return InternetRemoteFile::Open(account, path, download, cancel);
    return OwnRemoteFile::Open(account, path, download, cancel);
}

// The caller's progress, stopped as well once *cancel is raised.
TransferProgressCallback StopOnCancel(const TransferProgressCallback& progress, const std::atomic<int>* cancel)
{
    return [&progress, cancel](DWORD soFar) { return !Cancelled(cancel) && (!progress || progress(soFar)) ? 1 : 0; };
}

// Moves blocks until a read brings nothing (a short block is not the end) or the callback
// asks to stop; returns the callback's last answer (1 without one). Framework exceptions
// pass through.
template <class ReadBlock, class WriteBlock>
int MoveBlocks(ReadBlock read, WriteBlock write, const TransferProgressCallback& progress, DWORD& total)
{
    char block[kBlockSize];
    int result = 1;
    for (;;) {
        const UINT got = read(block, kBlockSize);
        if (got) {
            write(block, got);
            total += got;
        }
        if (progress)
            result = progress(total);
        if (!result || !got)
            return result;
    }
}

} // namespace

int InitSocketsOnce()
{
    static std::mutex lock;
    static bool started = false;
    std::lock_guard<std::mutex> guard(lock);
    if (!started && !(started = AfxSocketInit() != FALSE))
        AfxMessageBox("Could not initialize Windows Sockets!");
    return started;
}

int RemoteGetFile(const CFtpSiteRecord& account, LPCTSTR remotePath, LPCTSTR localPath,
                  const TransferProgressCallback& progress, DWORD expectedSize, const std::atomic<int>* cancel)
{
    if (!HasServer(account) || Cancelled(cancel))
        return 0;
    std::unique_ptr<RemoteFile> remote = OpenRemoteFile(account, remotePath, TRUE, cancel);
    if (!remote)
        return 0;
    const CString scratch = CString(localPath) + ".part";
    CFile local;
    if (!local.Open(scratch, CFile::modeCreate | CFile::modeReadWrite))
        return 0;
    int result = 0;
    DWORD total = 0;
    try {
        result = MoveBlocks([&](void* b, UINT n) { return remote->Read(b, n); },
                            [&](const void* b, UINT n) { local.Write(b, n); }, StopOnCancel(progress, cancel),
                            total);
        local.Close();
    } catch (CException* e) {
        local.Abort();
        ::DeleteFileA(scratch);
        remote->ReportLoopFailure(e);
        return 0;
    }
    const bool finished = remote->Finish();
    if (result && finished && expectedSize && total != expectedSize) {
        CString received, expected;
        received.Format("%lu", static_cast<unsigned long>(total));
        expected.Format("%lu", static_cast<unsigned long>(expectedSize));
        CString text;
        text.Format(IDS_FTP_SHORT_DOWNLOAD, remotePath, static_cast<LPCTSTR>(received), static_cast<LPCTSTR>(expected));
        AfxMessageBox(text, MB_OK | MB_ICONSTOP);
        result = 0;
    }
    if (!finished || !result || !::MoveFileExA(scratch, localPath, MOVEFILE_REPLACE_EXISTING)) {
        ::DeleteFileA(scratch);
        return 0;
    }
    return result;
}

int RemotePutFile(const CFtpSiteRecord& account, LPCTSTR localPath, LPCTSTR remotePath,
                  const TransferProgressCallback& progress, const std::atomic<int>* cancel)
{
    if (!HasServer(account) || Cancelled(cancel))
        return 0;
    // The local file first: a missing one must not cost the server's copy.
    CFile local;
    if (!local.Open(localPath, CFile::modeRead | CFile::shareDenyWrite))
        return 0;
    std::unique_ptr<RemoteFile> remote = OpenRemoteFile(account, remotePath, FALSE, cancel);
    if (!remote)
        return 0;
    int result = 0;
    DWORD total = 0;
    bool finished = false;
    try {
        result = MoveBlocks([&](void* b, UINT n) { return local.Read(b, n); },
                            [&](const void* b, UINT n) { remote->Write(b, n); }, StopOnCancel(progress, cancel),
                            total);
        finished = remote->Finish();
    } catch (CException* e) {
        remote->ReportLoopFailure(e);
    }
    if (!result || !finished) {
        ShowStop(IDS_FTP_UPLOAD_INCOMPLETE, remotePath);
        return 0;
    }
    return result;
}

// ---- Listings ----

namespace {

int ListWithOwnClient(CStringArray& rows, CFtpSiteRecord& account, LPCTSTR filter,
                      const TransferProgressCallback& progress, const std::atomic<int>* cancel)
{
    if (!InitSocketsOnce())
        return 0;
    CFtpSession session;
    session.SetCancelFlag(cancel);
    bool stopped = false;
    const std::function<int(DWORD)> lineCount = [&](DWORD count) {
        stopped = !progress(count);
        return stopped ? 0 : 1;
    };
    // A stopped listing reports nothing.
    auto fail = [&](UINT id) {
        if (stopped || Cancelled(cancel))
            return -1;
        ShowStop(id, FailureDetail(id, session));
        return 0;
    };
    if (!session.Connect(account.host, account.port))
        return fail(IDS_FTP_CONNECT_FAILED);
    if (!session.Login(account.user, account.password))
        return fail(IDS_FTP_LOGIN_FAILED);
    CString folder = account.folder;
    if (!folder.IsEmpty() && !session.ChangeDirectory(folder) && fail(IDS_FTP_CWD_FAILED) < 0)
        return -1;
    session.PrintWorkingDirectory(folder);
    CStringArray lines;
    // An empty folder and a failed listing must not look alike.
    if (!session.List(lines, nullptr, account.passive, lineCount))
        return fail(IDS_FTP_LIST_FAILED);
    if (!FtpListRows(lines, filter, [cancel] { return Cancelled(cancel); }, rows))
        return -1;
    account.folder = folder;
    session.Quit();
    session.Close();
    return 1;
}

// The internet classes block inside the platform, bounded by its time-outs; a stop takes
// effect between entries.
int ListWithInternetClasses(CStringArray& rows, CFtpSiteRecord& account, LPCTSTR filter,
                            const TransferProgressCallback& progress)
{
    std::unique_ptr<InternetConnection> connection = InternetConnection::Open(account);
    if (!connection)
        return 0;
    try {
        CString folder = account.folder;
        if (!folder.IsEmpty() && !connection->Get()->SetCurrentDirectory(folder))
            ShowStop(IDS_FTP_CWD_FAILED_INET, folder, "Not a directory?");
        connection->Get()->GetCurrentDirectory(folder);
        CStringArray found;
        CFtpFileFind finder(connection->Get());
        DWORD count = 0;
        for (BOOL more = finder.FindFile(nullptr, INTERNET_FLAG_RELOAD); more;) {
            if (!progress(++count))
                return -1;
            more = finder.FindNextFile();
            const CString name = finder.GetFileName();
            if (name.Find('/') >= 0)
                continue;
            if (finder.IsDirectory()) {
                if (!finder.IsDots())
                    found.Add("D/" + name + "/N");
            } else if (!finder.IsNormal()) {
                found.Add("D/" + name + "/L");
            } else if (MatchFileFilter(name, filter)) {
                CString row;
                row.Format("F/%s/%lu", static_cast<LPCTSTR>(name), static_cast<unsigned long>(finder.GetLength()));
                found.Add(row);
            }
        }
        rows.RemoveAll();
        rows.Append(found);
        account.folder = folder;
    } catch (CException* e) {
        ReportException(e);
        return 0;
    }
    return 1;
}

} // namespace

int RemoteListDirectory(CStringArray& rows, CFtpSiteRecord& account, LPCTSTR filter,
                        const TransferProgressCallback& progress, const std::atomic<int>* cancel)
{
    if (!HasServer(account))
        return 0;
    if (cancel && *cancel)
        return -1;
    CWaitCursor wait;
    const TransferProgressCallback goOn = StopOnCancel(progress, cancel);
    return account.useInternetClasses ? ListWithInternetClasses(rows, account, filter, goOn)
                                      : ListWithOwnClient(rows, account, filter, goOn, cancel);
}
