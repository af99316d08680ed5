/* 墨转换's main program: command line, file names, conversion and report. */
#ifndef MOYU_CONVERTER_MAIN_H
#define MOYU_CONVERTER_MAIN_H

#ifdef __cplusplus
extern "C" {
#endif

/* Exit codes. */
enum {
    kExitDone = 0,
    kExitNoName = 1,        /* input or output name empty, or an unusable command line */
    kExitCannotOpen = 2,    /* a file cannot be opened, written or replaced */
    kExitBadWord = 3        /* a word could not be converted whole (see ConvertStream) */
};

/* Runs one conversion; returns the process exit code. */
int ConverterMain(int argc, char** argv, char** envp);

/* Reads the options into the option record and prints banner, usage and help; 0, or an
   exit code when the command line cannot be used. */
int ConverterParseOptions(int argc, char** argv);
/* Settles input, output and table names and the direction; 0 or an exit code. */
int SetupFileNames(int argc, char** argv);
/* The output name the conversion table gives for the input: 1 and out filled, else 0. */
int LookupOutputName(const char* input, char* out, int size);
/* The input with the suffix in place of its extension; with 转名字 its romanized name. */
void DeriveOutputName(const char* input, const char* suffix, char* out, int size);

#ifdef __cplusplus
}
#endif

#endif
