// The user graphic: its placement from a module's description, its zoom in a template and its
// graph format command.
#include <gtest/gtest.h>

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepComObject.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/dialogs/SRptDlgGraphFormat.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "support/RptMetaclassCheck.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestRptProcs.h"

namespace {

constexpr GUID CLSID_STestZoomTemplate = MakeGUID("{5C0E7D51-8F2B-4B7A-9E43-2A61D0C8B7F4}");
// The template's zoom factor, a SHORT that a template always reads as 100.
constexpr int32_t kTemplateZoomPerct = 0x02006218;

class STestZoomTemplateRegistry;

// A template that tells its zoom factor, as the report's templates do.
class STestZoomTemplateImpl : public SRptTestTemplateImpl {
public:
    using Registry = STestZoomTemplateRegistry;

    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    static bool ClassIsKindOf(const GUID& clsid) {
        return clsid == CLSID_STestZoomTemplate || SRptTestTemplateImpl::ClassIsKindOf(clsid);
    }
    HRESULT GetAttribute(int32_t id, SRepVariant* value) override {
        if (id != kTemplateZoomPerct) return SRptTestTemplateImpl::GetAttribute(id, value);
        value->SetShort(100);
        return S_OK;
    }

protected:
    explicit STestZoomTemplateImpl(ISRepSession* session) : SRptTestTemplateImpl(session) {}
    STestZoomTemplateImpl(const STestZoomTemplateImpl& source) : SRptTestTemplateImpl(source) {}
};

class STestZoomTemplateRegistry : public SRepStaticRegistry<STestZoomTemplateRegistry> {
public:
    STestZoomTemplateRegistry()
        : SRepStaticRegistry(CLSID_STestZoomTemplate, &attrEditorMap, &SRepComObject<STestZoomTemplateImpl>::Factory,
                             &STestZoomTemplateImpl::ClassIsKindOf, &SRptItemMem::ClassHasCollection, 1,
                             SRptGetModuleState()) {}
    static const SAttrEditorMap attrEditorMap;
};
const SAttrEditorMap STestZoomTemplateRegistry::attrEditorMap = {&SRptTestTemplateRegistry::attrEditorMap,
                                                                 SREP_NO_ATTR_EDITORS};

class SRptUserGraphic : public SRptItemKindTestFixture {
protected:
    void SetUp() override {
        SRptItemKindTestFixture::SetUp();
        STestZoomTemplateRegistry::Construct();
        procs = SComWrap<STestUserProcs>(new STestUserProcs);
    }
    void TearDown() override {
        SRptItemKindTestFixture::TearDown();
        STestZoomTemplateRegistry::Destroy();
        EXPECT_EQ(procs->RefCount(), 1) << "the module's procedures are still held";
    }
    // A module's description of a user graphic whose tail holds 3, 1, 1, 150.
    RPTUSRITEMDEF Describe(uint32_t size) {
        RPTUSRITEMDEF def;
        def.Size = size;
        def.Kind = RPT_ITEMKIND_USERGRAPHIC;
        def.Label = "Diagram";
        def.DefaultTitle = "Class diagram";
        def.UserProcs = procs.Get();
        def.UserGraphic = RPTUSERGRAPHICDEF{3, 1, 1, 150};
        return def;
    }
    static void ExpectPlacement(ISRptUserGraphic* graphic, int16_t format, bool useZoom, int16_t onePageType,
                                int16_t zoom) {
        EXPECT_EQ(graphic->GetFormat(), format);
        EXPECT_EQ(graphic->GetUseZoom(), useZoom);
        EXPECT_EQ(graphic->GetOnePageType(), onePageType);
        EXPECT_EQ(graphic->GetZoomPerct(), zoom);
    }

    SComWrap<STestUserProcs> procs;
};

}  // namespace

TEST_F(SRptUserGraphic, ADescriptionOf72BytesCarriesThePlacementOneOf64DoesNot) {
    SComWrap<ISRptUserGraphic> placed = Make<ISRptUserGraphic>(CLSID_SRptUserGraphic);
    EXPECT_EQ(placed->ConstructWithItemDef(nullptr), E_POINTER);
    EXPECT_EQ(placed->Paragraphs().GetCount(), 0);
    RPTUSRITEMDEF def = Describe(72);
    ASSERT_EQ(placed->ConstructWithItemDef(&def), S_OK);
    ExpectPlacement(placed.Get(), 3, true, 1, 150);
    EXPECT_EQ(placed->GetLabel(), "Diagram");
    EXPECT_EQ(placed->GetTitle(), "Class diagram");
    SComWrap<IUnknown> held;
    ASSERT_EQ(placed->GetUserProcs(&held), S_OK);
    EXPECT_EQ(held.Get(), static_cast<IUnknown*>(procs.Get()));

    // Any word but 0 uses the zoom.
    def.UserGraphic.UseZoom = 7;
    SComWrap<ISRptUserGraphic> zoomed = Make<ISRptUserGraphic>(CLSID_SRptUserGraphic);
    ASSERT_EQ(zoomed->ConstructWithItemDef(&def), S_OK);
    EXPECT_TRUE(zoomed->GetUseZoom());

    def = Describe(64);
    SComWrap<ISRptUserGraphic> plain = Make<ISRptUserGraphic>(CLSID_SRptUserGraphic);
    ASSERT_EQ(plain->ConstructWithItemDef(&def), S_OK);
    ExpectPlacement(plain.Get(), 0, false, 2, 100);

    // Its one paragraph is the custom item's title, which it neither names nor formats.
    ASSERT_EQ(plain->Paragraphs().GetCount(), 1);
    SComWrap<ISRptPara> para;
    ASSERT_EQ(plain->GetParaAtPos(0, &para), S_OK);
    EXPECT_EQ(para->GetClassID(), CLSID_SRptParaTitle);
    EXPECT_EQ(plain->GetParaName(para.Get()), "Text Paragraph 0");
    EXPECT_EQ(plain->GetParaFontID(para.Get()), -1);
    for (int32_t position = 0; position < 3; ++position) EXPECT_EQ(plain->IsParaSupportBox(position), S_FALSE);
}

TEST_F(SRptUserGraphic, ItsPlacementAttributesAnswerAsTheMetaclassSays) {
    SComWrap<ISRptUserGraphic> graphic = Make<ISRptUserGraphic>(CLSID_SRptUserGraphic);
    ExpectPlacement(graphic.Get(), 0, false, 2, 100);
    const struct {
        int32_t id;
        uint32_t type;
        int32_t initial;
    } attributes[] = {{RPTUSERGRAPHIC_FORMAT, 0x20000, 0},
                      {RPTUSERGRAPHIC_USEZOOM, 0x40000, 0},
                      {RPTUSERGRAPHIC_ONEPAGETYPE, 0x20000, 2},
                      {RPTUSERGRAPHIC_ZOOMPERCT, 0x20000, 100}};
    for (const auto& [id, type, initial] : attributes) {
        EXPECT_EQ(graphic->GetAttributeType(id), type) << std::hex << id;
        EXPECT_EQ(graphic->GetAttributeFlags(id), 8u) << std::hex << id;
        SRepVariant value;
        ASSERT_EQ(graphic->GetAttributeDefault(id, &value), S_OK);
        EXPECT_EQ(value.GetType(), type);
        EXPECT_EQ(value.GetInt(), initial);
    }
    int32_t checked = 0;
    EXPECT_TRUE(RptAnswersAsItsMetaclass(graphic.Get(), &checked));
    EXPECT_EQ(checked, 33 + 4);  // the repository's 11, the item's 12, 1, the custom item's 9, its 4
}

TEST_F(SRptUserGraphic, AddedToATemplateItTakesTheTemplatesZoom) {
    SComWrap<ISRptTemplate> zoomTemplate = Make<ISRptTemplate>(CLSID_STestZoomTemplate);
    SComWrap<ISRptUserGraphic> graphic = MakeIn<ISRptUserGraphic>(zoomTemplate.Get(), CLSID_SRptUserGraphic);
    const RPTUSRITEMDEF def = Describe(72);
    ASSERT_EQ(graphic->ConstructWithItemDef(&def), S_OK);
    // Not yet marked as in the template: nothing to take.
    ASSERT_EQ(graphic->PostAddTemplateItem(), S_OK);
    EXPECT_EQ(graphic->GetZoomPerct(), 150);

    zoomTemplate->SetInTemplateRecursive(true);
    ASSERT_EQ(graphic->PostAddTemplateItem(), S_OK);
    ExpectPlacement(graphic.Get(), 3, true, 1, 100);

    // A template that cannot tell its zoom leaves the item's.
    SComWrap<ISRptUserGraphic> other = BuildInTemplate<ISRptUserGraphic>(CLSID_SRptUserGraphic);
    other->PutZoomPerct(40);
    ASSERT_EQ(other->PostAddTemplateItem(), S_OK);
    EXPECT_EQ(other->GetZoomPerct(), 40);
    // The step goes on to the items under it, whose failure it answers.
    SComWrap<ISRptItem> child = MakeIn(graphic.Get(), CLSID_SRptTestItem);
    Test(child.Get())->postAddResult = E_ABORT;
    EXPECT_EQ(graphic->PostAddTemplateItem(), E_ABORT);
    EXPECT_EQ(Test(child.Get())->postAddCount, 1);
}

TEST_F(SRptUserGraphic, FormatIsItsOneCommandAndPutsThePlacementOfTheSelection) {
    SComWrap<ISRptUserGraphic> first = Make<ISRptUserGraphic>(CLSID_SRptUserGraphic);
    SComWrap<ISRptUserGraphic> second = Make<ISRptUserGraphic>(CLSID_SRptUserGraphic);
    second->PutZoomPerct(75);
    SComTable<ISRepObject> selection = Selection(first.Get());
    selection.Add(Selection(second.Get()).GetAt(0));
    EXPECT_EQ(first->IsItemSupportCommand(ID_RPT_ITEM_FORMAT), S_OK);
    for (uint32_t other : {ID_RPT_ITEM_EDIT, ID_RPT_ITEM_LAYOUT, ID_RPT_DISPLAY_ALL})
        EXPECT_EQ(first->IsItemSupportCommand(other), S_FALSE) << other;
    EXPECT_EQ(first->HandlePopupCommand(ID_RPT_ITEM_EDIT, selection, nullptr), S_FALSE);
    EXPECT_TRUE(Transcript().empty());

    script.Expect(SPrompt::Dialog, "209", DialogCancel())
        // Nothing chosen: each keeps its own placement.
        .Expect(SPrompt::Dialog, "209", DialogOK())
        .Expect(SPrompt::Dialog, "209",
                DialogOK({{SRptDlgGraphFormat::IDC_ZOOM, "0"},
                          {SRptDlgGraphFormat::IDC_AS_PARAGRAPH, "1"},
                          {SRptDlgGraphFormat::IDC_SEVERAL_PAGES, "1"}}))
        .Expect(SPrompt::Dialog, "209",
                DialogOK({{SRptDlgGraphFormat::IDC_ZOOM, "250"},
                          {SRptDlgGraphFormat::IDC_CENTERED, "1"},
                          {SRptDlgGraphFormat::IDC_ONE_PAGE, "1"}}));
    for (int32_t run = 0; run < 2; ++run) {
        EXPECT_EQ(first->HandlePopupCommand(ID_RPT_ITEM_FORMAT, selection, nullptr), S_OK);
        ExpectPlacement(first.Get(), 0, false, 2, 100);
        ExpectPlacement(second.Get(), 0, false, 2, 75);
    }
    // A zoom that is no positive number is 100.
    EXPECT_EQ(first->HandlePopupCommand(ID_RPT_ITEM_FORMAT, selection, nullptr), S_OK);
    ExpectPlacement(first.Get(), 0, true, 1, 100);
    ExpectPlacement(second.Get(), 0, true, 1, 100);
    // Over several pages the first "One page" click is not heard, and the one-page placement
    // cannot be chosen: only the zoom changes.
    EXPECT_EQ(first->HandlePopupCommand(ID_RPT_ITEM_FORMAT, selection, nullptr), S_OK);
    ExpectPlacement(first.Get(), 0, true, 1, 250);
    ExpectPlacement(second.Get(), 0, true, 1, 250);
    EXPECT_EQ(Transcript().back().caption, "Graph Format");

    // Only user graphics can be placed.
    SComWrap<ISRptItem> folder = Make(CLSID_SRptFolder);
    selection.Add(Selection(folder.Get()).GetAt(0));
    // The dialog fails as it opens, before it is shown.
    SModuleState* before = &SModuleState::GetCurrent();
    try {
        first->HandlePopupCommand(ID_RPT_ITEM_FORMAT, selection, nullptr);
        ADD_FAILURE() << "no exception";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_POINTER);
    }
    EXPECT_EQ(&SModuleState::GetCurrent(), before) << "the library's state is left current";
}

TEST_F(SRptUserGraphic, WithNothingSelectedFormatPlacesTheGraphicItself) {
    // The browsers hand a user graphic's command an empty selection.
    SComWrap<ISRptUserGraphic> graphic = Make<ISRptUserGraphic>(CLSID_SRptUserGraphic);
    script.Expect(SPrompt::Dialog, "209",
                  DialogOK({{SRptDlgGraphFormat::IDC_ZOOM, "150"}, {SRptDlgGraphFormat::IDC_AS_PARAGRAPH, "1"},
                            {SRptDlgGraphFormat::IDC_SEVERAL_PAGES, "1"}}));
    EXPECT_EQ(graphic->HandlePopupCommand(ID_RPT_ITEM_FORMAT, SComTable<ISRepObject>(), nullptr), S_OK);
    ExpectPlacement(graphic.Get(), 0, true, 1, 150);

    // A dialog over nothing does not open, and changes nothing.
    SRptItemEditor::GraphFormatDialog(SComTable<ISRepObject>());
    EXPECT_EQ(Transcript().size(), 1u);
    ExpectPlacement(graphic.Get(), 0, true, 1, 150);
}
