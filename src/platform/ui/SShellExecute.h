#pragma once
// Opening a file with the desktop's program for an action ("open"), or a program with its
// parameters. It goes through the interaction script; the file and the parameters are each passed
// as one argument, never through a command line. The result is greater than 32 on success, as
// the shell answers.
#include <cstdint>

#include "platform/ui/SWnd.h"

inline constexpr int32_t SW_SHOWNORMAL = 1;
inline constexpr intptr_t SE_ERR_FNF = 2;

intptr_t ShellExecuteA(SWnd* parent, const char* operation, const char* file, const char* parameters,
                       const char* directory, int32_t showCommand);
