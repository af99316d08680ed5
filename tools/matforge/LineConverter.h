/* Converts one line of a resource script: its first three words through the word tables,
   a menu item's flags, everything else copied unchanged. */
#ifndef MOYU_MATFORGE_LINE_CONVERTER_H
#define MOYU_MATFORGE_LINE_CONVERTER_H

#include "tools/matforge/ScriptState.h"
#include "tools/matforge/TextBuffer.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Cuts the line at its first carriage return or line feed (in place), converts it with the
   block state carried from the lines before, and appends the result, without a line end,
   to out. 1, or 0 when out could not grow. */
int ConvertLine(char* line, BlockState* state, TextBuffer* out);

#ifdef __cplusplus
}
#endif

#endif
