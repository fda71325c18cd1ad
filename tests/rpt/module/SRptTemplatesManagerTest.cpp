// The templates folder: where it is, how the user changes it, which of its template files are
// listed, and the templates manager's own save and load of template files.
#include <gtest/gtest.h>

#include "platform/base/SECOMException.h"
#include "platform/base/SFile.h"
#include "platform/base/SRegistry.h"
#include "platform/base/SSettingsStore.h"
#include "platform/base/SUserRegistry.h"
#include "platform/repo/SRepDocumentLimits.h"
#include "platform/repo/SRepSession.h"
#include "platform/ui/SScriptedInteraction.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/module/SRptStartup.h"
#include "rpt/module/SRptTemplateLoadSaveManager.h"
#include "rpt/module/SRptTemplatesManager.h"
#include "support/STestFileSizeLimit.h"
#include "support/STestTempFolder.h"
#include "support/STestTemplateReport.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"
#include "varod9/RptTableDef.h"

using namespace stest_template_report;

namespace {

class SRptTemplatesManagerTest : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        SSettingsStore::Get().Clear();
        SInteraction::ClearTranscript();
        previousScript = SInteraction::SetScript(&script);
        templates = globals->GetTemplatesManager();
        ASSERT_NE(templates, nullptr);
        ASSERT_EQ(SRepSession::Create("document", &session), S_OK);
        report = MakeFullReport(session.Get());
        ASSERT_TRUE(report);
        reportFace = static_cast<IUnknown*>(report.Get());
    }
    void TearDown() override {
        reportFace.Clear();
        report.Clear();
        session->Close();
        for (auto& other : opened) other->Close();
        opened.clear();
        SInteraction::SetScript(previousScript);
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete());
        SSettingsStore::Get().Clear();
        SRptModuleTestFixture::TearDown();
    }
    static void SetFolder(HKEY root, const SString& value) {
        SRegistry(root, SUserRegistry::sApplicationPaths, 1).WriteProfile(RPT_TEMPLATES_PATH_VALUE, value);
    }
    static SString UserFolder() {
        SString value = "<none>";
        SRegistry(HKEY_CURRENT_USER, SUserRegistry::sApplicationPaths, 0).GetProfile(RPT_TEMPLATES_PATH_VALUE, &value, "<none>");
        return value;
    }
    // Loads a template file, keeping the session to close it at the end.
    HRESULT Load(const SString& path, SComWrap<ISRepObject>& root) {
        SComWrap<ISRepSession> loaded;
        const HRESULT hr = templates->LoadTemplate(path, &loaded, &root);
        if (loaded) opened.push_back(loaded);
        return hr;
    }
    static std::vector<std::string> Names(const SStringMap& list) {
        std::vector<std::string> names;
        for (SStringMap::Iterator it(list); !it.IsEnd(); it.Next()) names.push_back(it.GetKey().str());
        return names;
    }

    SScriptedInteraction script;
    SInteractionScript* previousScript = nullptr;
    SRptTemplatesManager* templates = nullptr;
    STestTempFolder folder;
    SComWrap<ISRepSession> session;
    std::vector<SComWrap<ISRepSession>> opened;
    SComWrap<ISRepObject> report;
    SComWrap<ISRptReport> reportFace;
};

}  // namespace

TEST_F(SRptTemplatesManagerTest, TheFolderComesFromTheUserThenTheMachineAndEndsWithASlash) {
    EXPECT_EQ(templates->GetTemplatesPath(), "./");
    SetFolder(HKEY_LOCAL_MACHINE, "/machine/templates");
    EXPECT_EQ(templates->GetTemplatesPath(), "/machine/templates/");
    // The machine's value was copied to the user.
    EXPECT_EQ(UserFolder(), "/machine/templates");
    SetFolder(HKEY_CURRENT_USER, "/user/templates/");
    EXPECT_EQ(templates->GetTemplatesPath(), "/user/templates/");
    SetFolder(HKEY_CURRENT_USER, "");
    EXPECT_EQ(templates->GetTemplatesPath(), "");
}

TEST_F(SRptTemplatesManagerTest, ChangingTheFolderStoresTheChoiceAsItComes) {
    SetFolder(HKEY_CURRENT_USER, folder.GetPath());
    script.Expect(SPrompt::FolderDialog, folder.GetPath(), SAnswer());
    EXPECT_EQ(templates->ChangeTemplatesPath(nullptr), 0);
    EXPECT_EQ(UserFolder(), folder.GetPath());
    SAnswer chosen;
    chosen.button = IDOK;
    chosen.path = "/chosen/folder";
    script.Expect(SPrompt::FolderDialog, "", chosen);
    EXPECT_EQ(templates->ChangeTemplatesPath(nullptr), 1);
    EXPECT_EQ(UserFolder(), "/chosen/folder");
    ASSERT_EQ(SInteraction::GetTranscript().size(), 2u);
    EXPECT_EQ(SInteraction::GetTranscript()[1].caption, "Choose report templates path");
}

TEST_F(SRptTemplatesManagerTest, TheListHoldsTheTemplatesOfRegisteredModules) {
    SComWrap<ISRptModule> mod = Register("MOD", "Module");
    SComWrap<ISRptModule> other = Register("OTHER", "Other module");
    SetFolder(HKEY_CURRENT_USER, folder.GetPath());
    ASSERT_EQ(templates->SaveTemplate(folder.PathOf("first.rtp"), reportFace.Get()), S_OK);
    // A binary template of another module, and one of a module nobody registered.
    SComWrap<ISLoadSaveManager> manager;
    globals->GetRptShellModule()->GetLoadSaveManager(&manager);
    SComWrap<ISRptTemplate> first;
    reportFace->GetTemplateAtPos(0, &first);
    first->PutName("Binary");
    first->PutModuleID("OTHER");
    ASSERT_EQ(manager->Save(nullptr, folder.PathOf("binary.RTP"), report.Get(), "RPT-TEMPLATE", nullptr), S_OK);
    first->PutName("Ghost");
    first->PutModuleID("GHOST");
    ASSERT_EQ(templates->SaveTemplate(folder.PathOf("ghost.rtp"), reportFace.Get()), S_OK);
    // Signatures that lack a part, a file that has none, a file of another pattern.
    const std::string head = "<?xml version=\"1.0\"?><Repository><Signature type=\"RPT_TEMPLATE\" version=\"9.0.0\">";
    STestTempFolder::WriteFile(folder.PathOf("noname.rtp"), head + "<Entry key=\"ModuleID\">MOD</Entry></Signature>");
    STestTempFolder::WriteFile(folder.PathOf("nomodule.rtp"), head + "<Entry key=\"Name\">Lost</Entry></Signature>");
    STestTempFolder::WriteFile(folder.PathOf("junk.rtp"), "RTP\0 not a template");
    ASSERT_EQ(templates->SaveTemplate(folder.PathOf("elsewhere.xml"), reportFace.Get()), S_OK);

    SStringMap all;
    EXPECT_EQ(templates->GetTemplatesList("ALL", all), 1);
    EXPECT_EQ(Names(all), (std::vector<std::string>{"Binary", "First template"}));
    SString where;
    EXPECT_TRUE(all.Lookup("First template", where));
    EXPECT_EQ(where, folder.PathOf("first.rtp"));
    SStringMap others;
    EXPECT_EQ(templates->GetTemplatesList("OTHER", others), 1);
    EXPECT_EQ(Names(others), std::vector<std::string>{"Binary"});
    SStringMap none;
    EXPECT_EQ(templates->GetTemplatesList("all", none), 1);
    EXPECT_TRUE(none.IsEmpty());
}

TEST_F(SRptTemplatesManagerTest, ASavedTemplateLoadsBackIntoANewSession) {
    SComWrap<ISRptModule> mod = Register("MOD", "Module");
    SComWrap<ISRptModule> other = Register("OTHER", "Other module");
    const SString path = folder.PathOf("saved.rtp");
    ASSERT_EQ(templates->SaveTemplate(path, reportFace.Get()), S_OK);
    SString type, version;
    SStringMap map;
    ASSERT_TRUE(SRepLoadSaveManager::GetRepXMLSignature(path, &type, &map, &version));
    EXPECT_EQ(type, "RPT_TEMPLATE");
    EXPECT_NE(STestTempFolder::ReadFile(path).find("<Model>"), std::string::npos);
    EXPECT_FALSE(SFile::Exists(folder.PathOf("saved.rtb")));  // no backup on this road

    SComWrap<ISRepObject> root;
    ASSERT_EQ(Load(path, root), S_OK);
    SComWrap<ISRptReport> loaded;
    loaded = static_cast<IUnknown*>(root.Get());
    ASSERT_TRUE(loaded);
    int32_t count = 0;
    loaded->GetTemplatesCount(&count);
    EXPECT_EQ(count, 2);
    SComWrap<ISRptTemplate> first;
    loaded->GetTemplateAtPos(0, &first);
    EXPECT_EQ(first->GetName(), "First template");
    SString format;
    opened.back()->GetFormatName(&format);
    EXPECT_EQ(format, "RPT_TEMPLATE");
    EXPECT_EQ(opened.back()->IsModified(), S_FALSE);

    // The binary form loads too.
    SComWrap<ISLoadSaveManager> manager;
    globals->GetRptShellModule()->GetLoadSaveManager(&manager);
    const SString binary = folder.PathOf("binary.rtp");
    ASSERT_EQ(manager->Save(nullptr, binary, report.Get(), "RPT-TEMPLATE", nullptr), S_OK);
    SComWrap<ISRepObject> binaryRoot;
    ASSERT_EQ(Load(binary, binaryRoot), S_OK);
    EXPECT_TRUE(binaryRoot);
}

TEST_F(SRptTemplatesManagerTest, LoadingRefusesMissingPointersAndFilesOfNoTemplateForm) {
    SComWrap<ISRepSession> loaded;
    SComWrap<ISRepObject> root;
    const SString path = folder.PathOf("junk.rtp");
    EXPECT_EQ(templates->LoadTemplate(path, nullptr, &root), E_POINTER);
    EXPECT_EQ(templates->LoadTemplate(path, &loaded, nullptr), E_POINTER);
    STestTempFolder::WriteFile(path, "no template at all");
    EXPECT_EQ(Load(path, root), E_FAIL);
    EXPECT_EQ(Load(folder.PathOf("missing.rtp"), root), E_FAIL);
    EXPECT_FALSE(root);
    EXPECT_TRUE(opened.empty());
}

TEST_F(SRptTemplatesManagerTest, ASaveThatCannotCompleteLeavesThePreviousFile) {
    const SString path = folder.PathOf("kept.rtp");
    STestTempFolder::WriteFile(path, "previous");
    {
        // The file cannot grow as the template needs: the user is told what failed.
        STestFileSizeLimit limit(1024);
        script.ExpectMessage(path);
        EXPECT_EQ(templates->SaveTemplate(path, reportFace.Get()), static_cast<HRESULT>(0x8000FFFF));
    }
    EXPECT_TRUE(script.IsComplete());
    EXPECT_EQ(STestTempFolder::ReadFile(path), "previous");
    // A report without templates: refused before the file is touched.
    SComWrap<ISRepClassCol> all;
    report->GetCollection(kTemplates, &all);
    all->DeleteAll();
    const SString fresh = folder.PathOf("fresh.rtp");
    try {
        templates->SaveTemplate(fresh, reportFace.Get());
        ADD_FAILURE() << "no exception";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_POINTER);
    }
    EXPECT_FALSE(SFile::Exists(fresh));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kept.rtp"});
}

TEST_F(SRptTemplatesManagerTest, ATemplateAsDeepAsReadersTakeSavesAndOneLevelMoreLeavesThePreviousFile) {
    SComWrap<ISRepObject> innermost = NestFolders(report.Get(), SRepDocumentLimits::kMaxDepth);
    ASSERT_TRUE(innermost);
    const SString path = folder.PathOf("deep.rtp");
    ASSERT_EQ(templates->SaveTemplate(path, reportFace.Get()), S_OK);
    SComWrap<ISLoadSaveManager> manager;
    globals->GetRptShellModule()->GetLoadSaveManager(&manager);
    SComWrap<ISRepSession> loaded;
    ASSERT_EQ(SRepSession::Create("loaded", &loaded), S_OK);
    opened.push_back(loaded);
    ASSERT_EQ(manager->Load(nullptr, path, nullptr, loaded.Get(), nullptr, nullptr), S_OK);
    EXPECT_EQ(DumpModel(loaded.Get()), DumpModel(session.Get()));

    ASSERT_TRUE(Item(innermost.Get(), 0xD6, "DEEPER"));
    const std::string before = STestTempFolder::ReadFile(path);
    EXPECT_EQ(templates->SaveTemplate(path, reportFace.Get()), E_INVALIDARG);
    EXPECT_EQ(STestTempFolder::ReadFile(path), before);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"deep.rtp"});
}

namespace {

// The first cell of the first row of the first template's list.
SComWrap<ISRepObject> FirstListCell(ISRepObject* report) {
    SComWrap<ISRepObject> result;
    SComWrap<ISRepClassCol> templates, items, rows, cells;
    SComWrap<ISRepObject> first, row;
    report->GetCollection(kTemplates, &templates);
    if (!templates || FAILED(templates->Item(0, &first)) || !first) return result;
    first->GetCollection(kItems, &items);
    int32_t count = 0;
    items->GetCount(&count);
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRepObject> item;
        items->Item(i, &item);
        if (!item || item->GetClassID() != Rpt(0xE4)) continue;
        item->GetCollection(kRows, &rows);
        if (!rows || FAILED(rows->Item(0, &row)) || !row) return result;
        row->GetCollection(kCells, &cells);
        if (cells) cells->Item(0, &result);
        return result;
    }
    return result;
}

int32_t CellId(ISRepObject* report) {
    SComWrap<ISRepObject> cell = FirstListCell(report);
    SRepVariant value;
    if (!cell || FAILED(cell->GetAttribute(0x02006944, &value))) return -1;  // CellID
    return value.GetInt();
}

}  // namespace

TEST_F(SRptTemplatesManagerTest, AFileOfAnOlderVersionIsRepairedAsItIsRead) {
    SComWrap<ISRptModule> mod = Register("MOD", "Module");
    SComWrap<ISRptModule> other = Register("OTHER", "Other module");
    // The module offers the list, so that loading keeps it.
    RPTTABLECELLDEF cellDef;
    cellDef.Size = RPTTABLECELLDEF_SIZE_LIST;
    cellDef.DefaultText = "Name";
    cellDef.Enabled = 1;
    cellDef.CellID = 0x02001541;
    RPTTABLEROWDEF rowDef;
    rowDef.Enabled = 1;
    rowDef.NbCells = 1;
    rowDef.Cells = &cellDef;
    RPTUSRITEMDEF listDef = Describe("MOD", "LIST", RPT_ITEMKIND_LIST);
    listDef.Table.NbRows = 1;
    listDef.Table.Rows = &rowDef;
    SComWrap<ISRptItem> list;
    ASSERT_EQ(RptRegisterItem(mod.Get(), &listDef, &list), S_OK);
    // A cell showing an attribute by its id of an older metamodel.
    SComWrap<ISRepObject> cell = FirstListCell(report.Get());
    ASSERT_TRUE(cell);
    SRepVariant oldId;
    oldId.SetInt(0x02001541);
    ASSERT_EQ(cell->SetAttribute(0x02006944, oldId), S_OK);
    const SString current = folder.PathOf("current.rtp");
    ASSERT_EQ(templates->SaveTemplate(current, reportFace.Get()), S_OK);
    std::string text = STestTempFolder::ReadFile(current);
    const size_t at = text.find("version=\"9.0.0\"");
    ASSERT_NE(at, std::string::npos);
    const SString older = folder.PathOf("older.rtp");
    STestTempFolder::WriteFile(older, text.replace(at, 15, "version=\"8.0.1\""));

    SComWrap<ISRepObject> fromCurrent, fromOlder;
    ASSERT_EQ(Load(current, fromCurrent), S_OK);
    ASSERT_EQ(Load(older, fromOlder), S_OK);
    EXPECT_EQ(CellId(fromCurrent.Get()), 0x02001541);
    EXPECT_EQ(CellId(fromOlder.Get()), 0x0200000A);
}

namespace {

// A host module whose items are registered when they are first needed, as a host does that
// registers its module at start-up.
class SLazyModule {
public:
    SLazyModule() : m_client(new STestModuleClient) {
        m_client->onInit = [](ISRptModule* module) {
            const std::pair<const char*, int32_t> items[] = {
                {"FOLDER", RPT_ITEMKIND_FOLDER}, {"GRPTEXT", RPT_ITEMKIND_GRPTEXT}, {"GRPTITLE", RPT_ITEMKIND_GRPTITLE}};
            for (const auto& [id, kind] : items) {
                RPTUSRITEMDEF def;
                def.ModuleID = "MOD";
                def.ItemID = id;
                def.Label = id;
                def.Kind = kind;
                SComWrap<ISRptItem> item;
                EXPECT_EQ(RptRegisterItem(module, &def, &item), S_OK) << id;
            }
        };
        EXPECT_EQ(RptRegisterModule(m_client.Get(), "MOD", "Module", 1, &m_module), S_OK);
    }
    ~SLazyModule() { RptUnregisterModule(m_module.Get()); }
    SLazyModule(const SLazyModule&) = delete;
    SLazyModule& operator=(const SLazyModule&) = delete;

    ISRptModule* Get() const { return m_module.Get(); }
    // Whether the module's items have been set up.
    bool IsSetUp() const { return !m_client->modules.empty(); }

private:
    SComWrap<STestModuleClient> m_client;
    SComWrap<ISRptModule> m_module;
};

// Starts the library afresh: nothing of the process's earlier work is set up any more.
void RestartLibrary() {
    SRptStartup::ProcessDetach();
    SRptStartup::ProcessAttach(nullptr);
}

// The item ids of the report's first template's items.
std::vector<std::string> TemplateItemIds(ISRptReport* report) {
    SComWrap<ISRptTemplate> first;
    if (!report || FAILED(report->GetTemplateAtPos(0, &first)) || !first) return {"<no template>"};
    return SRptChildTexts(first.Get());
}

}  // namespace

TEST(SRptTemplatesManagerFreshLibrary, ATemplateLoadedFirstThingKeepsEveryItemOfItsModule) {
    RestartLibrary();
    STestTempFolder folder;
    const SString xml = folder.PathOf("fresh.rtp");
    const SString binary = folder.PathOf("fresh-binary.rtp");
    const std::vector<std::string> placed = {"TEXT", "GRPTEXT", "FOLDER", "PAGEBREAK", "GRPTITLE", "TITLE"};
    {
        SLazyModule module;
        SComWrap<ISRepSession> session;
        SComWrap<ISRepObject> root;
        ASSERT_EQ(RptCreateTemplate("MOD", "Fresh", &session, &root), S_OK);
        SComWrap<ISRptReport> report;
        report = static_cast<IUnknown*>(root.Get());
        SComWrap<ISRptTemplate> first;
        report->GetTemplateAtPos(0, &first);
        SComWrap<ISRptAvailableItems> offered;
        ASSERT_EQ(module.Get()->GetAvailableItems(&offered), S_OK);
        for (const std::string& id : placed) {
            SRepClassColPtr items = offered->Items();
            for (int32_t i = 0; i < items.GetCount(); ++i) {
                SComWrap<ISRptItem> item;
                item = static_cast<IUnknown*>(items.Item(i).Get());
                if (!item || item->GetItemID() != id.c_str()) continue;
                SComWrap<ISRptItem> copy;
                EXPECT_EQ(first->AddTemplateItem(item.Get(), first.Get(), -1, &copy), S_OK) << id;
            }
        }
        ASSERT_EQ(TemplateItemIds(report.Get()), placed);
        SComWrap<ISLoadSaveManager> manager;
        GetRptGlobalsContainer()->GetRptShellModule()->GetLoadSaveManager(&manager);
        ASSERT_EQ(GetRptGlobalsContainer()->GetTemplatesManager()->SaveTemplate(xml, report.Get()), S_OK);
        ASSERT_EQ(manager->Save(nullptr, binary, root.Get(), "RPT-TEMPLATE", nullptr), S_OK);
        first.Clear();
        report.Clear();
        root.Clear();
        session->Close();
    }
    for (const SString& path : {xml, binary}) {
        RestartLibrary();
        SLazyModule module;
        ASSERT_FALSE(module.IsSetUp());
        SComWrap<ISRepSession> session;
        SComWrap<ISRepObject> root;
        ASSERT_EQ(GetRptGlobalsContainer()->GetTemplatesManager()->LoadTemplate(path, &session, &root), S_OK);
        SComWrap<ISRptReport> report;
        report = static_cast<IUnknown*>(root.Get());
        EXPECT_EQ(TemplateItemIds(report.Get()), placed) << path.c_str();
        EXPECT_TRUE(module.IsSetUp());
        report.Clear();
        root.Clear();
        session->Close();
    }
    RestartLibrary();
}
