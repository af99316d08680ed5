#pragma once

// Appends one phrase and a line end to "\配置\快捷输入.文本" below the program folder, the
// list the format picker offers; the file is created when missing. Nothing is reported
// when it cannot be opened.
void AppendQuickInputPhrase(const char* text);
