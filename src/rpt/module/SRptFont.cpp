#include "rpt/module/SRptFont.h"

#include <array>
#include <cstdlib>
#include <map>
#include <utility>

#include "platform/base/SRegistry.h"
#include "platform/base/SUserRegistry.h"
#include "platform/gdi/MulDiv.h"
#include "platform/gdi/SWindowDC.h"
#include "rpt/module/SRptFontDesc.h"
#include "rpt/module/SRptStartup.h"
#include "varod9/RptParaFormat.h"

namespace {

struct FontRow {
    SString face;
    int32_t style = 0;
    int32_t size = 0;
};

// The built-in fonts, the prefix of each kind's value names, and whether the kind falls back
// on the machine's title values (else on its text values).
struct BuiltIn {
    const char* prefix;
    int32_t style;
    int32_t size;
    bool titleGroup;
};

constexpr int32_t kBold = RPT_FONT_STYLE_BOLD;
constexpr int32_t kItalic = RPT_FONT_STYLE_ITALIC;
constexpr int32_t kBoldUnderline = RPT_FONT_STYLE_BOLD | RPT_FONT_STYLE_UNDERLINE;

constexpr BuiltIn kBuiltIn[SRptFont::kFontKindCount] = {
    {"Header", 0, 10, false},
    {"Footer", 0, 10, false},
    {"Report Title", kBold, 14, true},
    {"Report Optional Field", 0, 10, false},
    {"TOC Title", kBoldUnderline, 12, true},
    {"TOC 1", 0, 10, false},
    {"TOC 2", 0, 10, false},
    {"TOC 3", 0, 10, false},
    {"TOC 4", 0, 10, false},
    {"TOC 5", 0, 10, false},
    {"TOC 6", 0, 10, false},
    {"TOC 7", 0, 10, false},
    {"TOC 8", 0, 10, false},
    {"TOC 9", 0, 10, false},
    {"Title", kBoldUnderline, 12, true},
    {"Text", 0, 10, false},
    {"List Title", kBoldUnderline, 12, true},
    {"List Label", kItalic, 10, false},
    {"List Item", 0, 10, false},
    {"Book Title", kBoldUnderline, 12, true},
    {"Folder Title", kBoldUnderline, 12, true},
    {"Form Title", kBoldUnderline, 12, true},
    {"Form Label", kItalic, 10, false},
    {"Form Item", 0, 10, false},
    {"Group Text Title", kBoldUnderline, 12, true},
    {"Group Text Item", 0, 10, false},
    {"Text File", 0, 10, false},
};
constexpr const char* kBuiltInFace = "Arial";

// A style read with this default was not stored: 0 is a stored choice (regular), not absence.
constexpr int32_t kNoStoredStyle = -1;

// |INT32_MIN| taken as INT32_MAX.
int32_t Magnitude(int32_t value) {
    return value == INT32_MIN ? INT32_MAX : std::abs(value);
}

struct ValueNames {
    SString face;
    SString style;
    SString size;
};

ValueNames NamesFor(const char* prefix) {
    const SString p(prefix);
    return {p + " Font Name", p + " Font Style", p + " Font Size"};
}

struct Tables {
    std::map<std::pair<void*, int32_t>, LOGFONTA> logFonts;  // (handle, logical resolution)
    std::map<std::pair<void*, int32_t>, TEXTMETRICA> metrics;  // (handle, device resolution)
    std::array<FontRow, SRptFont::kFontKindCount> fonts;
    std::array<ValueNames, SRptFont::kFontKindCount> valueNames;
    int32_t loaded = 0;

    Tables() {
        for (int32_t kind = 0; kind < SRptFont::kFontKindCount; ++kind) {
            fonts[kind] = {kBuiltInFace, kBuiltIn[kind].style, kBuiltIn[kind].size};
            valueNames[kind] = NamesFor(kBuiltIn[kind].prefix);
        }
    }
};

std::optional<Tables>& TheTables() {
    // Never destroyed: the library's unload may run after the process's exit handlers.
    static std::optional<Tables>* tables = new std::optional<Tables>();
    return *tables;
}

Tables* GetTables() {
    auto& tables = TheTables();
    return tables ? &*tables : nullptr;
}

// The row of a kind, loading the table first; null for an unknown kind or without tables.
FontRow* LoadedRow(int32_t kind) {
    if (!SRptFont::IsFontKind(kind)) return nullptr;
    SRptFont::InitFonts();
    Tables* tables = GetTables();
    return tables ? &tables->fonts[kind] : nullptr;
}

// The row of a kind as it stands, without loading.
FontRow* CurrentRow(int32_t kind) {
    Tables* tables = GetTables();
    return tables && SRptFont::IsFontKind(kind) ? &tables->fonts[kind] : nullptr;
}

// The user's value of the kind, else the machine's value of its group.
SString ReadFace(const SRegistry& user, const SRegistry& machine, const SString& name, const char* group) {
    SString face;
    user.GetProfile(name, &face, "", nullptr);
    if (face.IsEmpty()) machine.GetProfile(SString(group) + " Font Name", &face, "", nullptr);
    return face;
}

int32_t ReadStyle(const SRegistry& user, const SRegistry& machine, const SString& name, const char* group) {
    int32_t style = kNoStoredStyle;
    user.GetProfile(name, &style, kNoStoredStyle);
    if (style < 0) machine.GetProfile(SString(group) + " Font Style", &style, kNoStoredStyle);
    return style;
}

int32_t ReadSize(const SRegistry& user, const SRegistry& machine, const SString& name, const char* group) {
    int32_t size = 0;
    user.GetProfile(name, &size, 0);
    if (size == 0) machine.GetProfile(SString(group) + " Font Size", &size, 0);
    return size;
}

}  // namespace

SString SRptFont::GetRegistryKey() {
    return SString(SUserRegistry::sApplicationRoot) + "DisplayPreferences\\Report";
}

// ---- loading and saving ----

int32_t SRptFont::InitFonts() {
    Tables* tables = GetTables();
    if (!tables) return 0;
    if (tables->loaded) return tables->loaded;
    const SString key = GetRegistryKey();
    const SRegistry user(HKEY_CURRENT_USER, key, 0);
    const SRegistry machine(HKEY_LOCAL_MACHINE, key, 0);
    for (int32_t kind = 0; kind < kFontKindCount; ++kind) {
        const ValueNames& names = tables->valueNames[kind];
        const char* group = kBuiltIn[kind].titleGroup ? "Title" : "Text";
        FontRow& row = tables->fonts[kind];
        // An empty face and a size of 0 count as absent; a style counts whenever it is stored,
        // 0 (regular) included, so that a regular font chosen by the user survives a restart.
        SString face = ReadFace(user, machine, names.face, group);
        if (!face.IsEmpty()) row.face = std::move(face);
        const int32_t style = ReadStyle(user, machine, names.style, group);
        if (style >= 0) row.style = style;
        const int32_t size = ReadSize(user, machine, names.size, group);
        if (size != 0) row.size = size;
    }
    tables->loaded = 1;
    return tables->loaded;
}

int32_t SRptFont::SaveFonts() {
    SRegistry user(HKEY_CURRENT_USER, GetRegistryKey(), 1);
    InitFonts();
    Tables* tables = GetTables();
    if (!tables) return 1;
    for (int32_t kind = 0; kind < kFontKindCount; ++kind) {
        const ValueNames& names = tables->valueNames[kind];
        const FontRow& row = tables->fonts[kind];
        user.WriteProfile(names.face, row.face);
        user.WriteProfile(names.style, row.style, 1);
        user.WriteProfile(names.size, row.size, 1);
    }
    return 1;
}

// ---- the kinds' fonts ----

SString SRptFont::GetDefaultFontName(int32_t kind) {
    const FontRow* row = LoadedRow(kind);
    return row ? row->face : SString();
}

int32_t SRptFont::GetDefaultFontStyle(int32_t kind) {
    const FontRow* row = LoadedRow(kind);
    return row ? row->style : 0;
}

int32_t SRptFont::GetDefaultFontHeight(int32_t kind) {
    const FontRow* row = LoadedRow(kind);
    return row ? row->size : 0;
}

int32_t SRptFont::GetDefaultFontInfo(int32_t kind, LOGFONTA* logFont) {
    if (!logFont) return 0;
    const FontRow* row = LoadedRow(kind);
    if (!row) return 0;
    const SRptFontDesc desc(row->face, row->size, row->style, GetDefaultFontFamily(), GetDefaultFontPitch(),
                            GetDefaultFontCharSet());
    *logFont = desc.ToLogFont(nullptr);
    return 1;
}

void SRptFont::SetDefaultFontName(int32_t kind, const SString& name) {
    if (FontRow* row = CurrentRow(kind)) row->face = name;
}

void SRptFont::SetDefaultFontStyle(int32_t kind, int32_t style) {
    if (FontRow* row = CurrentRow(kind)) row->style = style;
}

void SRptFont::SetDefaultFontHeight(int32_t kind, int32_t size) {
    if (FontRow* row = CurrentRow(kind)) row->size = size;
}

int32_t SRptFont::SetDefaultFontInfo(int32_t kind, const LOGFONTA* logFont, SDC* screen) {
    if (!logFont) return 0;
    FontRow* row = CurrentRow(kind);
    if (!row) return 0;
    std::optional<SWindowDC> ownScreen;
    if (!screen) screen = &ownScreen.emplace();
    // The height is in pixels of the screen whatever its sign (a cell or a character height).
    const int32_t height = Magnitude(logFont->lfHeight);
    row->face = logFont->GetFaceName();
    row->size = MulDiv(height, 72, screen->GetDeviceCaps(LOGPIXELSY));
    int32_t style = 0;
    if (logFont->lfItalic) style |= RPT_FONT_STYLE_ITALIC;
    if (logFont->lfWeight == FW_BOLD) style |= RPT_FONT_STYLE_BOLD;
    if (logFont->lfStrikeOut) style |= RPT_FONT_STYLE_STRIKEOUT;
    if (logFont->lfUnderline) style |= RPT_FONT_STYLE_UNDERLINE;
    row->style = style;
    return 1;
}

// ---- caches ----

const LOGFONTA* SRptFont::GetLogFontFromHandle(void* handle, SDC* dc) {
    Tables* tables = GetTables();
    if (!tables) return nullptr;
    std::optional<SWindowDC> ownScreen;
    const int32_t resolution = GetLogPixelsPerInch(dc ? dc : GetScreenDC(ownScreen));
    auto it = tables->logFonts.find({handle, resolution});
    return it == tables->logFonts.end() ? nullptr : &it->second;
}

void SRptFont::AddLogFontForHandle(void* handle, LOGFONTA logFont, SDC* dc) {
    Tables* tables = GetTables();
    if (!tables) return;
    std::optional<SWindowDC> ownScreen;
    const int32_t resolution = GetLogPixelsPerInch(dc ? dc : GetScreenDC(ownScreen));
    tables->logFonts.insert_or_assign({handle, resolution}, logFont);
}

const TEXTMETRICA* SRptFont::GetMetricsFromHandle(void* handle, SDC* dc) {
    Tables* tables = GetTables();
    if (!tables) return nullptr;
    auto it = tables->metrics.find({handle, GetDevicePixelsPerInch(dc)});
    return it == tables->metrics.end() ? nullptr : &it->second;
}

void SRptFont::AddMetricsForHandle(void* handle, TEXTMETRICA metrics, SDC* dc) {
    if (Tables* tables = GetTables()) tables->metrics.insert_or_assign({handle, GetDevicePixelsPerInch(dc)}, metrics);
}

void SRptFont::ForgetHandle(void* handle) {
    Tables* tables = GetTables();
    if (!tables) return;
    auto& metrics = tables->metrics;
    metrics.erase(metrics.lower_bound({handle, INT32_MIN}), metrics.upper_bound({handle, INT32_MAX}));
    auto& logFonts = tables->logFonts;
    logFonts.erase(logFonts.lower_bound({handle, INT32_MIN}), logFonts.upper_bound({handle, INT32_MAX}));
}

void SRptFont::ClearFontMaps() {
    Tables* tables = GetTables();
    if (!tables) return;
    tables->logFonts.clear();
    tables->metrics.clear();
}

// ---- device contexts ----

SDC* SRptFont::GetScreenDC(std::optional<SWindowDC>& own) {
    if (SDC* screen = SRptStartup::GetScreenDC()) return screen;
    return &own.emplace();
}

int32_t SRptFont::GetLogPixelsPerInch(SDC* dc) {
    if (!dc) return 0;
    // The extents' signs say which way y grows, not how large a unit is.
    const int32_t window = Magnitude(dc->GetWindowExt().cy);
    const int32_t viewport = Magnitude(dc->GetViewportExt().cy);
    const int32_t result = MulDiv(dc->GetDeviceCaps(LOGPIXELSY), window, viewport);
    return result < 0 ? 0 : result;
}

int32_t SRptFont::GetDevicePixelsPerInch(SDC* dc) {
    std::optional<SWindowDC> ownScreen;
    if (!dc) dc = GetScreenDC(ownScreen);
    return dc->GetDeviceCaps(LOGPIXELSY);
}

// ---- start-up and shut-down ----

void SRptFont::ConstructTables() {
    TheTables().emplace();
}

void SRptFont::DestroyTables() {
    TheTables().reset();
}
