// The string table against the metamodel: every class, attribute and collection that names a
// display string finds it in the library's module state, and a class's string ends with the TAG
// that qualifies the legacy element names of its attributes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "platform/repo/SRepTypeLibManager.h"
#include "varod9/RptApi.h"

namespace {
constexpr GUID kRptTypeLibraryId = MakeGUID("{D0E0A940-B731-11D1-8898-00A02455633B}");

struct ClassString {
    const char* codeName;
    GUID classId;
    uint32_t stringId;
    const char* tag;
};

// The 36 report classes in metamodel order, with the string each class record names and the TAG
// line that string ends with.
const ClassString kClassStrings[] = {
    {"SRptBase", MakeGUID("{A6BAC8D0-B730-11D1-8898-00A02455633B}"), 5098, "BASE"},
    {"SRptTabulation", MakeGUID("{A6BAC8FA-B730-11D1-8898-00A02455633B}"), 5531, "TABULATION"},
    {"SRptPara", MakeGUID("{A6BAC8E9-B730-11D1-8898-00A02455633B}"), 5001, "PARA"},
    {"SRptParaTitle", MakeGUID("{A6BAC8ED-B730-11D1-8898-00A02455633B}"), 5003, "PARATITLE"},
    {"SRptParaHeader", MakeGUID("{A6BAC8EB-B730-11D1-8898-00A02455633B}"), 5004, "PARAHEADER"},
    {"SRptParaItem", MakeGUID("{A6BAC8EC-B730-11D1-8898-00A02455633B}"), 5005, "PARAITEM"},
    {"SRptParaFooter", MakeGUID("{A6BAC8EA-B730-11D1-8898-00A02455633B}"), 5006, "PARAFOOTER"},
    {"SRptParaContainer", MakeGUID("{A6BAC8D3-B730-11D1-8898-00A02455633B}"), 4999, "PARACONTAINER"},
    {"SRptItem", MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}"), 5000, "ITEM"},
    {"SRptGrpMember", MakeGUID("{A6BAC8E0-B730-11D1-8898-00A02455633B}"), 5009, "GRPMB"},
    {"SRptFile", MakeGUID("{A6BAC8D5-B730-11D1-8898-00A02455633B}"), 5015, "FILE"},
    {"SRptCustom", MakeGUID("{A6BAC8D2-B730-11D1-8898-00A02455633B}"), 5008, "CSTM"},
    {"SRptGroup", MakeGUID("{A6BAC8DE-B730-11D1-8898-00A02455633B}"), 5010, "RPTGROUP"},
    {"SRptGrpTitle", MakeGUID("{A6BAC8E2-B730-11D1-8898-00A02455633B}"), 5011, "GRPTL"},
    {"SRptFolder", MakeGUID("{A6BAC8D6-B730-11D1-8898-00A02455633B}"), 5168, "RPTFOLDER"},
    {"SRptGrpText", MakeGUID("{A6BAC8E1-B730-11D1-8898-00A02455633B}"), 5012, "GRPTX"},
    {"SRptTableCell", MakeGUID("{A6BAC8F3-B730-11D1-8898-00A02455633B}"), 5224, "TABLECELL"},
    {"SRptTableRow", MakeGUID("{A6BAC8F4-B730-11D1-8898-00A02455633B}"), 5230, "TABLEROW"},
    {"SRptTable", MakeGUID("{A6BAC8F2-B730-11D1-8898-00A02455633B}"), 5231, "TABLE"},
    {"SRptFormCell", MakeGUID("{A6BAC8D8-B730-11D1-8898-00A02455633B}"), 5018, "FORMCELL"},
    {"SRptFormRow", MakeGUID("{A6BAC8D9-B730-11D1-8898-00A02455633B}"), 5114, "FORMROW"},
    {"SRptForm", MakeGUID("{A6BAC8D7-B730-11D1-8898-00A02455633B}"), 5013, "FORM"},
    {"SRptGraphicFile", MakeGUID("{A6BAC8DF-B730-11D1-8898-00A02455633B}"), 5017, "GRPHFILE"},
    {"SRptListCell", MakeGUID("{A6BAC8E6-B730-11D1-8898-00A02455633B}"), 5019, "LISTCELL"},
    {"SRptListRow", MakeGUID("{A6BAC8E5-B730-11D1-8898-00A02455633B}"), 5067, "LISTROW"},
    {"SRptList", MakeGUID("{A6BAC8E4-B730-11D1-8898-00A02455633B}"), 5014, "LIST"},
    {"SRptTblCts", MakeGUID("{A6BAC8F5-B730-11D1-8898-00A02455633B}"), 5007, "TBLCTS"},
    {"SRptTitle", MakeGUID("{A6BAC8F9-B730-11D1-8898-00A02455633B}"), 5025, "TITLE"},
    {"SRptPageBreak", MakeGUID("{A6BAC8EE-B730-11D1-8898-00A02455633B}"), 5027, "PGBRK"},
    {"SRptText", MakeGUID("{A6BAC8F7-B730-11D1-8898-00A02455633B}"), 5032, "RPTTEXT"},
    {"SRptTemplate", MakeGUID("{A6BAC8F6-B730-11D1-8898-00A02455633B}"), 5002, "TMPLT"},
    {"SRptTextFile", MakeGUID("{A6BAC8F8-B730-11D1-8898-00A02455633B}"), 5016, "TXTFILE"},
    {"SRptUserGraphic", MakeGUID("{A6BAC8DD-B730-11D1-8898-00A02455633B}"), 5124, "USRGR"},
    {"SRptAvailableItems", MakeGUID("{A6BAC8CF-B730-11D1-8898-00A02455633B}"), 5024, "AVLBLITEMS"},
    {"SRptReport", MakeGUID("{A6BAC8D1-B730-11D1-8898-00A02455633B}"), 5023, "RPTREPORT:RPRT"},
    {"SRptField", MakeGUID("{A6BAC8D4-B730-11D1-8898-00A02455633B}"), 5140, "FIELD"},
};

// Strings of the report's own members that the table has no text for yet: name, code, comment,
// section numbering, the title-page author, version, date and summary, the six title-page switches,
// language and language name, and the collections of templates and languages. The metamodel names
// them all the same; these, and only these, are skipped.
const std::set<uint32_t> kMemberStringsWithoutText = {
    5080, 5083, 5084, 5191, 5195, 5196, 5197, 5198, 5199,
    5200, 5201, 5202, 5203, 5204, 6005, 6014, 6015, 6016,
};

const SString* FindLibraryString(uint32_t id) { return SRptGetModuleState()->FindString(id); }

// The lines of a string-table text ("Tab position\nTABPOSITION" gives two).
std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// A TAG is upper-case letters and digits; a class's may join two with ':' ("RPTREPORT:RPRT").
bool IsTag(const std::string& line) {
    return !line.empty() && std::all_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return std::isupper(byte) || std::isdigit(byte) || c == ':';
    });
}

// The class's metaclass; a failure of the calling test when the manager does not know it.
const SRepMetaClass* FindReportClass(const ClassString& entry) {
    const SRepMetaClass* metaClass = nullptr;
    EXPECT_EQ(GetTypeLibManager()->FindMetaClass(entry.classId, &metaClass), S_OK);
    EXPECT_NE(metaClass, nullptr);
    return metaClass;
}

// Checks one member string: found, unless listed as without text; an attribute's text is a
// description, a line break and a TAG, maybe with further parts after it.
void CheckMemberString(uint32_t id, bool isAttribute, std::set<uint32_t>& seenWithoutText) {
    if (id == 0) return;
    SCOPED_TRACE(id);
    if (kMemberStringsWithoutText.count(id) != 0) {
        seenWithoutText.insert(id);
        EXPECT_EQ(FindLibraryString(id), nullptr) << "has a text now: take it off the list";
        return;
    }
    const SString* text = FindLibraryString(id);
    ASSERT_NE(text, nullptr);
    const std::vector<std::string> lines = LinesOf(text->str());
    EXPECT_FALSE(lines[0].empty()) << *text;
    if (isAttribute) {
        ASSERT_GE(lines.size(), 2u) << *text;
        EXPECT_TRUE(IsTag(lines[1])) << *text;
    }
}
}  // namespace

TEST(SRptStringTable, TheTableCoversEveryClassOfTheTypeLibrary) {
    const SRepTypeLib* library = GetTypeLibManager()->FindTypeLib(kRptTypeLibraryId);
    ASSERT_NE(library, nullptr);
    ASSERT_EQ(library->GetClassCount(), static_cast<int32_t>(std::size(kClassStrings)));
    for (int32_t i = 0; i < library->GetClassCount(); ++i) {
        const SRepMetaClass& metaClass = library->GetClass(i);
        SCOPED_TRACE(metaClass.GetCodeName().str());
        EXPECT_EQ(metaClass.GetCodeName(), kClassStrings[i].codeName);
        EXPECT_EQ(metaClass.GetClassId(), kClassStrings[i].classId);
    }
}

TEST(SRptStringTable, EveryClassStringEndsWithTheClassTag) {
    for (const ClassString& entry : kClassStrings) {
        SCOPED_TRACE(entry.codeName);
        const SRepMetaClass* metaClass = FindReportClass(entry);
        if (metaClass == nullptr) continue;
        EXPECT_EQ(metaClass->GetCodeName(), entry.codeName);
        EXPECT_EQ(metaClass->GetStringId(), entry.stringId);
        const SString* text = FindLibraryString(metaClass->GetStringId());
        if (text == nullptr) {
            ADD_FAILURE() << "no string " << metaClass->GetStringId();
            continue;
        }
        const std::vector<std::string> lines = LinesOf(text->str());
        EXPECT_EQ(lines.size(), 2u) << *text;
        EXPECT_FALSE(lines.front().empty()) << *text;
        EXPECT_EQ(lines.back(), entry.tag);
    }
}

TEST(SRptStringTable, ItemStringIsTheItemDescriptionAndTag) {
    const SString* text = FindLibraryString(5000);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(*text, "Item\nITEM");
}

TEST(SRptStringTable, EveryAttributeAndCollectionStringResolves) {
    std::set<uint32_t> seenWithoutText;
    int32_t attributes = 0;
    int32_t collections = 0;
    for (const ClassString& entry : kClassStrings) {
        SCOPED_TRACE(entry.codeName);
        const SRepMetaClass* metaClass = FindReportClass(entry);
        if (metaClass == nullptr) continue;
        for (const SRepMetaAttribute& attribute : metaClass->GetAttributes()) {
            SCOPED_TRACE(attribute.GetCodeName().str());
            CheckMemberString(attribute.GetStringId(), true, seenWithoutText);
            ++attributes;
        }
        for (const SRepMetaCollection& collection : metaClass->GetCollections()) {
            SCOPED_TRACE(collection.GetCodeName().str());
            CheckMemberString(collection.GetStringId(), false, seenWithoutText);
            ++collections;
        }
    }
    EXPECT_EQ(attributes, 154);
    EXPECT_EQ(collections, 19);
    // Every id on the list is one that the metamodel names, so the list holds nothing stale.
    EXPECT_EQ(seenWithoutText, kMemberStringsWithoutText);
}

TEST(SRptStringTable, AParagraphsNameSharesTheTabFillingString) {
    const SRepMetaClass* para = GetTypeLibManager()->FindMetaClass(kClassStrings[2].classId);
    ASSERT_NE(para, nullptr);
    const SRepMetaAttribute* paraName = para->FindAttribute(0x02006016);
    const SRepMetaAttribute* fillTabs = para->FindAttribute(0x0200601A);
    ASSERT_NE(paraName, nullptr);
    ASSERT_NE(fillTabs, nullptr);
    EXPECT_EQ(paraName->GetStringId(), fillTabs->GetStringId());
    const SString* text = FindLibraryString(paraName->GetStringId());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(*text, "Fill the tabs\nFILLTABS");
}
