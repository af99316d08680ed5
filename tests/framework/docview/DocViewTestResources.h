#pragma once
// Resource and command ids of the document/view tests. The framework's standard ids are
// repeated as numbers for the resource compiler.
#define IDR_MAINFRAME 128
#define IDR_TESTTYPE 129

#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_MRU_FILE1 0xE110
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_APP_EXIT 0xE141

#define ID_TEST_VIEW_COMMAND 41001
#define ID_TEST_DOC_COMMAND 41002
#define ID_TEST_CHILD_COMMAND 41003
#define ID_TEST_MAIN_COMMAND 41004
#define ID_TEST_APP_COMMAND 41005
#define ID_TEST_EVERYONE_COMMAND 41006
#define ID_TEST_NOBODY_COMMAND 41007
