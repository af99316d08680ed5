#include "editor/settings/UserTools.h"

#include <cstdlib>
#include <cstring>

#include "editor/res/resource.h"
#include "editor/settings/ChildEnvironment.h"
#include "framework/Gbk.h"
#include "editor/util/PathUtil.h"
#include "editor/util/StringSort.h"

namespace {

// View commands of slots 1 to 15.
const int kSlotCommands[kLastToolSlot + 1] = {
    0,               ID_TOOL_SLOT_1,  ID_TOOL_SLOT_2,  ID_TOOL_SLOT_3,  ID_TOOL_SLOT_4,  ID_TOOL_SLOT_5,
    ID_TOOL_SLOT_6,  ID_TOOL_SLOT_7,  ID_TOOL_SLOT_8,  ID_TOOL_SLOT_9,  ID_TOOL_SLOT_10, ID_TOOL_SLOT_11,
    ID_TOOL_SLOT_12, ID_TOOL_SLOT_13, ID_TOOL_SLOT_14, ID_TOOL_SLOT_15};

// The macros by name; the English and the Chinese name are alike.
enum MacroId { kFilePath, kFileDir, kFileName, kFileTitle, kLineNum, kCurrWord, kUserInput, kSelectPath1,
               kSelectPath2, kSelectDir1, kSelectDir2, kNoMacro };
const struct {
    const char* english;
    const char* chinese;
    MacroId id;
} kMacros[] = {
    {"FilePath", "文件路径", kFilePath},       {"FileDir", "文件目录", kFileDir},
    {"FileName", "文件名称", kFileName},       {"FileTitle", "文件名", kFileTitle},
    {"LineNum", "行号", kLineNum},             {"CurrWord", "当前词语", kCurrWord},
    {"UserInput", "用户输入", kUserInput},     {"SelectPath1", "选择路径1", kSelectPath1},
    {"SelectPath2", "选择路径2", kSelectPath2}, {"SelectDir1", "选择目录1", kSelectDir1},
    {"SelectDir2", "选择目录2", kSelectDir2},
};

MacroId FindMacro(const CString& name)
{
    for (const auto& macro : kMacros) {
        if (name == macro.english || name == macro.chinese)
            return macro.id;
    }
    return kNoMacro;
}

CString MacroValue(MacroId id, const ToolMacroValues& values)
{
    switch (id) {
    case kFilePath: return values.filePath;
    case kFileDir: return GetDirectoryPart(values.filePath);
    case kFileName: return GetFileNamePart(values.filePath);
    case kFileTitle: return GetFileTitlePart(values.filePath);
    case kLineNum: return values.lineNum;
    case kCurrWord: return values.currWord;
    case kUserInput: return values.userInput;
    case kSelectPath1: return values.selectPath1;
    case kSelectPath2: return values.selectPath2;
    case kSelectDir1: return values.selectDir1;
    case kSelectDir2: return values.selectDir2;
    default: return CString();
    }
}

// The value of a spec: a name and at most one modifier. The modifier characters lie below
// the range of GBK trail bytes, so a byte search cannot find one inside a character.
CString EvaluateSpec(const CString& spec, const ToolMacroValues& values, EnvironmentAccess& env, MacroId& id)
{
    const int at = spec.FindOneOf("=:#%");
    const CString name = at < 0 ? spec : spec.Left(at);
    id = FindMacro(name);
    CString value;
    if (id != kNoMacro)
        value = MacroValue(id, values);
    else if (!env.Get(name, value))
        value.Empty();
    if (at < 0)
        return value;
    const CString text = spec.Mid(at + 1);
    if (text.IsEmpty())
        return value;
    switch (spec[at]) {
    case '=':
        return value.IsEmpty() ? text : value;
    case ':': {
        int start = atoi(text);
        start = start < 0 ? 0 : (start > value.GetLength() ? value.GetLength() : start);
        const int comma = text.Find(',');
        const int length = comma < 0 ? -1 : atoi((LPCTSTR)text + comma + 1);
        return length < 0 ? value.Mid(start) : value.Mid(start, length);
    }
    case '#':
        return strncmp(value, text, (size_t)text.GetLength()) == 0 ? value.Mid(text.GetLength()) : value;
    default: {  // '%'
        const int found = value.Find(text);
        return found >= 0 && found + text.GetLength() == value.GetLength() ? value.Left(found) : value;
    }
    }
}

// Bytes that the command interpreter acts on outside double quotes.
bool HoldsBatchMetacharacter(const CString& value)
{
    return value.FindOneOf("&|<>^\"") >= 0;
}

bool IsNameByte(const char* text)
{
    const unsigned char byte = (unsigned char)*text;
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (GbkText::IsLeadByte(byte) && text[1] != '\0');
}

} // namespace

int ToolSlotCommand(int slot)
{
    return slot >= kFirstToolSlot && slot <= kLastToolSlot ? kSlotCommands[slot] : 0;
}

int ToolSlotOfCommand(int commandId)
{
    for (int slot = kFirstToolSlot; slot <= kLastToolSlot; ++slot) {
        if (kSlotCommands[slot] == commandId)
            return slot;
    }
    return 0;
}

CString ToolMenuText(const CUserCommand& tool, int slot)
{
    CString key = tool.GetKeyText();
    if (key.IsEmpty() && slot <= 10)
        key.Format("Ctrl+%d", slot % 10);
    CString text;
    text.Format("&%d %s\t%s", slot % 10, tool.name.IsEmpty() ? "- 空 -" : (LPCTSTR)tool.name, (LPCTSTR)key);
    return text;
}

int FindToolHotKey(const UserToolTable& tools, uint16_t vk, uint16_t modifiers)
{
    const uint16_t mask = kModShift | kModCtrl | kModAlt;
    for (int slot = kFirstToolSlot; slot <= kLastToolSlot; ++slot) {
        const CUserCommand& tool = tools[slot];
        if (!tool.command.IsEmpty() && tool.vk == vk && (tool.modifiers & mask) == (modifiers & mask))
            return slot;
    }
    return 0;
}

bool IsStorableHotKey(uint16_t vk, uint16_t modifiers)
{
    return vk <= 0xFF && (modifiers & ~(kModShift | kModCtrl | kModAlt)) == 0;
}

uint16_t HeldHotKeyModifiers()
{
    uint16_t modifiers = 0;
    if (::GetKeyState(VK_SHIFT) < 0)
        modifiers |= kModShift;
    if (::GetKeyState(VK_CONTROL) < 0)
        modifiers |= kModCtrl;
    if (::GetKeyState(VK_MENU) < 0)
        modifiers |= kModAlt;
    return modifiers;
}

unsigned ToolDialogsNeeded(const char* arguments)
{
    const struct {
        const char* english;
        const char* chinese;
        ToolDialog dialog;
    } kAsks[] = {
        {"$(UserInput)", "$(用户输入)", kAskUserInput}, {"$(SelectPath1)", "$(选择路径1)", kAskPath1},
        {"$(SelectPath2)", "$(选择路径2)", kAskPath2},  {"$(SelectDir1)", "$(选择目录1)", kAskDir1},
        {"$(SelectDir2)", "$(选择目录2)", kAskDir2},
    };
    const CString text = arguments;
    unsigned needed = 0;
    for (const auto& ask : kAsks) {
        if (text.Find(ask.english) >= 0 || text.Find(ask.chinese) >= 0)
            needed |= ask.dialog;
    }
    return needed;
}

CString ExpandToolMacros(const char* text, const ToolMacroValues& values, EnvironmentAccess& env)
{
    CString out;
    int quoteEnd = -1;  // length of out just after a double quote copied from the text
    const char* p = text;
    while (*p != '\0') {
        if (*p != '$') {
            const int length = GbkText::CharLength(p);
            out += CString(p, length);
            if (*p == '"')
                quoteEnd = out.GetLength();
            p += length;
            continue;
        }
        CString spec;
        const char* end = nullptr;
        if (p[1] == '(') {
            const char* close = strchr(p + 2, ')');
            if (close != nullptr) {
                spec = CString(p + 2, (int)(close - (p + 2)));
                end = close + 1;
            }
        } else {
            const char* name = p + 1;
            while (IsNameByte(name))
                name += GbkText::CharLength(name);
            if (name > p + 1) {
                spec = CString(p + 1, (int)(name - (p + 1)));
                end = name;
            }
        }
        if (end == nullptr) {  // a "$" that starts no macro
            out += '$';
            ++p;
            continue;
        }
        MacroId id;
        CString value = EvaluateSpec(spec, values, env, id);
        const bool quoted = quoteEnd == out.GetLength() && *end == '"';
        bool needsQuotes = value.Find(' ') >= 0;
        if (values.batch && id == kCurrWord && HoldsBatchMetacharacter(value)) {
            value.Replace("\"", "\"\"");
            needsQuotes = true;
            if (!quoted)
                value = "\"" + value + "\"";
        }
        if (quoted && !needsQuotes) {
            out.Delete(out.GetLength() - 1);
            ++end;
        }
        out += value;
        p = end;
    }
    return out;
}

CString ResolveToolCommand(const CString& command, const CString& installFolder, const CString& programFolder)
{
    if (strncmp(command, "..\\", 3) == 0)
        return installFolder + command.Mid(2);
    if (strncmp(command, ".\\", 2) == 0)
        return programFolder + command.Mid(1);
    return command;
}

ToolKind ClassifyToolCommand(const CString& command)
{
    const CString suffix = command.Right(4);
    if (suffix.CompareNoCase(".exe") == 0 || suffix.CompareNoCase(".com") == 0)
        return kToolProgram;
    if (suffix.CompareNoCase(".bat") == 0 || suffix.CompareNoCase(".cmd") == 0)
        return kToolBatch;
    if (suffix.CompareNoCase(".hlp") == 0)
        return kToolWinHelp;
    if (suffix.CompareNoCase(".chm") == 0)
        return kToolHtmlHelp;
    return kToolUnknown;
}

PreparedTool PrepareTool(const CUserCommand& tool, ToolMacroValues values, const CString& installFolder,
                         const CString& programFolder, EnvironmentAccess& env)
{
    PreparedTool prepared;
    values.batch = false;
    const CString command = ResolveToolCommand(tool.command, installFolder, programFolder);
    if (!command.IsEmpty())
        prepared.command = ExpandToolMacros(command, values, env);
    prepared.kind = ClassifyToolCommand(prepared.command);
    values.batch = prepared.kind == kToolBatch;
    if (!tool.arguments.IsEmpty())
        prepared.arguments = ExpandToolMacros(tool.arguments, values, env);
    if (!tool.initialFolder.IsEmpty()) {
        prepared.folder = ExpandToolMacros(tool.initialFolder, values, env);
        if (!prepared.folder.IsEmpty() && prepared.folder.Right(1) != "\\")
            prepared.folder += '\\';
    }
    return prepared;
}

bool CongratsFileName(const char* line, CString& name)
{
    static const char kTag[] = "[恭喜]";
    const size_t tagLength = sizeof kTag - 1;
    if (strncmp(line, kTag, tagLength) != 0)
        return false;
    // The last "(1)": a file name may hold one itself, as copies named "副本(1).墨" do.
    const CString text = line;
    int last = -1;
    for (int at = text.Find("(1)", (int)tagLength + 1); at >= 0; at = text.Find("(1)", at + 1))
        last = at;
    if (last < 0)
        return false;
    name = text.Mid((int)tagLength, last - (int)tagLength);
    return true;
}

void CongratsFilesToOpen(const CStringArray& lines, const CString& documentFolder, CStringArray& files)
{
    for (int i = 0; i < lines.GetSize(); ++i) {
        CString name;
        if (!CongratsFileName(lines[i], name))
            continue;
        if (!documentFolder.IsEmpty() && FileExists(documentFolder + "\\" + name))
            files.Add(documentFolder + "\\" + name);
        else if (FileExists(name))
            files.Add(name);
    }
}

void CollectSetFiles(const CString& programFolder, const char* pattern, int limit, CStringArray& files)
{
    files.RemoveAll();
    CollectFiles(files, programFolder + "\\工具\\" + pattern);
    SortStrings(files, 1);
    if (files.GetSize() > limit)
        files.SetSize(limit);
}

void LoadToolSets(const CString& programFolder, CStringArray& files)
{
    CollectSetFiles(programFolder, "*.工具", kMaxToolSets, files);
}

SetFileLoad LoadToolFile(const char* path, UserToolTable& tools)
{
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return SetFileLoad::kMissing;
    UserToolTable loaded;
    if (!LoadUserCommands(path, loaded))
        return SetFileLoad::kRefused;
    for (const CUserCommand& tool : loaded) {
        if (!IsStorableHotKey(tool.vk, tool.modifiers))
            return SetFileLoad::kRefused;
    }
    tools = loaded;
    return SetFileLoad::kLoaded;
}

CString SetFileRefusalMessage(const char* path)
{
    CString message;
    message.Format("设置文件“%s”已损坏或不是本程序的格式，未载入。", path);
    return message;
}
