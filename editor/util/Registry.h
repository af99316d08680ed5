#pragma once

#include "framework/CString.h"

#include <windows.h>

// Thin helpers over the registry shared by the application object, the settings commands
// and the dialogs. They report failure by their result only; nothing is shown to the user.
// A null or empty value name stands for the key's default (unnamed) value.

// Most bytes RegReadString takes from a value, terminator included.
constexpr DWORD kRegStringMaxBytes = 260;

// Reads a value of any type (at most kRegStringMaxBytes bytes) into value; true when the key
// opened for query, the value was read and the key closed. On failure value is unchanged.
bool RegReadString(HKEY root, const char* subkey, const char* valueName, CString& value);
// The same into a caller's buffer of bufferSize bytes. A string-typed value is always left
// zero-terminated; one that does not fit with its terminator is a failure.
bool RegReadRaw(HKEY root, const char* subkey, const char* valueName, char* buffer, DWORD bufferSize);
// Creates or opens the key with write access and writes text as REG_SZ with its terminator.
bool RegWriteString(HKEY root, const char* subkey, const char* valueName, const char* text);
// Deletes a key that has no subkeys. An empty subkey is refused, so the root is never deleted.
bool RegRemoveKey(HKEY root, const char* subkey);
// Opens the key with write access and deletes the value.
bool RegRemoveValue(HKEY root, const char* subkey, const char* valueName);

// Registers an in-process COM server under HKEY_CLASSES_ROOT: the class key with its
// InProcServer32 (module path, apartment threading) and ProgID keys, and the program
// identifier key with its CLSID key. Stops at the first failure; true when all succeeded.
bool RegisterInprocServer(const char* classId, const char* progId, const char* modulePath);
// Removes those keys, innermost first, stopping at the first failure.
bool UnregisterInprocServer(const char* classId, const char* progId);
