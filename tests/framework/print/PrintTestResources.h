#pragma once
// Resource ids of the printing tests.
#define IDR_PRINTFRAME 128
#define ID_TEST_MENU_COMMAND 41001
