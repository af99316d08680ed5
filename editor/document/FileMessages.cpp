#include "editor/document/FileMessages.h"

#include "framework/CString.h"
#include "framework/MessageBox.h"

void ReportOpenFailure(const char* path)
{
    CString text;
    text.Format("打开文件失败.\n%s", path);
    AfxMessageBox(text, MB_OK);
}

void ReportSaveFailure(const char* path)
{
    CString text;
    text.Format("保存文件失败.\n%s\n- 稍后再试！", path);
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
}

void ReportLanguageFileFailure(const char* path)
{
    CString text;
    text.Format("读取语言描述文件失败.\n%s\n- 仍使用原来的语言描述.", path);
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
