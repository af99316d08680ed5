/* Descriptor wrappers. */
#include "runtime/源码/描述符.h"

#include <fcntl.h>
#include <io.h>
#include "runtime/源码/字符读写.h"

enum { kCharBytesSize = 10 };

typedef struct DescriptorReader {
    int descriptor;
    int lastResult; /* the last read's count */
} DescriptorReader;

static int DescriptorByteReader(void* context)
{
    DescriptorReader* reader = (DescriptorReader*)context;
    unsigned char byte;
    reader->lastResult = _read(reader->descriptor, &byte, 1);
    return reader->lastResult == 1 ? byte : -1;
}

int FdOpen(const char* name, int flags, int permission)
{
    return name != NULL ? _open(name, flags, permission) : -1;
}

int FdCreate(const char* name, int permission)
{
    return name != NULL ? _open(name, _O_RDWR | _O_CREAT | _O_TRUNC, permission) : -1;
}

int FdRead(int descriptor, void* buffer, int count)
{
    return buffer != NULL ? _read(descriptor, buffer, (unsigned)count) : -1;
}

int FdWrite(int descriptor, const void* buffer, int count)
{
    return buffer != NULL ? _write(descriptor, buffer, (unsigned)count) : -1;
}

int FdReadChar(int descriptor, CharCode* code)
{
    DescriptorReader reader = {descriptor, 0};
    CharCode joined;
    int count = ReadJoinedChar(DescriptorByteReader, &reader, 0, &joined);
    if (count == 0)
        count = reader.lastResult;
    if (code != NULL)
        *code = joined;
    return count;
}

int FdWriteChar(int descriptor, CharCode code)
{
    char bytes[kCharBytesSize];
    int length = MbCharToBytes(code, bytes, sizeof bytes);
    return _write(descriptor, bytes, (unsigned)length);
}

int FdDup(int descriptor)
{
    return _dup(descriptor);
}

int FdDup2(int descriptor, int target)
{
    return _dup2(descriptor, target);
}

int FdAtEnd(int descriptor)
{
    return _eof(descriptor);
}

long FdLength(int descriptor)
{
    return _filelength(descriptor);
}

int FdSetMode(int descriptor, int mode)
{
    return _setmode(descriptor, mode);
}

long FdSeek(int descriptor, long offset, int origin)
{
    return _lseek(descriptor, offset, origin);
}

long FdTell(int descriptor)
{
    return _tell(descriptor);
}

int FdIsTty(int descriptor)
{
    return _isatty(descriptor);
}

int FdClose(int descriptor)
{
    return _close(descriptor);
}
