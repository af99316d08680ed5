/* Whether a file name reaches a device instead of a file, so the converters can refuse to
   "write" an output that would vanish into one. */
#ifndef MOYU_TOOLS_DEVICE_NAMES_H
#define MOYU_TOOLS_DEVICE_NAMES_H

#ifdef __cplusplus
extern "C" {
#endif

/* 1 when the last part of the path (after '\', '/' or ':') is a reserved device name (CON,
   PRN, AUX, NUL, CONIN$, CONOUT$, COM0-COM9, LPT0-LPT9, in any letter case, with or without
   an extension or trailing blanks), or the path starts "\\.\"; else 0. The path is GBK: a
   trail byte 0x5C is no separator. */
int IsDeviceName(const char* path);

#ifdef __cplusplus
}
#endif

#endif
