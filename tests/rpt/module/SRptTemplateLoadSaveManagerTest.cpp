// The load/save manager of template files: the file types, the recognition of a file, the
// element-name table picked by a file's version, backups, restores, and saves that leave the
// previous file and its backup as they were when they fail.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>


#include "platform/base/SFile.h"
#include "platform/repo/SRepDocumentLimits.h"
#include "platform/repo/SRepMetaDTD.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/module/SRptTemplateLoadSaveManager.h"
#include "support/STestFileSizeLimit.h"
#include "support/STestTempFolder.h"
#include "support/STestTemplateReport.h"

using namespace stest_template_report;

namespace {

// Which filler ran last, and what the next one answers.
int gFillerCalled = -1;
HRESULT gFillerAnswer = S_OK;

template <int N>
HRESULT RecordingFiller(SRepMetaDTD*) {
    gFillerCalled = N;
    return gFillerAnswer;
}

// Binds two old names of a made-up older version: the report class and its first-page title.
HRESULT OldNamesFiller(SRepMetaDTD* dtd) {
    const SRepMetaClass* report = GetTypeLibManager()->FindMetaClass(Rpt(0xD1));
    SRepMetaDTDClass* entry = dtd->AddClass(report, "o:SRptOldReport", 0, 1);
    if (!entry) return E_OUTOFMEMORY;
    entry->BindAttribute(report->FindAttribute(0x02006503), "a:OldTitle");
    return S_OK;
}

class SRptTemplateLoadSaveManagerTest : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        manager = new SRptTemplateLoadSaveManager();
        manager->AddRef();
        for (int i = 0; i < SRptTemplateLoadSaveManager::kFillerCount; ++i)
            saved[i] = SRptTemplateLoadSaveManager::SetFiller(i, Fillers()[i]);
        ASSERT_EQ(SRepSession::Create("document", &session), S_OK);
        report = MakeFullReport(session.Get());
        ASSERT_TRUE(report);
        path = folder.PathOf("report.rtp");
    }
    void TearDown() override {
        for (int i = 0; i < SRptTemplateLoadSaveManager::kFillerCount; ++i)
            SRptTemplateLoadSaveManager::SetFiller(i, saved[i]);
        report.Clear();
        session->Close();
        for (auto& other : others) other->Close();
        manager->Release();
        SRptModuleTestFixture::TearDown();
    }
    static const SRptDTDFiller* Fillers() {
        static const SRptDTDFiller fillers[] = {RecordingFiller<0>, RecordingFiller<1>, RecordingFiller<2>,
                                                RecordingFiller<3>, RecordingFiller<4>};
        return fillers;
    }
    // The filler that a version picks, or -1 with the answer 1 when none.
    int Picked(const char* version) {
        gFillerCalled = -1;
        gFillerAnswer = S_OK;
        SRepMetaDTD dtd;
        const HRESULT hr = manager->FillMetaDTD(&dtd, 0, version);
        EXPECT_EQ(hr, gFillerCalled < 0 ? S_FALSE : S_OK) << version;
        return gFillerCalled;
    }
    ISRepSession* NewSession() {
        SComWrap<ISRepSession> made;
        EXPECT_EQ(SRepSession::Create("loaded", &made), S_OK);
        others.push_back(made);
        return made.Get();
    }

    STestTempFolder folder;
    SRptTemplateLoadSaveManager* manager = nullptr;
    SRptDTDFiller saved[SRptTemplateLoadSaveManager::kFillerCount] = {};
    SComWrap<ISRepSession> session;
    std::vector<SComWrap<ISRepSession>> others;
    SComWrap<ISRepObject> report;
    SString path;
};

}  // namespace

TEST_F(SRptTemplateLoadSaveManagerTest, TheVersionPicksTheTableOfTheFirstVersionItDoesNotExceed) {
    EXPECT_EQ(Picked("7.0.0"), 0);
    EXPECT_EQ(Picked("6.5.2"), 0);
    EXPECT_EQ(Picked("7.0.2"), 1);
    EXPECT_EQ(Picked("7.0.3"), 1);
    EXPECT_EQ(Picked("7.5"), 2);
    EXPECT_EQ(Picked("7.5.0"), 2);
    EXPECT_EQ(Picked("8.0.0"), 3);
    EXPECT_EQ(Picked("8.0.1"), 4);
    // Only the first five characters count.
    EXPECT_EQ(Picked("8.0.1x"), 4);
    EXPECT_EQ(Picked("8.1.0"), -1);
    EXPECT_EQ(Picked("9.0.0"), -1);
    // The filler's answer goes out as it is.
    gFillerAnswer = 0x21000002;
    SRepMetaDTD dtd;
    EXPECT_EQ(manager->FillMetaDTD(&dtd, 0, "7.5.0"), 0x21000002);
    gFillerAnswer = static_cast<HRESULT>(0x8007000E);
    EXPECT_EQ(manager->GetMetaDTD(&dtd, "8.0.0"), static_cast<HRESULT>(0x8007000E));
}

TEST_F(SRptTemplateLoadSaveManagerTest, TheFillersInPlaceAreTheOlderVersionsNameTables) {
    for (int i = 0; i < SRptTemplateLoadSaveManager::kFillerCount; ++i) SRptTemplateLoadSaveManager::SetFiller(i, saved[i]);
    SRepMetaDTD dtd;
    EXPECT_EQ(manager->FillMetaDTD(nullptr, 0, "7.0.0"), static_cast<HRESULT>(0x80070057));
    // No diagram-symbol classes are registered here: their names stay unbound.
    EXPECT_EQ(manager->FillMetaDTD(&dtd, 0, "8.0.1"), static_cast<HRESULT>(0x21000000));
    const SRepMetaDTDClass* grpTitle = dtd.FindClass("o:SRptGrpTitle");
    ASSERT_NE(grpTitle, nullptr);
    EXPECT_NE(grpTitle->FindAttribute("a:PhysOrder"), nullptr);
}

TEST_F(SRptTemplateLoadSaveManagerTest, TheThreeTypesAndTheirFilters) {
    const SRepTypesArray& types = manager->GetTypes();
    ASSERT_EQ(types.GetCount(), 3);
    EXPECT_EQ(types[0].typeName, "RPT_TEMPLATE");
    EXPECT_EQ(types[0].flags, 0x202u);
    EXPECT_EQ(types[1].typeName, "RPT-TEMPLATE");
    EXPECT_EQ(types[1].flags, 0x102u);
    EXPECT_EQ(types[2].typeName, "");
    EXPECT_EQ(types[2].flags, 0x4u);
    EXPECT_EQ(manager->GetOpenFilter(),
              "Report Template (xml)|*.rtp|Report Template (bin)|*.rtp|Backup Report Template|*.rtb|");
    EXPECT_EQ(manager->GetSaveAsFilter(), "Report Template (xml)|*.rtp|Report Template (bin)|*.rtp|");
}

TEST_F(SRptTemplateLoadSaveManagerTest, FilesAreRecognisedByTheirSignatureOrTheOldHeader) {
    const SString xmlFile = folder.PathOf("x.rtp");
    const SString binFile = folder.PathOf("b.rtp");
    ASSERT_EQ(manager->Save(nullptr, xmlFile, report.Get(), "RPT_TEMPLATE", nullptr), S_OK);
    ASSERT_EQ(manager->Save(nullptr, binFile, report.Get(), "RPT-TEMPLATE", nullptr), S_OK);
    SString type;
    EXPECT_EQ(manager->AcceptDocument(SFile::PathToURL(xmlFile), &type), 0x202u);
    EXPECT_EQ(type, "RPT_TEMPLATE");
    EXPECT_EQ(manager->AcceptDocument(binFile, &type), 0x102u);
    EXPECT_EQ(type, "RPT-TEMPLATE");

    // The old header: "RTP" and a zero byte, with no signature behind it.
    const SString old = folder.PathOf("old.rtp");
    STestTempFolder::WriteFile(old, std::string("RTP\0", 4) + std::string(100, '\x07'));
    SStringMap map;
    SString version;
    EXPECT_EQ(manager->GetFileSignature(old, &type, map, version), 0);
    EXPECT_EQ(manager->AcceptDocument(old, nullptr), 0x202u);
    // It is read as the XML form, which it is not.
    EXPECT_TRUE(FAILED(manager->Load(nullptr, old, nullptr, NewSession(), nullptr, nullptr)));

    const SString neither = folder.PathOf("neither.rtp");
    STestTempFolder::WriteFile(neither, std::string("RTQ\0", 4) + std::string(100, '\x07'));
    EXPECT_EQ(manager->GetFileSignature(neither, &type, map, version), -1);
    EXPECT_EQ(manager->AcceptDocument(neither, nullptr), 0u);
    SString text = "before";
    EXPECT_EQ(manager->Load(nullptr, neither, nullptr, NewSession(), &text, nullptr), E_FAIL);
    EXPECT_EQ(text, "");
    EXPECT_EQ(manager->Load(nullptr, folder.PathOf("missing.rtp"), nullptr, NewSession(), nullptr, nullptr), E_FAIL);
}

TEST_F(SRptTemplateLoadSaveManagerTest, ASaveBacksUpThePreviousFileAndGivesNewObjectIds) {
    STestTempFolder::WriteFile(path, "the previous template");
    SRepVariant before;
    report->GetAttribute(0x01000001, &before);
    ASSERT_EQ(manager->Save(nullptr, path, report.Get(), "RPT_TEMPLATE", nullptr), S_OK);
    EXPECT_EQ(STestTempFolder::ReadFile(folder.PathOf("report.rtb")), "the previous template");
    SRepVariant after;
    report->GetAttribute(0x01000001, &after);
    EXPECT_NE(GUIDToString(after.GetOID()), GUIDToString(before.GetOID()));
    // The signature names the report's first template, of the two it holds.
    SString type, version;
    SStringMap map;
    ASSERT_TRUE(SRepLoadSaveManager::GetRepXMLSignature(path, &type, &map, &version));
    EXPECT_EQ(type, "RPT_TEMPLATE");
    EXPECT_EQ(version, "9.0.0");
    EXPECT_EQ(map.GetCount(), 2);
    SString name, moduleId;
    EXPECT_TRUE(map.Lookup("Name", name));
    EXPECT_TRUE(map.Lookup("ModuleID", moduleId));
    EXPECT_EQ(name, "First template");
    EXPECT_EQ(moduleId, "MOD");
    EXPECT_EQ(manager->Save(nullptr, path, report.Get(), "NO-SUCH-TYPE", nullptr), E_FAIL);
}

TEST_F(SRptTemplateLoadSaveManagerTest, ARootWithoutAReportOrTemplateTouchesNoFile) {
    STestTempFolder::WriteFile(path, "kept");
    SComWrap<ISRepClassCol> templates;
    report->GetCollection(kTemplates, &templates);
    SComWrap<ISRepObject> first;
    templates->Item(0, &first);
    // A template is no report.
    SComWrap<ISRepObject> alone;
    ASSERT_EQ(first->Duplicate(NewSession(), 0, nullptr, &alone), S_OK);
    EXPECT_EQ(manager->Save(nullptr, path, alone.Get(), "RPT_TEMPLATE", nullptr), E_POINTER);
    alone->Delete();
    templates->DeleteAll();
    EXPECT_EQ(manager->Save(nullptr, path, report.Get(), "RPT-TEMPLATE", nullptr), E_POINTER);
    EXPECT_EQ(STestTempFolder::ReadFile(path), "kept");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"report.rtp"});
}

TEST_F(SRptTemplateLoadSaveManagerTest, ABackupOfABinaryDocumentIsBinaryAndSaysSo) {
    ASSERT_EQ(manager->Save(nullptr, path, report.Get(), "RPT-TEMPLATE", nullptr), S_OK);
    ISRepSession* loaded = NewSession();
    SString text;
    ASSERT_EQ(manager->Load(nullptr, path, nullptr, loaded, &text, nullptr), S_OK);
    EXPECT_EQ(text, "Report Template (bin)");
    SString format;
    loaded->GetFormatName(&format);
    EXPECT_EQ(format, "RPT-TEMPLATE");
    SComWrap<ISRepObject> root;
    loaded->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&root));
    ASSERT_TRUE(root);
    EXPECT_EQ(DumpModel(loaded), DumpModel(session.Get()));
    const SString backup = folder.PathOf("report.rtb");
    EXPECT_EQ(manager->Save(nullptr, backup, root.Get(), "", nullptr), RPT_S_BACKUP_OTHER_FORMAT);
    EXPECT_TRUE(SRepLoadSaveManager::GetRepBinSignature(backup, nullptr, nullptr, nullptr));
    // A session read from no file has no form to back up in: nothing is written.
    const SString none = folder.PathOf("none.rtb");
    EXPECT_EQ(manager->Save(nullptr, none, report.Get(), "", nullptr), S_OK);
    EXPECT_FALSE(SFile::Exists(none));
}

TEST_F(SRptTemplateLoadSaveManagerTest, RestorePutsTheBackupBackAndPassesItsFailureOn) {
    STestTempFolder::WriteFile(path, "newer");
    STestTempFolder::WriteFile(folder.PathOf("report.rtb"), "older");
    EXPECT_EQ(manager->Restore(path, "RPT_TEMPLATE"), S_OK);
    EXPECT_EQ(STestTempFolder::ReadFile(path), "older");
    EXPECT_EQ(manager->Restore(path, "NO-SUCH-TYPE"), E_FAIL);
    EXPECT_EQ(manager->Restore(folder.PathOf("other.rtp"), "RPT_TEMPLATE"), static_cast<HRESULT>(0x80030002));
}

TEST_F(SRptTemplateLoadSaveManagerTest, ASaveThatFailsHalfWayLeavesTheOldFileAndItsBackup) {
    STestTempFolder::WriteFile(path, "the template that stays");
    const SString backup = folder.PathOf("report.rtb");
    auto leftAsItWas = [&](const char* backupText) {
        EXPECT_EQ(STestTempFolder::ReadFile(path), "the template that stays");
        if (!backupText) {
            EXPECT_EQ(folder.Entries(), std::vector<std::string>{"report.rtp"});
            return;
        }
        EXPECT_EQ(STestTempFolder::ReadFile(backup), backupText);
        EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"report.rtb", "report.rtp"}));
    };
    for (const char* backupText : {static_cast<const char*>(nullptr), "the older template"}) {
        SCOPED_TRACE(backupText ? "with a backup" : "without a backup");
        if (backupText) STestTempFolder::WriteFile(backup, backupText);
        {
            // No file may grow beyond 2 KiB: the backup would fit, the new template does not.
            STestFileSizeLimit limit(2048);
            EXPECT_TRUE(FAILED(manager->Save(nullptr, path, report.Get(), "RPT_TEMPLATE", nullptr)));
            EXPECT_TRUE(FAILED(manager->Save(nullptr, path, report.Get(), "RPT-TEMPLATE", nullptr)));
        }
        leftAsItWas(backupText);
        // A read-only template is refused before anything is written, whoever saves it.
        ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
        EXPECT_EQ(manager->Save(nullptr, path, report.Get(), "RPT_TEMPLATE", nullptr), E_IOFAILURE);
        EXPECT_EQ(manager->Save(nullptr, path, report.Get(), "RPT-TEMPLATE", nullptr), E_IOFAILURE);
        ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
        leftAsItWas(backupText);
    }
    // A backup that cannot be written stops the save: the new file never takes the template's place.
    ASSERT_EQ(::chmod(backup.c_str(), 0444), 0);
    EXPECT_EQ(manager->Save(nullptr, path, report.Get(), "RPT_TEMPLATE", nullptr), E_IOFAILURE);
    ASSERT_EQ(::chmod(backup.c_str(), 0644), 0);
    leftAsItWas("the older template");
    if (::geteuid() == 0) return;  // permissions do not bind the superuser
    ASSERT_EQ(::chmod(folder.GetPath().c_str(), 0555), 0);
    EXPECT_TRUE(FAILED(manager->Save(nullptr, path, report.Get(), "RPT_TEMPLATE", nullptr)));
    ::chmod(folder.GetPath().c_str(), 0755);
    leftAsItWas("the older template");
}

TEST_F(SRptTemplateLoadSaveManagerTest, ATemplateAsDeepAsReadersTakeSavesInBothFormsAndOneLevelMoreTouchesNothing) {
    SComWrap<ISRepObject> innermost = NestFolders(report.Get(), SRepDocumentLimits::kMaxDepth);
    ASSERT_TRUE(innermost);
    for (const char* type : {"RPT_TEMPLATE", "RPT-TEMPLATE"}) {
        ASSERT_EQ(manager->Save(nullptr, path, report.Get(), type, nullptr), S_OK) << type;
        ISRepSession* loaded = NewSession();
        ASSERT_EQ(manager->Load(nullptr, path, nullptr, loaded, nullptr, nullptr), S_OK) << type;
        EXPECT_EQ(DumpModel(loaded), DumpModel(session.Get())) << type;
    }
    ASSERT_TRUE(Item(innermost.Get(), 0xD6, "DEEPER"));
    const std::string file = STestTempFolder::ReadFile(path);
    const std::string backup = STestTempFolder::ReadFile(folder.PathOf("report.rtb"));
    SRepVariant before;
    report->GetAttribute(0x01000001, &before);
    for (const char* type : {"RPT_TEMPLATE", "RPT-TEMPLATE"})
        EXPECT_EQ(manager->Save(nullptr, path, report.Get(), type, nullptr), E_INVALIDARG) << type;
    // Neither the file, nor its backup, nor the objects' ids.
    EXPECT_EQ(STestTempFolder::ReadFile(path), file);
    EXPECT_EQ(STestTempFolder::ReadFile(folder.PathOf("report.rtb")), backup);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"report.rtb", "report.rtp"}));
    SRepVariant after;
    report->GetAttribute(0x01000001, &after);
    EXPECT_EQ(GUIDToString(after.GetOID()), GUIDToString(before.GetOID()));
}

TEST_F(SRptTemplateLoadSaveManagerTest, BothFormsHoldATemplateOfFiftyThousandItems) {
    SComWrap<ISRepClassCol> templates;
    report->GetCollection(kTemplates, &templates);
    SComWrap<ISRepObject> first;
    templates->Item(0, &first);
    {
        // Each item a text paragraph of some length, as a report's texts are.
        std::string text;
        while (text.size() < 1500) text += "A paragraph of the template's text, written as a user writes them. ";
        SRepCascadeGuard noCascade;
        for (int i = 0; i < 50000; ++i) SetText(Item(first.Get(), 0xF7, "TEXT").Get(), 0x020063E0, text.c_str());
    }
    SComWrap<ISRepClassCol> items;
    first->GetCollection(kItems, &items);
    int32_t count = 0;
    items->GetCount(&count);
    for (const char* type : {"RPT_TEMPLATE", "RPT-TEMPLATE"}) {
        ASSERT_EQ(manager->Save(nullptr, path, report.Get(), type, nullptr), S_OK) << type;
        ISRepSession* loaded = NewSession();
        ASSERT_EQ(manager->Load(nullptr, path, nullptr, loaded, nullptr, nullptr), S_OK) << type;
        SComWrap<ISRepObject> root;
        loaded->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&root));
        ASSERT_TRUE(root);
        SComWrap<ISRepClassCol> loadedTemplates, loadedItems;
        root->GetCollection(kTemplates, &loadedTemplates);
        SComWrap<ISRepObject> loadedFirst;
        loadedTemplates->Item(0, &loadedFirst);
        loadedFirst->GetCollection(kItems, &loadedItems);
        int32_t loadedCount = 0;
        loadedItems->GetCount(&loadedCount);
        EXPECT_EQ(loadedCount, count) << type;
        SComWrap<ISRepObject> lastLoaded, lastSaved;
        loadedItems->Item(loadedCount - 1, &lastLoaded);
        items->Item(count - 1, &lastSaved);
        ASSERT_TRUE(lastLoaded);
        EXPECT_EQ(DumpOf(lastLoaded.Get()), DumpOf(lastSaved.Get())) << type;
    }
}

TEST_F(SRptTemplateLoadSaveManagerTest, AFileOfAnOlderVersionIsReadThroughItsNames) {
    SRptTemplateLoadSaveManager::SetFiller(4, OldNamesFiller);
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Repository><Signature type=\"RPT_TEMPLATE\" version=\"8.0.1\">"
        "<Entry key=\"Name\">Old</Entry></Signature><Model><o:SRptOldReport><a:OldTitle>from 8.0.1</a:OldTitle>"
        "<a:Labl>current name</a:Labl></o:SRptOldReport></Model></Repository>";
    STestTempFolder::WriteFile(path, text);
    ISRepSession* loaded = NewSession();
    ASSERT_EQ(manager->Load(nullptr, path, nullptr, loaded, nullptr, nullptr), S_OK);
    SComWrap<ISRepObject> root;
    loaded->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&root));
    ASSERT_TRUE(root);
    SRepVariant title, comment;
    root->GetAttribute(0x02006503, &title);
    root->GetAttribute(0x02000001, &comment);
    EXPECT_EQ(title.GetText(), "from 8.0.1");
    EXPECT_EQ(comment.GetText(), "current name");
    // The same names in a file of the current version mean nothing.
    STestTempFolder::WriteFile(path, text.replace(text.find("8.0.1\">"), 5, "9.0.0"));
    ISRepSession* current = NewSession();
    ASSERT_EQ(manager->Load(nullptr, path, nullptr, current, nullptr, nullptr), S_OK);
    EXPECT_EQ(DumpModel(current), "");
}
