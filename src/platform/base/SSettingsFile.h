#pragma once
// The text form of the settings store on disk. UTF-8, one entry per line:
//
//     varod9 settings 1
//     key HKEY_CURRENT_USER "software\\report editor\\paths"
//     text "ReportTemplates" "./templates/"
//     number "Count" -5
//     end
//
// A key line opens a key of a root (HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, or another root as
// 0x and eight hex digits); the value lines below it belong to it; a key line without values
// keeps an empty key. Names and texts are quoted, with \\ \" \n \r \t and \xHH escapes; control
// bytes and bytes that are not well-formed UTF-8 are always escaped, so any text survives the
// trip, except a zero byte in a value name, which no value name may hold. Value names are
// unique without regard to ASCII case. Blank lines and lines beginning with '#' are ignored. The
// closing "end" line is required: a file cut short is refused rather than read in part.
#include <string_view>

#include "platform/base/SSettingsStore.h"
#include "platform/com/HRESULT.h"

class SOutputStream;

class SSettingsFile {
public:
    // The largest file read; a larger one is refused, so that reading never grows without bound.
    static constexpr size_t kMaxBytes = 16u << 20;

    // Reads `text` into `keys` (replacing their content) and answers S_OK, or E_INVALIDARG for
    // anything malformed, leaving `keys` unchanged, with the place of the first fault: the byte
    // where the line went wrong (a missing "end": the end of the text; too large a text: the first
    // byte past the limit, with no line or column).
    static SReadResult Parse(std::string_view text, SSettingsStore::Keys& keys);
    // Writes `keys` in the form above; SEIOException when the stream fails. Values of a type
    // other than REG_SZ and REG_DWORD, and value names holding a zero byte, cannot be written:
    // E_INVALIDARG, and nothing is written.
    static HRESULT Write(const SSettingsStore::Keys& keys, SOutputStream& out);
};
