// National language support: what the user's locale says about dates and times.
#pragma once

#include "WinDefs.h"

typedef DWORD LCID;
typedef DWORD LCTYPE;

#define LOCALE_SYSTEM_DEFAULT 0x0800
#define LOCALE_USER_DEFAULT 0x0400
#define LOCALE_NOUSEROVERRIDE 0x80000000
#define LOCALE_RETURN_NUMBER 0x20000000

#define LOCALE_SDATE 0x0000001D
#define LOCALE_STIME 0x0000001E
#define LOCALE_SSHORTDATE 0x0000001F
#define LOCALE_SLONGDATE 0x00000020
#define LOCALE_IDATE 0x00000021
#define LOCALE_ITIME 0x00000023
#define LOCALE_S1159 0x00000028
#define LOCALE_S2359 0x00000029
#define LOCALE_SDAYNAME1 0x0000002A
#define LOCALE_SDAYNAME7 0x00000030
#define LOCALE_SABBREVDAYNAME1 0x00000031
#define LOCALE_SABBREVDAYNAME7 0x00000037
#define LOCALE_SMONTHNAME1 0x00000038
#define LOCALE_SMONTHNAME12 0x00000043
#define LOCALE_SABBREVMONTHNAME1 0x00000044
#define LOCALE_SABBREVMONTHNAME12 0x0000004F
#define LOCALE_SSHORTESTDAYNAME1 0x00000060
#define LOCALE_SSHORTESTDAYNAME7 0x00000066
#define LOCALE_SSHORTTIME 0x00000079
#define LOCALE_STIMEFORMAT 0x00001003
#define LOCALE_IFIRSTDAYOFWEEK 0x0000100C
#define LOCALE_SYEARMONTH 0x00001006

// The user's locale: Italian when the environment's time locale (LC_ALL, LC_TIME, LANG) is,
// English (United States) otherwise.
LCID WINAPI GetUserDefaultLCID(void);
// Copies one item of a locale's information, with its terminating null, into lpLCData; with
// cchData 0 returns the length it needs. With LOCALE_RETURN_NUMBER a numeric item is written as
// a DWORD (sizeof(DWORD) / sizeof(WCHAR) characters' room). Returns the characters written, or 0: ERROR_INSUFFICIENT_BUFFER,
// ERROR_INVALID_FLAGS for an item it does not know, ERROR_INVALID_PARAMETER for a locale.
int WINAPI GetLocaleInfoW(LCID Locale, LCTYPE LCType, LPWSTR lpLCData, int cchData);
