#include <gtest/gtest.h>

#include <memory>

#include "platform/base/SRegistry.h"
#include "platform/base/SSettingsStore.h"
#include "platform/gdi/SImageBackEnd.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptFontDesc.h"
#include "rpt/module/SRptStartup.h"

namespace {

// A device context of another resolution than the screen's.
std::unique_ptr<SDC> DeviceAt(int32_t dotsPerInch) {
    return std::make_unique<SDC>(std::make_unique<SImageBackEnd>(100, 100, dotsPerInch, dotsPerInch));
}

class SRptFontTest : public testing::Test {
protected:
    void SetUp() override {
        SSettingsStore::Get().Clear();
        Restart();
    }
    void TearDown() override { SSettingsStore::Get().Clear(); }

    // The tables as a new process has them: built in, nothing loaded yet.
    static void Restart() {
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
    }
    static void WriteUser(const char* name, int32_t value) { SRegistry(HKEY_CURRENT_USER, Key(), 1).WriteProfile(name, value, 1); }
    static void WriteUser(const char* name, const char* value) {
        SRegistry(HKEY_CURRENT_USER, Key(), 1).WriteProfile(name, SString(value));
    }
    static void WriteMachine(const char* name, int32_t value) {
        SRegistry(HKEY_LOCAL_MACHINE, Key(), 1).WriteProfile(name, value, 1);
    }
    static void WriteMachine(const char* name, const char* value) {
        SRegistry(HKEY_LOCAL_MACHINE, Key(), 1).WriteProfile(name, SString(value));
    }
    static SString Key() { return SString("Software\\Report Editor\\") + "DisplayPreferences\\Report"; }
};

}  // namespace

// ---- the table and the settings ----

TEST_F(SRptFontTest, WithEmptySettingsEveryKindHasItsBuiltInFont) {
    EXPECT_EQ(SRptFont::GetRegistryKey(), Key());
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(2), 14);
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(2), 1);
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(4), 5);
    EXPECT_EQ(SRptFont::GetDefaultFontName(26), "Arial");
    for (int32_t kind : {14, 16, 19, 20, 21, 24}) {
        EXPECT_EQ(SRptFont::GetDefaultFontStyle(kind), 5) << kind;
        EXPECT_EQ(SRptFont::GetDefaultFontHeight(kind), 12) << kind;
    }
    for (int32_t kind : {17, 22}) EXPECT_EQ(SRptFont::GetDefaultFontStyle(kind), 2) << kind;
    for (int32_t kind : {0, 1, 3, 5, 13, 15, 18, 23, 25, 26}) {
        EXPECT_EQ(SRptFont::GetDefaultFontStyle(kind), 0) << kind;
        EXPECT_EQ(SRptFont::GetDefaultFontHeight(kind), 10) << kind;
    }
    EXPECT_EQ(SRptFont::InitFonts(), 1);
    EXPECT_EQ(SRptFont::GetDefaultFontPitch(), 0);
    EXPECT_EQ(SRptFont::GetDefaultFontFamily(), 0);
    EXPECT_EQ(SRptFont::GetDefaultFontCharSet(), 1);
}

TEST_F(SRptFontTest, TheUsersValueComesFirstThenTheMachinesValueOfTheGroup) {
    WriteMachine("Title Font Size", 16);
    WriteMachine("Text Font Size", 11);
    WriteMachine("Title Font Name", "Times New Roman");
    WriteMachine("List Title Font Style", 8);  // named after a kind: never read on the machine
    WriteUser("Book Title Font Size", 20);
    WriteUser("Form Item Font Name", "Courier New");
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(16), 16);  // List Title, Title group
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(17), 11);  // List Label, Text group
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(19), 20);  // the user's own value
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(16), 5);
    EXPECT_EQ(SRptFont::GetDefaultFontName(2), "Times New Roman");
    EXPECT_EQ(SRptFont::GetDefaultFontName(15), "Arial");
    EXPECT_EQ(SRptFont::GetDefaultFontName(23), "Courier New");
}

TEST_F(SRptFontTest, AnEmptyFaceAndASizeOfZeroCountAsAbsent) {
    WriteUser("Text Font Name", "");
    WriteUser("Text Font Size", 0);
    WriteMachine("Text Font Size", 9);
    EXPECT_EQ(SRptFont::GetDefaultFontName(15), "Arial");
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 9);
}

TEST_F(SRptFontTest, ARegularStyleSurvivesSavingAndARestart) {
    WriteMachine("Title Font Style", 1);
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(14), 1);
    SRptFont::SetDefaultFontStyle(14, 0);
    EXPECT_EQ(SRptFont::SaveFonts(), 1);

    Restart();
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(14), 0);  // the user's 0 is a choice, not an absence
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(4), 1);   // the group value, saved as the user's
}

TEST_F(SRptFontTest, SaveFontsWritesEveryKindUnderItsValueNames) {
    SRptFont::SetDefaultFontHeight(11, 9);
    EXPECT_EQ(SRptFont::SaveFonts(), 1);
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(11), 9);  // the load before the writing kept it
    const SRegistry user(HKEY_CURRENT_USER, Key(), 0);
    int32_t number = -1;
    SString text;
    EXPECT_TRUE(user.GetProfile("TOC 7 Font Size", &number, 0));
    EXPECT_EQ(number, 9);
    EXPECT_TRUE(user.GetProfile("Report Optional Field Font Style", &number, -1));
    EXPECT_EQ(number, 0);
    uint32_t type = 0;
    EXPECT_TRUE(user.GetProfile("Header Font Name", &text, "", &type));
    EXPECT_EQ(text, "Arial");
    EXPECT_EQ(type, REG_SZ);
    EXPECT_TRUE(user.GetProfile("Text File Font Size", &text, "", &type));
    EXPECT_EQ(type, REG_DWORD);
    size_t values = 0;
    for (const auto& [key, names] : SSettingsStore::Get().GetKeys())
        if (key.first == HKEY_CURRENT_USER) values += names.size();
    EXPECT_EQ(values, 27u * 3u);
}

TEST_F(SRptFontTest, ASetterBeforeTheFirstLoadIsReplacedOnlyByAStoredValue) {
    SRptFont::SetDefaultFontHeight(15, 20);
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 20);

    Restart();
    WriteUser("Text Font Size", 8);
    SRptFont::SetDefaultFontHeight(15, 20);
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 8);
    // Loaded once: a later change of the settings is not seen.
    WriteUser("Text Font Size", 30);
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 8);
}

TEST_F(SRptFontTest, KindsOutsideTheTableAreRefused) {
    for (int32_t kind : {-1, 27, 100}) {
        EXPECT_EQ(SRptFont::GetDefaultFontName(kind), "") << kind;
        EXPECT_EQ(SRptFont::GetDefaultFontStyle(kind), 0) << kind;
        EXPECT_EQ(SRptFont::GetDefaultFontHeight(kind), 0) << kind;
        SRptFont::SetDefaultFontName(kind, "Courier New");
        SRptFont::SetDefaultFontHeight(kind, 99);
        SRptFont::SetDefaultFontStyle(kind, 3);
        LOGFONTA logFont;
        logFont.lfHeight = 77;
        EXPECT_EQ(SRptFont::GetDefaultFontInfo(kind, &logFont), 0) << kind;
        EXPECT_EQ(logFont.lfHeight, 77);
        EXPECT_EQ(SRptFont::SetDefaultFontInfo(kind, &logFont), 0) << kind;
    }
    EXPECT_EQ(SRptFont::GetDefaultFontName(26), "Arial");
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(0), 10);
}

TEST_F(SRptFontTest, WithoutTablesEverythingAnswersEmpty) {
    SRptFont::DestroyTables();
    EXPECT_FALSE(SRptFont::IsConstructed());
    EXPECT_EQ(SRptFont::InitFonts(), 0);
    EXPECT_EQ(SRptFont::GetDefaultFontName(15), "");
    SRptFont::AddMetricsForHandle(reinterpret_cast<void*>(1), TEXTMETRICA{});
    EXPECT_EQ(SRptFont::GetMetricsFromHandle(reinterpret_cast<void*>(1)), nullptr);
    SRptFont::ConstructTables();
}

TEST_F(SRptFontTest, StartUpBuildsTheTablesAndShutDownDestroysThem) {
    SRptStartup::ProcessDetach();
    EXPECT_FALSE(SRptFont::IsConstructed());
    SRptStartup::ProcessAttach(nullptr);
    EXPECT_TRUE(SRptFont::IsConstructed());
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(2), 14);
}

// ---- conversions ----

TEST_F(SRptFontTest, ToLogFontGivesACharacterHeightAtTheDevicesResolution) {
    const SRptFontDesc desc("Arial", 10, 0, FF_SWISS, VARIABLE_PITCH, ANSI_CHARSET);
    const LOGFONTA screen = desc.ToLogFont(nullptr);
    EXPECT_EQ(screen.lfHeight, -13);  // 13.33
    EXPECT_EQ(screen.lfWidth, 0);
    EXPECT_EQ(screen.lfWeight, 400);
    EXPECT_EQ(screen.lfItalic, 0);
    EXPECT_EQ(screen.lfCharSet, DEFAULT_CHARSET);  // the description's own is not asked for
    EXPECT_EQ(screen.lfOutPrecision, 5);
    EXPECT_EQ(screen.lfClipPrecision, 0);
    EXPECT_EQ(screen.lfQuality, 2);
    EXPECT_EQ(screen.lfPitchAndFamily, 0x22);
    EXPECT_EQ(screen.GetFaceName(), "Arial");

    EXPECT_EQ(desc.ToLogFont(DeviceAt(120).get()).lfHeight, -17);  // 16.67
    EXPECT_EQ(desc.ToLogFont(DeviceAt(600).get()).lfHeight, -83);
    EXPECT_EQ(SRptFontDesc("Arial", -10, 0, 0, 0, 1).ToLogFont(nullptr).lfHeight, -13);

    // In a metric mapping the height is in its units, and still a character height.
    auto himetric = DeviceAt(96);
    himetric->SetMapMode(MM_HIMETRIC);
    EXPECT_EQ(SRptFont::GetLogPixelsPerInch(himetric.get()), 2540);
    EXPECT_EQ(desc.ToLogFont(himetric.get()).lfHeight, -353);
}

TEST_F(SRptFontTest, ToLogFontTakesTheStyleBits) {
    const LOGFONTA bold = SRptFontDesc("Arial", 10, 1, 0, 0, 1).ToLogFont(nullptr);
    EXPECT_EQ(bold.lfWeight, 700);
    EXPECT_EQ(bold.lfItalic + bold.lfUnderline + bold.lfStrikeOut, 0);
    const LOGFONTA rest = SRptFontDesc("Arial", 10, 14, 0, 0, 1).ToLogFont(nullptr);
    EXPECT_EQ(rest.lfWeight, 400);
    EXPECT_EQ(rest.lfItalic, 1);
    EXPECT_EQ(rest.lfUnderline, 1);
    EXPECT_EQ(rest.lfStrikeOut, 1);
}

TEST_F(SRptFontTest, ALongFaceNameIsCutOnACharacter) {
    const SString ascii(40, 'F');
    EXPECT_EQ(SRptFontDesc(ascii, 10, 0, 0, 0, 1).ToLogFont(nullptr).GetFaceName(), SString(31, 'F'));
    SString accented;
    for (int i = 0; i < 40; ++i) accented += "\xC3\xA9";  // é, two bytes each
    const SString face = SRptFontDesc(accented, 10, 0, 0, 0, 1).ToLogFont(nullptr).GetFaceName();
    EXPECT_EQ(face.GetLength(), 30);
    EXPECT_EQ(face.GetCharCount(), 15);

    // The same through a kind whose face came from the settings.
    WriteUser("Text Font Name", ascii.c_str());
    LOGFONTA logFont;
    ASSERT_EQ(SRptFont::GetDefaultFontInfo(15, &logFont), 1);
    EXPECT_EQ(logFont.GetFaceName(), SString(31, 'F'));
    EXPECT_EQ(logFont.lfFaceName[31], '\0');
}

TEST_F(SRptFontTest, GetDefaultFontInfoConvertsTheKindForTheScreen) {
    EXPECT_EQ(SRptFont::GetDefaultFontInfo(0, nullptr), 0);
    WriteUser("Header Font Size", 30);  // the null call loaded nothing
    LOGFONTA logFont;
    ASSERT_EQ(SRptFont::GetDefaultFontInfo(4, &logFont), 1);
    EXPECT_EQ(logFont.lfHeight, -16);
    EXPECT_EQ(logFont.lfWeight, 700);
    EXPECT_EQ(logFont.lfUnderline, 1);
    EXPECT_EQ(logFont.lfPitchAndFamily, 0);
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(0), 30);
}

TEST_F(SRptFontTest, SetDefaultFontInfoReadsPixelsOfTheScreen) {
    LOGFONTA logFont;
    logFont.SetFaceName("Courier New");
    logFont.lfHeight = -13;
    logFont.lfWeight = 700;
    logFont.lfItalic = 1;
    EXPECT_EQ(SRptFont::SetDefaultFontInfo(15, &logFont), 1);
    EXPECT_EQ(SRptFont::GetDefaultFontName(15), "Courier New");
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 10);  // 9.75
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(15), 3);

    for (int32_t height : {16, -16}) {
        logFont.lfHeight = height;
        SRptFont::SetDefaultFontInfo(15, &logFont);
        EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 12) << height;
    }
    auto wide = DeviceAt(120);
    logFont.lfHeight = -17;
    SRptFont::SetDefaultFontInfo(15, &logFont, wide.get());
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 10);  // 10.2
    logFont.lfHeight = -20;
    SRptFont::SetDefaultFontInfo(15, &logFont, wide.get());
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 12);

    // Only a weight of exactly 700 is bold; underline and strike-out are their bits.
    for (int32_t weight : {600, 800}) {
        logFont.lfWeight = weight;
        logFont.lfItalic = 0;
        logFont.lfUnderline = 1;
        logFont.lfStrikeOut = 1;
        SRptFont::SetDefaultFontInfo(15, &logFont);
        EXPECT_EQ(SRptFont::GetDefaultFontStyle(15), 12) << weight;
    }
    EXPECT_EQ(SRptFont::SetDefaultFontInfo(15, nullptr), 0);
}

// ---- caches ----

TEST_F(SRptFontTest, TheCachesKeepOneEntryPerHandleAndResolution) {
    void* handle = reinterpret_cast<void*>(0x1234);
    LOGFONTA first, second;
    first.lfHeight = -13;
    second.lfHeight = -14;
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle), nullptr);
    SRptFont::AddLogFontForHandle(handle, first);
    SRptFont::AddLogFontForHandle(handle, second);
    ASSERT_NE(SRptFont::GetLogFontFromHandle(handle), nullptr);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle)->lfHeight, -14);

    // A printer's conversion is not the screen's.
    auto printer = DeviceAt(600);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle, printer.get()), nullptr);
    LOGFONTA printed;
    printed.lfHeight = -83;
    SRptFont::AddLogFontForHandle(handle, printed, printer.get());
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle, printer.get())->lfHeight, -83);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle)->lfHeight, -14);

    TEXTMETRICA metrics;
    metrics.tmHeight = 400;
    SRptFont::AddMetricsForHandle(handle, metrics);
    ASSERT_NE(SRptFont::GetMetricsFromHandle(handle), nullptr);
    EXPECT_EQ(SRptFont::GetMetricsFromHandle(handle)->tmHeight, 400);

    void* other = reinterpret_cast<void*>(0x1235);
    SRptFont::AddLogFontForHandle(other, first);
    SRptFont::ForgetHandle(handle);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle), nullptr);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle, printer.get()), nullptr);
    EXPECT_EQ(SRptFont::GetMetricsFromHandle(handle), nullptr);
    EXPECT_NE(SRptFont::GetLogFontFromHandle(other), nullptr);

    SRptFont::ClearFontMaps();
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(other), nullptr);
    SRptFont::ClearFontMaps();  // empty already: nothing happens
}
