#pragma once
#include <cstddef>
#include <cstdio>

// What ReadLinePiece read: `length` bytes are stored (zero bytes among them count), and
// `complete` tells whether they reach the line's end: its '\n' was read (and stored) or the
// file ended. A piece that filled the buffer is never complete.
struct LinePiece {
    size_t length = 0;
    bool complete = false;
};

// Reads the next piece of a line of a byte file: the bytes up to and including the next
// '\n', at most size - 1 of them, followed by a terminator. Unlike fgets it tells how many
// bytes it read, so a zero byte inside a line cannot hide the line end. False, with nothing
// stored, at the end of the file.
inline bool ReadLinePiece(FILE* file, char* buffer, size_t size, LinePiece& piece)
{
    piece = LinePiece();
    if (size == 0)
        return false;
    int c = EOF;
    while (piece.length + 1 < size && (c = getc(file)) != EOF) {
        buffer[piece.length++] = (char)c;
        if (c == '\n')
            break;
    }
    buffer[piece.length] = '\0';
    // A full buffer leaves the line's end, if any, unread.
    piece.complete = c == '\n' || c == EOF;
    return piece.length > 0;
}
