#pragma once
#include "framework/Collections.h"
#include "framework/CString.h"

// The IDE's small text settings files: "用户.设置" (key=value lines), "项目目录.文本" (the
// default folder for new files) and the line reading they share. Values never keep the
// CR or LF that ended their line.

// Reads the lines of a GBK text file, the one line rule of every text file the IDE reads: a
// line ends at a line feed (the file's last line may lack one), the carriage returns before
// it are dropped (CR LF, and a stray CR at the end of a line), and a zero byte ends the
// line's text (with a lead byte it cut from its trail). With longestLine above 0 a longer line
// comes as several lines of at most that many bytes, each ending on a whole character.
// False, with no lines, when the file cannot be opened or read.
bool ReadTextLines(const char* path, CStringArray& lines, int longestLine = 0);
// Writes the bytes as they are (no line-end translation) in place of the file's, through a
// temporary file beside it: a failure leaves the old file whole.
bool WriteFileBytes(const char* path, const CString& bytes);

// The user settings of "用户.设置", with their defaults.
struct CUserSettings {
    int promptOpenTicks = 8;        // 词汇提示弹出延时: 50 ms ticks until the prompt opens
    int promptSpaceTicks = 10;      // 词汇提示空格选择: ticks until space accepts an entry
    int promptCloseTicks = 40;      // 词汇提示超时关闭: ticks until the prompt closes
    int outputMaxLines = 1000;      // 输出窗口最大行数: lines accepted from a child per poll
    int doubleClickOpensChinese = 0;  // 双击打开中文源码
    int noCompilerDetection = 0;    // 禁止自动侦测环境
    int reloadChangedFiles = 0;     // 文件外部修改自动更新
    int autoSaveNewFiles = 0;       // 新建文件自动保存
    CString newFilePrefix;          // 新建文件缺省保存名: one word, at most 39 bytes
    CString companionTitle;         // 墨伴名称: the companion tool's window title
};

// Applies one line; a line that matches no key changes nothing.
void ApplyUserSettingsLine(const CString& line, CUserSettings& settings);
// Applies every line of the file; a missing file leaves the defaults.
void ReadUserSettings(const char* path, CUserSettings& settings);

// "项目目录.文本": one line "缺省路径=" and the folder, without a line end. Read gives the
// folder only when the first line has the key and the folder exists.
bool ReadDefaultFolderFile(const char* path, CString& folder);
bool WriteDefaultFolderFile(const char* path, const CString& folder);
