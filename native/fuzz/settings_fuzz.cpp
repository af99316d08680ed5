// The binary settings files' reader and the records they hold: user tools (vuze.工具),
// macros (vuze.宏), FTP accounts (vuze.FTP), the file-type filters and syntax types of the
// configuration, and the whole configuration (vuze.配置) and colour scheme (vuze.配色) files.
// Input: a selector byte, then the bytes of a table or a file.
#include "editor/settings/EditorSettings.h"
#include "editor/settings/SettingsFiles.h"
#include "editor/settings/SettingsRecords.h"
#include "editor/settings/SettingsStream.h"

#include <cstdlib>
#include <string>

namespace {

// Reads records until one fails; each one read is written, read back and written again to
// the same bytes.
template <class Record>
void ReadRecords(SettingsReader& in)
{
    for (Record record; in.Remaining() > 0;) {
        const size_t before = in.Remaining();
        if (!record.Read(in))
            return;
        if (in.Remaining() >= before)
            abort();
        SettingsWriter once;
        record.Write(once);
        SettingsReader again(once.Data());
        Record copy;
        if (!copy.Read(again) || !again.AtEnd())
            abort();
        SettingsWriter twice;
        copy.Write(twice);
        if (twice.Data() != once.Data())
            abort();
    }
}

// A whole file read with `read`: one that loads is written, read back and written again to
// the same bytes; one that fails leaves the settings as they were.
template <class Settings, class Read, class Write>
void ReadWholeFile(SettingsReader& in, Read read, Write write)
{
    static const Settings untouched{};
    static const std::string untouchedBytes = [&] {
        SettingsWriter out;
        write(out, untouched);
        return out.Data();
    }();
    Settings settings = untouched;
    if (!read(in, settings)) {
        SettingsWriter out;
        write(out, settings);
        if (out.Data() != untouchedBytes)
            abort();
        return;
    }
    SettingsWriter once;
    write(once, settings);
    SettingsReader again(once.Data());
    Settings copy = untouched;
    if (!read(again, copy))
        abort();
    SettingsWriter twice;
    write(twice, copy);
    if (twice.Data() != once.Data())
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    SettingsReader in(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    switch (data[0] % 7) {
    case 0:
        ReadRecords<CUserCommand>(in);
        break;
    case 1:
        ReadRecords<CUserMacro>(in);
        break;
    case 2:
        ReadRecords<CFtpSiteRecord>(in);
        break;
    case 3:
        ReadRecords<CTripleStringRecord>(in);
        break;
    case 5:
        ReadWholeFile<CEditorSettings>(in, ReadConfig, WriteConfig);
        break;
    case 6: {
        struct Colors {
            ColorTable table;
        };
        ReadWholeFile<Colors>(
            in, [](SettingsReader& r, Colors& c) { return ReadColorScheme(r, c.table); },
            [](SettingsWriter& w, const Colors& c) { WriteColorScheme(w, c.table); });
        break;
    }
    default: {
        uint32_t count = 0;
        CString text;
        uint16_t small = 0;
        int32_t number = 0;
        while (in.Count(count, 4) && in.String(text) && in.U16(small) && in.I32(number)) {
        }
        break;
    }
    }
    return 0;
}
