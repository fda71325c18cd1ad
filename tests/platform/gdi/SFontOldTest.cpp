#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "platform/gdi/LOGFONTA.h"
#include "platform/gdi/SFontOld.h"
#include "platform/gdi/SGdiHandleTable.h"

namespace {

std::string Repeat(const std::string& unit, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += unit;
    return text;
}

}  // namespace

TEST(LOGFONTA, FaceNamesAreCutToThirtyOneCharactersThatFitTheField) {
    LOGFONTA font;
    font.SetFaceName(Repeat("a", 40));
    EXPECT_EQ(font.GetFaceName(), Repeat("a", 31));
    EXPECT_EQ(font.lfFaceName[31], '\0');

    // 31 two-byte characters would need 62 bytes: as many whole ones as fit in 31.
    font.SetFaceName(Repeat("\xC3\xA9", 31));
    EXPECT_EQ(font.GetFaceName(), Repeat("\xC3\xA9", 15));
    font.SetFaceName("abcdefghijklmnopqrstuvwxyz0123\xE2\x82\xAC");  // 30 ASCII, then a 3-byte euro
    EXPECT_EQ(font.GetFaceName(), "abcdefghijklmnopqrstuvwxyz0123");
    font.SetFaceName(Repeat("\xF0\x9F\x98\x80", 9));  // four-byte characters: 7 fit
    EXPECT_EQ(font.GetFaceName(), Repeat("\xF0\x9F\x98\x80", 7));

    // A shorter name clears what a longer one left behind.
    font.SetFaceName("Arial");
    EXPECT_EQ(font.GetFaceName(), "Arial");
    for (int i = 5; i < LF_FACESIZE; ++i) EXPECT_EQ(font.lfFaceName[i], '\0');
}

TEST(LOGFONTA, ARecordWithoutTerminatorIsReadWithinTheFieldAndRepairedOnCreation) {
    LOGFONTA font;
    std::memset(font.lfFaceName, 'x', sizeof(font.lfFaceName));
    EXPECT_EQ(font.GetFaceName(), Repeat("x", 32));

    // A name cut inside a sequence at the end of the field.
    std::memset(font.lfFaceName, 'y', sizeof(font.lfFaceName));
    font.lfFaceName[30] = '\xC3';
    font.lfFaceName[31] = '\0';
    HFONT handle = CreateFontIndirectA(&font);
    ASSERT_NE(handle, nullptr);
    LOGFONTA stored;
    ASSERT_EQ(GetObjectA(handle, sizeof(stored), &stored), static_cast<int32_t>(sizeof(LOGFONTA)));
    EXPECT_EQ(stored.GetFaceName(), Repeat("y", 30));
    // Whole characters at the end stay; a four-byte one cut to two goes.
    font.SetFaceName("Caf\xC3\xA9");
    HFONT whole = CreateFontIndirectA(&font);
    GetObjectA(whole, sizeof(stored), &stored);
    EXPECT_EQ(stored.GetFaceName(), "Caf\xC3\xA9");
    std::memcpy(font.lfFaceName, "ab\xF0\x9F", 5);
    HFONT cut = CreateFontIndirectA(&font);
    GetObjectA(cut, sizeof(stored), &stored);
    EXPECT_EQ(stored.GetFaceName(), "ab");
    DeleteObject(whole);
    DeleteObject(cut);

    std::memset(font.lfFaceName, 'z', sizeof(font.lfFaceName));
    HFONT full = CreateFontIndirectA(&font);
    GetObjectA(full, sizeof(stored), &stored);
    EXPECT_EQ(stored.GetFaceName(), Repeat("z", 31));
    DeleteObject(handle);
    DeleteObject(full);
}

TEST(SFontOld, CreatesKeepsAndDeletesItsFont) {
    LOGFONTA font;
    font.lfHeight = -353;
    font.lfWeight = FW_BOLD;
    font.lfItalic = 1;
    font.SetFaceName("Times New Roman");
    const size_t before = SGdiHandleTable::Get().GetCount();

    SFontOld* created = SFontOld::CreateFontA(font);
    ASSERT_NE(created, nullptr);
    LOGFONTA read;
    ASSERT_TRUE(created->GetLogFont(&read));
    EXPECT_EQ(read, font);
    EXPECT_EQ(GetObjectType(created->GetSafeHandle()), OBJ_FONT);
    EXPECT_EQ(GetObjectA(created->GetSafeHandle(), 0, nullptr), static_cast<int32_t>(sizeof(LOGFONTA)));
    EXPECT_EQ(GetObjectA(created->GetSafeHandle(), sizeof(LOGFONTA) - 1, &read), 0);
    EXPECT_FALSE(created->CreateFontIndirect(&font));  // already holds one
    HFONT handle = *created;
    SFontOld::DeleteFont(created);
    EXPECT_EQ(GetObjectType(handle), 0u);
    EXPECT_FALSE(DeleteObject(handle));
    EXPECT_EQ(SGdiHandleTable::Get().GetCount(), before);

    SFontOld::DeleteFont(nullptr);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
    {
        SFontOldPtr owned(SFontOld::CreateFontA(font));
        handle = owned->GetSafeHandle();
    }
    EXPECT_EQ(GetObjectType(handle), 0u);  // the owner deleted it
}

TEST(SFontOld, HandlesAreNeverReusedAfterDeletion) {
    LOGFONTA font;
    font.SetFaceName("Arial");
    std::set<HFONT> seen;
    for (int i = 0; i < 100; ++i) {
        HFONT handle = CreateFontIndirectA(&font);
        ASSERT_NE(handle, nullptr);
        EXPECT_TRUE(seen.insert(handle).second);
        EXPECT_TRUE(DeleteObject(handle));
    }
    // A wrapper that attaches a handle deletes it; a detached one is left alone.
    SFontOld wrapper;
    HFONT handle = CreateFontIndirectA(&font);
    EXPECT_TRUE(wrapper.Attach(handle));
    EXPECT_FALSE(wrapper.Attach(handle));
    EXPECT_EQ(wrapper.Detach(), handle);
    EXPECT_EQ(GetObjectType(handle), OBJ_FONT);
    EXPECT_TRUE(DeleteObject(handle));
    EXPECT_FALSE(wrapper.Attach(handle));  // no longer live
}

TEST(SFontOld, StockFontsCannotBeDeleted) {
    HGDIOBJ system = GetStockObject(SYSTEM_FONT);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(GetStockObject(SYSTEM_FONT), system);
    EXPECT_NE(GetStockObject(DEFAULT_GUI_FONT), system);
    EXPECT_EQ(GetStockObject(12345), nullptr);
    EXPECT_FALSE(DeleteObject(system));
    EXPECT_EQ(GetObjectType(system), OBJ_FONT);
    LOGFONTA font;
    ASSERT_NE(GetObjectA(system, sizeof(font), &font), 0);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
}
