// Multimedia: playing wave sounds and reading joysticks.
#pragma once

#include "WinDefs.h"

typedef UINT MMRESULT;

#define MMSYSERR_NOERROR 0
#define MMSYSERR_BADDEVICEID 2
#define MMSYSERR_NODRIVER 6
#define MMSYSERR_INVALPARAM 11

// ---- Sounds ----
#define SND_SYNC 0x0000
#define SND_ASYNC 0x0001
#define SND_NODEFAULT 0x0002
#define SND_MEMORY 0x0004
#define SND_LOOP 0x0008
#define SND_NOSTOP 0x0010
#define SND_PURGE 0x0040
#define SND_FILENAME 0x00020000

// Plays a wave file: `pszSound` is its path (with or without SND_FILENAME, since there are no
// sound aliases here). One sound plays at a time and a new one cuts off the one playing,
// unless SND_NOSTOP asks to yield to it (FALSE then). SND_ASYNC returns at once, otherwise the
// call returns when the sound is over; SND_LOOP repeats the sound until it is stopped and
// always plays asynchronously, since waiting for it would never end. A null `pszSound`, or
// SND_PURGE, stops the sound playing. FALSE, and silence, when there is no sound device or the
// file is missing or not a wave file: there is no default sound to fall back on here.
// SND_MEMORY is not supported (FALSE). `hmod` is unused.
BOOL WINAPI PlaySoundW(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound);

// ---- Joysticks ----
#define JOYERR_BASE 160
#define JOYERR_NOERROR 0
#define JOYERR_PARMS (JOYERR_BASE + 5)
#define JOYERR_NOCANDO (JOYERR_BASE + 6)
#define JOYERR_UNPLUGGED (JOYERR_BASE + 7)

#define JOYSTICKID1 0
#define JOYSTICKID2 1

#define JOY_BUTTON1 0x0001
#define JOY_BUTTON2 0x0002
#define JOY_BUTTON3 0x0004
#define JOY_BUTTON4 0x0008

#define JOYCAPS_HASZ 0x0001
#define JOYCAPS_HASR 0x0002
#define JOYCAPS_HASU 0x0004
#define JOYCAPS_HASV 0x0008
#define JOYCAPS_HASPOV 0x0010
#define JOYCAPS_POV4DIR 0x0020

#define MAXPNAMELEN 32
#define MAX_JOYSTICKOEMVXDNAME 260

typedef struct joyinfo_tag {
    UINT wXpos;
    UINT wYpos;
    UINT wZpos;
    UINT wButtons;
} JOYINFO, *PJOYINFO, *NPJOYINFO, *LPJOYINFO;

// The same fields in the same order as on Windows. It is 728 bytes there, with 2-byte WCHARs;
// here WCHAR is wchar_t, 4 bytes, so the three strings take twice the room and the structure
// is 1376 bytes. Callers pass sizeof(JOYCAPSW), which is right on both.
typedef struct tagJOYCAPSW {
    WORD wMid;
    WORD wPid;
    WCHAR szPname[MAXPNAMELEN];
    UINT wXmin;
    UINT wXmax;
    UINT wYmin;
    UINT wYmax;
    UINT wZmin;
    UINT wZmax;
    UINT wNumButtons;
    UINT wPeriodMin;
    UINT wPeriodMax;
    UINT wRmin;
    UINT wRmax;
    UINT wUmin;
    UINT wUmax;
    UINT wVmin;
    UINT wVmax;
    UINT wCaps;
    UINT wMaxAxes;
    UINT wNumAxes;
    UINT wMaxButtons;
    WCHAR szRegKey[MAXPNAMELEN];
    WCHAR szOEMVxD[MAX_JOYSTICKOEMVXDNAME];
} JOYCAPSW, *PJOYCAPSW, *NPJOYCAPSW, *LPJOYCAPSW;

// The number of joystick ids (16), or 0 when joysticks cannot be read at all.
UINT WINAPI joyGetNumDevs(void);

// The position of the device with this id: axes on 0..65535 (an axis the device lacks reads
// 0), buttons as bits (JOY_BUTTON1 is the first; up to 32). JOYERR_UNPLUGGED when no device has
// the id, JOYERR_PARMS for an id past joyGetNumDevs(), MMSYSERR_INVALPARAM for a null `pji`,
// MMSYSERR_NODRIVER when joysticks cannot be read.
//
// Ids 0 and 1 go to the first two devices attached. A device keeps its id while it stays
// attached; a device plugged in takes the lowest free id.
MMRESULT WINAPI joyGetPos(UINT uJoyID, LPJOYINFO pji);

// The capabilities of the device with this id. `szPname` is the device's own name (Windows
// gives its driver's name there). JOYERR_PARMS for an id with no device or past
// joyGetNumDevs(), MMSYSERR_INVALPARAM for a null `pjc` or a `cbjc` below sizeof(JOYCAPSW),
// MMSYSERR_NODRIVER when joysticks cannot be read.
MMRESULT WINAPI joyGetDevCapsW(UINT_PTR uJoyID, LPJOYCAPSW pjc, UINT cbjc);
