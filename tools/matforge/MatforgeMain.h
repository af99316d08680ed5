/* One run of matforge: the command line, the two file names, the conversion and the exit
   code. */
#ifndef MOYU_MATFORGE_MAIN_H
#define MOYU_MATFORGE_MAIN_H

#ifdef __cplusplus
extern "C" {
#endif

/* argv[1] the "*.素材" input, optional argv[2] the output; returns an exit code of
   ExitCodes.h. */
int MatforgeMain(int argc, char** argv);

#ifdef __cplusplus
}
#endif

#endif
