#pragma once
#include <windows.h>

#include <cstdint>

#include "framework/Collections.h"
#include "framework/CString.h"

class SettingsReader;
class SettingsWriter;

// The small records of the IDE's settings tables (user tools, keyboard macros, FTP accounts,
// file-type filters, syntax types) with their binary forms. A Read either fills the whole
// record or fails; a record that failed to read must not be used.

using StringList = CStringList;
using IntList = CList<int32_t, int32_t>;

// Hot-key modifier bits, as the hot-key control reports them.
enum HotKeyModifier : uint16_t { kModShift = 1, kModCtrl = 2, kModAlt = 4 };

// "Ctrl+", "Alt+", "Shift+" (in that order, for the bits set) and the key's name; empty
// when the key has no name.
CString HotKeyText(uint16_t vk, uint16_t modifiers);

// One user tool.
class CUserCommand {
public:
    CUserCommand() { Clear(); }
    virtual ~CUserCommand() = default;

    void Clear();
    void Copy(const CUserCommand& other) { *this = other; }
    CString GetKeyText() const { return HotKeyText(vk, modifiers); }
    void Write(SettingsWriter& out) const;
    bool Read(SettingsReader& in);

    uint16_t vk;
    uint16_t modifiers;
    CString name;
    CString command;  // empty: the slot holds no tool
    CString arguments;
    CString initialFolder;
    int32_t closeOnExit;
    int32_t shortNames;
    int32_t captureOutput;
    int32_t saveBeforeRun;
    int32_t hideWindow;
};

// One keyboard-macro slot: its hot key, name and recorded steps (four parallel lists).
class CUserMacro {
public:
    CUserMacro() { Clear(); }
    virtual ~CUserMacro() = default;

    void Clear();
    void Copy(const CUserMacro& other) { *this = other; }
    CString GetKeyText() const { return HotKeyText(vk, modifiers); }
    void Write(SettingsWriter& out) const;
    bool Read(SettingsReader& in);

    uint16_t vk;
    uint16_t modifiers;
    CString name;
    IntList kinds;
    IntList values1;
    IntList values2;
    StringList texts;
};

// One FTP account. The password is stored scrambled, and only when savePassword is set.
class CFtpSiteRecord {
public:
    // A stored string of an account is at most this long.
    static const uint32_t kMaxStoredString = 2048;
    // Only this many bytes of a password are stored.
    static const int kMaxStoredPassword = 255;

    CFtpSiteRecord() { Clear(); }
    virtual ~CFtpSiteRecord() = default;

    void Clear();
    // Every field, passwordKnown included.
    void Copy(const CFtpSiteRecord& other) { *this = other; }
    void Write(SettingsWriter& out) const;
    bool Read(SettingsReader& in);

    // "- 空 -", the title, "title [ftp://user@host]" or "title [ftp://host]".
    CString GetTitle() const;
    // "ftp://user@host", "ftp://host", or empty without a host.
    CString GetUrl() const;
    // "user@host", "host", or empty without a host.
    CString GetAccountName() const;

    CString title;
    CString host;
    CString user;
    CString password;
    CString folder;
    int32_t savePassword;
    int32_t passive;
    int32_t useInternetClasses;
    int32_t passwordKnown;  // entered since the program started; never stored
    int32_t serverType;
    int32_t port;
};

// The password as stored in the file, and back.
CString ScramblePassword(const CString& password);
CString UnscramblePassword(const CString& stored);

// Three strings; the shape of a file-type filter and of a syntax type.
class CTripleStringRecord {
public:
    virtual ~CTripleStringRecord() = default;

    void Clear() { Set("", "", ""); }
    void Copy(const CTripleStringRecord& other) { Set(other.first, other.second, other.third); }
    void Set(const CString& a, const CString& b, const CString& c);
    // Description and second string are both set.
    bool InUse() const { return !first.IsEmpty() && !second.IsEmpty(); }
    void Write(SettingsWriter& out) const;
    bool Read(SettingsReader& in);

    CString first;
    CString second;
    CString third;
};

// A file-dialog filter: description, ';'-separated patterns, default extension (no dot).
class CFileTypeFilter : public CTripleStringRecord {
public:
    const CString& Description() const { return first; }
    const CString& Patterns() const { return second; }
    const CString& DefaultExtension() const { return third; }
};

// The rows of the syntax-type table, in the settings and in what documents are handed.
const int kSyntaxTypeCount = 32;

// A syntax type: description, spec file, keyword file.
class CSyntaxTypeEntry : public CTripleStringRecord {
public:
    const CString& Description() const { return first; }
    const CString& SpecFile() const { return second; }
    const CString& KeywordFile() const { return third; }
};
