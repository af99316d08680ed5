#pragma once
#include "framework/CString.h"

#include <vector>

// "\配置\快捷输入.文本" below the program folder: the phrases the format picker offers.
CString QuickInputPhrasesPath();

// The phrases of the file at `path`, in file order: each line without its surrounding
// blanks, blank lines left out; a line longer than 2047 bytes gives several phrases. Empty
// when the file is missing.
std::vector<CString> ReadQuickInputPhrases(const char* path);

// Appends one phrase and a line end to the phrase file; the file is created when missing.
// Nothing is reported when it cannot be opened.
void AppendQuickInputPhrase(const char* text);
