#pragma once
#include "framework/CString.h"

#include <vector>

// "\配置\快捷输入.文本" below the program folder: the phrases the format picker offers.
CString QuickInputPhrasesPath();

// The phrases of the file at `path`, in file order: each line without its surrounding
// blanks, blank lines left out; a line longer than 2047 bytes gives several phrases. Empty
// when the file is missing.
std::vector<CString> ReadQuickInputPhrases(const char* path);

// Appends one phrase and CR LF to the phrase file at `path`, which is created when missing.
// The file is written anew through a temporary file beside it: false, with the old file
// whole, when that fails or the old file cannot be read.
bool AppendQuickInputPhrase(const char* path, const char* text);
// The same for the program folder's phrase file; nothing is reported.
void AppendQuickInputPhrase(const char* text);
