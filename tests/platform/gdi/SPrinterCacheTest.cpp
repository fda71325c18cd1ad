#include <gtest/gtest.h>

#include "platform/base/SRegistry.h"
#include "platform/gdi/SPrinterCache.h"

namespace {

class SPrinterCacheTest : public testing::Test {
protected:
    void SetUp() override { SSettingsStore::Get().Clear(); }
    void TearDown() override { SSettingsStore::Get().Clear(); }

    static void Store(const char* name, int32_t value) {
        SRegistry key(HKEY_CURRENT_USER, SPrinterCache::RegistryKey(), 1);
        key.WriteProfile(name, value);
    }
    static void StoreMargins(const char* prefix, RECT margins) {
        Store((SString(prefix) + " Left").c_str(), margins.left);
        Store((SString(prefix) + " Top").c_str(), margins.top);
        Store((SString(prefix) + " Right").c_str(), margins.right);
        Store((SString(prefix) + " Bottom").c_str(), margins.bottom);
    }
};

}  // namespace

TEST_F(SPrinterCacheTest, DefaultsAreA4PortraitAt600Dpi) {
    SPrinterCache cache(8, SPAGESETUPDLG::m_Default);
    EXPECT_EQ(cache.GetCacheSize(), 8);
    EXPECT_EQ(cache.GetDefaults().ptPaperSize, (POINT{21000, 29700}));
    EXPECT_EQ(cache.GetPrinterName(), "Virtual Printer");
    EXPECT_EQ(cache.GetResolution(), 600);
    EXPECT_EQ(cache.GetPageSize(), (POINT{21000, 29700}));
    EXPECT_EQ(cache.GetPaperSize(), DMPAPER_A4);
    EXPECT_EQ(cache.GetOrientation(), DMORIENT_PORTRAIT);
    EXPECT_EQ(cache.GetMargins(), (RECT{2500, 2500, 2500, 2500}));
    EXPECT_EQ(cache.GetMinMargins(), (RECT{0, 0, 0, 0}));

    // A caller's own defaults are the starting point instead.
    SPAGESETUPDLG letter;
    letter.ptPaperSize = {27940, 21590};
    letter.rtMargin = {1000, 1000, 1000, 1000};
    SPrinterCache landscape(8, letter);
    EXPECT_EQ(landscape.GetOrientation(), DMORIENT_LANDSCAPE);
    EXPECT_EQ(landscape.GetPaperSize(), DMPAPER_LETTER);
    EXPECT_EQ(landscape.GetMargins(), (RECT{1000, 1000, 1000, 1000}));
}

TEST_F(SPrinterCacheTest, ReadsTheSettingsStoreAndKeepsDefaultsForWhatMakesNoPage) {
    {
        SRegistry key(HKEY_CURRENT_USER, SPrinterCache::RegistryKey(), 1);
        key.WriteProfile("Printer Name", SString("Office PDF"));
    }
    Store("Resolution", 300);
    Store("Paper Width", 21590);
    Store("Paper Height", 27940);
    Store("Orientation", DMORIENT_LANDSCAPE);
    StoreMargins("Margin", {1200, 1300, 1400, 1500});
    StoreMargins("Min Margin", {400, 400, 400, 400});
    SPrinterCache cache(8, SPAGESETUPDLG::m_Default);
    EXPECT_EQ(cache.GetPrinterName(), "Office PDF");
    EXPECT_EQ(cache.GetResolution(), 300);
    EXPECT_EQ(cache.GetPageSize(), (POINT{27940, 21590}));  // turned to the stored orientation
    EXPECT_EQ(cache.GetPaperSize(), DMPAPER_LETTER);
    EXPECT_EQ(cache.GetOrientation(), DMORIENT_LANDSCAPE);
    EXPECT_EQ(cache.GetMargins(), (RECT{1200, 1300, 1400, 1500}));
    EXPECT_EQ(cache.GetMinMargins(), (RECT{400, 400, 400, 400}));

    Store("Resolution", 0);
    Store("Paper Width", -5);
    Store("Orientation", 7);
    StoreMargins("Margin", {-1, 0, 0, 0});
    StoreMargins("Min Margin", {15000, 0, 15000, 0});  // wider than the paper together
    cache.LoadSettings();
    EXPECT_EQ(cache.GetResolution(), 600);
    EXPECT_EQ(cache.GetPageSize(), (POINT{21000, 29700}));
    EXPECT_EQ(cache.GetOrientation(), DMORIENT_PORTRAIT);
    EXPECT_EQ(cache.GetMargins(), (RECT{2500, 2500, 2500, 2500}));
    EXPECT_EQ(cache.GetMinMargins(), (RECT{0, 0, 0, 0}));
    EXPECT_EQ(cache.GetPrinterName(), "Office PDF");
}

TEST_F(SPrinterCacheTest, SavedSettingsReadBackTheSame) {
    SPrinterCache cache(8, SPAGESETUPDLG::m_Default);
    cache.SetPrinterName("Draft");
    EXPECT_TRUE(cache.SetResolution(1200));
    cache.SetPaperSize(DMPAPER_A5);
    cache.SetOrientation(DMORIENT_LANDSCAPE);
    cache.SetMargins({1000, 1100, 1200, 1300});
    cache.SetMinMargins({100, 200, 300, 400});
    ASSERT_TRUE(cache.SaveSettings());

    SPrinterCache read(8, SPAGESETUPDLG::m_Default);
    EXPECT_EQ(read.GetPrinterName(), "Draft");
    EXPECT_EQ(read.GetResolution(), 1200);
    EXPECT_EQ(read.GetPageSize(), (POINT{21000, 14800}));
    EXPECT_EQ(read.GetPaperSize(), DMPAPER_A5);
    EXPECT_EQ(read.GetOrientation(), DMORIENT_LANDSCAPE);
    EXPECT_EQ(read.GetMargins(), (RECT{1000, 1100, 1200, 1300}));
    EXPECT_EQ(read.GetMinMargins(), (RECT{100, 200, 300, 400}));
}

TEST_F(SPrinterCacheTest, PageSetUpOfATemplateStaysConsistent) {
    SPrinterCache cache(8, SPAGESETUPDLG::m_Default);
    // The order a template loads its page set-up in.
    cache.SetMargins({2000, 2000, 2000, 2000});
    cache.SetMinMargins({0, 0, 0, 0});
    cache.SetPageSize({29700, 21000});
    EXPECT_TRUE(cache.SetOrientation(DMORIENT_LANDSCAPE));
    EXPECT_TRUE(cache.SetPaperSize(DMPAPER_A4));
    EXPECT_EQ(cache.GetPageSize(), (POINT{29700, 21000}));
    EXPECT_EQ(cache.GetMargins(), (RECT{2000, 2000, 2000, 2000}));

    EXPECT_TRUE(cache.SetOrientation(DMORIENT_PORTRAIT));
    EXPECT_EQ(cache.GetPageSize(), (POINT{21000, 29700}));
    EXPECT_FALSE(cache.SetOrientation(0));
    EXPECT_EQ(cache.GetOrientation(), DMORIENT_PORTRAIT);
    cache.SetPageSize({20000, 20000});
    EXPECT_EQ(cache.GetPaperSize(), DMPAPER_USER);
    EXPECT_TRUE(cache.SetPaperSize(500));  // a code of its own: the size stays
    EXPECT_EQ(cache.GetPageSize(), (POINT{20000, 20000}));
    EXPECT_FALSE(cache.SetPaperSize(0));
    EXPECT_FALSE(cache.SetResolution(10));
    EXPECT_FALSE(cache.SetPrinterName(""));
}

TEST_F(SPrinterCacheTest, DeviceCapabilitiesDescribeThePaperAndItsPrintableArea) {
    SPrinterCache cache(8, SPAGESETUPDLG::m_Default);
    cache.SetMinMargins({500, 600, 500, 600});
    const SDeviceCaps caps = cache.GetDeviceCaps();
    EXPECT_EQ(caps.Get(TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(caps.Get(LOGPIXELSX), 600);
    EXPECT_EQ(caps.Get(PHYSICALWIDTH), 4961);  // 210 mm at 600 dpi
    EXPECT_EQ(caps.Get(PHYSICALHEIGHT), 7016);
    EXPECT_EQ(caps.Get(PHYSICALOFFSETX), 118);
    EXPECT_EQ(caps.Get(PHYSICALOFFSETY), 142);
    EXPECT_EQ(caps.Get(HORZRES), 4961 - 2 * 118);
    EXPECT_EQ(caps.Get(VERTRES), 7016 - 2 * 142);
    EXPECT_EQ(caps.Get(HORZSIZE), 200);

    // Nonsense from a template still leaves a printable dot.
    cache.SetPageSize({0, -10});
    cache.SetMinMargins({-5, INT32_MAX, INT32_MAX, 0});
    const SDeviceCaps odd = cache.GetDeviceCaps();
    EXPECT_GE(odd.Get(HORZRES), 1);
    EXPECT_GE(odd.Get(VERTRES), 1);
    EXPECT_GE(odd.Get(PHYSICALOFFSETX), 0);
}
