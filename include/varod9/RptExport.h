#pragma once
// What the shared library shows to host modules. The library is built with hidden visibility:
// only what carries RPT_EXPORT is visible to a host (the exported functions, the report
// interfaces, the exported classes).
#define RPT_EXPORT __attribute__((visibility("default")))

#ifdef VAROD9_BUILDING_LIBRARY
// The platform layer's headers come with the public ones, and some of their inline code, or the
// types in the interfaces' signatures, reach into the library. Those few are declared exported
// here, ahead of their definitions, so that their headers stay free of the report library's
// marks. The library's build includes this header first in every source file, so that every part
// of the library agrees on their visibility.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The string type of every record and interface operation.
class RPT_EXPORT SString;
// A module's resource handle (HINSTANCE) and the library's own module state.
class RPT_EXPORT SModuleState;
// A paragraph's font for a device context, released by its deleter in the host, and its base.
class RPT_EXPORT SGdiObject;
class RPT_EXPORT SFontOld;
class RPT_EXPORT SRepClassColPtr;

// Called by the string's formatting and the version's text.
struct SFormatArg;
RPT_EXPORT std::string SFormatV(std::string_view format, const SFormatArg* args, size_t count);
// Called by the smart interface pointer and the interface table on a failure.
[[noreturn]] RPT_EXPORT void SComThrow(int32_t hr);
#endif
