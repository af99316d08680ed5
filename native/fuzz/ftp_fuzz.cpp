// What an FTP server sends the IDE's client, and the cache names its file names become.
// Input: parts separated by "\n%%\n": reply lines; a passive reply; a working-folder reply;
// listing lines (the first is the file filter); remote paths, one a line.
#include "FuzzInput.h"
#include "editor/dialogs/FtpListing.h"
#include "editor/dialogs/FtpReplies.h"
#include "editor/util/PathUtil.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A cache name never leaves the cache folder, names a drive or holds what the file system
// would fold into another name: no component is dots and blanks with two dots or more, and
// every byte is a printable single byte or part of a double-byte character.
void CheckCacheName(const std::string& remote)
{
    const CString cache = RemotePathToCacheName(remote.c_str());
    const unsigned char* p = reinterpret_cast<const unsigned char*>(static_cast<LPCTSTR>(cache));
    int dots = 0;
    bool onlyDots = true;
    for (;; ++p) {
        if (*p == '\\' || *p == 0) {
            if (onlyDots && dots >= 2)
                abort();
            if (*p == 0)
                return;
            dots = 0;
            onlyDots = true;
            continue;
        }
        if (*p == '.')
            ++dots;
        else if (*p != ' ')
            onlyDots = false;
        if (*p < 0x20 || *p == 0x80 || *p == 0xFF || std::strchr(":*?<>|\"/", *p))
            abort();
        if (*p >= 0x81 && *p <= 0xFE) {
            ++p;
            if (*p < 0x40 || *p == 0x7F || *p == 0xFF)
                abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string rest(reinterpret_cast<const char*>(data), size);
    const std::string replies = FuzzInput::TakePart(rest);
    const std::string passive = FuzzInput::TakePart(rest);
    const std::string folderReply = FuzzInput::TakePart(rest);
    const std::string listing = FuzzInput::TakePart(rest);
    const std::string remotes = rest;

    CFtpReply reply;
    for (const std::string& line : FuzzInput::Lines(replies)) {
        const CFtpReply::Step step = reply.Add(CString(line.data(), static_cast<int>(line.size())));
        if (reply.Text().GetLength() > kFtpMaxReplyBytes + kFtpMaxLineLength + 1)
            abort();
        if (step == CFtpReply::Step::done && (reply.Code() < 100 || reply.Code() > 999))
            abort();
        if (step != CFtpReply::Step::more)
            reply = CFtpReply();
    }

    CString host;
    UINT port = 0;
    if (ParsePassiveReply(CString(passive.data(), static_cast<int>(passive.size())), host, port) &&
        (port == 0 || port > 65535 || host.GetLength() > 15))
        abort();
    CString folder;
    ParseWorkingFolder(CString(folderReply.data(), static_cast<int>(folderReply.size())), folder);

    const std::vector<std::string> lines = FuzzInput::Lines(listing);
    const CString filter = lines.empty() ? CString("*.*") : CString(lines[0].c_str());
    for (size_t i = 1; i < lines.size(); ++i) {
        const CString line(lines[i].c_str());
        FtpListEntry entry;
        ParseFtpListLine(NormalizeFtpListLine(line, 2026), entry);
        const CString row = FtpListRow(line, filter, 2026);
        if (!row.IsEmpty() && row.GetLength() > line.GetLength() + 32)
            abort();
    }

    for (const std::string& remote : FuzzInput::Lines(remotes))
        CheckCacheName(remote);
    return 0;
}
