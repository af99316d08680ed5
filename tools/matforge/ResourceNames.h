/* The input and output file names of a run. */
#ifndef MOYU_MATFORGE_RESOURCE_NAMES_H
#define MOYU_MATFORGE_RESOURCE_NAMES_H

#ifdef __cplusplus
extern "C" {
#endif

/* 1 when the name has no extension or the extension ".素材" (exact bytes). */
int HasResourceExtension(const char* argument);
/* The argument, with ".素材" appended when it has no extension. A tracked block the caller
   frees; null when it cannot be allocated. */
char* MakeInputName(const char* argument);
/* The argument when given (may be null), else the input name with ".rc" in place of its
   extension. A tracked block the caller frees; null when it cannot be allocated. */
char* MakeOutputName(const char* inputName, const char* argument);

#ifdef __cplusplus
}
#endif

#endif
