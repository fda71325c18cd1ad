#include <gtest/gtest.h>

#include <memory>

#include "platform/base/SRegistry.h"
#include "platform/base/SSettingsStore.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SImageBackEnd.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptFontDesc.h"

namespace {

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
    static SString Key() { return "Software\\Report Editor\\DisplayPreferences\\Report"; }
    static void Write(HKEY root, const char* name, int32_t value) { SRegistry(root, Key(), 1).WriteProfile(name, value, 1); }
    static void Write(HKEY root, const char* name, const char* value) {
        SRegistry(root, Key(), 1).WriteProfile(name, SString(value));
    }
};

}  // namespace

// ---- the table and the settings ----

TEST_F(SRptFontTest, WithEmptySettingsEveryKindHasItsBuiltInFont) {
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(2), 14);
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(4), 5);
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(17), 2);
    EXPECT_EQ(SRptFont::GetDefaultFontName(26), "Arial");
}

TEST_F(SRptFontTest, TheUsersValueComesFirstThenTheMachinesValueOfTheGroup) {
    Write(HKEY_LOCAL_MACHINE, "Title Font Size", 16);
    Write(HKEY_LOCAL_MACHINE, "Text Font Size", 11);
    Write(HKEY_LOCAL_MACHINE, "Title Font Name", "Times New Roman");
    Write(HKEY_LOCAL_MACHINE, "List Title Font Style", 8);  // named after a kind: never read on the machine
    Write(HKEY_CURRENT_USER, "Book Title Font Size", 20);
    Write(HKEY_CURRENT_USER, "Form Item Font Name", "Courier New");
    Write(HKEY_CURRENT_USER, "Text Font Name", "");  // an empty face counts as absent
    Write(HKEY_CURRENT_USER, "Header Font Size", 0);  // and so does a size of 0
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(16), 16);  // List Title: Title group
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(17), 11);  // List Label: Text group
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(19), 20);
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(0), 11);
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(16), 5);
    EXPECT_EQ(SRptFont::GetDefaultFontName(2), "Times New Roman");
    EXPECT_EQ(SRptFont::GetDefaultFontName(15), "Arial");
    EXPECT_EQ(SRptFont::GetDefaultFontName(23), "Courier New");
}

TEST_F(SRptFontTest, ARegularStyleSurvivesSavingAndARestart) {
    Write(HKEY_LOCAL_MACHINE, "Title Font Style", 1);
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(14), 1);
    SRptFont::SetDefaultFontStyle(14, 0);
    EXPECT_EQ(SRptFont::SaveFonts(), 1);
    // Every kind is written under its own names: 27 faces, styles and sizes.
    const SRegistry user(HKEY_CURRENT_USER, Key(), 0);
    int32_t style = -1;
    EXPECT_TRUE(user.GetProfile("Title Font Style", &style, -1));
    EXPECT_EQ(style, 0);
    SString face;
    EXPECT_TRUE(user.GetProfile("Report Optional Field Font Name", &face, ""));
    EXPECT_EQ(face, "Arial");
    size_t values = 0;
    for (const auto& [key, names] : SSettingsStore::Get().GetKeys())
        if (key.first == HKEY_CURRENT_USER) values += names.size();
    EXPECT_EQ(values, 27u * 3u);
    Restart();
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(14), 0);  // the user's 0 is a choice, not an absence
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(4), 1);
}

TEST_F(SRptFontTest, ASetterBeforeTheFirstLoadIsReplacedOnlyByAStoredValue) {
    SRptFont::SetDefaultFontHeight(15, 20);
    SRptFont::SetDefaultFontHeight(14, 20);
    Write(HKEY_CURRENT_USER, "Text Font Size", 8);
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 8);
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(14), 20);
    Write(HKEY_CURRENT_USER, "Text Font Size", 30);  // loaded once: not seen
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 8);
}

TEST_F(SRptFontTest, KindsOutsideTheTableAreRefused) {
    for (int32_t kind : {-1, 27, 100}) {
        EXPECT_EQ(SRptFont::GetDefaultFontName(kind), "") << kind;
        EXPECT_EQ(SRptFont::GetDefaultFontStyle(kind), 0) << kind;
        EXPECT_EQ(SRptFont::GetDefaultFontHeight(kind), 0) << kind;
        SRptFont::SetDefaultFontName(kind, "Courier New");
        SRptFont::SetDefaultFontHeight(kind, 99);
        LOGFONTA logFont;
        logFont.lfHeight = 77;
        EXPECT_EQ(SRptFont::GetDefaultFontInfo(kind, &logFont), 0) << kind;
        EXPECT_EQ(logFont.lfHeight, 77);
        EXPECT_EQ(SRptFont::SetDefaultFontInfo(kind, &logFont), 0) << kind;
    }
    EXPECT_EQ(SRptFont::GetDefaultFontName(26), "Arial");
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(0), 10);
}

// ---- conversions ----

TEST_F(SRptFontTest, ToLogFontGivesACharacterHeightAtTheDevicesResolution) {
    const SRptFontDesc desc("Arial", 10, 0, FF_SWISS, VARIABLE_PITCH, ANSI_CHARSET);
    const LOGFONTA screen = desc.ToLogFont(nullptr);
    EXPECT_EQ(screen.lfHeight, -13);  // 13.33
    EXPECT_EQ(screen.lfWeight, 400);
    EXPECT_EQ(screen.lfCharSet, DEFAULT_CHARSET);  // the description's own is not asked for
    EXPECT_EQ(screen.lfOutPrecision, 5);
    EXPECT_EQ(screen.lfQuality, 2);
    EXPECT_EQ(screen.lfPitchAndFamily, 0x22);
    EXPECT_EQ(desc.ToLogFont(DeviceAt(120).get()).lfHeight, -17);  // 16.67
    EXPECT_EQ(SRptFontDesc("Arial", -10, 0, 0, 0, 1).ToLogFont(nullptr).lfHeight, -13);
    // In a metric mapping the height is in its units, and still a character height.
    auto himetric = DeviceAt(96);
    himetric->SetMapMode(MM_HIMETRIC);
    EXPECT_EQ(desc.ToLogFont(himetric.get()).lfHeight, -353);

    EXPECT_EQ(SRptFontDesc("Arial", 10, 1, 0, 0, 1).ToLogFont(nullptr).lfWeight, 700);
    const LOGFONTA styled = SRptFontDesc("Arial", 10, 14, 0, 0, 1).ToLogFont(nullptr);
    EXPECT_EQ(styled.lfWeight, 400);
    EXPECT_EQ(styled.lfItalic + styled.lfUnderline + styled.lfStrikeOut, 3);
}

TEST_F(SRptFontTest, ALongFaceNameIsCutOnACharacter) {
    const SString ascii(40, 'F');
    SString accented;
    for (int i = 0; i < 40; ++i) accented += "\xC3\xA9";  // two bytes each
    EXPECT_EQ(SRptFontDesc(ascii, 10, 0, 0, 0, 1).ToLogFont(nullptr).GetFaceName(), SString(31, 'F'));
    EXPECT_EQ(SRptFontDesc(accented, 10, 0, 0, 0, 1).ToLogFont(nullptr).GetFaceName().GetCharCount(), 15);
    // The same for a face that came from the settings, converted for the screen.
    EXPECT_EQ(SRptFont::GetDefaultFontInfo(15, nullptr), 0);
    Write(HKEY_CURRENT_USER, "Text Font Name", ascii.c_str());  // the null call loaded nothing
    LOGFONTA logFont;
    ASSERT_EQ(SRptFont::GetDefaultFontInfo(15, &logFont), 1);
    EXPECT_EQ(logFont.GetFaceName(), SString(31, 'F'));
    EXPECT_EQ(logFont.lfHeight, -13);
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
    logFont.lfHeight = -20;
    SRptFont::SetDefaultFontInfo(15, &logFont, DeviceAt(120).get());
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(15), 12);
    // Only a weight of exactly 700 is bold.
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
    void* other = reinterpret_cast<void*>(0x1235);
    LOGFONTA first, second, printed;
    first.lfHeight = -13;
    second.lfHeight = -14;
    printed.lfHeight = -83;
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle), nullptr);
    SRptFont::AddLogFontForHandle(handle, first);
    SRptFont::AddLogFontForHandle(handle, second);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle)->lfHeight, -14);
    // A printer's conversion is not the screen's.
    auto printer = DeviceAt(600);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle, printer.get()), nullptr);
    SRptFont::AddLogFontForHandle(handle, printed, printer.get());
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle, printer.get())->lfHeight, -83);
    SRptFont::AddMetricsForHandle(handle, TEXTMETRICA{});
    SRptFont::AddLogFontForHandle(other, first);

    SRptFont::ForgetHandle(handle);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle), nullptr);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle, printer.get()), nullptr);
    EXPECT_EQ(SRptFont::GetMetricsFromHandle(handle), nullptr);
    EXPECT_NE(SRptFont::GetLogFontFromHandle(other), nullptr);
    SRptFont::ClearFontMaps();
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(other), nullptr);
}
