// Common controls: their initialisation and the tooltip control.
#pragma once

#include "WinDefs.h"
#include "WinUser.h"

#define ICC_WIN95_CLASSES 0x000000FF
#define ICC_BAR_CLASSES 0x00000004

typedef struct tagINITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
} INITCOMMONCONTROLSEX, *LPINITCOMMONCONTROLSEX;

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce);

#define TOOLTIPS_CLASSW L"tooltips_class32"
#define TTS_ALWAYSTIP 0x01
#define TTS_NOPREFIX 0x02
#define TTF_IDISHWND 0x0001
#define TTF_CENTERTIP 0x0002
#define TTF_SUBCLASS 0x0010
#define TTM_ACTIVATE (WM_USER + 1)
#define TTM_RELAYEVENT (WM_USER + 7)
#define TTM_SETMAXTIPWIDTH (WM_USER + 24)
#define TTM_ADDTOOLW (WM_USER + 50)
#define TTM_DELTOOLW (WM_USER + 51)
#define TTM_NEWTOOLRECTW (WM_USER + 52)
#define TTM_UPDATETIPTEXTW (WM_USER + 57)

typedef struct tagTOOLINFOW {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPWSTR lpszText;
    LPARAM lParam;
    void* lpReserved;
} TTTOOLINFOW, *LPTTTOOLINFOW, TOOLINFOW, *LPTOOLINFOW;
