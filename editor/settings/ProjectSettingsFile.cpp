#include "editor/settings/ProjectSettingsFile.h"

#include <cstring>

#include "editor/settings/TextSettings.h"
#include "editor/util/PathUtil.h"

namespace {

const char* const kHeader[] = {
    "【设置文件： 墨语言编辑器环境生成                             】",
    "【实心中括号(【)或分号(;)开头为注释行，只支持单行注释，可以有空行，支持以下设置指令：】",
    "【编译设置 = -参数 [-参数2 [...]]                             】   说明： 指定附加编译设置，一行可以指定多个编译参数。",
    "【附加库 = 库名字 [ 库名字2 [...]]                            】   说明： 指定附加链接库，  一行可以指定多个库文件，多个库文件之间以空格分隔。",
    "【库目录 = 库文件搜索路径                                     】   说明： 指定库文件搜索路径，一行只能指定一个库文件搜索路径。",
    "【源文件 = 源文件名  [ 源文件名2 [...]]                       】   说明： 指定附加源文件，一行可以指定一个或多个附加源文件参与编译。",
    "【附加源文件 = 源文件名  [ 源文件名2 [...]]                   】   说明： 和 源文件 指令相同，指定附加源文件，一行可以指定一个或多个附加源文件参与编译",
    "【还支持 目标类型、操作定义、接口文件路径 等设置。            】",
};

bool IsComment(const CString& line)
{
    return std::strncmp(line, ";", 1) == 0 || std::strncmp(line, "【", 2) == 0 || std::strncmp(line, "；", 2) == 0;
}

void Join(CString& text, const CString& value, const char* separator)
{
    if (!text.IsEmpty())
        text += separator;
    text += value;
}

void FillNextEmpty(CString (&fields)[3], const CString& value)
{
    for (CString& field : fields)
        if (field.IsEmpty()) {
            field = value;
            return;
        }
}

void ApplyLine(const CString& key, const CString& value, ProjectSettings& s)
{
    struct Flag {
        const char* key;
        bool ProjectSettings::*field;
    };
    static const Flag flags[] = {
        {"生成映像文件", &ProjectSettings::mapFile},       {"生成汇编代码", &ProjectSettings::assemblyCode},
        {"生成列表文件", &ProjectSettings::listingFile},   {"不使用缺省库", &ProjectSettings::noDefaultLibraries},
        {"调试", &ProjectSettings::debug},
    };
    for (const Flag& flag : flags)
        if (key == flag.key) {
            s.*flag.field = value == "1";
            return;
        }
    if (key == "目标类型")
        s.targetType = value;
    else if (key == "操作定义")
        s.operation = value;
    else if (key == "预处理参数")
        s.preprocessArgs = value;
    else if (key == "编译参数" || key == "编译设置")
        Join(s.compileArgs, value, ";");
    else if (key == "汇编参数")
        s.assembleArgs = value;
    else if (key == "连接参数")
        s.linkArgs = value;
    else if (key == "素材文件")
        s.resourceFile = value;
    else if (key == "接口文件路径")
        FillNextEmpty(s.includeFolders, value);
    else if (key == "附加库")
        Join(s.extraLibraries, value, "  ");
    else if (key == "库目录")
        FillNextEmpty(s.libraryFolders, value);
    else if (key == "附加源文件") {
        if (s.extraSources[0].IsEmpty())
            s.extraSources[0] = value;
        else
            Join(s.extraSources[1], value, "  ");
    } else if (key == "库")
        Join(s.libraries, value, "  ");
    else if (key == "源文件")
        Join(s.sources, value, "  ");
}

void AddLine(CString& out, const char* key, const CString& value)
{
    if (!value.IsEmpty())
        out += key + value + "\r\n";
}

// Each folder once: a later field that repeats an earlier one is not written.
void AddFolders(CString& out, const char* key, const CString* fields, int count)
{
    for (int i = 0; i < count; ++i) {
        bool repeated = false;
        for (int j = 0; j < i; ++j)
            repeated = repeated || fields[j] == fields[i];
        if (!repeated)
            AddLine(out, key, fields[i]);
    }
}

} // namespace

CString ProjectSettingsPath(const CString& path)
{
    return StripExtension(path) + ".设置";
}

bool ReadProjectSettings(const char* path, ProjectSettings& settings)
{
    settings = ProjectSettings();
    CStringArray lines;
    if (!ReadTextLines(path, lines))
        return false;
    for (int i = 0; i < lines.GetSize(); ++i) {
        CString line = lines[i];
        line.TrimLeft();
        int equals = line.Find('=');
        if (line.IsEmpty() || IsComment(line) || equals < 0)
            continue;
        CString key = line.Left(equals), value = line.Mid(equals + 1);
        key.TrimRight();
        value.TrimLeft();
        value.TrimRight();
        if (!value.IsEmpty())
            ApplyLine(key, value, settings);
    }
    return true;
}

bool WriteProjectSettings(const char* path, const ProjectSettings& s)
{
    CString out;
    for (const char* line : kHeader)
        out += CString(line) + "\r\n";
    out += "\r\n";
    AddLine(out, "目标类型    =", s.targetType);
    AddLine(out, "操作定义    =", s.operation);
    AddLine(out, "生成映像文件=", s.mapFile ? "1" : "");
    AddLine(out, "生成汇编代码  =", s.assemblyCode ? "1" : "");
    AddLine(out, "生成列表文件=", s.listingFile ? "1" : "");
    AddLine(out, "不使用缺省库=", s.noDefaultLibraries ? "1" : "");
    AddLine(out, "调试=", s.debug ? "1" : "");
    AddLine(out, "预处理参数  =", s.preprocessArgs);
    AddLine(out, "编译参数    =", s.compileArgs);
    AddLine(out, "汇编参数    =", s.assembleArgs);
    AddLine(out, "连接参数    =", s.linkArgs);
    AddLine(out, "素材文件    =", s.resourceFile);
    AddFolders(out, "接口文件路径=", s.includeFolders, 3);
    AddLine(out, "附加库      =", s.extraLibraries);
    AddFolders(out, "库目录      =", s.libraryFolders, 3);
    AddFolders(out, "附加源文件  =", s.extraSources, 2);
    AddLine(out, "库    =", s.libraries);
    AddLine(out, "源文件=", s.sources);
    return WriteFileBytes(path, out);
}

CString ProjectSettingsWriteMessage(const CString& path)
{
    return "创建文件\"" + path + "\"失败!";
}
