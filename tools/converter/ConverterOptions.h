/* The converter's process-wide options and file names, settled by the main program before
   the conversion starts and read by the table, lexer tables and driver. */
#ifndef MOYU_CONVERTER_OPTIONS_H
#define MOYU_CONVERTER_OPTIONS_H

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* 0 C to Moyu ("c转墨"), 1 Moyu to C ("墨转c"), 2 not yet settled. */
typedef enum ConvertDirection {
    kCToMoyu = 0,
    kMoyuToC = 1,
    kDirectionUnset = 2
} ConvertDirection;

enum { kFileNameSize = 256 };

typedef struct ConverterOptions {
    uint8_t direction;           /* ConvertDirection */
    bool useDefaultTable;
    bool quiet;
    bool implicit;
    bool symbols;
    bool trace;
    bool romanizeFileName;
    bool romanizeInterfaceName;
    bool printOutputName;
    bool modifyInPlace;
    bool c51;
    bool dropInputDir;
    int optionCount;             /* argv words taken by options; wide enough for any argc */
    const char* outputDir;
    const char* outputSuffix;
    char inputName[kFileNameSize];
    char outputName[kFileNameSize];
    char tableName[kFileNameSize];
    char defaultTableName[kFileNameSize];
    const char* programPath;     /* argv[0] */
} ConverterOptions;

/* The one record of the run. */
ConverterOptions* Options(void);
/* Back to the initial values (a new run; tests). */
void ResetOptions(void);

#ifdef __cplusplus
}
#endif

#endif
