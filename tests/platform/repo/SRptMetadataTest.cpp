// The METADATA resource as the build generates it: its bytes, and what a parse of them holds.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "platform/repo/SRepTypeLibReader.h"
#include "rpt/resources/SRptMetadata.h"
#include "varod9/RptApi.h"

namespace {

constexpr GUID kReportLibraryId = MakeGUID("{D0E0A940-B731-11D1-8898-00A02455633B}");

GUID GuidAt(const uint8_t* bytes, size_t offset) {
    return GUIDFromBytes(bytes + offset);
}

uint32_t U32At(const uint8_t* bytes, size_t offset) {
    return uint32_t(bytes[offset]) | (uint32_t(bytes[offset + 1]) << 8) | (uint32_t(bytes[offset + 2]) << 16) |
           (uint32_t(bytes[offset + 3]) << 24);
}

// The resource parsed once for the whole file.
const SRepTypeLib& Library() {
    static std::unique_ptr<SRepTypeLib> library = [] {
        std::unique_ptr<SRepTypeLib> read;
        EXPECT_EQ(SRepTypeLibReader(SRptMetadata::GetData(), SRptMetadata::GetSize()).Read(read).code, S_OK);
        return read;
    }();
    return *library;
}

const SRepMetaClass& ClassNamed(const char* name) {
    const SRepTypeLib& library = Library();
    for (int32_t i = 0; i < library.GetClassCount(); ++i)
        if (library.GetClass(i).GetCodeName() == name) return library.GetClass(i);
    throw std::runtime_error(std::string("no class ") + name);
}

}  // namespace

TEST(SRptMetadata, IsInstalledInTheModuleStateWithItsExactSize) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    ASSERT_TRUE(SRptGetModuleState()->FindResource("METADATA", 1000, &data, &size));
    EXPECT_EQ(size, 33313u);
    EXPECT_EQ(data, SRptMetadata::GetData());
    EXPECT_EQ(SRptMetadata::GetSize(), 33313u);
}

TEST(SRptMetadata, HeaderAndFirstRecordStandAtTheirOffsets) {
    const uint8_t* b = SRptMetadata::GetData();
    EXPECT_EQ(std::memcmp(b, "!S)V", 4), 0);
    EXPECT_EQ(U32At(b, 0), 0x56295321u);
    for (size_t i = 4; i < 32; ++i) EXPECT_EQ(b[i], 0) << "reserved byte " << i;
    EXPECT_EQ(b[32], 3);
    EXPECT_EQ(std::memcmp(b + 33, "\x04Rpt\0", 5), 0);
    EXPECT_EQ(std::memcmp(b + 38, "\x09VeDuzadi\0", 10), 0);
    EXPECT_EQ(GuidAt(b, 48), kReportLibraryId);
    EXPECT_EQ(U32At(b, 64), 0x00000198u);
    EXPECT_EQ(U32At(b, 68), 0x00FF00FFu);
    EXPECT_EQ(U32At(b, 72), 0x00020001u);
    EXPECT_EQ(U32At(b, 76), 0u);
    EXPECT_EQ(U32At(b, 80), 1u);
    EXPECT_EQ(GuidAt(b, 84), MakeGUID("{2B975AA0-A490-11D1-A8B7-006097355D43}"));
    EXPECT_EQ(U32At(b, 100), 36u);
    EXPECT_EQ(GuidAt(b, 104), MakeGUID("{362D41E4-9D82-11D1-8E5D-444553540000}"));
    EXPECT_EQ(b[120], 2);
    EXPECT_EQ(std::memcmp(b + 121, "\x09SRptBase\0", 10), 0);
    // SRptBase: flags, GUID, then its one base from outside the library.
    EXPECT_EQ(U32At(b, 148), 0x0C001u);
    EXPECT_EQ(GuidAt(b, 152), MakeGUID("{A6BAC8D0-B730-11D1-8898-00A02455633B}"));
    EXPECT_EQ(U32At(b, 168), 0u);     // index
    EXPECT_EQ(U32At(b, 172), 5098u);  // string id
    EXPECT_EQ(U32At(b, 180), 1u);
    EXPECT_EQ(std::memcmp(b + 184, "\x14Rep::SRepObjectBase\0", 21), 0);
    EXPECT_EQ(GuidAt(b, 205), MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}"));
    EXPECT_EQ(U32At(b, 221), 0u);  // no members
    EXPECT_EQ(U32At(b, 33313 - 4), 0u);
}

TEST(SRptMetadata, ParsesByItsCountsExactlyToTheLastByte) {
    SRepTypeLibReader reader(SRptMetadata::GetData(), SRptMetadata::GetSize());
    std::unique_ptr<SRepTypeLib> library;
    ASSERT_EQ(reader.Read(library).code, S_OK);
    EXPECT_EQ(reader.GetOffset(), 33313u);
    EXPECT_EQ(library->GetNamespace(), "Rpt");
    EXPECT_EQ(library->GetName(), "VeDuzadi");
    EXPECT_EQ(library->GetLibraryId(), kReportLibraryId);
    EXPECT_EQ(library->GetFormatByte(), 3);
    EXPECT_EQ(library->GetHeaderWord(1), 0x00FF00FFu);
    ASSERT_EQ(library->GetReferencedLibraries().size(), 1u);
    ASSERT_EQ(library->GetClassCount(), 36);
    EXPECT_EQ(library->GetClass(0).GetCodeName(), "SRptBase");
    EXPECT_EQ(library->GetClass(35).GetCodeName(), "SRptField");
}

// Totals that the class table and the member tables state independently: a slip in transcribing
// either shows here.
TEST(SRptMetadata, HoldsEveryMemberOfTheMetamodel) {
    const SRepTypeLib& library = Library();
    int32_t attributes = 0, collections = 0, methods = 0, parameters = 0, inputs = 0, outputs = 0;
    int32_t computed = 0, flags800 = 0, only800 = 0, noFlags = 0, valueMethods = 0, intReturns = 0;
    std::map<uint32_t, int32_t> typeCodes;
    for (int32_t i = 0; i < library.GetClassCount(); ++i) {
        const SRepMetaClass& c = library.GetClass(i);
        for (const SRepMetaAttribute& a : c.GetAttributes()) {
            ++attributes;
            ++typeCodes[a.GetTypeCode()];
            computed += a.IsComputed();
            flags800 += (a.GetFlagsWord() & 0x800) != 0;
            only800 += a.GetFlagsWord() == 0x800;
            noFlags += a.GetFlagsWord() == 0;
            // Only computed attributes and the item's Label have a w.
            if (a.GetW() != 0) {
                EXPECT_TRUE(a.IsComputed() || a.GetCodeName() == "Label") << a.GetCodeName();
            }
        }
        collections += static_cast<int32_t>(c.GetCollections().size());
        for (const SRepMetaMethod& m : c.GetMethods()) {
            ++methods;
            valueMethods += m.GetKind() == 0x500;
            intReturns += m.GetReturnTypeWord() == 0x03000000;
            EXPECT_EQ(m.GetWord(0), 1u);
            for (const SRepMetaParameter& p : m.GetParameters()) {
                ++parameters;
                inputs += p.IsIn();
                outputs += p.IsOut();
                EXPECT_NE(p.IsIn(), p.IsOut()) << m.GetCodeName() << " " << p.GetName();
            }
        }
    }
    EXPECT_EQ(attributes, 154);
    EXPECT_EQ(collections, 19);
    EXPECT_EQ(methods, 98);
    EXPECT_EQ(parameters, 128);
    EXPECT_EQ(inputs, 94);
    EXPECT_EQ(outputs, 34);
    EXPECT_EQ(computed, 25);
    EXPECT_EQ(flags800, 74);
    EXPECT_EQ(only800, 69);
    EXPECT_EQ(noFlags, 58);
    EXPECT_EQ(valueMethods, 13);
    EXPECT_EQ(intReturns, 6);
    const std::map<uint32_t, int32_t> expectedTypes = {{0x02, 34}, {0x03, 24}, {0x04, 37}, {0x09, 11},
                                                       {0x0A, 45}, {0x0E, 1},  {0x0F, 2}};
    EXPECT_EQ(typeCodes, expectedTypes);
}

TEST(SRptMetadata, ClassRecordsCarryTheirFlagsAndIndexes) {
    const SRepTypeLib& library = Library();
    std::set<std::string> abstract, allocated, memberless;
    int32_t indexed = 0;
    for (int32_t i = 0; i < library.GetClassCount(); ++i) {
        const SRepMetaClass& c = library.GetClass(i);
        EXPECT_EQ(c.GetFlags() & 0xC000, 0xC000u) << c.GetCodeName();
        if (c.IsAbstract()) abstract.insert(c.GetCodeName().str());
        if (c.GetFlags() & 0x10000) allocated.insert(c.GetCodeName().str());
        if (c.GetAttributes().empty() && c.GetCollections().empty() && c.GetMethods().empty())
            memberless.insert(c.GetCodeName().str());
        indexed += c.GetIndex() != 0;
        // Every base but the root's is a class of this library, named and identified alike.
        if (c.GetCodeName() == "SRptBase") continue;
        ASSERT_EQ(c.GetBaseName().Left(5), "Rpt::");
        EXPECT_EQ(ClassNamed(c.GetBaseName().Mid(5)).GetClassId(), c.GetBaseClassId()) << c.GetCodeName();
    }
    EXPECT_EQ(abstract, (std::set<std::string>{"SRptBase", "SRptParaContainer", "SRptItem", "SRptGrpMember", "SRptFile",
                                               "SRptCustom", "SRptGroup", "SRptTable"}));
    EXPECT_EQ(allocated.size(), 12u);
    EXPECT_TRUE(allocated.count("SRptReport"));
    EXPECT_EQ(memberless, (std::set<std::string>{"SRptBase", "SRptParaTitle", "SRptParaHeader", "SRptParaItem",
                                                 "SRptParaFooter", "SRptFormCell", "SRptForm", "SRptGraphicFile",
                                                 "SRptListRow", "SRptTextFile"}));
    EXPECT_EQ(indexed, 14);
    EXPECT_EQ(ClassNamed("SRptReport").GetStringId(), 5023u);
    EXPECT_EQ(ClassNamed("SRptGraphicFile").GetIndex(), 15u);
    EXPECT_EQ(ClassNamed("SRptAvailableItems").GetClassId(), MakeGUID("{A6BAC8CF-B730-11D1-8898-00A02455633B}"));
}

TEST(SRptMetadata, ComputedAttributesComeFirstThenStoredOnes) {
    const SRepTypeLib& library = Library();
    for (int32_t i = 0; i < library.GetClassCount(); ++i) {
        bool stored = false;
        for (const SRepMetaAttribute& a : library.GetClass(i).GetAttributes()) {
            EXPECT_FALSE(stored && a.IsComputed()) << library.GetClass(i).GetCodeName() << "." << a.GetCodeName();
            stored = stored || !a.IsComputed();
        }
    }
    auto report = ClassNamed("SRptReport").GetAttributes();
    ASSERT_EQ(report.size(), 18u);
    EXPECT_EQ(report[0].GetCodeName(), "DispName");
    EXPECT_EQ(report[2].GetCodeName(), "LangName");
    EXPECT_EQ(report[3].GetCodeName(), "Name");
    EXPECT_EQ(report[17].GetCodeName(), "HasFirstPageSummary");
    EXPECT_EQ(ClassNamed("SRptTemplate").GetMethods().back().GetCodeName(), "UpdateUserDefinedItems");
}

TEST(SRptMetadata, ThreeCollectionsNameNoElementClass) {
    const SRepTypeLib& library = Library();
    std::set<std::string> without;
    for (int32_t i = 0; i < library.GetClassCount(); ++i)
        for (const SRepMetaCollection& c : library.GetClass(i).GetCollections()) {
            if (!c.HasElementClass()) without.insert(library.GetClass(i).GetCodeName().str() + "." + c.GetCodeName().str());
            EXPECT_EQ(c.HasElementClass(), (c.GetFlagsWord() & 0x8000) != 0);
        }
    EXPECT_EQ(without, (std::set<std::string>{"SRptReport.Language", "SRptReport.NotSavedSess", "SRptReport.ExtSess"}));
    const GUID sessionExtern = MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}");
    EXPECT_EQ(ClassNamed("SRptAvailableItems").GetCollections()[1].GetElementClassId(), sessionExtern);
    EXPECT_EQ(ClassNamed("SRptReport").GetCollections()[4].GetCodeName(), "LangExSess");
    EXPECT_EQ(ClassNamed("SRptReport").GetCollections()[4].GetElementClassId(), sessionExtern);
    EXPECT_EQ(ClassNamed("SRptReport").GetCollections()[2].GetElementClassId(), GUID_NULL);
}

TEST(SRptMetadata, RecordsKeepTheirTextsAndOddValues) {
    auto reportAttributes = ClassNamed("SRptReport").GetAttributes();
    EXPECT_EQ(reportAttributes[7].GetCodeName(), "FirstPageTitle");
    EXPECT_EQ(reportAttributes[7].GetDefaultValue(), "TEXT(\"Report\")");
    EXPECT_EQ(reportAttributes[1].GetFlagsWord(), 0x42080u);
    EXPECT_EQ(reportAttributes[1].GetW(), 12);
    EXPECT_EQ(ClassNamed("SRptFolder").GetAttributes()[1].GetDefaultValue(), "-1");
    EXPECT_EQ(ClassNamed("SRptFolder").GetAttributes()[1].GetDisplayName(), "MaximumNumberOfLevelsOfRecursiveFolders");
    EXPECT_EQ(ClassNamed("SRptCustom").GetAttributes()[8].GetDefaultValue(), "false");
    EXPECT_EQ(ClassNamed("SRptPara").GetAttributes()[3].GetDefaultValue(), "SRptFont::GetDefaultFontName(15)");
    EXPECT_TRUE(ClassNamed("SRptFile").GetAttributes()[0].GetDefaultValue().IsEmpty());
    EXPECT_EQ(ClassNamed("SRptItem").GetAttributes()[11].GetCodeName(), "Label");
    EXPECT_EQ(ClassNamed("SRptItem").GetAttributes()[11].GetW(), -8);
    EXPECT_EQ(ClassNamed("SRptTemplate").GetAttributes()[20].GetTypeWord(), 0x0E000000u);  // PaperSize

    auto items = ClassNamed("SRptItem").GetCollections();
    EXPECT_EQ(items[1].GetKindWord(), 0xF0000000u);
    EXPECT_EQ(items[1].GetW(), 1);
    EXPECT_EQ(items[1].GetEndWord(), 0u);
    EXPECT_EQ(items[0].GetStringId(), 5257u);
    EXPECT_EQ(ClassNamed("SRptReport").GetCollections()[1].GetW(), -8);

    const SRepMetaClass& report = ClassNamed("SRptReport");
    const SRepMetaMethod* title = report.FindMethodByName("GetTitleFromPath");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->GetDisplayName(), "GetTextFromPath");
    EXPECT_EQ(title->GetKind(), 0x500u);
    EXPECT_EQ(title->GetReturnTypeText(), "SString");
    EXPECT_EQ(title->GetReturnName(), "sTitle");
    const SRepMetaMethod* find = report.FindMethodByName("FindInPreview");
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->GetKind(), 0x400u);
    EXPECT_EQ(find->GetReturnTypeText(), "SRptListOccurrence");
    ASSERT_EQ(find->GetParameters().size(), 1u);
    EXPECT_EQ(find->GetParameters()[0].GetTypeText(), "SRptListOid &");
    const SRepMetaMethod* update = ClassNamed("SRptTable").FindMethodByName("UpdateLabelPath");
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(update->GetKind(), 0x500u);
    EXPECT_TRUE(update->GetReturnTypeText().IsEmpty());
    EXPECT_TRUE(update->GetReturnName().IsEmpty());

    const SRepMetaMethod* node = ClassNamed("SRptItem").FindMethodByName("CreateBrowserNode");
    ASSERT_NE(node, nullptr);
    ASSERT_EQ(node->GetParameters().size(), 7u);
    EXPECT_EQ(node->GetParameters()[0].GetName(), "pBrowser");
    EXPECT_TRUE(node->GetParameters()[0].IsIn());
    EXPECT_EQ(node->GetParameters()[6].GetTypeText(), "SRptBrowserNodeItem *");
    EXPECT_TRUE(node->GetParameters()[6].IsOut());
    const SRepMetaMethod* tabs = ClassNamed("SRptPara").FindMethodByName("GetNbTabs");
    ASSERT_NE(tabs, nullptr);
    EXPECT_TRUE(tabs->GetParameters().empty());
    EXPECT_EQ(tabs->GetReturnTypeWord(), 0x03000000u);
    EXPECT_EQ(tabs->GetReturnName(), "NbTabs");
}
