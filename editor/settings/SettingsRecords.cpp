#include "editor/settings/SettingsRecords.h"

#include "editor/settings/SettingsStream.h"

// --- User tools ---

void CUserCommand::Clear()
{
    vk = 0;
    modifiers = 0;
    name.Empty();
    command.Empty();
    arguments.Empty();
    initialFolder.Empty();
    closeOnExit = 1;
    shortNames = 0;
    captureOutput = 0;
    saveBeforeRun = 1;
    hideWindow = 0;
}

void CUserCommand::Write(SettingsWriter& out) const
{
    out.U16(vk);
    out.U16(modifiers);
    out.String(name);
    out.String(command);
    out.String(arguments);
    out.String(initialFolder);
    out.I32(closeOnExit);
    out.I32(shortNames);
    out.I32(captureOutput);
    out.I32(saveBeforeRun);
    out.I32(hideWindow);
}

bool CUserCommand::Read(SettingsReader& in)
{
    return in.U16(vk) && in.U16(modifiers) && in.String(name) && in.String(command) && in.String(arguments) &&
           in.String(initialFolder) && in.I32(closeOnExit) && in.I32(shortNames) && in.I32(captureOutput) &&
           in.I32(saveBeforeRun) && in.I32(hideWindow);
}

// --- Keyboard macros ---

namespace {

void WriteInts(SettingsWriter& out, const IntList& list)
{
    out.U32((uint32_t)list.GetCount());
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.I32(list.GetNext(pos));
}

bool ReadInts(SettingsReader& in, IntList& list)
{
    list.RemoveAll();
    uint32_t count;
    if (!in.Count(count, 4))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        int32_t value;
        if (!in.I32(value))
            return false;
        list.AddTail(value);
    }
    return true;
}

bool ReadStrings(SettingsReader& in, StringList& list)
{
    list.RemoveAll();
    uint32_t count;
    if (!in.Count(count, 4))  // each string takes at least its length
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        CString text;
        if (!in.String(text))
            return false;
        list.AddTail(text);
    }
    return true;
}

} // namespace

void CUserMacro::Clear()
{
    vk = 0;
    modifiers = 0;
    name.Empty();
    kinds.RemoveAll();
    values1.RemoveAll();
    values2.RemoveAll();
    texts.RemoveAll();
}

void CUserMacro::Write(SettingsWriter& out) const
{
    out.U16(vk);
    out.U16(modifiers);
    out.String(name);
    WriteInts(out, kinds);
    WriteInts(out, values1);
    WriteInts(out, values2);
    out.U32((uint32_t)texts.GetCount());
    for (POSITION pos = texts.GetHeadPosition(); pos;)
        out.String(texts.GetNext(pos));
}

bool CUserMacro::Read(SettingsReader& in)
{
    return in.U16(vk) && in.U16(modifiers) && in.String(name) && ReadInts(in, kinds) && ReadInts(in, values1) &&
           ReadInts(in, values2) && ReadStrings(in, texts);
}

// --- FTP accounts ---

namespace {

// A fixed shuffle of the bytes 1 to 255 (0 stays 0, so a stored password never holds a zero
// byte), and the table that undoes it.
struct PasswordTables {
    unsigned char scramble[256];
    unsigned char unscramble[256];

    PasswordTables()
    {
        scramble[0] = 0;
        for (int b = 1; b < 256; ++b)
            scramble[b] = (unsigned char)((b - 1) * 167 % 255 + 1);
        for (int b = 0; b < 256; ++b)
            unscramble[scramble[b]] = (unsigned char)b;
    }
};

const PasswordTables& Tables()
{
    static const PasswordTables tables;
    return tables;
}

CString MapBytes(const CString& text, const unsigned char* table, int maxLength)
{
    int length = text.GetLength() < maxLength ? text.GetLength() : maxLength;
    CString mapped;
    char* out = mapped.GetBufferSetLength(length);
    for (int i = 0; i < length; ++i)
        out[i] = (char)table[(unsigned char)text[i]];
    mapped.ReleaseBuffer(length);
    return mapped;
}

} // namespace

CString ScramblePassword(const CString& password)
{
    return MapBytes(password, Tables().scramble, CFtpSiteRecord::kMaxStoredPassword);
}

CString UnscramblePassword(const CString& stored)
{
    return MapBytes(stored, Tables().unscramble, stored.GetLength());
}

void CFtpSiteRecord::Clear()
{
    title.Empty();
    host.Empty();
    user.Empty();
    password.Empty();
    folder.Empty();
    savePassword = 0;
    passive = 0;
    useInternetClasses = 0;
    passwordKnown = 0;
    serverType = 0;
    port = 21;
}

void CFtpSiteRecord::Write(SettingsWriter& out) const
{
    out.String(title);
    out.String(host);
    out.String(user);
    out.String(savePassword ? ScramblePassword(password) : CString());
    out.String(folder);
    out.I32(savePassword);
    out.I32(passive);
    out.I32(useInternetClasses);
    out.I32(serverType);
    out.I32(port);
}

bool CFtpSiteRecord::Read(SettingsReader& in)
{
    CString stored;
    if (!(in.String(title, kMaxStoredString) && in.String(host, kMaxStoredString) &&
          in.String(user, kMaxStoredString) && in.String(stored, kMaxStoredString) &&
          in.String(folder, kMaxStoredString) && in.I32(savePassword) && in.I32(passive) &&
          in.I32(useInternetClasses) && in.I32(serverType) && in.I32(port)))
        return false;
    password = UnscramblePassword(stored);
    passwordKnown = 0;
    return true;
}

CString CFtpSiteRecord::GetTitle() const
{
    if (title.IsEmpty())
        return "- 空 -";
    if (host.IsEmpty())
        return title;
    CString text;
    if (!user.IsEmpty())
        text.Format("%s [ftp://%s@%s]", (LPCTSTR)title, (LPCTSTR)user, (LPCTSTR)host);
    else
        text.Format("%s [ftp://%s]", (LPCTSTR)title, (LPCTSTR)host);
    return text;
}

CString CFtpSiteRecord::GetAccountName() const
{
    if (host.IsEmpty())
        return CString();
    return user.IsEmpty() ? host : user + "@" + host;
}

CString CFtpSiteRecord::GetUrl() const
{
    return host.IsEmpty() ? CString() : "ftp://" + GetAccountName();
}

// --- Three-string records ---

void CTripleStringRecord::Set(const CString& a, const CString& b, const CString& c)
{
    first = a;
    second = b;
    third = c;
}

void CTripleStringRecord::Write(SettingsWriter& out) const
{
    out.String(first);
    out.String(second);
    out.String(third);
}

bool CTripleStringRecord::Read(SettingsReader& in)
{
    return in.String(first) && in.String(second) && in.String(third);
}
