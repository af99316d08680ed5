/* The pause that waits for any key. */
#ifndef MOYU_RUNTIME_PAUSE_H
#define MOYU_RUNTIME_PAUSE_H

#ifdef __cplusplus
extern "C" {
#endif

/* Prints "按任意键继续" and returns the key; Ctrl-C or Esc ends the program (through system
   end) with that key as exit code. */
int SysPause(void);

#ifdef __cplusplus
}
#endif

#endif
