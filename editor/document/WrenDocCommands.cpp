// The commands that act on one document and their command-update handlers.
#include "editor/document/WrenDoc.h"
#include "editor/document/FileMessages.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DocManager.h"
#include "framework/DocViewHost.h"
#include "framework/MessageBox.h"
#include "framework/Time.h"
#include "editor/util/PathUtil.h"

namespace {

const char kReloadDiscardsFormat[] = "%s\n\n真想重新加载这个文件吗? 你已做的所有修改将会丢失.";
const char kReloadInEncodingText[] = "想重新加载此文件吗 ?";
const char kChangeTimeFormat[] = "%B %d, %Y   %I:%M:%S %p";

bool SameFiles(const CSyntaxTypeRow& row, const std::string& spec, const std::string& keywords)
{
    return !row.description.IsEmpty() && row.specFile.CompareNoCase(spec.c_str()) == 0 &&
           row.keywordFile.CompareNoCase(keywords.c_str()) == 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CWrenDoc, CDocument)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_COMMAND(ID_FILE_SAVE_ALL, OnFileSaveAll)
    ON_COMMAND(ID_FILE_REMOTE_SAVE_AS, OnFileRemoteSaveAs)
    ON_COMMAND(ID_FILE_RELOAD, OnFileReload)
    ON_COMMAND(ID_FILE_RELOAD_AS, OnFileReloadAs)
    ON_COMMAND(ID_SYNTAX_AUTO, OnSyntaxAuto)
    ON_COMMAND(ID_SYNTAX_PLAIN, OnSyntaxPlain)
    ON_COMMAND_RANGE(ID_SYNTAX_TYPE_FIRST, ID_SYNTAX_TYPE_LAST, OnSyntaxType)
    ON_COMMAND_RANGE(ID_FORMAT_LINE_END_DOS, ID_FORMAT_LINE_END_MAC, OnLineEnd)
    ON_COMMAND_RANGE(ID_FORMAT_ENCODING_ANSI, ID_FORMAT_ENCODING_UTF8_NO_BOM, OnEncoding)
    ON_COMMAND(ID_FORMAT_SUMMARY, OnDocumentSummary)
    ON_UPDATE_COMMAND_UI(ID_SYNTAX_AUTO, OnUpdateSyntaxAuto)
    ON_UPDATE_COMMAND_UI(ID_SYNTAX_PLAIN, OnUpdateSyntaxPlain)
    ON_UPDATE_COMMAND_UI_RANGE(ID_SYNTAX_TYPE_FIRST, ID_SYNTAX_TYPE_LAST, OnUpdateSyntaxType)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_LINE_END_DOS, ID_FORMAT_LINE_END_MAC, OnUpdateLineEnd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_ENCODING_ANSI, ID_FORMAT_ENCODING_UTF8_NO_BOM, OnUpdateEncoding)
END_MESSAGE_MAP()

void CWrenDoc::OnFileSave()
{
    DoFileSave();
}

void CWrenDoc::OnFileSaveAs()
{
    SaveAs();
}

void CWrenDoc::OnFileSaveAll()
{
    if (CDocManager* manager = GetHostDocManager())
        manager->SaveAllDocuments();
}

void CWrenDoc::OnFileRemoteSaveAs()
{
    IDocumentShell* shell = DocumentServices().shell;
    int account = IsRemote() ? m_remoteAccount : 0;
    CString remotePath = GetFileNamePart(m_strTitle);
    if (shell != nullptr && shell->PromptRemoteSaveAs(account, remotePath))
        SaveRemote(account, remotePath);
}

bool CWrenDoc::QuestionReloadWhenModified()
{
    if (!IsModified())
        return true;
    CString message;
    message.Format(kReloadDiscardsFormat, (LPCTSTR)GetDisplayPath());
    return AfxMessageBox(message, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void CWrenDoc::OnFileReload()
{
    if (!m_strPathName.IsEmpty() && QuestionReloadWhenModified())
        Reload(m_text.GetEncoding());
}

void CWrenDoc::OnFileReloadAs()
{
    IDocumentShell* shell = DocumentServices().shell;
    int index = 0;
    if (m_strPathName.IsEmpty() || shell == nullptr || !shell->ChooseReloadEncoding(index))
        return;
    if (index >= 0 && index < kEncodingCodeCount && QuestionReloadWhenModified())
        Reload((EncodingCode)index);
}

void CWrenDoc::OnSyntaxType(UINT id)
{
    const std::vector<CSyntaxTypeRow>& rows = DocumentServices().syntaxTypes;
    const size_t index = id - ID_SYNTAX_TYPE_FIRST;
    if (index >= rows.size())
        return;
    const CSyntaxTypeRow& row = rows[index];
    if (row.description.IsEmpty() || row.specFile.IsEmpty() || row.keywordFile.IsEmpty())
        return;
    m_syntaxAuto = false;
    CLanguageFiles& language = m_text.GetLanguageFiles();
    if (!language.UseSyntaxType(std::string(row.specFile), std::string(row.keywordFile)))
        ReportLanguageFileFailure(language.GetFailedFile().c_str());
    AnalyseAndRefreshViews();
}

void CWrenDoc::OnSyntaxAuto()
{
    const CString path = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    DetectSyntaxType(path);
    AnalyseAndRefreshViews();
}

void CWrenDoc::OnSyntaxPlain()
{
    m_syntaxAuto = false;
    m_text.GetLanguageFiles().Clear();
    AnalyseAndRefreshViews();
}

// The file on disk no longer has the document's form: closing asks to save, and no undo
// leads back to the saved state.
void CWrenDoc::MarkFormatChanged()
{
    m_text.SetModifiedFlag(1);
    m_text.SetSavePointDepth(-1);
}

void CWrenDoc::OnLineEnd(UINT id)
{
    const LineEndCode lineEnd = (LineEndCode)(id - ID_FORMAT_LINE_END_DOS + kLineEndDos);
    if (lineEnd == m_text.GetLineEnd())
        return;
    m_text.SetLineEnd(lineEnd);
    MarkFormatChanged();
    if (IDocumentShell* shell = DocumentServices().shell)
        shell->ShowFormats();
}

void CWrenDoc::OnEncoding(UINT id)
{
    const EncodingCode encoding = (EncodingCode)(id - ID_FORMAT_ENCODING_ANSI + kEncodingAnsi);
    if (encoding == m_text.GetEncoding())
        return;
    int answer = IDNO;
    if (!m_strPathName.IsEmpty()) {
        answer = AfxMessageBox(kReloadInEncodingText, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL)
            return;
    }
    m_text.SetEncoding(encoding);
    if (answer != IDYES)
        MarkFormatChanged();
    IDocumentShell* shell = DocumentServices().shell;
    if (shell != nullptr)
        shell->ShowFormats();
    if (answer == IDYES && shell != nullptr)
        shell->PostReload();
}

CDocumentSummary CWrenDoc::GetSummary() const
{
    CDocumentSummary summary;
    summary.path = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    summary.encodingName = GetEncodingShortName(m_text.GetEncoding());
    summary.lineEndName = GetLineEndShortName(m_text.GetLineEnd());
    summary.fileSize = m_fileStatus.m_size;
    summary.lineCount = m_text.GetLineCount();
    summary.wordCount = m_text.CountWords();
    summary.byteCount = m_text.CountBytes();
    summary.readOnly = (m_attributes & FILE_ATTRIBUTE_READONLY) != 0;
    summary.hidden = (m_attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
    summary.system = (m_attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
    summary.changeTime = m_fileStatus.m_mtime.Format(kChangeTimeFormat);
    return summary;
}

void CWrenDoc::OnDocumentSummary()
{
    if (IDocumentSummaryDialog* dialog = DocumentServices().summaryDialog)
        dialog->Show(GetSummary());
}

void CWrenDoc::OnUpdateSyntaxAuto(CCmdUI* cmdUI)
{
    const CLanguageFiles& language = m_text.GetLanguageFiles();
    const std::string& spec = language.GetSpecFileName();
    const std::string& keywords = language.GetKeywordFileName();
    bool inTable = false;
    for (const CSyntaxTypeRow& row : DocumentServices().syntaxTypes)
        inTable = inTable || SameFiles(row, spec, keywords);
    cmdUI->SetCheck(!spec.empty() && !keywords.empty() && !inTable);
}

void CWrenDoc::OnUpdateSyntaxPlain(CCmdUI* cmdUI)
{
    const CLanguageFiles& language = m_text.GetLanguageFiles();
    cmdUI->SetCheck(language.GetSpecFileName().empty() || language.GetKeywordFileName().empty());
}

void CWrenDoc::OnUpdateSyntaxType(CCmdUI* cmdUI)
{
    const std::vector<CSyntaxTypeRow>& rows = DocumentServices().syntaxTypes;
    const size_t index = cmdUI->m_nID - ID_SYNTAX_TYPE_FIRST;
    const CLanguageFiles& language = m_text.GetLanguageFiles();
    cmdUI->SetCheck(index < rows.size() &&
                    SameFiles(rows[index], language.GetSpecFileName(), language.GetKeywordFileName()));
}

void CWrenDoc::OnUpdateLineEnd(CCmdUI* cmdUI)
{
    cmdUI->SetCheck((int)m_text.GetLineEnd() == (int)(cmdUI->m_nID - ID_FORMAT_LINE_END_DOS + kLineEndDos));
}

void CWrenDoc::OnUpdateEncoding(CCmdUI* cmdUI)
{
    cmdUI->SetCheck((int)m_text.GetEncoding() == (int)(cmdUI->m_nID - ID_FORMAT_ENCODING_ANSI + kEncodingAnsi));
}
