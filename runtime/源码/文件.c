/* Streams, open modes and character I/O; what stands on the platform (copy and move, search
   records, attributes, descriptors) is in 文件平台.c. */
#include "runtime/源码/文件.h"

#include <stdlib.h>
#include <string.h>
#include "runtime/源码/格式化.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/字符串.h"
#include "runtime/源码/字符读写.h"
#include "runtime/源码/系统.h"

enum { kOpenModeSize = 20 };

typedef struct OpenModeWord {
    const char* word;
    char letter;
} OpenModeWord;

static const OpenModeWord kOpenModeWords[] = {
    {"读", 'r'}, {"写", 'w'}, {"添", 'a'}, {"数", 'b'}, {"文", 't'},
};

static char OpenModeLetter(CharCode code)
{
    CharCode half = CvtToHalfWidth(code);
    if (half != 0 && half < 128 && strchr("rwabt+", (int)half) != NULL)
        return (char)half;
    for (size_t i = 0; i < sizeof kOpenModeWords / sizeof kOpenModeWords[0]; ++i)
        if (MbCharAt(kOpenModeWords[i].word) == code)
            return kOpenModeWords[i].letter;
    return 0;
}

char* FileModeText(FileOpenMode mode, char* buffer, int size)
{
    if (buffer == NULL || size <= 0)
        return buffer;
    int written = 0;
    for (const char* p = mode; p != NULL && *p && written < size - 1; p += MbCharLen(p)) {
        char letter = OpenModeLetter(MbCharAt(p));
        if (letter != 0)
            buffer[written++] = letter;
    }
    buffer[written] = '\0';
    return buffer;
}

int FileDelete(const char* name)
{
    return name != NULL && remove(name) == 0 ? 0 : -1;
}

FILE* FileOpen(const char* name, FileOpenMode mode)
{
    if (name == NULL || mode == NULL)
        return NULL;
    char modeText[kOpenModeSize];
    return fopen(name, FileModeText(mode, modeText, sizeof modeText));
}

FILE* FileOpenOrExit(const char* name, FileOpenMode mode)
{
    FILE* stream = FileOpen(name, mode);
    if (stream == NULL) {
        ConPrint("文件：（%串）打开失败！", name);
        SysTerminate(-1);
    }
    return stream;
}

FILE* FileReopen(const char* name, const char* mode, FILE* stream)
{
    if (name == NULL || mode == NULL || stream == NULL)
        return NULL;
    return freopen(name, mode, stream);
}

int FileGetByte(FILE* stream)
{
    return stream != NULL ? fgetc(stream) : -1;
}

int FilePutByte(FILE* stream, int byte)
{
    return stream != NULL ? fputc(byte, stream) : -1;
}

int FileUngetByte(FILE* stream, int byte)
{
    return stream != NULL ? ungetc(byte, stream) : -1;
}

static int StreamByteReader(void* stream)
{
    return fgetc((FILE*)stream);
}

static int StreamByteWriter(void* stream, int byte)
{
    return fputc(byte, (FILE*)stream) != EOF;
}

int FileReadChar(FILE* stream, CharCode* code)
{
    CharCode joined = (CharCode)-1;
    int count = stream != NULL ? ReadJoinedChar(StreamByteReader, stream, 0, &joined) : -1;
    if (count == 0 && ferror(stream))
        count = -1;
    if (code != NULL)
        *code = joined;
    return count;
}

int FileWriteChar(FILE* stream, CharCode code)
{
    return stream != NULL ? WriteCharBytes(StreamByteWriter, stream, code) : 0;
}

char* FileGetLine(FILE* stream, char* buffer, int size)
{
    if (stream == NULL || buffer == NULL || size <= 0)
        return NULL;
    return fgets(buffer, size, stream);
}

int FilePutString(FILE* stream, const char* text)
{
    if (stream == NULL || text == NULL)
        return -1;
    return fputs(text, stream);
}

int FileRead(FILE* stream, void* buffer, int recordSize, int count)
{
    if (stream == NULL || buffer == NULL || recordSize <= 0 || count <= 0)
        return 0;
    return (int)fread(buffer, (size_t)recordSize, (size_t)count, stream);
}

int FileWrite(FILE* stream, const void* buffer, int recordSize, int count)
{
    if (stream == NULL || buffer == NULL || recordSize <= 0 || count <= 0)
        return 0;
    return (int)fwrite(buffer, (size_t)recordSize, (size_t)count, stream);
}

int FileSeek(FILE* stream, long offset, int origin)
{
    return stream != NULL ? fseek(stream, offset, origin) : -1;
}

long FileTell(FILE* stream)
{
    return stream != NULL ? ftell(stream) : -1L;
}

void FileRewind(FILE* stream)
{
    if (stream != NULL)
        rewind(stream);
}

int FileFlush(FILE* stream)
{
    return fflush(stream);
}

void FileClearError(FILE* stream)
{
    if (stream != NULL)
        clearerr(stream);
}

int FileSetBuffer(FILE* stream, char* buffer, int mode, int size)
{
    if (stream == NULL)
        return -1;
    return setvbuf(stream, buffer, mode, (size_t)size);
}

int FileClose(FILE* stream)
{
    return stream != NULL ? fclose(stream) : 0;
}

int FileAtEnd(FILE* stream)
{
    return stream != NULL ? feof(stream) : 0;
}

int FileHasError(FILE* stream)
{
    return stream != NULL ? ferror(stream) : 0;
}
