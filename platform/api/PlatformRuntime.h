// The few runtime-library file services the program uses, with the Windows runtime's names.
//
// The program writes its paths with backslashes. On Windows these are the runtime's own
// functions; elsewhere they are a thin shim that maps backslashes to the native separator
// first. `NativePath` does the same mapping for callers that open file streams. The wide forms
// take paths the system gave as wide text, which the program's narrow text cannot hold: on
// Windows they are the runtime's wide calls, elsewhere the path reaches the system as UTF-8.
#pragma once

#include <cstdio>
#include <string>

#if defined(_WIN32)

#include <direct.h>
#include <io.h>
#include <process.h>
#include <wchar.h>

inline std::string NativePath(const std::string& path) { return path; }

#else

std::string NativePath(const std::string& path);

// Returns 0 when the path exists (mode 0) or is accessible in the given mode, else -1.
int _access(const char* path, int mode);
// Creates one folder; 0 on success, -1 on failure (errno says why).
int _mkdir(const char* path);
// The descriptor under a stream.
int _fileno(std::FILE* stream);
// Returns once everything written to the descriptor is on the disk; 0 on success, else -1.
int _commit(int fd);

int _waccess(const wchar_t* path, int mode);
int _wmkdir(const wchar_t* path);
// The mode is one of the runtime's ("rb", "wb", ...), in wide text.
std::FILE* _wfopen(const wchar_t* path, const wchar_t* mode);
int _wremove(const wchar_t* path);
// The process's id, unique among the processes running.
int _getpid();

#endif
