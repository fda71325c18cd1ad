// `rpthost edit` run in the test's process: the template it saves is the document that the
// templates folder, the editor and generate read, a failure says its cause, the dialogs (a
// property sheet on the page named) are answered from the script, the template is selected by its
// own id and renamed from its node's menu, and Hide or Esc close the editor for good.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
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
#include "support/STestPrinterScope.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptParaContainer.h"
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

    // The template saved at `path`, loaded as the templates folder loads it while the data-model
    // module is registered, handed to `check` as its report; everything is let go afterwards.
    void CheckSaved(const SString& path, const std::function<void(ISRptReport*)>& check) {
        SComWrap<SDataModelModule> module;
        module.Attach(SDataModelModule::Create(SDataModelReader::ReadFile(SString(model))));
        ASSERT_EQ(module->Register(), S_OK);
        SComWrap<ISRptReport> loaded;
        SComWrap<ISRepSession> session;
        ListAndLoad(path, loaded, session);
        EXPECT_TRUE(loaded) << path.str();
        if (loaded) check(loaded.Get());
        loaded.Clear();
        if (session) session->Close();
        module->Unregister();
    }

    std::string model;
};

SComWrap<ISRptTemplate> FirstTemplateOf(ISRptReport* report) {
    SComWrap<ISRptTemplate> first;
    report->GetTemplateAtPos(0, &first);
    return first;
}

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

    // A read-only template is refused, and neither it nor its backup changes.
    const SString kept = folder.PathOf("t.rtp");
    Edit(kept, script, 0);
    Edit(kept, script, 0);
    ASSERT_EQ(::chmod(kept.c_str(), 0444), 0);
    const auto before = Snapshot();
    EXPECT_TRUE(Holds(Edit(kept, script, SRptHostCommand::kFailure),
                      "rpthost: cannot write '" + kept.str() +
                          "': the template could not be saved: the file could not be written (0x80030019)\n"));
    EXPECT_EQ(Snapshot(), before);
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

    CheckSaved(saved, [](ISRptReport* loaded) {
        const SComWrap<ISRptItem> list = ItemAt(loaded, 0);
        ASSERT_TRUE(list);
        SComWrap<ISRepObject> listObject;
        listObject = list.Get();
        const SComWrap<ISRepObject> firstRow = SRepClassColPtr(listObject.Get(), RPTTABLE_ROWS).Item(0);
        ASSERT_TRUE(firstRow);
        SRepVariant width;
        SRepVariant enabled;
        EXPECT_EQ(SRepClassColPtr(firstRow.Get(), RPTTABLEROW_CELLS).Item(0)->GetAttribute(RPTTABLECELL_WIDTH, &width),
                  S_OK);
        EXPECT_EQ(
            SRepClassColPtr(firstRow.Get(), RPTTABLEROW_CELLS).Item(1)->GetAttribute(RPTTABLECELL_ENABLED, &enabled),
            S_OK);
        EXPECT_EQ(width.GetShort(), 1200);
        EXPECT_FALSE(enabled.GetBool());
    });
}

TEST_F(SRptHostEditorTest, APropertySheetTurnsToThePageTheAnswerNamesBeforeItsValuesAreSet) {
    // The Paragraph page of the list's Format sheet: 12 pt of space before is 423 hundredths of
    // a millimetre, whichever page the sheet was left on last.
    const std::string script = Script("paragraph.script",
                                      "add ENTITYLIST\n"
                                      "select ENTITYLIST\n"
                                      "answer ok page=1 1010=\"12 pt\"\n"
                                      "fire 45006\n");
    const SString saved = folder.PathOf("paragraph.rtp");
    EXPECT_TRUE(Holds(Edit(saved, script, 0, true), "prompt: Format: 213"));

    CheckSaved(saved, [](ISRptReport* loaded) {
        SComWrap<ISRptParaContainer> list;
        list = ItemAt(loaded, 0).Get();
        ASSERT_TRUE(list);
        SComWrap<ISRptPara> title;
        title = list->Paragraphs().Item(0).Get();
        ASSERT_TRUE(title);
        EXPECT_EQ(title->GetSpBefore(), 423);
    });
}

TEST_F(SRptHostEditorTest, TheTemplateIsSelectedByItsOwnIdForItsHeaderAndFooterAndItsPageSetUp) {
    // Header/Footer and Page Setup are the template node's commands: its id selects it. The
    // header typed on the first tab, the footer on the second; A3 (8) landscape with a left
    // margin of 30 mm. The page set-up sets the library's printer too: the next test gets it back.
    const STestPrinterScope printer;
    const std::string script = Script("page.script",
                                      "add TBLCTS\n"
                                      "select TEMPLATE\n"
                                      "answer ok 1113=\"Shop %PAGE%\" 1112=1 1114=%DATE%\n"
                                      "fire 45009\n"
                                      "answer ok 1137=8 1057=1 1155=3000\n"
                                      "fire 103\n");
    const SString saved = folder.PathOf("page.rtp");
    const std::string said = Edit(saved, script, 0, true);
    EXPECT_TRUE(Holds(said, "prompt: Header and Footer: 228\nprompt: Page Setup: ")) << said;

    CheckSaved(saved, [](ISRptReport* loaded) {
        const SComWrap<ISRptTemplate> first = FirstTemplateOf(loaded);
        ASSERT_TRUE(first);
        EXPECT_EQ(first->GetHeader(), "Shop %PAGE%");
        EXPECT_TRUE(first->GetHeadUserDef());
        EXPECT_EQ(first->GetFooter(), "%DATE%");
        EXPECT_TRUE(first->GetFootUserDef());
        EXPECT_EQ(first->GetPaperFormat(), 8);
        EXPECT_EQ(first->GetOrientation(), 2);
        EXPECT_EQ(first->GetPaperSize().x, 42000);
        EXPECT_EQ(first->GetPaperSize().y, 29700);
        EXPECT_EQ(first->GetMargin().left, 3000);
    });
}

TEST_F(SRptHostEditorTest, RenameTakesTheTemplatesNewNameFromItsNodesMenu) {
    const SString saved = folder.PathOf("renamed.rtp");
    const std::string said =
        Edit(saved, Script("rename.script", "add TBLCTS\nrename \"Shop catalogue\"\nadd ENTITYLIST\n"), 0, true);
    // The name is typed in place once Rename is chosen from the popup menu of the template's node.
    EXPECT_TRUE(Holds(said, "host: SetTitle Report Template, Shop catalogue\n")) << said;
    EXPECT_TRUE(Holds(said, "saved " + saved.str() + " (2 items)")) << said;

    CheckSaved(saved, [](ISRptReport* loaded) {
        const SComWrap<ISRptTemplate> first = FirstTemplateOf(loaded);
        ASSERT_TRUE(first);
        EXPECT_EQ(first->GetName(), "Shop catalogue");
    });
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
