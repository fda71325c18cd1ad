// The shell module's documents: template files opened into sessions of their own (checked against
// the registered modules, repaired when older), the host's actions, and its initialisation.
#include <gtest/gtest.h>

#include "platform/base/SModuleState.h"
#include "platform/repo/SRepSession.h"
#include "platform/ui/SHelp.h"
#include "rpt/dialogs/SRptDlgTemplatesList.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewClassPreview.h"
#include "rpt/editor/SRptShellViewClassReport.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "support/STestTemplateFiles.h"
#include "varod9/ISRptTemplate.h"

using namespace stest_template_report;

namespace {

constexpr HRESULT kPointer = static_cast<HRESULT>(0x80004003);
constexpr HRESULT kUnexpected = static_cast<HRESULT>(0x8000FFFF);

// The references an object counts now.
uint32_t Refs(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

class SRptShellModuleActions : public STestTemplatesFolderFixture {
protected:
    void SetUp() override {
        STestTemplatesFolderFixture::SetUp();
        shell = globals->GetRptShellModule();
        ASSERT_NE(shell, nullptr);
    }
    void TearDown() override {
        for (auto& session : opened) session->Close();
        opened.clear();
        STestTemplatesFolderFixture::TearDown();
    }

    SString SaveReport(const char* name) {
        const SString path = folder.PathOf(name);
        SaveReportFile(path);
        return path;
    }
    // Opens a file, keeping the session to close it at the end.
    HRESULT Open(const SString& path, SComWrap<ISRepObject>& report) {
        SComWrap<ISRepSession> session;
        const HRESULT hr = shell->OnOpenSession(path, &session, &report, 0, nullptr);
        if (session) opened.push_back(session);
        return hr;
    }
    static std::vector<std::string> TemplateNames(ISRepObject* report) {
        SComWrap<ISRptReport> typed;
        typed = static_cast<IUnknown*>(report);
        std::vector<std::string> names;
        int32_t count = 0;
        typed->GetTemplatesCount(&count);
        for (int32_t i = 0; i < count; ++i) {
            SComWrap<ISRptTemplate> each;
            typed->GetTemplateAtPos(i, &each);
            names.push_back(each->GetName().str());
        }
        return names;
    }

    SRptShellModule* shell = nullptr;
    std::vector<SComWrap<ISRepSession>> opened;
};

}  // namespace

TEST_F(SRptShellModuleActions, ACurrentFileOpensIntoItsOwnSessionAndTheCallerHoldsOneReferenceOfEach) {
    Register("MOD", "Module");
    Register("OTHER", "Other module");
    const SString path = SaveReport("current.rtp");

    SComWrap<ISRepSession> session;
    SComWrap<ISRepObject> report;
    EXPECT_EQ(shell->OnOpenSession(path, nullptr, &report, 0, nullptr), kPointer);
    EXPECT_EQ(shell->OnOpenSession(path, &session, nullptr, 0, nullptr), kPointer);
    ASSERT_EQ(shell->OnOpenSession(path, &session, &report, 0, nullptr), S_OK);
    opened.push_back(session);
    EXPECT_EQ(TemplateNames(report.Get()), (std::vector<std::string>{"First template", "Second template"}));
    EXPECT_EQ(session->IsModified(), S_FALSE);
    SString where;
    session->GetPathName(&where);
    EXPECT_EQ(where, path);
    EXPECT_TRUE(Messages().empty());

    // The session's model holds the report once; the caller's own reference is the other.
    EXPECT_EQ(Refs(report.Get()), 2u);
    const uint32_t sessionRefs = Refs(session.Get());
    // The action hands the same document to the host with one reference and keeps none.
    SComWrap<IUnknown> fromAction;
    SShellView* view = reinterpret_cast<SShellView*>(&where);
    const std::u16string wide = path.ToU16();
    ASSERT_EQ(shell->OnAction(SRptShellModule::kActionOpen, wide.c_str(), SRptShellModule::kNoEditor, &view, nullptr,
                              &fromAction),
              S_OK);
    EXPECT_EQ(view, nullptr) << "no editor was asked for";
    EXPECT_EQ(shell->GetActionArgs().GetPath(), path);
    ASSERT_TRUE(fromAction);
    EXPECT_EQ(Refs(fromAction.Get()), 2u);
    SComWrap<ISRepObject> other;
    other = fromAction;
    SComWrap<ISRepSession> otherSession;
    ASSERT_EQ(other->GetSession(&otherSession), S_OK);
    opened.push_back(otherSession);
    EXPECT_NE(otherSession.Get(), session.Get());
    EXPECT_EQ(Refs(session.Get()), sessionRefs) << "the first document was not touched";
}

TEST_F(SRptShellModuleActions, AFileOfAnOlderVersionIsRepairedAndACurrentOneIsNot) {
    SComWrap<ISRptModule> mod = Register("MOD", "Module");
    Register("OTHER", "Other module");
    // The module offers the list, so that the templates keep it.
    RegisterListItem(mod.Get());
    // A cell naming its attribute by an id of an older metamodel.
    const SString current = folder.PathOf("current.rtp");
    SaveReportFile(current, [](ISRepObject* report) {
        SRepVariant oldId;
        oldId.SetInt(0x02001541);
        SComWrap<ISRepObject> cell = FirstListCell(report);
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->SetAttribute(0x02006944, oldId), S_OK);
    });
    std::string text = STestTempFolder::ReadFile(current);
    const size_t at = text.find("version=\"9.0.0\"");
    ASSERT_NE(at, std::string::npos);
    const SString older = folder.PathOf("older.rtp");
    STestTempFolder::WriteFile(older, text.replace(at, 15, "version=\"8.0.1\""));

    SComWrap<ISRepObject> fromCurrent, fromOlder;
    ASSERT_EQ(Open(current, fromCurrent), S_OK);
    ASSERT_EQ(Open(older, fromOlder), S_OK);
    EXPECT_EQ(CellId(fromCurrent.Get()), 0x02001541);
    EXPECT_EQ(CellId(fromOlder.Get()), 0x0200000A);
}

TEST_F(SRptShellModuleActions, TemplatesOfModulesThatAreNotRegisteredAreDroppedWithAWarningEach) {
    Register("MOD", "Module");
    const SString path = SaveReport("mixed.rtp");
    script.ExpectMessage("Second template", IDOK);
    SComWrap<ISRepObject> report;
    ASSERT_EQ(Open(path, report), S_OK);
    EXPECT_EQ(TemplateNames(report.Get()), std::vector<std::string>{"First template"});
    EXPECT_EQ(Messages(), std::vector<std::string>{"Unexpected model type for template \"Second template\"."});
    ASSERT_EQ(SInteraction::GetTranscript().size(), 1u);
    EXPECT_EQ(SInteraction::GetTranscript()[0].style, SPrompt::Warning);
}

TEST_F(SRptShellModuleActions, AFileLeftWithoutTemplatesIsClosedAfterOneWarningPerTemplateFromTheLast) {
    const SString path = SaveReport("foreign.rtp");
    script.ExpectMessage("Second template", IDOK).ExpectMessage("First template", IDOK);
    SComWrap<ISRepSession> session;
    SComWrap<ISRepObject> report;
    EXPECT_EQ(shell->OnOpenSession(path, &session, &report, 0, nullptr), S_FALSE);
    EXPECT_FALSE(session);
    EXPECT_FALSE(report);
    EXPECT_EQ(SRptGetModuleState()->LockCount(), live) << "the session was closed";
}

TEST_F(SRptShellModuleActions, AFileWithoutAReportOrThatCannotBeReadFailsShowsTheErrorAndClosesTheSession) {
    SComWrap<ISRptModule> mod = Register("MOD", "Module");
    ContainerOf(mod.Get());
    // The module's own objects stay; the documents' go.
    const int32_t modules = SRptGetModuleState()->LockCount();
    const SString empty = folder.PathOf("empty.rtp");
    STestTempFolder::WriteFile(empty, "<?xml version=\"1.0\"?><Repository><Signature type=\"RPT_TEMPLATE\" "
                                      "version=\"9.0.0\"><Entry key=\"Name\">Nothing</Entry><Entry "
                                      "key=\"ModuleID\">MOD</Entry></Signature><Model></Model></Repository>");
    const SString junk = folder.PathOf("junk.rtp");
    STestTempFolder::WriteFile(junk, "no template at all");
    script.ExpectMessage("empty.rtp", IDOK).ExpectMessage("junk.rtp", IDOK).ExpectMessage("junk.rtp", IDOK);

    SComWrap<ISRepSession> session;
    SComWrap<ISRepObject> report;
    EXPECT_EQ(shell->OnOpenSession(empty, &session, &report, 0, nullptr), kPointer);
    EXPECT_FALSE(session);
    EXPECT_FALSE(report);
    EXPECT_EQ(SRptGetModuleState()->LockCount(), modules);
    EXPECT_TRUE(FAILED(shell->OnOpenSession(junk, &session, &report, 0, nullptr)));
    EXPECT_FALSE(session);
    // The host's action gets the code, never an exception.
    const std::u16string wide = junk.ToU16();
    SComWrap<IUnknown> result;
    EXPECT_TRUE(FAILED(shell->OnActionPathFromHost(SRptShellModule::kActionOpen, wide.c_str(), 0, &result)));
    EXPECT_FALSE(result);
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[0], "The report template file '" + empty.str() + "' cannot be opened.");
    EXPECT_EQ(SInteraction::GetTranscript()[0].style, SPrompt::Error);
}

TEST_F(SRptShellModuleActions, TheNewTemplateActionTakesTheNameAndTypeOfTheTypeDialog) {
    // Registered before its sorted neighbour, so that the list's order differs from the modules';
    // a hidden module is not offered.
    SComWrap<ISRptModule> zeta, alpha, hidden;
    ASSERT_EQ(RptRegisterModule(nullptr, "ZZZ", "Zeta model", 0, &zeta), S_OK);
    ASSERT_EQ(RptRegisterModule(nullptr, "AAA", "Alpha model", 0, &alpha), S_OK);
    ASSERT_EQ(RptRegisterModule(nullptr, "HID", "Hidden model", 1, &hidden), S_OK);
    script.ExpectDialog(222, IDOK, {{1005, "Monthly"}, {1079, "Zeta model"}});
    SComWrap<IUnknown> result;
    SShellView* view = nullptr;
    ASSERT_EQ(shell->OnAction(SRptShellModule::kActionNew, static_cast<const char16_t*>(nullptr), SRptShellModule::kNoEditor, &view, nullptr, &result),
              S_OK);
    ASSERT_TRUE(result);
    SComWrap<ISRptReport> report;
    report = result;
    EXPECT_EQ(report->GetName(), "Monthly");
    SComWrap<ISRptTemplate> first;
    ASSERT_EQ(report->GetTemplateAtPos(0, &first), S_OK);
    EXPECT_EQ(first->GetModuleID(), "ZZZ");
    EXPECT_EQ(first->GetName(), "Monthly");
    SComWrap<ISRepObject> object;
    object = result;
    SComWrap<ISRepSession> session;
    object->GetSession(&session);
    opened.push_back(session);
    EXPECT_EQ(session->IsModified(), S_FALSE);
}

TEST_F(SRptShellModuleActions, ACancelledOrUnnamedTypeDialogAndUnknownActionsMakeNothing) {
    script.ExpectDialog(222, IDCANCEL, {{1005, "Monthly"}});
    // OK without a name leaves the dialog open: the user then gives up.
    script.ExpectDialog(222, IDOK, {});
    SComWrap<IUnknown> result;
    EXPECT_EQ(shell->OnAction(SRptShellModule::kActionNew, static_cast<const char16_t*>(nullptr), 0, nullptr, nullptr, &result), S_FALSE);
    EXPECT_EQ(shell->OnAction(SRptShellModule::kActionNew, static_cast<const char16_t*>(nullptr), 0, nullptr, nullptr, &result), S_FALSE);
    EXPECT_FALSE(result);
    EXPECT_EQ(SRptGetModuleState()->LockCount(), live);
    for (uint32_t action : {0u, 3u}) {
        SShellView* view = reinterpret_cast<SShellView*>(&result);
        EXPECT_EQ(shell->OnAction(action, u"/nowhere.rtp", 0, &view, nullptr, nullptr), kUnexpected);
        EXPECT_EQ(view, nullptr);
    }
    EXPECT_EQ(shell->OnAction(1, static_cast<IUnknown*>(nullptr), 0, nullptr, nullptr, nullptr),
              static_cast<HRESULT>(0x80004001));
}

TEST_F(SRptShellModuleActions, TheNewTemplateActionGivesTheReportTheLanguageChosenInTheTypeDialog) {
    SComWrap<ISRepSession> languages;
    ASSERT_EQ(SRepSession::Create("languages", &languages), S_OK);
    SComWrap<ISRepObject> french;
    ASSERT_EQ(languages->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&french), ISRepObject::iid), S_OK);
    SComWrap<STestModuleClient> client(new STestModuleClient);
    client->languages.emplace_back("French", french);
    SComWrap<ISRptModule> module;
    ASSERT_EQ(RptRegisterModule(client.Get(), "MOD", "Module", 0, &module), S_OK);

    script.ExpectDialog(222, IDOK, {{1005, "Monthly"}, {1080, "French"}});
    SComWrap<IUnknown> result;
    ASSERT_EQ(shell->OnAction(SRptShellModule::kActionNew, static_cast<const char16_t*>(nullptr),
                              SRptShellModule::kNoEditor, nullptr, nullptr, &result),
              S_OK);
    SComWrap<ISRptReport> report;
    report = result;
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->GetLang().IsEqualObject(french.Get()));
    SComWrap<ISRepObject> object;
    object = result;
    SComWrap<ISRepSession> session;
    object->GetSession(&session);
    opened.push_back(session);

    report.Clear();
    object.Clear();
    result.Clear();
    for (auto& each : opened) each->Close();
    opened.clear();
    client->languages.clear();
    french.Clear();
    languages->Close();
    // The module keeps its client unreferenced: it goes before the client does.
    EXPECT_EQ(RptUnregisterModule(module.Get()), S_OK);
}

TEST_F(SRptShellModuleActions, TheTemplateChosenInTheTemplatesListIsOpenedByTheOpenAction) {
    Register("MOD", "Module");
    Register("OTHER", "Other module");
    const SString path = SaveReport("first.rtp");

    // Chosen among the templates of its type, as the templates command does.
    script.ExpectDialog(234, 6003, {{1023, "Module"}});
    SRptDlgTemplatesList dialog;
    {
        SModuleStateGuard library(SRptGetModuleState());
        ASSERT_EQ(dialog.DoModal(), IDOK);
    }
    ASSERT_EQ(dialog.GetAction(), SRptDlgTemplatesList::kOpen);
    const std::u16string wide = dialog.GetFileName().ToU16();
    SComWrap<IUnknown> result;
    // No host frame holds an editor here: what the action answers, and the document it hands
    // back, are what count.
    EXPECT_EQ(shell->OnAction(static_cast<uint32_t>(dialog.GetAction()), wide.c_str(), 0, nullptr, nullptr, &result),
              S_OK);
    ASSERT_TRUE(result);
    SComWrap<ISRepObject> report;
    report = result;
    ASSERT_TRUE(report);
    SComWrap<ISRepSession> session;
    report->GetSession(&session);
    SString where;
    session->GetPathName(&where);
    EXPECT_EQ(where, path);
    opened.push_back(session);
}

TEST_F(SRptShellModuleActions, InitialisationEntersTheThreeKindsOfViewsInOrderAndRegistersTheHelpFile) {
    ASSERT_EQ(shell->Initialize(nullptr), S_OK);
    std::vector<ISShellViewClass*> entered;
    int32_t position = 0;
    for (ISShellViewClass* each = nullptr; shell->GetNextViewClass(&position, &each) == S_OK;) entered.push_back(each);
    EXPECT_EQ(entered, (std::vector<ISShellViewClass*>{SRptShellModule::GetTemplateViewClass()->GetViewClassFace(),
                                                       SRptShellModule::GetReportViewClass()->GetViewClassFace(),
                                                       SRptShellModule::GetPreviewViewClass()->GetViewClassFace()}));
    EXPECT_EQ(SHelp::FindHelpFile(10000), "varod9.hlp");
    EXPECT_EQ(SHelp::FindHelpFile(10999), "varod9.hlp");
    EXPECT_EQ(SHelp::FindHelpFile(11000), "");

    // Back as the test found it.
    SHelp::UnregisterHelpModule("varod9.hlp");
    EXPECT_EQ(shell->RemoveViewClass(SRptShellModule::GetTemplateViewClass()), 1);
    EXPECT_EQ(shell->RemoveViewClass(SRptShellModule::GetReportViewClass()), 1);
    EXPECT_EQ(shell->RemoveViewClass(SRptShellModule::GetPreviewViewClass()), 1);
    EXPECT_EQ(shell->GetViewClassCount(), 0);
    shell->Terminate();
}
