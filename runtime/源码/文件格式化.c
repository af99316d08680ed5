/* Formatted stream routines of the file module. */
#include "runtime/源码/文件格式化.h"

#include "runtime/源码/格式化内部.h"
#include "runtime/源码/内存.h"

/* Allocation and release lines the file module passes for its translation buffers. */
#if MOYU_EDITION == 172
enum {
    kScanAllocLine = 470, kScanFreeLine = 478, kVScanAllocLine = 539, kVScanFreeLine = 546,
    kPrintAllocLine = 505, kPrintFreeLine = 514, kVPrintAllocLine = 565, kVPrintFreeLine = 572
};
#else
enum {
    kScanAllocLine = 503, kScanFreeLine = 511, kVScanAllocLine = 572, kVScanFreeLine = 579,
    kPrintAllocLine = 538, kPrintFreeLine = 547, kVPrintAllocLine = 598, kVPrintFreeLine = 605
};
#endif

static int Translated(FmtStreamRoutine routine, FILE* stream, const char* format, va_list args,
                      int allocLine, int freeLine)
{
    return FmtTranslatedStreamCall(routine, stream, format, args, kSourceFileModule, allocLine,
                                   freeLine);
}

int FileScan(FILE* stream, const char* format, ...)
{
    if (stream == NULL || format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result = Translated(vfscanf, stream, format, args, kScanAllocLine, kScanFreeLine);
    va_end(args);
    return result;
}

int FileVScan(FILE* stream, const char* format, va_list args)
{
    if (stream == NULL || format == NULL)
        return 0;
    return Translated(vfscanf, stream, format, args, kVScanAllocLine, kVScanFreeLine);
}

int FileScanRaw(FILE* stream, const char* format, ...)
{
    if (stream == NULL || format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result = vfscanf(stream, format, args);
    va_end(args);
    return result;
}

/* Checked as well: the C runtime crashes on a null stream or format. */
int FileVScanRaw(FILE* stream, const char* format, va_list args)
{
    if (stream == NULL || format == NULL)
        return 0;
    return vfscanf(stream, format, args);
}

int FilePrint(FILE* stream, const char* format, ...)
{
    if (stream == NULL || format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result = Translated(vfprintf, stream, format, args, kPrintAllocLine, kPrintFreeLine);
    va_end(args);
    return result;
}

int FileVPrint(FILE* stream, const char* format, va_list args)
{
    if (stream == NULL || format == NULL)
        return 0;
    return Translated(vfprintf, stream, format, args, kVPrintAllocLine, kVPrintFreeLine);
}

int FilePrintRaw(FILE* stream, const char* format, ...)
{
    if (stream == NULL || format == NULL)
        return 0;
    va_list args;
    va_start(args, format);
    int result = vfprintf(stream, format, args);
    va_end(args);
    return result;
}

int FileVPrintRaw(FILE* stream, const char* format, va_list args)
{
    if (stream == NULL || format == NULL)
        return 0;
    return vfprintf(stream, format, args);
}
