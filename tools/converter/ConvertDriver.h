/* The conversion driver: translates the opened input word by word into the output in the
   direction the options settled, keeping layout, blanks and line ends in place. */
#ifndef MOYU_CONVERTER_CONVERT_DRIVER_H
#define MOYU_CONVERTER_CONVERT_DRIVER_H

#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Converts the whole input; the conversion table must be loaded. Read errors end it.
   Returns the count of words that could not be converted whole (an identifier too long to
   read or to romanize), each reported as it came. */
int ConvertStream(FILE* input, FILE* output);

#ifdef __cplusplus
}
#endif

#endif
