/* Streams, open modes, character I/O, copy and move, search records. */
#include "runtime/源码/文件.h"

#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include "runtime/源码/格式化.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/字符串.h"
#include "runtime/源码/字符读写.h"
#include "runtime/源码/系统.h"
#include "runtime/源码/进程.h"

enum { kOpenModeSize = 20 };
/* The write bit of the C runtime's permission mode. */
enum { kWritePermission = 0x80 };

#if MOYU_EDITION == 172
enum { kCopyFreeLine = 49, kMoveFreeLine = 72 };
#else
enum { kCopyFreeLine = 54, kMoveFreeLine = 77 };
#endif

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

/* A failure code that is never 0, even when the platform left none. */
static int LastErrorOrMinusOne(void)
{
    int code = SysGetLastError();
    return code != 0 ? code : -1;
}

int FileDelete(const char* name)
{
    return name != NULL && remove(name) == 0 ? 0 : -1;
}

int FileRename(const char* oldName, const char* newName)
{
    if (oldName == NULL || newName == NULL)
        return -1;
    return rename(oldName, newName) == 0 ? 0 : LastErrorOrMinusOne();
}

/* Characters that make the command processor split or redirect an unquoted name. */
static int NeedsQuotes(const char* name)
{
    int length = (int)strlen(name);
    if (length > 1 && name[0] == '"' && name[length - 1] == '"')
        return 0;
    return strpbrk(name, " \t&|<>^,;=()") != NULL;
}

static void AppendName(char* command, int size, const char* name)
{
    StrCatN(command, size, " ");
    if (NeedsQuotes(name))
        StrCatN(command, size, "\"");
    StrCatN(command, size, name);
    if (NeedsQuotes(name))
        StrCatN(command, size, "\"");
}

static int RunFileCommand(const char* verb, const char* source, const char* target,
                          const char* options, int freeLine)
{
    if (source == NULL || target == NULL)
        return -1;
    if (options == NULL)
        options = "";
    int size = StrLen(verb) + StrLen(options) + StrLen(source) + StrLen(target) + 2 + 4 + 1;
    char* command = StrDup(verb, 0, size - StrLen(verb) - 1);
    if (command == NULL)
        return -1;
    StrCatN(command, size, options);
    AppendName(command, size, source);
    AppendName(command, size, target);
    int result = ProcSystem(command);
    MemFree(command, kSourceFileModule, freeLine);
    return result;
}

int FileCopy(const char* source, const char* target, const char* options)
{
    return RunFileCommand("copy ", source, target, options, kCopyFreeLine);
}

int FileMove(const char* source, const char* target, const char* options)
{
    return RunFileCommand("move ", source, target, options, kMoveFreeLine);
}

int FileAccess(const char* name, int mode)
{
    return name != NULL && _access(name, mode) == 0 ? 0 : -1;
}

int FileChmod(const char* name, int mode)
{
    if (name == NULL)
        return -1;
    int permission = (mode & kWritePermission) ? (_S_IREAD | _S_IWRITE) : _S_IREAD;
    return _chmod(name, permission) == 0 ? 0 : -1;
}

char* FileSearchEnv(const char* name, const char* variable, char* buffer)
{
    if (buffer == NULL)
        return NULL;
    buffer[0] = '\0';
    if (name != NULL && variable != NULL)
        _searchenv(name, variable, buffer);
    return buffer;
}

int FileFindFirst(const char* pattern, FileFindRecord* record)
{
    if (pattern == NULL || record == NULL)
        return -1;
    record->handle = _findfirst(pattern, &record->data);
    return record->handle == -1 ? LastErrorOrMinusOne() : 0;
}

int FileFindNext(FileFindRecord* record)
{
    if (record == NULL || record->handle == -1)
        return -1;
    return _findnext(record->handle, &record->data) == 0 ? 0 : LastErrorOrMinusOne();
}

int FileFindClose(FileFindRecord* record)
{
    if (record == NULL || record->handle == -1)
        return -1;
    int result = _findclose(record->handle) == 0 ? 0 : LastErrorOrMinusOne();
    record->handle = -1;
    return result;
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

FILE* FdToStream(int descriptor, FileOpenMode mode)
{
    if (mode == NULL)
        return NULL;
    char modeText[kOpenModeSize];
    return _fdopen(descriptor, FileModeText(mode, modeText, sizeof modeText));
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

long FileLength(FILE* stream)
{
    if (stream == NULL)
        return -1L;
    /* Bytes still in a writing stream's buffer belong to the file; a reading stream is left
       alone, since flushing it would drop its buffered input. */
    if (stream->_flag & _IOWRT)
        fflush(stream);
    return _filelength(_fileno(stream));
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

int FileCloseAll(void)
{
    return _fcloseall();
}

int FileAtEnd(FILE* stream)
{
    return stream != NULL ? feof(stream) : 0;
}

int FileHasError(FILE* stream)
{
    return stream != NULL ? ferror(stream) : 0;
}

int FileNumber(FILE* stream)
{
    return stream != NULL ? _fileno(stream) : -1;
}
