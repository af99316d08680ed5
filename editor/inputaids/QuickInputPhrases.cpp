#include "editor/inputaids/QuickInputPhrases.h"

#include "framework/AppEnvironment.h"

#include <cstdio>

void AppendQuickInputPhrase(const char* text)
{
    if (!text)
        return;
    CString path = GetProgramFolder() + "\\配置\\快捷输入.文本";
    // Text mode writes the line feed as CR LF.
    FILE* file = fopen(path, "a");
    if (!file)
        return;
    fputs(text, file);
    fputc('\n', file);
    fflush(file);
    fclose(file);
}
