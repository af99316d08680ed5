// The binary settings files' reader and the records they hold: user tools (vuze.工具),
// macros (vuze.宏), FTP accounts (vuze.FTP), and the file-type filters and syntax types of
// the configuration. Input: a selector byte, then the bytes of a table.
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    SettingsReader in(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    switch (data[0] % 5) {
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
