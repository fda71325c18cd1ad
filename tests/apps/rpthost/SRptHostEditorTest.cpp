// `rpthost edit` run in the test's process: the template it saves is the document that the
// templates folder, the editor and generate read, a failure says its cause, the layout dialogs
// are answered from the script, and Hide or Esc close the editor for good.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SDataModelHostFixture.h"
#include "SDataModelModule.h"
#include "SDataModelReader.h"
#include "SDefaultReport.h"
#include "platform/base/SFile.h"
#include "platform/base/SRegistry.h"
#include "platform/base/SSettingsStore.h"
#include "platform/base/SUserRegistry.h"
#include "platform/repo/ISLoadSaveManager.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepClassColPtr.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptTemplatesManager.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"

namespace {

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class SRptHostEditorTest : public SDataModelHost {
protected:
    void SetUp() override {
        SDataModelHost::SetUp();
        SSettingsStore::Get().Clear();
        model = ModelFile();
    }
    void TearDown() override {
        // The dialogs keep their preferences, the test its templates folder.
        SSettingsStore::Get().Clear();
        SDataModelHost::TearDown();
    }
    // A script of `actions` on the test's model, in the test's folder.
    std::string Script(const std::string& name, const std::string& actions) {
        const SString path = folder.PathOf(name);
        STestTempFolder::WriteFile(path, "model " + model + "\n" + actions);
        return path.str();
    }
    std::string Edit(const SString& target, const std::string& script, int expected, bool verbose = false) {
        std::vector<std::string> args{"edit", target.str(), "--script", script};
        if (verbose) args.push_back("--verbose");
        return Run(args, expected);
    }

    // The template files of the folder as the editor's templates list has them, for the
    // data-model module registered meanwhile; the template at `path` loaded as the list loads it.
    SStringMap ListAndLoad(const SString& path, SComWrap<ISRptReport>& report, SComWrap<ISRepSession>& session) {
        SRegistry(HKEY_CURRENT_USER, SUserRegistry::sApplicationPaths, 1)
            .WriteProfile(RPT_TEMPLATES_PATH_VALUE, SFile::GetFolder(path));
        SRptTemplatesManager* templates = GetRptGlobalsContainer()->GetTemplatesManager();
        SStringMap list;
        EXPECT_EQ(templates->GetTemplatesList("ALL", list), 1);
        SComWrap<ISRepObject> root;
        EXPECT_EQ(templates->LoadTemplate(path, &session, &root), S_OK);
        report = root.Get();
        return list;
    }

    std::string model;
};

// The item at a position of the report's first template.
SComWrap<ISRptItem> ItemAt(ISRptReport* report, int32_t position) {
    SComWrap<ISRptTemplate> first;
    report->GetTemplateAtPos(0, &first);
    SComWrap<ISRptItem> owner;
    owner = first.Get();
    SComWrap<ISRptItem> item;
    if (owner) item = static_cast<IUnknown*>(owner->Items().Item(position).Get());
    return item;
}

}  // namespace

TEST_F(SRptHostEditorTest, TheSavedTemplateIsTheDocumentThatTheTemplatesFolderTheEditorAndGenerateRead) {
    const std::string script = Script("build.script", "add TBLCTS\nadd ENTITYLIST\n");
    const struct {
        const char* name;
        const char* form;      // the value of --form
        const char* head;      // the form's first bytes
        uint32_t acceptance;   // the load/save manager's answer for it
    } forms[] = {{"xml.rtp", "xml", "<?xml", 0x202}, {"bin.rtp", "binary", "SREP", 0x102}};
    for (const auto& form : forms) {
        const SString saved = folder.PathOf(form.name);
        EXPECT_TRUE(Holds(Run({"edit", saved.str(), "--script", script, "--form", form.form}, 0),
                          "saved " + saved.str() + " (2 items)"))
            << form.name;
        EXPECT_EQ(STestTempFolder::ReadFile(saved).rfind(form.head, 0), 0u) << form.name;
        SComWrap<ISLoadSaveManager> manager;
        ASSERT_EQ(GetRptGlobalsContainer()->GetRptShellModule()->GetLoadSaveManager(&manager), S_OK);
        EXPECT_EQ(manager->AcceptDocument(SFile::PathToURL(saved), nullptr), form.acceptance) << form.name;

        // generate reads it: the entity list holds the model's entities.
        const SString report = folder.PathOf("shop.rtf");
        Run({"generate", "--model", model, "--template", saved.str(), "-o", report.str()}, 0);
        EXPECT_TRUE(Holds(STestTempFolder::ReadFile(report), "Customer")) << form.name;
        // And so does the editor when it opens the file again; without --form it keeps its form.
        EXPECT_TRUE(Holds(Edit(saved, Script("none.script", ""), 0), "(2 items)")) << form.name;
        EXPECT_EQ(STestTempFolder::ReadFile(saved).rfind(form.head, 0), 0u) << form.name;
    }

    // The templates folder lists the XML template under its name and loads it (alone: the list
    // keeps one file a name, and both hold the template "Shop").
    SFile::Remove(folder.PathOf("bin.rtp"));
    SComWrap<SDataModelModule> module;
    module.Attach(SDataModelModule::Create(SDataModelReader::ReadFile(SString(model))));
    ASSERT_EQ(module->Register(), S_OK);
    {
        SComWrap<ISRptReport> loaded;
        SComWrap<ISRepSession> session;
        const SStringMap list = ListAndLoad(folder.PathOf("xml.rtp"), loaded, session);
        SString listed;
        EXPECT_TRUE(list.Lookup("Shop", listed));
        EXPECT_EQ(listed, folder.PathOf("xml.rtp"));
        ASSERT_TRUE(loaded);
        const SComWrap<ISRptItem> list0 = ItemAt(loaded.Get(), 1);
        ASSERT_TRUE(list0);
        EXPECT_EQ(list0->GetItemID(), "ENTITYLIST");
        loaded.Clear();
        if (session) session->Close();
    }
    module->Unregister();
}

TEST_F(SRptHostEditorTest, ATemplateRecordThatEarlierVersionsWroteIsStillRead) {
    const SString record = folder.PathOf("old.rtp");
    {
        SComWrap<SDataModelModule> module;
        module.Attach(SDataModelModule::Create(SDataModelReader::ReadFile(SString(model))));
        ASSERT_EQ(module->Register(), S_OK);
        SComWrap<ISRepSession> session;
        SComWrap<ISRptReport> report;
        ASSERT_EQ(SDefaultReport::Build(module->GetModel(), session, report), S_OK);
        SComWrap<ISRptTemplate> first;
        report->GetTemplateAtPos(0, &first);
        EXPECT_EQ(WriteTemplateToFile(record, first.Get()), S_OK);
        first.Clear();
        report.Clear();
        session->Close();
        module->Unregister();
    }
    const SString report = folder.PathOf("old.rtf");
    Run({"generate", "--model", model, "--template", record.str(), "-o", report.str()}, 0);
    EXPECT_TRUE(Holds(STestTempFolder::ReadFile(report), "Customer"));
}

TEST_F(SRptHostEditorTest, AFileThatIsNoTemplateAndASaveThatFailsSayTheirCause) {
    // The model is no template: edit says so as generate does.
    const std::string script = Script("build.script", "add TBLCTS\n");
    const std::string message = "rpthost: cannot use the template '" + model + "': it is not a template file\n";
    EXPECT_EQ(Edit(SString(model), script, SRptHostCommand::kFailure), message);
    EXPECT_TRUE(Holds(Run({"generate", "--model", model, "--template", model, "-o", folder.PathOf("x.rtf").str()},
                          SRptHostCommand::kFailure),
                      message));

    const SString nowhere = folder.PathOf("no/dir/t.rtp");
    EXPECT_TRUE(Holds(Edit(nowhere, script, SRptHostCommand::kFailure),
                      "rpthost: cannot write '" + nowhere.str() +
                          "': the template could not be saved: the file could not be written (0x80030019)\n"));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"build.script", "shop.xml"}));
}

TEST_F(SRptHostEditorTest, EveryControlOfTheLayoutDialogsIsDrivenFromTheScript) {
    // The first column narrowed and the second one disabled, in one answer to the List Layout.
    const std::string script = Script("layout.script",
                                      "add ENTITYLIST\n"
                                      "select ENTITYLIST\n"
                                      "answer ok 1137=\"0:Width=12.7 mm\" 1137=\"1:Enabled=0\"\n"
                                      "fire 45007\n");
    const SString saved = folder.PathOf("layout.rtp");
    EXPECT_TRUE(Holds(Edit(saved, script, 0, true), "prompt: List Layout: 235"));

    SComWrap<SDataModelModule> module;
    module.Attach(SDataModelModule::Create(SDataModelReader::ReadFile(SString(model))));
    ASSERT_EQ(module->Register(), S_OK);
    SComWrap<ISRptReport> loaded;
    SComWrap<ISRepSession> session;
    ListAndLoad(saved, loaded, session);
    ASSERT_TRUE(loaded);
    const SComWrap<ISRptItem> list = ItemAt(loaded.Get(), 0);
    ASSERT_TRUE(list);
    SComWrap<ISRepObject> listObject;
    listObject = list.Get();
    const SComWrap<ISRepObject> firstRow = SRepClassColPtr(listObject.Get(), RPTTABLE_ROWS).Item(0);
    ASSERT_TRUE(firstRow);
    SRepVariant width;
    SRepVariant enabled;
    EXPECT_EQ(SRepClassColPtr(firstRow.Get(), RPTTABLEROW_CELLS).Item(0)->GetAttribute(RPTTABLECELL_WIDTH, &width), S_OK);
    EXPECT_EQ(SRepClassColPtr(firstRow.Get(), RPTTABLEROW_CELLS).Item(1)->GetAttribute(RPTTABLECELL_ENABLED, &enabled),
              S_OK);
    EXPECT_EQ(width.GetShort(), 1200);
    EXPECT_FALSE(enabled.GetBool());
    loaded.Clear();
    if (session) session->Close();
    module->Unregister();
}

TEST_F(SRptHostEditorTest, HideAndEscCloseTheEditorForGoodAndTheTemplateIsSavedAsItStood) {
    // Esc is the host's Hide: the editor's frame closes at once, and the document with it.
    const SString saved = folder.PathOf("esc.rtp");
    const std::string said = Edit(saved, Script("esc.script", "add TBLCTS\nkey esc\n"), 0, true);
    EXPECT_TRUE(Holds(said, "host: Fire 122\nhost: Close Report Template\n")) << said;
    EXPECT_TRUE(Holds(said, "saved " + saved.str() + " (1 items)")) << said;

    // Nothing after the close finds an editor; what was edited until then is saved.
    const SString hidden = folder.PathOf("hide.rtp");
    EXPECT_TRUE(Holds(Edit(hidden, Script("hide.script", "add TBLCTS\nfire 122\nadd ENTITYLIST\n"),
                           SRptHostCommand::kFailure),
                      "rpthost: line 4: the editor is closed\n"));
    EXPECT_TRUE(Holds(Edit(hidden, Script("none.script", ""), 0), "(1 items)"));
}
