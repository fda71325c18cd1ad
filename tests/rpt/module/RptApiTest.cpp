// The exported functions, driven as a host module drives them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptModule.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "varod9/ISRptField.h"
#include "varod9/ISRptGroup.h"
#include "varod9/ISRptSink.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptFieldDef.h"
#include "varod9/RptTableDef.h"

namespace {

using RptApi = SRptModuleTestFixture;

// The one row of one cell that a form's or a list's description hands in.
struct STableRecords {
    explicit STableRecords(uint32_t cellSize) {
        cell.Size = cellSize;
        cell.DefaultText = "Name";
        cell.Enabled = 1;
        row.Enabled = 1;
        row.NbCells = 1;
        row.Cells = &cell;
    }
    void Into(RPTUSRITEMDEF& def) const {
        def.Table.NbRows = 1;
        def.Table.Rows = &row;
    }
    RPTTABLECELLDEF cell;
    RPTTABLEROWDEF row;
};

SComWrap<ISRptItem> RegisterItem(ISRptModule* module, RPTUSRITEMDEF def) {
    SComWrap<ISRptItem> item;
    EXPECT_EQ(RptRegisterItem(module, &def, &item), S_OK) << def.ItemID.str();
    return item;
}

SComWrap<ISRptField> RegisterField(ISRptModule* module, const char* moduleId, const char* name) {
    RPTFIELDDEF def;
    def.ModuleID = moduleId;
    def.FieldName = name;
    def.Value = "value";
    SComWrap<ISRptField> field;
    EXPECT_EQ(RptRegisterField(module, &def, &field), S_OK) << name;
    return field;
}

SString Text(ISRepObject* object, int32_t id) {
    SRepVariant value;
    EXPECT_EQ(object->GetAttribute(id, &value), S_OK);
    return value.GetText();
}

int32_t RefsOf(IUnknown* object) {
    object->AddRef();
    return static_cast<int32_t>(object->Release());
}

// A sink of a host module.
class STestSink final : public STestRefCounted<ISRptSink> {
public:
    HRESULT OnViewClosing(SShellView*) override { return S_OK; }
};

// A module of a host of its own, whose container cannot be had.
class SBrokenModule final : public STestRefCounted<ISRptModule> {
public:
    HRESULT GetLabel(SString&) noexcept override { return S_OK; }
    HRESULT SetLabel(const SString&) noexcept override { return S_OK; }
    uint8_t GetFlag() noexcept override { return 0; }
    HRESULT SetFlag(const uint8_t*) noexcept override { return S_OK; }
    HRESULT GetID(SString&) noexcept override { return E_FAIL; }
    HRESULT InitAvailableItems() noexcept override { return S_OK; }
    HRESULT AddAvailableItem(ISRptItem*) noexcept override { return S_OK; }
    HRESULT AddAvailableSubItem(ISRptItem*, ISRptItem*) noexcept override { return S_OK; }
    HRESULT GetSession(ISRepSession** pSession) noexcept override {
        *pSession = nullptr;
        return E_IOFAILURE;
    }
    HRESULT GetAvailableItems(ISRptAvailableItems** pAvailableItems) noexcept override {
        *pAvailableItems = nullptr;
        return E_IOFAILURE;
    }
    HRESULT AddField(ISRptField*) noexcept override { return S_OK; }
    HRESULT CreateAvailableItems(const SString&) noexcept override { return S_OK; }
    HRESULT GetClient(ISRptModuleClient** pClient) noexcept override {
        *pClient = nullptr;
        return S_OK;
    }
    HRESULT SetClient(ISRptModuleClient*) noexcept override { return S_OK; }
};

}  // namespace

TEST_F(RptApi, AHostModuleRegistersItsItemsAndFieldsAndUnregistersThem) {
    SComWrap<STestModuleClient> client(new STestModuleClient);
    client->onInit = [](ISRptModule* module) {
        RegisterItem(module, Describe("Sales", "CLIENTITEM", RPT_ITEMKIND_GRPTEXT, "Client's own"));
    };
    SComWrap<ISRptModule> sales;
    ASSERT_EQ(RptRegisterModule(client.Get(), "Sales", "Sales model", 1, &sales), S_OK);
    EXPECT_EQ(RefsOf(sales.Get()), 2);  // the list's and ours
    // A second registration of the id is refused and leaves the out-pointer alone.
    ISRptModule* const untouched = reinterpret_cast<ISRptModule*>(0x10);
    ISRptModule* second = untouched;
    EXPECT_EQ(RptRegisterModule(nullptr, "Sales", "Other", 0, &second), S_FALSE);
    EXPECT_EQ(second, untouched);
    EXPECT_EQ(globals->GetModuleList()->GetCount(), modulesBefore + 1);

    // Another module whose keys all come first, whatever their names.
    SComWrap<ISRptModule> alpha = Register("Alpha", "Alpha model");
    RegisterItem(alpha.Get(), Describe("Alpha", "zeta", RPT_ITEMKIND_FOLDER));
    RegisterItem(alpha.Get(), Describe("Alpha", "Zeta", RPT_ITEMKIND_FOLDER));

    SComWrap<ISRptItem> folder = RegisterItem(sales.Get(), Describe("Sales", "FOLDER", RPT_ITEMKIND_FOLDER, "Folder"));
    EXPECT_EQ(client->modules.size(), 1u);  // the first registration set the items up
    RPTUSRITEMDEF listDef = Describe("Sales", "LIST", RPT_ITEMKIND_LIST);
    const STableRecords listRecords(RPTTABLECELLDEF_SIZE_LIST);
    listRecords.Into(listDef);
    RegisterItem(sales.Get(), listDef);
    RPTUSRITEMDEF formDef = Describe("Sales", "FORM", RPT_ITEMKIND_FORM);
    const STableRecords formRecords(RPTTABLECELLDEF_SIZE_FORM);
    formRecords.Into(formDef);
    RegisterItem(sales.Get(), formDef);
    RegisterItem(sales.Get(), Describe("Sales", "GRPTEXT", RPT_ITEMKIND_GRPTEXT));
    RegisterItem(sales.Get(), Describe("Sales", "GRPTITLE", RPT_ITEMKIND_GRPTITLE));
    SComWrap<ISRptItem> graphic = RegisterItem(sales.Get(), Describe("Sales", "GRAPHIC", RPT_ITEMKIND_USERGRAPHIC));
    EXPECT_EQ(client->modules.size(), 1u);

    // A sub-item of the folder: the description names the folder's group.
    RPTUSRITEMDEF subDef = Describe("Sales", "SUBTEXT", RPT_ITEMKIND_GRPTEXT);
    SComWrap<ISRptItem> sub;
    ASSERT_EQ(RptRegisterSubItem(sales.Get(), folder.Get(), &subDef, &sub), S_OK);
    SComWrap<ISRptGroup> group;
    group = folder;
    EXPECT_EQ(subDef.ParentGroup, group.Get());
    EXPECT_EQ(ChildIds(folder.Get()), std::vector<std::string>{"SUBTEXT"});

    // Kind word 6 creates nothing.
    RPTUSRITEMDEF nothing = Describe("Sales", "NOTHING", 6);
    ISRptItem* none = reinterpret_cast<ISRptItem*>(0x10);
    EXPECT_EQ(RptRegisterItem(sales.Get(), &nothing, &none), S_FALSE);
    EXPECT_EQ(none, nullptr);
    none = reinterpret_cast<ISRptItem*>(0x10);
    EXPECT_EQ(RptRegisterSubItem(sales.Get(), folder.Get(), &nothing, &none), S_FALSE);
    EXPECT_EQ(none, nullptr);

    SComWrap<ISRptField> author = RegisterField(sales.Get(), "Sales", "Author");
    RegisterField(sales.Get(), "Sales", "Model");
    RegisterField(alpha.Get(), "Alpha", "Author");
    EXPECT_EQ(author->GetValue(), "value");

    // The container: the six built-in items, the client's, then those registered.
    SComWrap<ISRptAvailableItems> container = ContainerOf(sales.Get());
    EXPECT_EQ(ChildIds(container.Get()),
              (std::vector<std::string>{"TBLCTS", "TITLE", "TEXT", "TEXTFILE", "GRAPHICFILE", "PAGEBREAK", "CLIENTITEM",
                                        "FOLDER", "LIST", "FORM", "GRPTEXT", "GRPTITLE", "GRAPHIC"}));
    // Each registered item is its own registered item, and its table row holds a reference.
    SComWrap<ISRptItem> registered;
    ASSERT_EQ(graphic->GetRegisteredItem(&registered), S_OK);
    EXPECT_TRUE(registered.IsEqualObject(graphic.Get()));
    registered.Clear();
    EXPECT_EQ(RefsOf(graphic.Get()), 3);  // the container's, the row's and ours

    // Both tables in the byte order of their keys: module id first, then the name.
    const std::vector<std::string> alphaItems = {"Alpha/GRAPHICFILE", "Alpha/PAGEBREAK", "Alpha/TBLCTS", "Alpha/TEXT",
                                                 "Alpha/TEXTFILE",    "Alpha/TITLE",     "Alpha/Zeta",   "Alpha/zeta"};
    std::vector<std::string> expected = alphaItems;
    for (const char* id : {"CLIENTITEM", "FOLDER", "FORM", "GRAPHIC", "GRAPHICFILE", "GRPTEXT", "GRPTITLE", "LIST",
                           "PAGEBREAK", "SUBTEXT", "TBLCTS", "TEXT", "TEXTFILE", "TITLE"})
        expected.push_back(std::string("Sales/") + id);
    EXPECT_EQ(ItemKeys(), expected);
    EXPECT_EQ(FieldKeys(), (std::vector<std::string>{"Alpha/Author", "Sales/Author", "Sales/Model"}));

    // Unregistering removes that module's rows and nothing else.
    container.Clear();
    EXPECT_EQ(RptUnregisterModule(sales.Get()), S_OK);
    EXPECT_EQ(ItemKeys(), alphaItems);
    EXPECT_EQ(FieldKeys(), std::vector<std::string>{"Alpha/Author"});
    EXPECT_FALSE(globals->GetModuleList()->Contains("Sales"));
    EXPECT_EQ(RptUnregisterModule(sales.Get()), S_FALSE);
    EXPECT_EQ(RptUnregisterModule(nullptr), E_POINTER);
}

TEST_F(RptApi, NullOutPointersAndMissingArguments) {
    SComWrap<ISRptModule> module = Register("Sales", "Sales model");
    RPTUSRITEMDEF def = Describe("Sales", "FOLDER", RPT_ITEMKIND_FOLDER);
    RPTFIELDDEF fieldDef;
    EXPECT_EQ(RptRegisterModule(nullptr, "Other", "Other", 0, nullptr), E_POINTER);
    EXPECT_EQ(RptRegisterItem(module.Get(), &def, nullptr), E_POINTER);
    EXPECT_EQ(RptRegisterSubItem(module.Get(), nullptr, &def, nullptr), E_POINTER);
    EXPECT_EQ(RptRegisterField(module.Get(), &fieldDef, nullptr), E_POINTER);
    SComWrap<ISRptField> field;
    EXPECT_EQ(RptRegisterField(nullptr, &fieldDef, &field), E_POINTER);
    EXPECT_EQ(RptRetrieveModuleIDFromLabel("Sales model", nullptr), E_POINTER);
    EXPECT_EQ(RptRetrieveModuleFromLabel("Sales model", nullptr), E_POINTER);
    EXPECT_EQ(RptCreateTemplate("Sales", "Report", nullptr, nullptr), E_POINTER);
    EXPECT_EQ(RptAddItem(nullptr, &def, nullptr), E_POINTER);
    SComWrap<ISRptItem> item;
    EXPECT_EQ(RptAddItem(nullptr, &def, &item), E_INVALIDARG);
    EXPECT_EQ(RptAddItem(ContainerOf(module.Get()).Get(), nullptr, &item), E_INVALIDARG);
    EXPECT_EQ(RptGenerateReport(nullptr, nullptr, 0), E_INVALIDARG);
    EXPECT_EQ(RptPreviewReport(nullptr, nullptr, nullptr), E_INVALIDARG);

    // A field without a description creates nothing.
    EXPECT_EQ(RptRegisterField(module.Get(), nullptr, &field), E_INVALIDARG);
    EXPECT_FALSE(field);
    EXPECT_EQ(static_cast<SRptModule*>(module.Get())->GetFieldCount(), 0);
    EXPECT_EQ(globals->GetModuleFieldTable()->GetCount(), fieldRowsBefore);
}

TEST_F(RptApi, NoExceptionLeavesAFunctionItsCodeComesOutWithNullOutPointers) {
    // A module that was never set up has no id: the failure inside becomes E_POINTER.
    SComWrap<ISRptModule> bare;
    bare.Attach(new SRptModule);
    EXPECT_EQ(RptUnregisterModule(bare.Get()), E_POINTER);
    // A host's module that fails: its code, and nothing handed out.
    SComWrap<SBrokenModule> broken(new SBrokenModule);
    RPTUSRITEMDEF def = Describe("Sales", "FOLDER", RPT_ITEMKIND_FOLDER);
    ISRptItem* item = reinterpret_cast<ISRptItem*>(0x10);
    EXPECT_EQ(RptRegisterItem(broken.Get(), &def, &item), E_IOFAILURE);
    EXPECT_EQ(item, nullptr);
    item = reinterpret_cast<ISRptItem*>(0x10);
    EXPECT_EQ(RptRegisterSubItem(broken.Get(), nullptr, &def, &item), E_IOFAILURE);
    EXPECT_EQ(item, nullptr);
    RPTFIELDDEF fieldDef;
    ISRptField* field = reinterpret_cast<ISRptField*>(0x10);
    EXPECT_EQ(RptRegisterField(broken.Get(), &fieldDef, &field), E_IOFAILURE);
    EXPECT_EQ(field, nullptr);
    EXPECT_EQ(RptUnregisterModule(broken.Get()), E_FAIL);
}

TEST_F(RptApi, ItemsAddedToAContainerWithoutRegistration) {
    SComWrap<ISRptModule> module = Register("Sales", "Sales model");
    SComWrap<ISRptAvailableItems> container = ContainerOf(module.Get());
    const int32_t rows = globals->GetModuleItemTable()->GetCount();

    RPTUSRITEMDEF listDef = Describe("Sales", "LIST", RPT_ITEMKIND_LIST);
    const STableRecords records(RPTTABLECELLDEF_SIZE_LIST);
    records.Into(listDef);
    SComWrap<ISRptItem> list;
    ASSERT_EQ(RptAddItem(container.Get(), &listDef, &list), S_OK);
    EXPECT_EQ(list->GetClassID(), MakeGUID("{A6BAC8E4-B730-11D1-8898-00A02455633B}"));
    EXPECT_EQ(ChildIds(container.Get()).back(), "LIST");
    EXPECT_EQ(globals->GetModuleItemTable()->GetCount(), rows);  // not registered

    RPTUSRITEMDEF nothing = Describe("Sales", "NOTHING", 6);
    SComWrap<ISRptItem> none;
    EXPECT_EQ(RptAddItem(container.Get(), &nothing, &none), S_FALSE);
    EXPECT_FALSE(none);

    // Under a parent that is no group: nothing.
    RPTUSRITEMDEF sub = Describe("Sales", "SUB", RPT_ITEMKIND_GRPTEXT);
    EXPECT_EQ(RptAddSubItem(container.Get(), list.Get(), &sub, &none), S_FALSE);
    EXPECT_FALSE(none);
    EXPECT_EQ(ChildIds(list.Get()), std::vector<std::string>{});
    EXPECT_EQ(sub.ParentGroup, nullptr);
    // Without a parent: an item of the container.
    ASSERT_EQ(RptAddSubItem(container.Get(), nullptr, &sub, &none), S_OK);
    EXPECT_EQ(ChildIds(container.Get()).back(), "SUB");
}

TEST_F(RptApi, AdviseRecordsASinkOnceAndUnadviseForgetsIt) {
    SComWrap<STestSink> sink(new STestSink);
    EXPECT_EQ(RptUnadvise(sink.Get()), S_FALSE);
    EXPECT_EQ(RptAdvise(sink.Get()), S_OK);
    EXPECT_EQ(RptAdvise(sink.Get()), S_OK);
    EXPECT_EQ(globals->GetSinkMap()->GetCount(), 1);
    ISRptSink* recorded = nullptr;
    EXPECT_TRUE(globals->GetSinkMap()->Lookup(sink.Get(), recorded));
    EXPECT_EQ(recorded, sink.Get());
    EXPECT_EQ(sink->RefCount(), 1);  // the map holds no reference
    EXPECT_EQ(RptUnadvise(sink.Get()), S_OK);
    EXPECT_EQ(RptUnadvise(sink.Get()), S_FALSE);
    EXPECT_EQ(globals->GetSinkMap()->GetCount(), 0);
}

TEST_F(RptApi, ModulesAreFoundByTheirLabel) {
    SComWrap<ISRptModule> sales = Register("Sales", "Sales model");
    Register("Stock", "Stock model");
    SString id = "unchanged";
    EXPECT_EQ(RptRetrieveModuleIDFromLabel("Stock model", &id), S_OK);
    EXPECT_EQ(id, "Stock");
    EXPECT_EQ(RptRetrieveModuleIDFromLabel("stock model", &id), S_FALSE);
    EXPECT_EQ(id, "Stock");

    SComWrap<ISRptModule> found;
    EXPECT_EQ(RptRetrieveModuleFromLabel("Sales model", &found), S_OK);
    EXPECT_EQ(found.Get(), sales.Get());
    EXPECT_EQ(RefsOf(sales.Get()), 3);  // the list's, ours and the one found
    EXPECT_EQ(RptRetrieveModuleFromLabel("", &found), S_FALSE);
    EXPECT_FALSE(found);
    EXPECT_EQ(RptRetrieveModuleFromLabel("Nobody", &found), S_FALSE);
    EXPECT_FALSE(found);
}

TEST_F(RptApi, CreateTemplateGivesASessionWithOneReportHoldingOneTemplateOfTheModule) {
    SComWrap<STestModuleClient> client(new STestModuleClient);
    SComWrap<ISRptModule> module = Register("Sales", "Sales model", client.Get());
    RegisterItem(module.Get(), Describe("Sales", "FOLDER", RPT_ITEMKIND_FOLDER));

    SComWrap<ISRepSession> session;
    SComWrap<ISRepObject> reportObject;
    ASSERT_EQ(RptCreateTemplate("Sales", "Quarterly", &session, &reportObject), S_OK);
    ASSERT_TRUE(session);
    ASSERT_TRUE(reportObject);
    EXPECT_EQ(session->IsOpen(), S_OK);
    EXPECT_EQ(session->IsModified(), S_FALSE);
    SComWrap<ISRepObject> root;
    session->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&root));
    EXPECT_TRUE(root.IsEqualObject(reportObject.Get()));

    SComWrap<ISRptReport> report;
    report = reportObject;
    ASSERT_TRUE(report);
    EXPECT_EQ(Text(reportObject.Get(), SREP_DISPID_NAME), "Quarterly");
    EXPECT_EQ(Text(reportObject.Get(), SREP_DISPID_CODE), "Quarterly");
    int32_t count = 0;
    EXPECT_EQ(report->GetTemplatesCount(&count), S_OK);
    EXPECT_EQ(count, 1);
    SComWrap<ISRptTemplate> reportTemplate;
    ASSERT_EQ(report->GetTemplateAtPos(0, &reportTemplate), S_OK);
    EXPECT_EQ(reportTemplate->GetModuleID(), "Sales");
    EXPECT_EQ(reportTemplate->GetItemID(), "TEMPLATE");
    EXPECT_EQ(Text(reportTemplate.Get(), SREP_DISPID_NAME), "Quarterly");
    EXPECT_TRUE(SComWrap<IUnknown>(reportTemplate->GetParentReport()).IsEqualObject(reportObject.Get()));

    // The report took a copy of the module's available items.
    SComWrap<ISRptAvailableItems> copy;
    ASSERT_EQ(report->GetAvailableItemsOfModule("Sales", &copy), S_OK);
    EXPECT_EQ(ChildIds(copy.Get()),
              (std::vector<std::string>{"TBLCTS", "TITLE", "TEXT", "TEXTFILE", "GRAPHICFILE", "PAGEBREAK", "FOLDER"}));
    EXPECT_FALSE(copy.IsEqualObject(ContainerOf(module.Get()).Get()));
    EXPECT_EQ(client->modules.size(), 1u);

    copy.Clear();
    reportTemplate.Clear();
    report.Clear();
    root.Clear();
    reportObject.Clear();
    EXPECT_EQ(session->Close(), S_OK);
}

TEST_F(RptApi, TheRemainingFunctionsAnswerAsTheyDo) {
    SComWrap<ISRptModule> module = Register("Sales", "Sales model");
    SComWrap<ISRptAvailableItems> container = ContainerOf(module.Get());
    ISRptAvailableItems* made = reinterpret_cast<ISRptAvailableItems*>(0x10);
    EXPECT_EQ(RptCreateRptAvailableItems("Sales", &made), S_OK);
    EXPECT_EQ(RptEditTemplate(), S_FALSE);
    EXPECT_EQ(RptDestroyRptAvailableItems(nullptr), S_FALSE);

    // Deleting a module's container deletes its items; the answer is S_FALSE all the same.
    SComWrap<ISRptItem> first;
    first = static_cast<IUnknown*>(container->Items().Item(0).Get());
    EXPECT_EQ(RptDestroyRptAvailableItems(container.Get()), S_FALSE);
    EXPECT_EQ(container->Items().GetCount(), 0);
    SComWrap<ISRptItem> parent;
    EXPECT_EQ(first->GetParentItem(&parent), S_FALSE);

    // The shell module's editors and template files refuse missing arguments.
    SShellView* view = reinterpret_cast<SShellView*>(0x10);
    EXPECT_EQ(CreateViewReportTemplateEditor(nullptr, &view), E_INVALIDARG);
    EXPECT_EQ(view, reinterpret_cast<SShellView*>(0x10));
    EXPECT_EQ(ReadTemplatesFromFile("a.rtp", nullptr, nullptr), E_POINTER);
}
