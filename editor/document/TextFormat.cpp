#include "editor/document/TextFormat.h"

#include "editor/document/FileHandle.h"
#include "editor/util/CharClasses.h"

const char* const kEncodingShortNames[kEncodingCodeCount] = {
    "N.A.", "ASCII", "Unicode", "Unicode", "UTF-8", "UTF-8"};
const char* const kLineEndShortNames[kLineEndCodeCount] = {"N.A.", "DOS", "UNIX", "MAC"};

const char* GetEncodingShortName(int encoding)
{
    return encoding >= 0 && encoding < kEncodingCodeCount ? kEncodingShortNames[encoding]
                                                          : kEncodingShortNames[0];
}

const char* GetLineEndShortName(int lineEnd)
{
    return lineEnd >= 0 && lineEnd < kLineEndCodeCount ? kLineEndShortNames[lineEnd]
                                                       : kLineEndShortNames[0];
}

const char* GetLineEndBytes(int lineEnd)
{
    switch (lineEnd) {
    case kLineEndUnix:
        return "\n";
    case kLineEndMac:
        return "\r";
    default:
        return "\r\n";
    }
}

namespace {

LineEndCode LineEndFromSeen(bool sawCr, bool sawLf)
{
    if (sawCr && sawLf)
        return kLineEndDos;
    if (sawLf)
        return kLineEndUnix;
    if (sawCr)
        return kLineEndMac;
    return kLineEndDos;
}

LineEndCode ScanBytes(const unsigned char* bytes, size_t length)
{
    bool sawCr = false, sawLf = false;
    for (size_t i = 0; i < length && !(sawCr && sawLf); ++i) {
        sawCr |= bytes[i] == '\r';
        sawLf |= bytes[i] == '\n';
    }
    return LineEndFromSeen(sawCr, sawLf);
}

LineEndCode ScanUnits(const unsigned char* bytes, size_t length, bool bigEndian)
{
    bool sawCr = false, sawLf = false;
    for (size_t i = 0; i + 1 < length && !(sawCr && sawLf); i += 2) {
        const unsigned unit = bigEndian ? (bytes[i] << 8 | bytes[i + 1])
                                        : (bytes[i + 1] << 8 | bytes[i]);
        sawCr |= unit == '\r';
        sawLf |= unit == '\n';
    }
    return LineEndFromSeen(sawCr, sawLf);
}

LineEndCode ScanLineEnds(const unsigned char* head, size_t length, EncodingCode encoding)
{
    if (encoding == kEncodingUtf16Le || encoding == kEncodingUtf16Be)
        return ScanUnits(head, length, encoding == kEncodingUtf16Be);
    return ScanBytes(head, length);
}

} // namespace

void DetectTextFormatOfBytes(const unsigned char* head, size_t length,
                             EncodingCode* encoding, LineEndCode* lineEnd)
{
    EncodingCode found = kEncodingAnsi;
    if (length >= 2 && head[0] == 0xFF && head[1] == 0xFE)
        found = kEncodingUtf16Le;
    else if (length >= 2 && head[0] == 0xFE && head[1] == 0xFF)
        found = kEncodingUtf16Be;
    else if (length >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF)
        found = kEncodingUtf8Bom;
    *encoding = found;
    *lineEnd = ScanLineEnds(head, length, found);
}

bool DetectTextFormat(const char* path, EncodingCode* encoding, LineEndCode* lineEnd)
{
    return DetectTextFormat(path, kEncodingUnknown, encoding, lineEnd);
}

bool DetectTextFormat(const char* path, EncodingCode chosen, EncodingCode* encoding,
                      LineEndCode* lineEnd)
{
    CFileHandle file;
    if (!file.OpenForReading(path))
        return false;
    unsigned char head[kDetectionBytes];
    size_t got = 0;
    if (!file.ReadFully(head, sizeof head, &got))
        return false;
    DetectTextFormatOfBytes(head, got, encoding, lineEnd);
    if (chosen != kEncodingUnknown && chosen != *encoding)
        *lineEnd = ScanLineEnds(head, got, chosen);
    return true;
}

std::string FolderOfPath(const char* path)
{
    int lastSeparator = -1;
    for (int i = 0; path[i] != '\0';) {
        if (path[i] == '\\' || path[i] == '/')
            lastSeparator = i;
        i += GbkText::CharLength(path + i);
    }
    if (lastSeparator < 0)
        return ".";
    if (lastSeparator == 0)
        return std::string(path, 1);
    // Keep "C:\" whole: the folder of C:\a is the root, not the drive's current folder.
    if (lastSeparator == 2 && path[1] == ':')
        return std::string(path, 3);
    return std::string(path, (size_t)lastSeparator);
}
