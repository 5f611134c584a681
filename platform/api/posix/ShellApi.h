// The shell: opening a document or a web address with the program the desktop chooses.
#pragma once

#include "WinDefs.h"

// ShellExecuteW's failures. Any result of 32 or less is one; success is a larger value.
#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8
#define SE_ERR_SHARE 26
#define SE_ERR_ASSOCINCOMPLETE 27
#define SE_ERR_DDETIMEOUT 28
#define SE_ERR_DDEFAIL 29
#define SE_ERR_DDEBUSY 30
#define SE_ERR_NOASSOC 31
#define SE_ERR_DLLNOTFOUND 32

// Opens `lpFile`, a web address ("https://...", "mailto:...") or a file, with the desktop's
// opener (xdg-open), without waiting for it. Only the "open" operation (or a null one) is
// known: any other gives SE_ERR_NOASSOC. A relative file is taken from `lpDirectory` when one
// is given. A missing file gives SE_ERR_FNF, a missing folder on its path SE_ERR_PNF, no opener
// SE_ERR_NOASSOC. The opener takes one target, so `lpParameters` is unused, as are `hwnd` and
// `nShowCmd`. On success the result, cast to an integer, is greater than 32.
HINSTANCE WINAPI ShellExecuteW(HWND hwnd, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters,
                               LPCWSTR lpDirectory, INT nShowCmd);
