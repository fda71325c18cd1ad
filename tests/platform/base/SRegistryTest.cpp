#include <gtest/gtest.h>

#include "platform/base/SUserRegistry.h"

namespace {
class SRegistryTest : public testing::Test {
protected:
    void SetUp() override { SSettingsStore::Get().Clear(); }
    void TearDown() override { SSettingsStore::Get().Clear(); }
    const SString key = SString(SUserRegistry::sApplicationRoot) + "DisplayPreferences\\Report";
};
}  // namespace

TEST_F(SRegistryTest, MissingIsDistinctFromEmptyAndKeepsTheDefault) {
    SRegistry writer(HKEY_CURRENT_USER, key, 1);
    ASSERT_TRUE(writer.WriteProfile("Empty", SString()));
    SRegistry reader(HKEY_CURRENT_USER, key, 0);
    SString value = "x";
    EXPECT_TRUE(reader.GetProfile("Empty", &value, "default"));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(reader.GetProfile("Missing", &value, "default"));
    EXPECT_EQ(value, "default");
    int32_t number = 5;
    EXPECT_FALSE(reader.GetProfile("Missing", &number, 7));
    EXPECT_EQ(number, 7);
}

TEST_F(SRegistryTest, NumbersAndTextsReadEitherWay) {
    SRegistry writer(HKEY_CURRENT_USER, key, 1);
    writer.WriteProfile("Title Font Style", 0, 1);
    writer.WriteProfile("Title Font Size", SString("12"));
    SRegistry reader(HKEY_CURRENT_USER, key, 0);
    int32_t style = -1;
    EXPECT_TRUE(reader.GetProfile("Title Font Style", &style, -1));
    EXPECT_EQ(style, 0);  // a stored 0 is a value, not an absence
    int32_t size = 0;
    EXPECT_TRUE(reader.GetProfile("Title Font Size", &size, 10));
    EXPECT_EQ(size, 12);
    SString text;
    uint32_t type = 0;
    EXPECT_TRUE(reader.GetProfile("Title Font Style", &text, "", &type));
    EXPECT_EQ(text, "0");
    EXPECT_EQ(type, REG_DWORD);
}

TEST_F(SRegistryTest, ValueNamesMatchWhateverTheirAsciiCase) {
    SRegistry writer(HKEY_CURRENT_USER, key, 1);
    writer.WriteProfile("Title Font Size", 12);
    writer.WriteProfile("TITLE FONT SIZE", 14);  // the same value, not a second one
    SRegistry reader(HKEY_CURRENT_USER, key, 0);
    int32_t size = 0;
    EXPECT_TRUE(reader.GetProfile("title font size", &size, 10));
    EXPECT_EQ(size, 14);
    EXPECT_TRUE(writer.DeleteProfile("Title font Size"));
    EXPECT_FALSE(reader.GetProfile("Title Font Size", &size, 10));
    EXPECT_EQ(size, 10);
}

TEST_F(SRegistryTest, ReadOnlyKeysAndRootsAreSeparate) {
    SRegistry missing(HKEY_CURRENT_USER, key, 0);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_FALSE(missing.WriteProfile("a", SString("b")));
    SRegistry machine(HKEY_LOCAL_MACHINE, key, 1);
    machine.WriteProfile("Text Font Name", SString("Arial"));
    SRegistry user(HKEY_CURRENT_USER, key, 1);
    SString value;
    EXPECT_FALSE(user.GetProfile("Text Font Name", &value, ""));
    SRegistry readOnly(HKEY_LOCAL_MACHINE, key, 0);
    EXPECT_FALSE(readOnly.WriteProfile("Text Font Name", SString("Courier New")));
    // Keys match whatever the separator or the ASCII case.
    SRegistry other(HKEY_LOCAL_MACHINE, SString("software/report editor/displaypreferences/report"), 0);
    EXPECT_TRUE(other.GetProfile("Text Font Name", &value, ""));
    EXPECT_EQ(value, "Arial");
}

TEST_F(SRegistryTest, CopyHKLMCopiesOnlyAnExistingMachineValue) {
    const SString paths = SUserRegistry::sApplicationPaths;
    EXPECT_FALSE(SUserRegistry::CopyHKLM(paths, "ReportTemplates"));
    SRegistry machine(HKEY_LOCAL_MACHINE, paths, 1);
    machine.WriteProfile("ReportTemplates", SString("/srv/templates/"));
    EXPECT_TRUE(SUserRegistry::CopyHKLM(paths, "ReportTemplates"));
    SRegistry user(HKEY_CURRENT_USER, paths, 0);
    SString value;
    EXPECT_TRUE(user.GetProfile("ReportTemplates", &value, "./"));
    EXPECT_EQ(value, "/srv/templates/");
}
