#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepRegistry.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/editor/SRptAttrEditorTableCellWidth.h"
#include "rpt/objs/tables/SRptTableCellMem.h"
#include "support/RptMetaclassCheck.h"
#include "support/SRptParaTestFixture.h"

namespace {

using SRptAttributeTables = SRptParaTest;

GUID ClassGuid(uint8_t nn) {
    GUID guid = MakeGUID("{A6BAC800-B730-11D1-8898-00A02455633B}");
    guid.Data1 |= nn;
    return guid;
}

const SRptAttributeTable* FindTable(const GUID& clsid) {
    for (const SRptAttributeTable* table : SRptAttributeTable::All())
        if (table->classId == clsid) return table;
    return nullptr;
}

// A cell whose computed attributes fail, as a getter or setter of a class's own may.
class SFailingCell : public SRptTableCellImpl {
public:
    SString GetDispName() override { throw SECOMException(E_INVALIDARG); }
    HRESULT SetResPath(const SString&) override { throw std::runtime_error("not ours"); }

protected:
    explicit SFailingCell(ISRepSession* session) : SRptTableCellImpl(session) {}
    SFailingCell(const SFailingCell& source) = default;
};

}  // namespace

TEST_F(SRptAttributeTables, EveryReportClassTableAgreesWithItsMetaclass) {
    for (const SRptAttributeTable* table : SRptAttributeTable::All()) {
        SCOPED_TRACE(GUIDToString(table->classId));
        EXPECT_TRUE(RptTableAgreesWithMetaclass(*table));
    }
    // The item kinds, their rows and cells, and the classes they stand on all have one.
    for (uint8_t nn : {0xD0, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDD, 0xDE, 0xDF, 0xE0, 0xE1, 0xE2,
                       0xE3, 0xE4, 0xE5, 0xE6, 0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xF2, 0xF3, 0xF4, 0xF5, 0xF7,
                       0xF8, 0xF9, 0xFA})
        EXPECT_NE(FindTable(ClassGuid(nn)), nullptr) << std::hex << int(nn);
}

TEST_F(SRptAttributeTables, TablesAnswerWithTheDocumentedTypesAndFlags) {
    struct Case {
        uint8_t nn;
        int32_t id;
        uint32_t type;
        uint32_t flags;
    };
    const Case cases[] = {
        {0xF9, 0x02006400, 0x00020000, 0x8},    // title Level: short, stored
        {0xF7, 0x020063E0, 0x000A0000, 0x8},    // free text Text
        {0xD2, 0x02006305, 0x000A0000, 0x421},  // custom DispTitle: computed text
        {0xD2, 0x02006306, 0x000A0000, 0x420},  // custom ResPath
        {0xF3, 0x0100000B, 0x000900FE, 0x429},  // cell DispName: CHAR(254)
        {0xF4, 0x02006961, 0x00030000, 0x0},    // row Height: int without flags
        {0xE3, 0x02006103, 0x00040000, 0x401},  // item Container: computed bool
    };
    for (const Case& c : cases) {
        const SRptAttributeTable* table = FindTable(ClassGuid(c.nn));
        ASSERT_NE(table, nullptr);
        const SRptAttributeRow* row = table->FindAttribute(c.id).row;
        ASSERT_NE(row, nullptr) << std::hex << c.id;
        EXPECT_EQ(row->type, c.type) << std::hex << c.id;
        EXPECT_EQ(row->flags, c.flags) << std::hex << c.id;
    }
    // An id of a base class is found down the chain; one of no class, nowhere.
    const SRptAttributeTable* title = FindTable(ClassGuid(0xF9));
    EXPECT_EQ(title->FindAttribute(0x0200610C).table, FindTable(ClassGuid(0xE3)));  // Label, the item's
    EXPECT_EQ(title->FindAttribute(0x0200ABCD).row, nullptr);
    EXPECT_EQ(title->FindReadable(0x02000151).row->type, 0u);  // Items: a collection
    EXPECT_EQ(title->FindAttribute(0x02000151).row, nullptr);
}

TEST_F(SRptAttributeTables, RegistriesFollowTheMetamodelWithTheirEditorsAndAllocators) {
    // The classes whose objects come from an allocator of their own, by the allocator's name.
    const std::set<SString> allocated = {"SRptText",    "SRptTitle",    "SRptPageBreak",  "SRptTextFile",
                                         "SRptGraphicFile", "SRptFolder", "SRptGrpText",  "SRptGrpTitle",
                                         "SRptUserGraphic", "SRptTblCts", "SRptForm",    "SRptReport"};
    for (const SRptAttributeTable* table : SRptAttributeTable::All()) {
        const SRepMetaClass* metaClass = GetTypeLibManager()->FindMetaClass(table->classId);
        ASSERT_NE(metaClass, nullptr);
        SCOPED_TRACE(metaClass->GetCodeName().c_str());
        const SRepRegistry* registry = SRepRegistry::Find(table->classId);
        ASSERT_NE(registry, nullptr);
        EXPECT_EQ(registry->IsCreatable(), !metaClass->IsAbstract());
        EXPECT_EQ(registry->GetAllocator() != nullptr, allocated.count(metaClass->GetCodeName()) == 1);
        EXPECT_EQ(registry->GetFlags(), 1u);
        // Each map chains to its base class's.
        if (table->base) {
            EXPECT_EQ(registry->GetAttrEditorMap()->baseMap,
                      SRepRegistry::Find(table->base->classId)->GetAttrEditorMap());
        }
    }
    // One editor in all: the table cell's width.
    const SAttrEditorMap* cells = SRepRegistry::Find(ClassGuid(0xF3))->GetAttrEditorMap();
    EXPECT_EQ(cells->FindEditor(0x02006945), &SRptAttrEditorTableCellWidth::classInfo);
    EXPECT_EQ(SRepRegistry::Find(ClassGuid(0xE6))->GetAttrEditorMap()->FindEditor(0x02006945),
              &SRptAttrEditorTableCellWidth::classInfo);  // a list cell inherits it
    EXPECT_EQ(SRepRegistry::Find(ClassGuid(0xF9))->GetAttrEditorMap()->FindEditor(0x02006400), nullptr);
}

TEST_F(SRptAttributeTables, AFailureInAClassesOwnCodeIsReportedAsTheClassThatHasTheAttribute) {
    SRepObjectMem* made = nullptr;
    ASSERT_EQ(SRepComObject<SFailingCell>::Factory(&made, session.Get(), nullptr), S_OK);
    SComWrap<ISRepObject> cell;
    cell.Attach(static_cast<ISRepObject*>(made));
    SExceptionDialog::ClearReports();

    SRepVariant value;
    EXPECT_EQ(cell->GetAttribute(RPTTABLECELL_DISPNAME, &value), static_cast<HRESULT>(0x80070057));
    ASSERT_EQ(SExceptionDialog::GetReports().size(), 1u);
    EXPECT_EQ(SExceptionDialog::GetReports()[0].file, "RPT\\Objs\\SRptTableCellMem");
    EXPECT_EQ(SExceptionDialog::GetReports()[0].text,
              "SRptTableCellMem::GetAttribute(dispid = 0x0100000B, ...)\n (SECOMException)");

    SExceptionDialog::ClearReports();
    value.SetText("Parts.Name");
    EXPECT_EQ(cell->SetAttribute(RPTTABLECELL_RESPATH, value), static_cast<HRESULT>(0x8000FFFF));
    ASSERT_EQ(SExceptionDialog::GetReports().size(), 1u);
    EXPECT_EQ(SExceptionDialog::GetReports()[0].text,
              "SRptTableCellMem::SetAttribute(dispid = 0x0200694B, ...)\n (unknow)");

    // What the class only stores is untouched by its failing code; -1 is refused before any of it.
    SExceptionDialog::ClearReports();
    value.SetShort(-40);
    EXPECT_EQ(cell->SetAttribute(RPTTABLECELL_WIDTH, value), S_OK);
    EXPECT_EQ(cell->GetAttribute(RPTTABLECELL_WIDTH, &value), S_OK);
    EXPECT_EQ(value.GetShort(), -40);
    EXPECT_EQ(cell->GetAttribute(-1, &value), E_FAIL);
    EXPECT_EQ(cell->GetAttributeDefault(-1, &value), E_FAIL);
    EXPECT_TRUE(SExceptionDialog::GetReports().empty());
}

TEST_F(SRptAttributeTables, AParagraphDefaultIsKeptUntilItsClassIsMadeAnew) {
    SRepVariant value;
    ASSERT_EQ(MakePara()->GetAttributeDefault(RPTPARA_FONTNAME, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Arial");
    SRptFont::SetDefaultFontName(15, "Courier New");
    ASSERT_EQ(MakePara()->GetAttributeDefault(RPTPARA_FONTNAME, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Arial");
    // A new start-up of the class reports the fonts as they stand then.
    SRptParaRegistry::Destroy();
    SRptParaRegistry::Construct();
    ASSERT_EQ(MakePara()->GetAttributeDefault(RPTPARA_FONTNAME, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Courier New");
    // Defaults that are not kept are made at every request: none for a computed attribute.
    EXPECT_EQ(MakePara()->GetAttributeDefault(RPTPARA_PARANAME, &value), E_NOTIMPL);
    EXPECT_EQ(value.GetType(), SREP_VT_TEXT);
}
