#pragma once
#include <windows.h>

#include "framework/Array.h"
#include "framework/CString.h"
#include "framework/List.h"
#include "framework/Map.h"

// The classic non-template collections, as instances of the templates.

class CStringArray : public CArray<CString, const CString&> {};
class CPtrArray : public CArray<void*, void*> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CUIntArray : public CArray<UINT, UINT> {};
class CWordArray : public CArray<WORD, WORD> {};
class CByteArray : public CArray<BYTE, BYTE> {};

class CStringList : public CList<CString, const CString&> {};
class CPtrList : public CList<void*, void*> {};

class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*> {};
class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR> {};
class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {};
