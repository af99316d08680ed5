#pragma once
#include <array>
#include <cstdint>

#include "editor/settings/SettingsRecords.h"

// The record tables of the IDE and the binary files that keep them in the program folder.
// A load either replaces the whole table or, when the file is missing, foreign or damaged
// anywhere, leaves it exactly as it was.

constexpr int kUserToolCount = 16;
constexpr int kMacroSlotCount = 11;
constexpr int kFtpAccountCount = 16;
constexpr int kColorCount = 50;

using UserToolTable = std::array<CUserCommand, kUserToolCount>;
using MacroSlotTable = std::array<CUserMacro, kMacroSlotCount>;
using FtpAccountTable = std::array<CFtpSiteRecord, kFtpAccountCount>;
using ColorTable = uint32_t[kColorCount];

// File names in the program folder.
extern const char kFtpAccountsFile[];   // "vuze.FTP"
extern const char kUserCommandsFile[];  // "vuze.工具"
extern const char kUserMacrosFile[];    // "vuze.宏"
extern const char kColorSchemeFile[];   // "vuze.配色"
extern const char kEditorConfigFile[];  // "vuze.配置"

// The process-wide tables, constructed with their defaults.
UserToolTable& TheUserTools();
MacroSlotTable& TheUserMacros();
FtpAccountTable& TheFtpAccounts();

// Each returns true on success. Saves create or truncate the file.
bool SaveFtpAccounts(const char* path, const FtpAccountTable& accounts);
bool LoadFtpAccounts(const char* path, FtpAccountTable& accounts);
bool SaveUserCommands(const char* path, const UserToolTable& tools);
bool LoadUserCommands(const char* path, UserToolTable& tools);
bool SaveUserMacros(const char* path, const MacroSlotTable& macros);
bool LoadUserMacros(const char* path, MacroSlotTable& macros);
// Entries 40 to 49, then 0 to 39; the file holds exactly these 200 bytes after its version.
bool SaveColorScheme(const char* path, const ColorTable& colors);
bool LoadColorScheme(const char* path, ColorTable& colors);
// The same over a file's bytes already read (a short or long file fails and changes
// nothing), and the bytes a save writes.
bool ReadColorScheme(SettingsReader& in, ColorTable& colors);
void WriteColorScheme(SettingsWriter& out, const ColorTable& colors);
