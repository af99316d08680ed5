#include "editor/inputaids/TextLines.h"

#include "editor/inputaids/GbkBytes.h"
#include "editor/inputaids/LinePiece.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

bool ReadTextLines(const char* path, size_t bufferSize,
                   const std::function<bool(const char* line, size_t length)>& onLine)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(path ? fopen(path, "r") : nullptr, fclose);
    if (!file || bufferSize < 3)
        return file != nullptr;
    std::vector<char> buffer(bufferSize);
    LinePiece piece;
    while (ReadLinePiece(file.get(), buffer.data(), bufferSize, piece)) {
        // A zero byte ends the text; the line itself still ends at its '\n'.
        size_t length = strnlen(buffer.data(), piece.length);
        if (length < piece.length || !piece.complete) {
            // A piece ends on a character boundary. A lead byte whose trail did not fit the
            // buffer starts the next piece; one cut off by a zero byte is dropped, since the
            // next piece may be another line.
            size_t whole = GbkBytes::WholeCharsLength(buffer.data(), length);
            if (whole < length && length == piece.length)
                ungetc((unsigned char)buffer[whole], file.get());
            length = whole;
        }
        while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r'))
            --length;
        if (!onLine(buffer.data(), length))
            break;
    }
    return true;
}
