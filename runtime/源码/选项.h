/* The command-line option parser in the manner of the classic option-letter parsers: "-"
   or the second switch character ("/" at start) introduces one option letter or a group
   of them; a letter followed by ":" in the letters takes an argument. */
#ifndef MOYU_RUNTIME_OPTIONS_H
#define MOYU_RUNTIME_OPTIONS_H

#ifdef __cplusplus
extern "C" {
#endif

/* The last option's argument, cleared at every call. */
extern char* OptArgument;
/* The argument OptGet looks at next; 1 at start. */
extern int OptIndex;
/* 0 silences the two messages on standard error. */
extern int OptMessages;
/* The switch character accepted beside "-". */
extern int OptSwitchChar;
/* The switch character of the last option. */
extern int OptLastSwitch;

/* The option letter, '?' for a letter not in the list or a missing argument, ':' for a
   missing argument when the letters begin with ":", -1 at the end of the options. The
   argument count is not read: the array ends with a null pointer. */
int OptGet(int argc, char* const* argv, const char* letters);
/* Starts a new parse from argument 1. */
void OptReset(void);

#ifdef __cplusplus
}
#endif

#endif
