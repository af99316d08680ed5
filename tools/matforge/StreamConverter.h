/* Converts a whole resource script from one stream to another, line by line. */
#ifndef MOYU_MATFORGE_STREAM_CONVERTER_H
#define MOYU_MATFORGE_STREAM_CONVERTER_H

#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef enum ConvertStatus {
    kConvertDone,
    kConvertZeroByte,    /* the input is not a text file (a UTF-16 script, for one) */
    kConvertReadFailed,
    kConvertWriteFailed,
    kConvertOutOfMemory
} ConvertStatus;

/* Reads every line of input, however long, converts it and writes it with a newline.
   lineNumber (may be null) receives the line being read when the status is not done. */
ConvertStatus ConvertStream(FILE* input, FILE* output, long* lineNumber);

#ifdef __cplusplus
}
#endif

#endif
