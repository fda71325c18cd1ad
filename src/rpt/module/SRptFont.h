#pragma once
// The report fonts: the default face, style and size of each of the 27 font kinds of a report
// (headers, footers, titles, tables of contents, lists, forms, group texts, text files, plain
// text), loaded once from the user's settings with the machine's as fallback and written back to
// the user's; and two caches that map a font handle to the LOGFONTA built for it and to its
// metrics, so that paragraphs measure each font once.
//
// All members are static and used on the user-interface thread. The tables are library statics:
// start-up builds them with their built-in rows (ConstructTables) and shut-down destroys them;
// without them every getter answers as for an unknown kind.
#include <cstdint>
#include <optional>

#include "platform/base/SString.h"
#include "platform/gdi/LOGFONTA.h"
#include "platform/gdi/TEXTMETRICA.h"

class SDC;
class SWindowDC;

class SRptFont {
public:
    // Font kinds: indexes of the tables, 0 to 26.
    enum RptFontKind : int32_t {
        RPT_FONT_HEADER = 0,
        RPT_FONT_FOOTER = 1,
        RPT_FONT_REPORT_TITLE = 2,
        RPT_FONT_REPORT_OPTIONAL_FIELD = 3,
        RPT_FONT_TOC_TITLE = 4,
        RPT_FONT_TOC_1 = 5,  // to RPT_FONT_TOC_1 + 8, the ninth level
        RPT_FONT_TITLE = 14,
        RPT_FONT_TEXT = 15,
        RPT_FONT_LIST_TITLE = 16,
        RPT_FONT_LIST_LABEL = 17,
        RPT_FONT_LIST_ITEM = 18,
        RPT_FONT_BOOK_TITLE = 19,
        RPT_FONT_FOLDER_TITLE = 20,
        RPT_FONT_FORM_TITLE = 21,
        RPT_FONT_FORM_LABEL = 22,
        RPT_FONT_FORM_ITEM = 23,
        RPT_FONT_GROUP_TEXT_TITLE = 24,
        RPT_FONT_GROUP_TEXT_ITEM = 25,
        RPT_FONT_TEXT_FILE = 26,
    };
    static constexpr int32_t kFontKindCount = 27;
    // The constants of a font description that the report fonts do not choose.
    enum RptFontPitch : int32_t { RPT_FONT_PITCH_DEFAULT = 0 };
    enum RptFontFamily : int32_t { RPT_FONT_FAMILY_DONTCARE = 0 };
    enum RptFontCharSet : int32_t { RPT_FONT_CHARSET_DEFAULT = 1 };

    static bool IsFontKind(int32_t kind) { return kind >= 0 && kind < kFontKindCount; }
    // The settings key of the report fonts, in both roots.
    static SString GetRegistryKey();

    // Loads the table from the settings the first time; 1 from then on (0 without tables).
    static int32_t InitFonts();
    // Loads, then writes every kind to the user's settings; 1.
    static int32_t SaveFonts();

    // The kind's default font, loading the table first. An unknown kind gives "" or 0.
    static SString GetDefaultFontName(int32_t kind);
    static int32_t GetDefaultFontStyle(int32_t kind);
    static int32_t GetDefaultFontHeight(int32_t kind);
    // The kind's font converted for the screen; 0 (nothing loaded) for a null `logFont` or an
    // unknown kind, else 1.
    static int32_t GetDefaultFontInfo(int32_t kind, LOGFONTA* logFont);

    // Change the table without loading it first (a later first load may replace the value).
    // An unknown kind changes nothing.
    static void SetDefaultFontName(int32_t kind, const SString& name);
    static void SetDefaultFontStyle(int32_t kind, int32_t style);
    static void SetDefaultFontHeight(int32_t kind, int32_t size);
    // Face, size and style from a logical font whose height is in pixels of `screen` (null: a
    // device context of the whole screen made for the call). 0 for a null `logFont` or an unknown
    // kind, else 1.
    static int32_t SetDefaultFontInfo(int32_t kind, const LOGFONTA* logFont, SDC* screen = nullptr);

    static int32_t GetDefaultFontPitch() { return RPT_FONT_PITCH_DEFAULT; }
    static int32_t GetDefaultFontFamily() { return RPT_FONT_FAMILY_DONTCARE; }
    static int32_t GetDefaultFontCharSet() { return RPT_FONT_CHARSET_DEFAULT; }

    // The LOGFONTA cache. A font converted for a device depends on the device's logical
    // resolution, so entries are kept per handle and resolution (that of `dc`; null: the
    // library's screen). A returned pointer stays valid until its entry is replaced or removed.
    static const LOGFONTA* GetLogFontFromHandle(void* handle, SDC* dc = nullptr);
    static void AddLogFontForHandle(void* handle, LOGFONTA logFont, SDC* dc = nullptr);
    // The metrics cache (HIMETRIC metrics of a paragraph's screen font). A font is realised in
    // whole pixels of the device that measures it, so its HIMETRIC metrics differ from device to
    // device: entries are kept per handle and device resolution (that of `dc`, whatever its
    // mapping; null: the library's screen), so that no layout depends on which device measured a
    // paragraph first.
    static const TEXTMETRICA* GetMetricsFromHandle(void* handle, SDC* dc = nullptr);
    static void AddMetricsForHandle(void* handle, TEXTMETRICA metrics, SDC* dc = nullptr);
    // Removes every entry of a handle from both caches: its font is being deleted, and a font
    // made later must not inherit what was measured for it.
    static void ForgetHandle(void* handle);
    static void ClearFontMaps();

    // The library's screen device context; when the library has none (it is not started), a
    // device context of the whole screen made in `own`.
    static SDC* GetScreenDC(std::optional<SWindowDC>& own);
    // Logical units per inch vertically on `dc`: its resolution scaled by its mapping's extents
    // (96 on the screen, 2540 in MM_HIMETRIC); never negative.
    static int32_t GetLogPixelsPerInch(SDC* dc);
    // Device pixels per inch vertically on `dc` (null: the library's screen), whatever its mapping.
    static int32_t GetDevicePixelsPerInch(SDC* dc);

    // Start-up and shut-down of the tables: built-in rows, nothing loaded, empty caches.
    static void ConstructTables();
    static void DestroyTables();
};
