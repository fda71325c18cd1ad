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
#include <iosfwd>
#include <string>
#include <string_view>

// The string type of every record and interface operation, and its text written to a stream.
class RPT_EXPORT SString;
RPT_EXPORT std::ostream& operator<<(std::ostream& out, const SString& s);
// A module's resource handle (HINSTANCE) and the library's own module state.
class RPT_EXPORT SModuleState;
// The GUIDs' text and byte forms.
struct GUID;
RPT_EXPORT bool GUIDFromString(std::string_view text, GUID& out);
RPT_EXPORT std::string GUIDToString(const GUID& guid);
RPT_EXPORT void GUIDToBytes(const GUID& guid, uint8_t out[16]);
RPT_EXPORT GUID GUIDFromBytes(const uint8_t in[16]);
// The collections that the report interfaces hand out, and the repository's values, the map of a
// duplicate's copies and the name tables of older template files.
class RPT_EXPORT SRepClassColPtr;
class RPT_EXPORT SRepVariant;
RPT_EXPORT bool operator==(const SRepVariant& a, const SRepVariant& b);
class RPT_EXPORT SRepObjectMap;
class RPT_EXPORT SRepMetaDTD;
class RPT_EXPORT SRepMetaDTDClass;
// The streams that templates are read from and written to: the host's own derive from the bases.
class RPT_EXPORT SInputStream;
class RPT_EXPORT SOutputStream;
class RPT_EXPORT SInputStringStream;
class RPT_EXPORT SOutputStringStream;
// A paragraph's font for a device context, released by its deleter in the host, and its base; the
// device context a module draws its pictures on, with its font, capabilities and face names.
class RPT_EXPORT SGdiObject;
class RPT_EXPORT SFontOld;
class RPT_EXPORT SDC;
class RPT_EXPORT SRealisedFont;
struct RPT_EXPORT SDeviceCaps;
struct RPT_EXPORT LOGFONTA;
// The editors' shell views, and the windows and controls a module is handed (the language list).
class RPT_EXPORT SCmdTarget;
class RPT_EXPORT SShellView;
class RPT_EXPORT SWnd;
class RPT_EXPORT SComboBoxCtrl;
// A message to the window of a handle (the handle and the message's parameters as the window
// system's types spell them), and the host application's main window.
RPT_EXPORT intptr_t SendMessageA(uint32_t hwnd, uint32_t message, uintptr_t wParam, intptr_t lParam);
RPT_EXPORT SWnd* SGetMainWnd();
RPT_EXPORT void SSetMainWnd(SWnd* wnd);

// The exceptions that cross between the library and a host: what the smart interface pointer and
// the report interfaces throw (SECOMException, SEOutOfMemory), what a host's stream throws
// (SEIOException), and their base. Exported, each has one type information in the process, so
// that a host's handler takes what the library throws and the library's what a host throws.
class RPT_EXPORT SException;
class RPT_EXPORT SECOMException;
class RPT_EXPORT SEOutOfMemory;
class RPT_EXPORT SEIOException;
// Called by the string's formatting and the version's text.
struct SFormatArg;
RPT_EXPORT std::string SFormatV(std::string_view format, const SFormatArg* args, size_t count);
// Called by the smart interface pointer and the interface table on a failure.
[[noreturn]] RPT_EXPORT void SComThrow(int32_t hr);
#endif
