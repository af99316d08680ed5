/* What the converters' cores reach of the runtime's platform modules (系统.c, 目录.c and
   文件平台.c on Windows), for the native build: the standard streams ConPrint writes to and
   the program's own path, beside which the converter looks for its default table. */
#include <stdio.h>
#include <unistd.h>
#include "runtime/源码/目录.h"
#include "runtime/源码/系统.h"

FILE* SysStdIn;
FILE* SysStdOut;
FILE* SysStdErr;

__attribute__((constructor)) static void SetStandardStreamsAtLoad(void)
{
    SysStdIn = stdin;
    SysStdOut = stdout;
    SysStdErr = stderr;
}

int SysExePath(char* buffer, int size)
{
    if (buffer == NULL || size < 2)
        return 0;
    ssize_t length = readlink("/proc/self/exe", buffer, (size_t)size);
    if (length <= 0 || length >= size) {
        buffer[0] = '\0';
        return 0;
    }
    buffer[length] = '\0';
    return (int)length;
}
