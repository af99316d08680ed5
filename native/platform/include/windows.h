#pragma once
// What the window-free cores take from windows.h, for the native build: the integer types of
// the framework's collection templates, the font description the settings file stores
// (LOGFONTA, laid out as the platform lays it out), and the message box's types and answers,
// which the tests' message box hook records. Nothing else of the platform is here: a core
// that calls on more does not build natively.
#include <cstdint>

#include "framework/PlatformTypes.h"

typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef char CHAR;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;

typedef struct HWND__* HWND;

#define MB_OK 0x0
#define MB_TYPEMASK 0xF
#define MB_DEFMASK 0xF00
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

#define LF_FACESIZE 32
#define DEFAULT_CHARSET 1

typedef struct tagLOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA;
static_assert(sizeof(LOGFONTA) == 60, "the settings file stores the platform's 60 bytes");
