#pragma once
#include <cstddef>
#include <cstdint>

// The two format codes of a text file and their short display names.

enum EncodingCode : int32_t {
    kEncodingUnknown = 0,
    kEncodingAnsi = 1,      // GBK, code page 936
    kEncodingUtf16Le = 2,   // byte-order mark FF FE
    kEncodingUtf16Be = 3,   // byte-order mark FE FF
    kEncodingUtf8Bom = 4,   // byte-order mark EF BB BF
    kEncodingUtf8 = 5,      // no mark; chosen by the user only, never detected
};

enum LineEndCode : int32_t {
    kLineEndUnknown = 0,  // written as CR LF
    kLineEndDos = 1,      // CR LF
    kLineEndUnix = 2,     // LF
    kLineEndMac = 3,      // CR
};

const int kEncodingCodeCount = 6;
const int kLineEndCodeCount = 4;

// Indexed by the code: "N.A.", "ASCII", "Unicode", "Unicode", "UTF-8", "UTF-8".
extern const char* const kEncodingShortNames[kEncodingCodeCount];
// Indexed by the code: "N.A.", "DOS", "UNIX", "MAC".
extern const char* const kLineEndShortNames[kLineEndCodeCount];

// The short name of a code; "N.A." for a code outside the table.
const char* GetEncodingShortName(int encoding);
const char* GetLineEndShortName(int lineEnd);

// The bytes written between two lines for a line-end code (CR LF for 0, 1 and others).
const char* GetLineEndBytes(int lineEnd);

// What a load noticed besides its lines.
struct TextLoadReport {
    // Some characters of a UTF-8 or UTF-16 file have no GBK form and were replaced by the
    // conversion's default character: saving over the original would lose them.
    bool replacedCharacters = false;
};

// The number of bytes the head of a file is examined for.
const int kDetectionBytes = 4096;

// Decides both codes from the first bytes of a file: the byte-order mark gives the
// encoding (ANSI without one); the first line-end characters give the line end, scanned
// in 16-bit units for UTF-16 so the bytes of a character are never taken for CR or LF.
void DetectTextFormatOfBytes(const unsigned char* head, size_t length,
                             EncodingCode* encoding, LineEndCode* lineEnd);
// Reads the head of the file and decides both codes; false when the file cannot be opened.
bool DetectTextFormat(const char* path, EncodingCode* encoding, LineEndCode* lineEnd);
// The same for a file the user reads in an encoding of his choice (kEncodingUnknown: the
// detected one): its line ends are scanned as that encoding stores them, so a UTF-16 file
// without a mark is scanned in units too.
bool DetectTextFormat(const char* path, EncodingCode chosen, EncodingCode* encoding,
                      LineEndCode* lineEnd);
