/* Formatted reads and writes on streams with the language's directives; the Raw forms pass
   the format unchanged. All return 0 for a null stream or format. */
#ifndef MOYU_RUNTIME_FILE_FORMAT_H
#define MOYU_RUNTIME_FILE_FORMAT_H

#include <stdarg.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

int FileScan(FILE* stream, const char* format, ...);
int FileVScan(FILE* stream, const char* format, va_list args);
int FileScanRaw(FILE* stream, const char* format, ...);
int FileVScanRaw(FILE* stream, const char* format, va_list args);
int FilePrint(FILE* stream, const char* format, ...);
int FileVPrint(FILE* stream, const char* format, va_list args);
int FilePrintRaw(FILE* stream, const char* format, ...);
int FileVPrintRaw(FILE* stream, const char* format, va_list args);

#ifdef __cplusplus
}
#endif

#endif
