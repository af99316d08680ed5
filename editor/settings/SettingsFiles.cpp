#include "editor/settings/SettingsFiles.h"

#include "editor/settings/SettingsStream.h"

const char kFtpAccountsFile[] = "vuze.FTP";
const char kUserCommandsFile[] = "vuze.工具";
const char kUserMacrosFile[] = "vuze.宏";
const char kColorSchemeFile[] = "vuze.配色";
const char kEditorConfigFile[] = "vuze.配置";

namespace {

const char kFtpAccountsVersion[] = "FTP帐户 1.0";
const char kUserCommandsVersion[] = "用户命令 1.0";
const char kUserMacrosVersion[] = "用户宏 1.0";
const char kColorSchemeVersion[] = "颜色设置 1.0";
// The colour file stores the special entries first.
const int kSpecialColorsFirst = 40;

template <class Table>
bool SaveTable(const char* path, const char* version, const Table& table)
{
    SettingsWriter out;
    out.Version(version);
    for (const auto& record : table)
        record.Write(out);
    return out.SaveTo(path);
}

template <class Table>
bool LoadTable(const char* path, const char* version, Table& table)
{
    SettingsReader in;
    if (!in.LoadFrom(path) || !in.Version(version))
        return false;
    Table loaded;
    for (auto& record : loaded) {
        if (!record.Read(in))
            return false;
    }
    table = loaded;
    return true;
}

} // namespace

UserToolTable& TheUserTools()
{
    static UserToolTable table;
    return table;
}

MacroSlotTable& TheUserMacros()
{
    static MacroSlotTable table;
    return table;
}

FtpAccountTable& TheFtpAccounts()
{
    static FtpAccountTable table;
    return table;
}

bool SaveFtpAccounts(const char* path, const FtpAccountTable& accounts)
{
    return SaveTable(path, kFtpAccountsVersion, accounts);
}

bool LoadFtpAccounts(const char* path, FtpAccountTable& accounts)
{
    return LoadTable(path, kFtpAccountsVersion, accounts);
}

bool SaveUserCommands(const char* path, const UserToolTable& tools)
{
    return SaveTable(path, kUserCommandsVersion, tools);
}

bool LoadUserCommands(const char* path, UserToolTable& tools)
{
    return LoadTable(path, kUserCommandsVersion, tools);
}

bool SaveUserMacros(const char* path, const MacroSlotTable& macros)
{
    return SaveTable(path, kUserMacrosVersion, macros);
}

bool LoadUserMacros(const char* path, MacroSlotTable& macros)
{
    return LoadTable(path, kUserMacrosVersion, macros);
}

void WriteColorScheme(SettingsWriter& out, const ColorTable& colors)
{
    out.Version(kColorSchemeVersion);
    for (int i = kSpecialColorsFirst; i < kColorCount; ++i)
        out.U32(colors[i]);
    for (int i = 0; i < kSpecialColorsFirst; ++i)
        out.U32(colors[i]);
}

bool ReadColorScheme(SettingsReader& in, ColorTable& colors)
{
    if (!in.Version(kColorSchemeVersion) || in.Remaining() != kColorCount * 4)
        return false;
    for (int i = kSpecialColorsFirst; i < kColorCount; ++i)
        in.U32(colors[i]);
    for (int i = 0; i < kSpecialColorsFirst; ++i)
        in.U32(colors[i]);
    return true;
}

bool SaveColorScheme(const char* path, const ColorTable& colors)
{
    SettingsWriter out;
    WriteColorScheme(out, colors);
    return out.SaveTo(path);
}

bool LoadColorScheme(const char* path, ColorTable& colors)
{
    SettingsReader in;
    return in.LoadFrom(path) && ReadColorScheme(in, colors);
}
