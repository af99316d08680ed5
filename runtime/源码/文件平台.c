/* The file module's platform part on Windows: rename with the platform's error code, copy
   and move through the command processor, attributes, search records and the C runtime's
   descriptors. */
#include "runtime/源码/文件.h"

#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include "runtime/源码/内存.h"
#include "runtime/源码/字符串.h"
#include "runtime/源码/系统.h"
#include "runtime/源码/进程.h"

/* Room for an open mode's letters, as in 文件.c. */
enum { kOpenModeSize = 20 };
/* The write bit of the C runtime's permission mode. */
enum { kWritePermission = 0x80 };

#if MOYU_EDITION == 172
enum { kCopyFreeLine = 49, kMoveFreeLine = 72 };
#else
enum { kCopyFreeLine = 54, kMoveFreeLine = 77 };
#endif

/* A failure code that is never 0, even when the platform left none. */
static int LastErrorOrMinusOne(void)
{
    int code = SysGetLastError();
    return code != 0 ? code : -1;
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

FILE* FdToStream(int descriptor, FileOpenMode mode)
{
    if (mode == NULL)
        return NULL;
    char modeText[kOpenModeSize];
    return _fdopen(descriptor, FileModeText(mode, modeText, sizeof modeText));
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

int FileCloseAll(void)
{
    return _fcloseall();
}

int FileNumber(FILE* stream)
{
    return stream != NULL ? _fileno(stream) : -1;
}
