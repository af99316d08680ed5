/* Input waits of the virtual display: the get-key and key-test callbacks of the console
   redirection. Both are message loops of the display that pick out key or mouse messages
   addressed to the display window, map keys without a character to the language's key
   codes, and feed clipboard text pasted with Ctrl+V or the right button byte by byte. */
#ifndef MOYU_GUI_DISPLAY_INPUT_H
#define MOYU_GUI_DISPLAY_INPUT_H

#ifdef __cplusplus
extern "C" {
#endif

/* LanguageKeyCode: the codes delivered for WM_KEYDOWN while WM_CHAR is awaited. */
enum {
    kKeyPageUp = 0x16,
    kKeyPageDown = 0x17,
    kKeyEnd = 0x18,
    kKeyHome = 0x19,
    kKeyDelete = 0x1A,
    kKeyArrowLeft = 0x1C,
    kKeyArrowUp = 0x1D,
    kKeyArrowRight = 0x1E,
    kKeyArrowDown = 0x1F,
    kKeyF1 = 0x101,       /* F1 to F12: 0x101 to 0x10C */
    kKeyNumPad0 = 0x110   /* numeric pad 0 to 9: 0x110 to 0x119 */
};

/* The language's key code for a virtual key, 0 when it has none. */
int VdMapVirtualKey(int virtualKey);

/* 1 with a key stored, 0 with nothing. */
int GfxWaitKey(int* key);
int GfxPollKey(int* key);
int VdWaitInput(int* key);
int VdPollInput(int* key);
/* lParam of the last key or mouse message an input wait took (0 for pasted characters). */
int GfxGetInputParam(void);
int VdGetInputParam(void);

#ifdef __cplusplus
}
#endif

#endif
