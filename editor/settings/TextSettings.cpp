#include "editor/settings/TextSettings.h"

#include <cstdlib>
#include <cstring>

#include "editor/settings/ShellFolders.h"
#include "editor/util/PathUtil.h"
#include "framework/Gbk.h"

namespace {

const char kDefaultFolderKey[] = "缺省路径=";
const int kMaxPrefixBytes = 39;

bool StartsWith(const CString& text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// A number greater than 0 replaces the value; 0, a negative number or text leaves it.
void TakePositive(const char* text, int& value)
{
    int number = std::atoi(text);
    if (number > 0)
        value = number;
}

// The first blank-delimited word, cut at a control byte and to whole characters within
// the byte limit.
CString PrefixWord(const char* text)
{
    while (*text == ' ')
        ++text;
    int length = (int)std::strlen(text);
    int end = 0;
    while (end < length && text[end] != ' ' && (unsigned char)text[end] >= 0x20) {
        int step = GbkText::CharLength(text, length, end);
        if (end + step > kMaxPrefixBytes || (step == 2 && (unsigned char)text[end + 1] < 0x20))
            break;
        end += step;
    }
    return CString(text, end);
}

// Blanks skipped; a quoted value runs to the next quote (or the end), else to a blank.
CString CompanionTitleValue(const char* text)
{
    while (*text == ' ')
        ++text;
    if (*text == '"') {
        const char* close = std::strchr(text + 1, '"');
        return close ? CString(text + 1, (int)(close - text - 1)) : CString(text + 1);
    }
    const char* blank = std::strchr(text, ' ');
    return blank ? CString(text, (int)(blank - text)) : CString(text);
}

} // namespace

void ApplyUserSettingsLine(const CString& line, CUserSettings& s)
{
    struct NumberKey {
        const char* key;
        int CUserSettings::*value;
    };
    static const NumberKey kNumbers[] = {
        {"词汇提示弹出延时=", &CUserSettings::promptOpenTicks},
        {"词汇提示空格选择=", &CUserSettings::promptSpaceTicks},
        {"词汇提示超时关闭=", &CUserSettings::promptCloseTicks},
        {"输出窗口最大行数=", &CUserSettings::outputMaxLines},
        {"双击打开中文源码=", &CUserSettings::doubleClickOpensChinese},
        {"禁止自动侦测环境=", &CUserSettings::noCompilerDetection},
        {"文件外部修改自动更新=", &CUserSettings::reloadChangedFiles},
        {"新建文件自动保存=", &CUserSettings::autoSaveNewFiles},
    };
    CString text = line;
    text.TrimRight("\r\n");
    for (const NumberKey& entry : kNumbers) {
        if (StartsWith(text, entry.key)) {
            TakePositive((LPCTSTR)text + std::strlen(entry.key), s.*entry.value);
            return;
        }
    }
    const char kPrefixKey[] = "新建文件缺省保存名=";
    const char kCompanionKey[] = "墨伴名称=";
    if (StartsWith(text, kPrefixKey))
        s.newFilePrefix = PrefixWord((LPCTSTR)text + std::strlen(kPrefixKey));
    else if (StartsWith(text, kCompanionKey))
        s.companionTitle = CompanionTitleValue((LPCTSTR)text + std::strlen(kCompanionKey));
}

void ReadUserSettings(const char* path, CUserSettings& settings)
{
    CStringArray lines;
    ReadTextLines(path, lines);
    for (int i = 0; i < lines.GetSize(); ++i)
        ApplyUserSettingsLine(lines[i], settings);
}

bool ReadDefaultFolderFile(const char* path, CString& folder)
{
    CStringArray lines;
    if (!ReadTextLines(path, lines) || lines.GetSize() == 0 || !StartsWith(lines[0], kDefaultFolderKey))
        return false;
    CString value = lines[0].Mid((int)std::strlen(kDefaultFolderKey));
    if (value.IsEmpty() || !FolderExists(value))
        return false;
    folder = value;
    return true;
}

bool WriteDefaultFolderFile(const char* path, const CString& folder)
{
    return WriteFileBytes(path, kDefaultFolderKey + folder);
}
