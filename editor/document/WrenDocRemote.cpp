// Remote documents: the text lives on an FTP server and is edited through a local cache
// copy, which is uploaded after each save and downloaded again to reload.
#include "editor/document/WrenDoc.h"

#include "editor/util/PathUtil.h"
#include "framework/AppEnvironment.h"
#include "framework/MessageBox.h"

namespace {

const char kCacheFailedFormat[] = "创建远程备份文件失败.\n\"%s\"";
const char kTransferCancelledText[] = "用户取消了远程文件传输.";
const char kUploadFailedFormat[] = "远程文件存储失败.\n\"%s\"";
const char kDownloadFailedFormat[] = "重新加载远程文件失败.\n\"%s\"";

void ShowWithPath(const char* format, const CString& path)
{
    CString message;
    message.Format(format, (LPCTSTR)path);
    AfxMessageBox(message);
}

} // namespace

CString RemoteCacheFile(const CString& accountName, const CString& remotePath)
{
    const CString& folder = DocumentServices().settings.remoteCacheFolder;
    const CString root = folder.GetLength() < 2 ? GetProgramFolder() + "\\remote" : StripTrailingBackslash(folder);
    CString name = RemotePathToCacheName(remotePath);
    name.TrimLeft('\\');
    return root + "\\" + accountName + "\\" + name;
}

CString CWrenDoc::RemoteCachePath(int account, const CString& remotePath) const
{
    CRemoteAccount record;
    return GetAccount(account, record) ? RemoteCacheFile(record.GetAccountName(), remotePath) : CString();
}

bool CWrenDoc::EnsurePassword(int index, const CRemoteAccount& account)
{
    if (account.passwordSaved || account.passwordGiven)
        return true;
    return DocumentServices().remoteFiles->AskPassword(index);
}

BOOL CWrenDoc::SaveRemote(int account, const CString& remotePath)
{
    CRemoteAccount record;
    if (!GetAccount(account, record))
        return FALSE;
    const CString cachePath = RemoteCachePath(account, remotePath);
    if (!EnsurePathExists(GetDirectoryPart(cachePath) + "\\")) {
        ShowWithPath(kCacheFailedFormat, cachePath);
        return FALSE;
    }
    const int modified = m_text.IsModified();
    const int savePoint = m_text.GetSavePointDepth();
    auto restore = [&] {
        m_text.SetModifiedFlag(modified);
        m_text.SetSavePointDepth(savePoint);
        UpdateAllViews(nullptr);
    };
    if (!SaveFile(cachePath, account, remotePath))
        return FALSE;
    SetPathName(cachePath, TRUE);
    // An anonymous account has no user name; without a host there is nowhere to upload.
    if (record.host.IsEmpty() || !EnsurePassword(account, record)) {
        restore();
        return FALSE;
    }
    IRemoteFiles& remote = *DocumentServices().remoteFiles;
    switch (remote.Transfer(false, account, remotePath, cachePath, m_fileStatus.m_size)) {
    case TransferResult::kDone:
        if (!record.passwordSaved)
            remote.MarkPasswordGiven(account);
        return TRUE;
    case TransferResult::kFailed:
        restore();
        ShowWithPath(kUploadFailedFormat, remotePath);
        return FALSE;
    default:
        restore();
        AfxMessageBox(kTransferCancelledText);
        return FALSE;
    }
}

BOOL CWrenDoc::ReloadRemote(int account, const CString& remotePath, long long size, LineIndex line,
                            EncodingCode encoding)
{
    CRemoteAccount record;
    if (!GetAccount(account, record) || record.host.IsEmpty() || m_strPathName.IsEmpty() ||
        !EnsurePassword(account, record))
        return FALSE;
    IRemoteFiles& remote = *DocumentServices().remoteFiles;
    switch (remote.Transfer(true, account, remotePath, m_strPathName, size)) {
    case TransferResult::kDone:
        if (!record.passwordSaved)
            remote.MarkPasswordGiven(account);
        break;
    case TransferResult::kFailed:
        ShowWithPath(kDownloadFailedFormat, remotePath);
        return FALSE;
    default:
        AfxMessageBox(kTransferCancelledText);
        return FALSE;
    }
    return ReopenAt(m_strPathName, line, encoding);
}
