#pragma once

// The messages file loads and saves show when they fail.

// "打开文件失败.\n%s"
void ReportOpenFailure(const char* path);
// "保存文件失败.\n%s\n- 稍后再试！" with the stop icon.
void ReportSaveFailure(const char* path);
// "读取语言描述文件失败.\n%s\n- 仍使用原来的语言描述." when a spec or keyword file cannot be
// read and the description in force stays.
void ReportLanguageFileFailure(const char* path);
