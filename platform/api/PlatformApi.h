// The one header the toolkit and the game include for everything the platform gives them.
//
// On Windows it is the real platform's headers. Elsewhere it is our own in-process
// implementation of the same subset: the same names, constant values, structure fields and
// signatures, so that the code above compiles unchanged against either.
#pragma once

#if defined(_WIN32)

#ifndef STRICT
#define STRICT
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#else

#include "posix/WinDefs.h"
#include "posix/WinBase.h"
#include "posix/WinNls.h"
#include "posix/WinUser.h"
#include "posix/WinGdi.h"
#include "posix/WinControls.h"
#include "posix/CommCtrl.h"
#include "posix/ShlObj.h"
#include "posix/MMSystem.h"
#include "posix/ShellApi.h"

#endif

#include "PlatformRuntime.h"
#include "FileServices.h"
