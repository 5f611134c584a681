// Shell folders: where a program keeps its per-user data.
#pragma once

#include "WinDefs.h"

// The result type of the shell's calls: negative means failure.
typedef LONG HRESULT;

#define S_OK ((HRESULT)0L)
#define E_FAIL ((HRESULT)0x80004005L)
#define E_INVALIDARG ((HRESULT)0x80070057L)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

// A path buffer's size in characters, the terminating NUL included.
#ifndef MAX_PATH
#define MAX_PATH 260
#endif

#define CSIDL_LOCAL_APPDATA 0x001c
#define CSIDL_FLAG_CREATE 0x8000
#define SHGFP_TYPE_CURRENT 0
#define SHGFP_TYPE_DEFAULT 1

// Writes the folder's path, NUL-terminated and without a trailing separator, into `pszPath`
// (MAX_PATH characters). Only CSIDL_LOCAL_APPDATA is known here (E_INVALIDARG otherwise). A
// folder that does not exist gives E_FAIL unless CSIDL_FLAG_CREATE asks for it to be created.
// On failure `pszPath` holds empty text.
HRESULT WINAPI SHGetFolderPathW(HWND hwnd, int csidl, HANDLE hToken, DWORD dwFlags, LPWSTR pszPath);
