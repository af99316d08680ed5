/* What matforge's exit code tells the build that ran it. */
#ifndef MOYU_MATFORGE_EXIT_CODES_H
#define MOYU_MATFORGE_EXIT_CODES_H

enum {
    kExitConverted = 0,
    kExitUsage = 1,
    kExitWrongExtension = 2,
    /* The input cannot be read, the output cannot be written or would overwrite the input. */
    kExitFileFailed = 3
};

#endif
