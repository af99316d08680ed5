#include "editor/document/WrenDoc.h"

#include <new>

#include "editor/document/BackupFile.h"
#include "editor/document/FileMessages.h"
#include "editor/document/ProgressSink.h"
#include "editor/util/PathUtil.h"
#include "framework/DocManager.h"
#include "framework/DocViewHost.h"
#include "framework/Exceptions.h"
#include "framework/MessageBox.h"
#include "framework/WaitCursor.h"

IMPLEMENT_DYNCREATE(CWrenDoc, CDocument)

namespace {

const char kBackupFailedText[] = "创建备份文件失败.";
const char kAttributeCheckFailedText[] = "文件属性检查失败,继续吗?";
const char kSaveReadOnlyFormat[] = "保存文件失败.\n\"%s\"\n- 不允许存储 (目录或文件是只读的吗?)";
const char kSaveHiddenFormat[] = "保存文件失败.\n\"%s\"\n- 不允许存储 (是隐藏或系统文件吗?)";
const char kOverlongFormat[] = "行溢出!\n\n这个文档的某些行包含的字符多于 %d 个.\n如果保存你可能会丢失一些文件内容.";
const char kReplacedCharactersFormat[] =
    "%s\n\n打开此文件时, 有些字符无法以国标编码表示, 已被替换.\n保存将覆盖原文件, 这些字符会丢失. 仍要保存吗?";
const char kOutOfMemoryFormat[] = "内存不足。\n%s";

const DWORD kReadOnlyOrDirectory = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY;
const DWORD kHiddenOrSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
const DWORD kProtected = FILE_ATTRIBUTE_READONLY | kHiddenOrSystem;

CString Formatted(const char* format, const char* text)
{
    CString message;
    message.Format(format, text);
    return message;
}

CString ExtensionOf(const CString& path)
{
    return GetExtensionPart(GetFileNamePart(path));
}

// Whether the file can be opened the way the framework would open it for reading or
// writing; the handle is closed again at once.
bool ProbeFile(CDocument& document, LPCTSTR path, UINT flags, BOOL saving)
{
    CFileException error;
    CFile* file = document.GetFile(path, flags, &error);
    if (file == nullptr) {
        document.ReportSaveLoadException(path, &error, saving, saving ? kFailedToSaveDocText : kFailedToOpenDocText);
        return false;
    }
    document.ReleaseFile(file, FALSE);
    return true;
}

} // namespace

CWrenDoc::CWrenDoc() = default;

CWrenDoc::~CWrenDoc() = default;

void CWrenDoc::DeleteContents()
{
    m_text.ResetContents();
}

void CWrenDoc::SetPathName(LPCTSTR path, BOOL addToMRU)
{
    CDocument::SetPathName(path, addToMRU && !IsRemote());
    SetTitle(IsRemote() ? RemoteTitle() : m_strPathName);
}

CString CWrenDoc::GetDisplayPath() const
{
    if (IsRemote())
        return RemoteTitle();
    return m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
}

CString CWrenDoc::RemoteTitle() const
{
    CRemoteAccount account;
    return GetAccount(m_remoteAccount, account) ? account.GetUrlForm() + m_remotePath : m_remotePath;
}

bool CWrenDoc::GetAccount(int index, CRemoteAccount& account) const
{
    IRemoteFiles* remote = DocumentServices().remoteFiles;
    return index >= 0 && remote != nullptr && remote->GetAccount(index, account);
}

// ---- opening ----

COpenRequest COpenRequest::LocalFile(const CString& path)
{
    COpenRequest request;
    request.path = path;
    return request;
}

COpenRequest COpenRequest::RemoteFile(int account, const CString& remotePath, const CString& cachePath)
{
    COpenRequest request;
    request.path = cachePath;
    request.remoteAccount = account;
    request.remotePath = remotePath;
    return request;
}

COpenRequest COpenRequest::NewFromTemplate(const CString& templatePath)
{
    COpenRequest request;
    request.templatePath = templatePath;
    return request;
}

DocumentLoader OpenRequestLoader(const COpenRequest& request)
{
    return [request](CDocument& document, LPCTSTR path) -> BOOL {
        auto* doc = dynamic_cast<CWrenDoc*>(&document);
        if (doc == nullptr)
            return path != nullptr ? document.OnOpenDocument(path) : document.OnNewDocument();
        // The framework hands the path in its full form, the one the document is known by.
        COpenRequest opened = request;
        opened.path = path != nullptr ? path : "";
        return doc->Open(opened);
    };
}

BOOL CWrenDoc::OnNewDocument()
{
    return Open(COpenRequest());
}

BOOL CWrenDoc::OnOpenDocument(LPCTSTR path)
{
    return Open(COpenRequest::LocalFile(path));
}

BOOL CWrenDoc::Open(const COpenRequest& request)
{
    return request.path.IsEmpty() ? OpenNew(request.templatePath) : OpenFile(request);
}

BOOL CWrenDoc::OpenNew(const CString& templatePath)
{
    m_remoteAccount = -1;
    m_remotePath.Empty();
    DeleteContents();
    m_strPathName.Empty();
    m_fileStatus = CFileStatus();
    m_attributes = 128;
    if (!templatePath.IsEmpty()) {
        if (m_text.LoadFromFile(templatePath, kEncodingAnsi))
            m_text.SetLineEnd(kLineEndDos);
        else
            m_text.ResetContents();
        DetectSyntaxType(templatePath);
    } else {
        m_syntaxAuto = true;
        CLanguageFiles& language = m_text.GetLanguageFiles();
        language.Clear();
        if (language.DetectDefaultSyntaxType() && !language.LoadLanguageFiles())
            ReportLanguageFileFailure(language.GetFailedFile().c_str());
    }
    AnalyseAndResetViews();
    return TRUE;
}

BOOL CWrenDoc::OpenFile(const COpenRequest& request)
{
    const CString& path = request.path;
    m_remoteAccount = request.remoteAccount < 0 ? -1 : request.remoteAccount;
    m_remotePath = IsRemote() ? request.remotePath : CString();
    if (DocumentServices().settings.backupMode == 2 && !IsRemote() && FileExists(path) && !Backup(path))
        AfxMessageBox(kBackupFailedText);
    if (!ProbeFile(*this, path, CFile::modeRead | CFile::shareDenyNone, FALSE))
        return FALSE;
    if (!LoadFile(path, kEncodingUnknown)) {
        AnalyseAndResetViews();
        return FALSE;
    }
    DetectSyntaxType(path);
    AnalyseAndResetViews();
    return TRUE;
}

bool CWrenDoc::LoadFile(LPCTSTR path, EncodingCode encoding)
{
    CWaitCursor wait;
    bool loaded = false;
    try {
        loaded = m_text.LoadFromFile(path, encoding);
    } catch (const std::bad_alloc&) {
        m_text.ResetContents();
        AfxMessageBox(Formatted(kOutOfMemoryFormat, path), MB_ICONEXCLAMATION);
        return false;
    }
    if (!loaded) {
        ReportOpenFailure(path);
        return false;
    }
    StoreFileStatus(path);
    return true;
}

void CWrenDoc::DetectSyntaxType(const CString& path)
{
    m_syntaxAuto = true;
    const CTextLine* first = m_text.GetLine(0);
    CLanguageFiles& language = m_text.GetLanguageFiles();
    language.Choose(std::string(path), std::string(first->GetText(), (size_t)first->GetLength()));
    if (!language.GetFailedFile().empty())
        ReportLanguageFileFailure(language.GetFailedFile().c_str());
}

void CWrenDoc::AnalyseAndResetViews()
{
    // The views refer to the lines loaded last: they start again whatever happened.
    struct ResetViews {
        CTextDocument& text;
        ~ResetViews() { text.ResetAllViews(); }
    } reset{m_text};
    m_text.SetProgressSink(DocumentServices().progress);
    m_text.AnalyzeAllLines(0, m_text.GetLineCount());
}

void CWrenDoc::AnalyseAndRefreshViews()
{
    m_text.SetProgressSink(DocumentServices().progress);
    m_text.AnalyzeAllLines(0, m_text.GetLineCount());
    m_text.RefreshAllViews();
    UpdateAllViews(nullptr);
}

void CWrenDoc::WarnOverlongLines()
{
    if (!m_text.GetLines().HasOverlongLine())
        return;
    CString message;
    message.Format(kOverlongFormat, kOverlongLineLimit);
    AfxMessageBox(message, MB_ICONINFORMATION);
}

// ---- reloading ----

BOOL CWrenDoc::OpenWithEncoding(LPCTSTR path, EncodingCode encoding)
{
    if (!ProbeFile(*this, path, CFile::modeRead | CFile::shareDenyNone, FALSE))
        return FALSE;
    const CString loadedPath = path;
    const bool loaded = LoadFile(loadedPath, encoding);
    AnalyseAndResetViews();
    UpdateAllViews(nullptr);
    if (!loaded) {
        // What was read is no copy of the file: saving it must be a decision.
        m_text.SetModifiedFlag(1);
        return FALSE;
    }
    return TRUE;
}

BOOL CWrenDoc::Reload(EncodingCode encoding)
{
    if (m_strPathName.IsEmpty())
        return FALSE;
    const LineIndex line = m_text.GetFirstWatcherCaretLine() + 1;  // 0 without a view
    if (IsRemote())
        // The cache's length is no measure of the server's file, which may have changed.
        return ReloadRemote(m_remoteAccount, m_remotePath, 0, line, encoding);
    return ReloadLocal(m_strPathName, line, encoding);
}

BOOL CWrenDoc::ReloadLocal(LPCTSTR path, LineIndex line, EncodingCode encoding)
{
    return ReopenAt(path, line, encoding);
}

BOOL CWrenDoc::ReopenAt(const CString& path, LineIndex line, EncodingCode encoding)
{
    if (!OpenWithEncoding(path, encoding))
        return FALSE;
    if (line > 0)
        GoToLineInViews(line);
    WarnOverlongLines();
    return TRUE;
}

void CWrenDoc::GoToLineInViews(LineIndex line)
{
    m_text.GoToLineInWatchers(line - 1);
}

// ---- saving ----

bool CWrenDoc::CheckWritable(LPCTSTR path)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return true;
        return AfxMessageBox(kAttributeCheckFailedText, MB_YESNO) == IDYES;
    }
    if (attributes & kReadOnlyOrDirectory) {
        AfxMessageBox(Formatted(kSaveReadOnlyFormat, path), MB_ICONSTOP);
        return false;
    }
    if (attributes & kHiddenOrSystem) {
        AfxMessageBox(Formatted(kSaveHiddenFormat, path), MB_ICONSTOP);
        return false;
    }
    return true;
}

bool CWrenDoc::AskSaveOverReplacedCharacters(LPCTSTR path)
{
    if (!m_text.HasReplacedCharacters() || m_strPathName.CompareNoCase(path) != 0)
        return true;
    return AfxMessageBox(Formatted(kReplacedCharactersFormat, path), MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void CWrenDoc::RunSaveTransform(int (CTextDocument::*transform)())
{
    {
        CUndoGroup group(m_text, 1);
        (m_text.*transform)();
    }
    m_text.GetRedoSet().Clear();
    m_text.DropStaleSavePoint();
}

BOOL CWrenDoc::OnSaveDocument(LPCTSTR path)
{
    return SaveFile(path, -1, CString());
}

BOOL CWrenDoc::SaveFile(const CString& path, int remoteAccount, const CString& remotePath)
{
    const CString target = path;
    if (!CheckWritable(target) || !AskSaveOverReplacedCharacters(target))
        return FALSE;
    CDocumentServices& services = DocumentServices();
    const bool remote = remoteAccount >= 0;
    if (services.settings.backupMode == 1 && !remote && FileExists(target) && !Backup(target))
        AfxMessageBox(kBackupFailedText);
    if (services.settings.trimTrailingBlanksBeforeSave)
        RunSaveTransform(&CTextDocument::TrimTrailingBlanksAll);
    if (services.settings.tabsToBlanksBeforeSave)
        RunSaveTransform(&CTextDocument::TabsToSpacesAll);
    if (!ProbeFile(*this, target, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite, TRUE))
        return FALSE;
    if (services.settings.saveAsUnix || (remote && services.settings.saveRemoteAsUnix))
        m_text.SetLineEnd(kLineEndUnix);
    {
        CWaitCursor wait;
        if (!m_text.SaveToFile(target)) {
            ReportSaveFailure(target);
            return FALSE;
        }
    }
    // Only now that the text is on disk does the document count as saved.
    m_text.MarkSaved();
    m_text.ForgetReplacedCharacters();
    const CString oldPath = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    m_remoteAccount = remote ? remoteAccount : -1;
    m_remotePath = remote ? remotePath : CString();
    StoreFileStatus(target);
    if (m_syntaxAuto && ExtensionOf(oldPath) != ExtensionOf(target)) {
        DetectSyntaxType(target);
        AnalyseAndRefreshViews();
    }
    UpdateAllViews(nullptr);
    return TRUE;
}

BOOL CWrenDoc::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString prompt = kAskToSaveText;
    prompt.Replace("%1", GetDisplayPath());
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL)) {
    case IDCANCEL:
        return FALSE;
    case IDNO:
        return TRUE;
    default:
        return DoFileSave();
    }
}

BOOL CWrenDoc::DoFileSave()
{
    if (!m_strPathName.IsEmpty()) {
        const DWORD attributes = ::GetFileAttributesA(m_strPathName);
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            m_attributes = attributes;
            if ((attributes & kProtected) == 0)
                return IsRemote() ? SaveRemote(m_remoteAccount, m_remotePath) : SaveLocal(m_strPathName);
        }
    }
    return SaveAs();
}

BOOL CWrenDoc::SaveAs()
{
    CString name = IsRemote() ? GetFileNamePart(m_strPathName) : m_strTitle;
    IDocumentShell* shell = DocumentServices().shell;
    if (shell != nullptr) {
        if (!shell->PromptNewFileName(name))
            return FALSE;
    } else {
        CDocManager* manager = GetHostDocManager();
        if (manager == nullptr || !manager->DoPromptFileName(name, nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST,
                                                             FALSE, GetDocTemplate()))
            return FALSE;
    }
    return SaveLocal(name);
}

BOOL CWrenDoc::SaveLocal(LPCTSTR path)
{
    const CString target = path;
    if (!OnSaveDocument(target))
        return FALSE;
    SetPathName(target, TRUE);
    return TRUE;
}

BOOL CWrenDoc::Backup(LPCTSTR path)
{
    return BackupFile(path, DocumentServices().settings) ? TRUE : FALSE;
}

// ---- the file on disk ----

int CWrenDoc::ReadFileStatus()
{
    return !m_strPathName.IsEmpty() && StoreFileStatus(m_strPathName) ? 1 : 0;
}

bool CWrenDoc::StoreFileStatus(LPCTSTR path)
{
    CFileStatus status;
    if (!CFile::GetStatus(path, status))
        return false;
    m_fileStatus = status;
    m_attributes = status.m_attribute;
    return true;
}

bool CWrenDoc::IsFileChangedOnDisk() const
{
    if (IsRemote() || m_strPathName.IsEmpty())
        return false;
    CFileStatus status;
    if (!CFile::GetStatus(m_strPathName, status))
        return false;
    return CompareFileTime(&status.m_lastWriteTime, &m_fileStatus.m_lastWriteTime) != 0;
}
