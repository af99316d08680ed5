#pragma once
// Everything of the framework's window-free core.
#include <windows.h>

#include "framework/AppEnvironment.h"
#include "framework/AppState.h"
#include "framework/Archive.h"
#include "framework/CString.h"
#include "framework/Collections.h"
#include "framework/Debug.h"
#include "framework/Exceptions.h"
#include "framework/File.h"
#include "framework/MessageBox.h"
#include "framework/Time.h"
