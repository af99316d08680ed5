/* Whole-character reads and writes over byte sources and sinks. */
#include "runtime/源码/字符读写.h"

static int IsLeadByte(int byte)
{
    return (MbByteClass((unsigned char)byte) & kMbLeadByte) != 0;
}

static int IsFourByteDigit(int byte)
{
    return (MbByteClass((unsigned char)byte) & kMbFourByteDigit) != 0;
}

int ReadJoinedChar(ByteReader read, void* context, int flags, CharCode* code)
{
    int byte = read(context);
    if (byte < 0) {
        *code = (CharCode)-1;
        return 0;
    }
    CharCode joined = (CharCode)byte;
    int count = 1;
    /* A lead byte takes one more; a four-byte digit in second place takes two more. */
    int wanted = IsLeadByte(byte) ? 2 : 1;
    while (count < wanted) {
        byte = read(context);
        if (byte < 0)
            break;
        ++count;
        if ((flags & kCharStopAtNewline) && byte == '\n') {
            joined = '\n';
            break;
        }
        joined = (joined << 8) | (CharCode)byte;
        if (count == 2 && IsFourByteDigit(byte))
            wanted = 4;
    }
    *code = joined;
    return count;
}

int WriteCharBytes(ByteWriter write, void* context, CharCode code)
{
    int written = 0;
    int started = 0;
    for (int shift = 24; shift >= 0; shift -= 8) {
        int byte = (int)((code >> shift) & 0xFF);
        if (!started && byte == 0 && shift > 0)
            continue;
        started = 1;
        if (!write(context, byte))
            break;
        ++written;
    }
    return written;
}
