// The repository document forms: what is saved in either form reads back as it was, the XML form
// is stable and well-formed, the signature reads alone, and malformed, truncated or hostile input
// is refused with the place where it went wrong and leaves nothing in the session.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/base/SInputStringStream.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/repo/SRepDocumentLimits.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepStreamManager.h"
#include "platform/repo/SRepXMLStreamManager.h"
#include "platform/repo/SRepXMLWriter.h"
#include "support/STestTemplateReport.h"
#include "support/STestTempFolder.h"

using namespace stest_template_report;

namespace {

class SRepDocumentForms : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SRepSession::Create("source", &source), S_OK);
        ASSERT_EQ(SRepSession::Create("target", &target), S_OK);
        report = MakeFullReport(source.Get());
        ASSERT_TRUE(report);
        SStringMap map;
        map.SetAt("Name", "First template");
        map.SetAt("ModuleID", "MOD");
        xml.SetSignature("RPT_TEMPLATE", "9.0.0", map);
        bin.SetSignature("RPT-TEMPLATE", "9.0.0", map);
    }
    void TearDown() override {
        report.Clear();
        source->Close();
        target->Close();
    }

    static std::string Save(SRepStreamManager& manager, ISRepObject* root) {
        SOutputStringStream out;
        EXPECT_EQ(manager.Save(out, root), S_OK);
        return out.GetString().str();
    }
    HRESULT Load(SRepStreamManager& manager, const std::string& bytes, SReadResult* result = nullptr) {
        SInputStringStream in{SString(bytes)};
        return manager.Load(in, static_cast<ISLoadSaveManager*>(nullptr), target.Get(), result);
    }
    int32_t TargetCount() {
        SComWrap<ISRepClassCol> model;
        target->GetObjects(&model);
        int32_t count = 0;
        model->GetCount(&count);
        return count;
    }
    // A document of the XML form around a body.
    static std::string XmlDocument(const std::string& body, const std::string& version = "9.0.0") {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Repository xmlns:o=\"o\" xmlns:a=\"a\" xmlns:c=\"c\">"
               "<Signature type=\"RPT_TEMPLATE\" version=\"" + version + "\"><Entry key=\"Name\">N</Entry></Signature>"
               "<Model>" + body + "</Model></Repository>\n";
    }

    static std::string Repeat(const std::string& text, int times) {
        std::string repeated;
        for (int i = 0; i < times; ++i) repeated += text;
        return repeated;
    }
    void ClearTarget() {
        SComWrap<ISRepClassCol> model;
        target->GetObjects(&model);
        model->DeleteAll();
    }
    SComWrap<ISRepObject> FirstTemplate() {
        SComWrap<ISRepClassCol> templates;
        report->GetCollection(kTemplates, &templates);
        SComWrap<ISRepObject> first;
        templates->Item(0, &first);
        return first;
    }

    SComWrap<ISRepSession> source;
    SComWrap<ISRepSession> target;
    SComWrap<ISRepObject> report;
    SRepXMLStreamManager xml;
    SRepStreamManager bin;
};

}  // namespace

TEST_F(SRepDocumentForms, BothFormsReadBackEveryItemKindWithItsAttributesAndTree) {
    const std::string before = DumpModel(source.Get());
    // The document holds what the report was built with.
    for (const char* part : {"SRptText", "SRptTitle", "SRptPageBreak", "SRptTextFile", "SRptGraphicFile", "SRptGrpText",
                             "SRptGrpTitle", "SRptFolder", "SRptUserGraphic", "SRptTblCts", "SRptForm", "SRptFormRow",
                             "SRptFormCell", "SRptList", "SRptListRow", "SRptListCell", "SRptTabulation", "SRptParaTitle"})
        EXPECT_NE(before.find(part), std::string::npos) << part;
    for (SRepStreamManager* manager : {static_cast<SRepStreamManager*>(&xml), &bin}) {
        const std::string bytes = Save(*manager, report.Get());
        ASSERT_EQ(Load(*manager, bytes), S_OK);
        EXPECT_EQ(DumpModel(target.Get()), before);
        EXPECT_EQ(manager->GetTypeName(), manager == &xml ? "RPT_TEMPLATE" : "RPT-TEMPLATE");
        ClearTarget();
    }
}

TEST_F(SRepDocumentForms, XmlSavedLoadedAndSavedAgainIsTheSameToTheByte) {
    const std::string first = Save(xml, report.Get());
    ASSERT_EQ(Load(xml, first), S_OK);
    SComWrap<ISRepObject> loaded;
    target->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&loaded));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Save(xml, loaded.Get()), first);
    // Element names are the classes', attributes' and collections' own; texts XML cannot carry
    // as they are go as hexadecimal; the three prefixes are declared.
    EXPECT_NE(first.find("<o:SRptReport>"), std::string::npos);
    EXPECT_NE(first.find("<c:Templates>"), std::string::npos);
    EXPECT_NE(first.find("<a:Header>Header &lt;b&gt;</a:Header>"), std::string::npos);
    EXPECT_NE(first.find("<a:FirstPageAuthor enc=\"hex\">"), std::string::npos);
    EXPECT_NE(first.find("xmlns:o="), std::string::npos);
    EXPECT_NE(first.find("<Entry key=\"ModuleID\">MOD</Entry>"), std::string::npos);
}

TEST_F(SRepDocumentForms, XmlDocumentIsWrittenForTheWellFormednessCheck) {
    // The build's xmllint check reads the file this test writes where it is told to.
    STestTempFolder folder;
    const char* where = std::getenv("VAROD9_XML_SAMPLE");
    const std::string path = where && *where ? std::string(where) : folder.PathOf("sample.rtp").str();
    std::ofstream(path, std::ios::binary) << Save(xml, report.Get());
    EXPECT_GT(STestTempFolder::ReadFile(SString(path)).size(), 1000u);
}

TEST_F(SRepDocumentForms, SignatureReadsWithoutTheRestOfTheDocument) {
    const std::string saved = Save(xml, report.Get());
    const size_t body = saved.find("<Model>");
    ASSERT_NE(body, std::string::npos);
    // Whatever follows the signature is not looked at.
    const std::string cut = saved.substr(0, body) + "<Model><o:SRptReport> & garbage";
    SString type, version;
    SStringMap map;
    SInputStringStream in{SString(cut)};
    EXPECT_EQ(xml.ReadSignature(in, &type, &version, &map), S_OK);
    EXPECT_EQ(type, "RPT_TEMPLATE");
    EXPECT_EQ(version, "9.0.0");
    SString name;
    EXPECT_TRUE(map.Lookup("Name", name));
    EXPECT_EQ(name, "First template");
    // Reading the whole of it is refused where it breaks, and leaves nothing.
    SReadResult result;
    EXPECT_EQ(Load(xml, cut, &result), static_cast<HRESULT>(0x80030019));
    EXPECT_EQ(result.code, static_cast<HRESULT>(0x80030019));
    EXPECT_GT(result.line, 1u);
    EXPECT_GT(result.column, 0u);
    EXPECT_EQ(TargetCount(), 0);

    std::string binary = Save(bin, report.Get());
    SInputStringStream binIn{SString(binary.substr(0, 120))};
    SStringMap binMap;
    EXPECT_EQ(bin.ReadSignature(binIn, &type, &version, &binMap), S_OK);
    EXPECT_EQ(type, "RPT-TEMPLATE");
    EXPECT_TRUE(binMap.Lookup("ModuleID", name));
    EXPECT_EQ(name, "MOD");
}

TEST_F(SRepDocumentForms, XmlThatIsNoRepositoryDocumentIsRefusedWithItsPlace) {
    struct Case {
        const char* what;
        std::string text;
    };
    std::string deep;
    for (int i = 0; i < 300; ++i) deep += "<o:SRptFolder><c:Items>";
    const Case cases[] = {
        {"entities", "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>"
                     "<Repository><Signature type=\"&b;\"/></Repository>"},
        {"another root", "<Document/>"},
        {"no signature", "<Repository><Model/></Repository>"},
        {"not well-formed", XmlDocument("<o:SRptReport><a:Name>x</a:Code></o:SRptReport>")},
        {"a bad number", XmlDocument("<o:SRptReport>\n<a:SectNum>2</a:SectNum></o:SRptReport>")},
        {"a bad rectangle", XmlDocument("<o:SRptTemplate><a:Margin>1 2 3</a:Margin></o:SRptTemplate>")},
        {"nested too deep", XmlDocument("<o:SRptReport><c:Templates><o:SRptTemplate><c:Items>" + deep)},
        // Elements that name nothing known nest no deeper than objects may.
        {"unknown elements nested too deep",
         XmlDocument("<o:SRptReport>" + Repeat("<x:a>", 600) + Repeat("</x:a>", 600) + "</o:SRptReport>")},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        SReadResult result;
        EXPECT_EQ(Load(xml, c.text, &result), static_cast<HRESULT>(0x80030019)) << c.what;
        EXPECT_LE(result.offset, c.text.size()) << c.what;
        EXPECT_EQ(TargetCount(), 0) << c.what;
    }
    SReadResult result;
    Load(xml, XmlDocument("<o:SRptReport>\n<a:SectNum>2</a:SectNum></o:SRptReport>"), &result);
    EXPECT_EQ(result.line, 3u);
}

TEST_F(SRepDocumentForms, ObjectsNestedAsDeepAsReadersTakeAreWrittenAndOneLevelMoreWritesNothing) {
    SComWrap<ISRepObject> innermost = NestFolders(report.Get(), SRepDocumentLimits::kMaxDepth);
    ASSERT_TRUE(innermost);
    const std::string before = DumpModel(source.Get());
    for (SRepStreamManager* manager : {static_cast<SRepStreamManager*>(&xml), &bin}) {
        ASSERT_EQ(Load(*manager, Save(*manager, report.Get())), S_OK);
        EXPECT_EQ(DumpModel(target.Get()), before);
        ClearTarget();
    }
    // A record holds what a document keeps under its report: the template, one level less deep.
    const SComWrap<ISRepObject> first = FirstTemplate();
    SOutputStringStream record;
    ASSERT_EQ(SRepStreamManager::Save(record, first.Get(), SRepStreamManager::kSaveDeep), S_OK);
    SInputStringStream in{record.GetString()};
    SComWrap<ISRepObject> read;
    ASSERT_EQ(SRepStreamManager::Load(in, &read, target.Get()), S_OK);
    ASSERT_TRUE(read);
    EXPECT_EQ(DumpOf(read.Get()), DumpOf(first.Get()));
    read->Delete();

    ASSERT_TRUE(Item(innermost.Get(), 0xD6, "DEEPER"));
    ASSERT_EQ(DepthOf(report.Get()), SRepDocumentLimits::kMaxDepth + 1);
    for (SRepStreamManager* manager : {static_cast<SRepStreamManager*>(&xml), &bin}) {
        SOutputStringStream out;
        EXPECT_EQ(manager->Save(out, report.Get()), E_INVALIDARG);
        EXPECT_EQ(out.GetPosition(), 0);
    }
    SOutputStringStream deeper;
    EXPECT_EQ(SRepStreamManager::Save(deeper, first.Get(), SRepStreamManager::kSaveDeep), E_INVALIDARG);
    EXPECT_EQ(deeper.GetPosition(), 0);
}

TEST_F(SRepDocumentForms, XmlIndentationStopsAtAFixedDepthSoTheFileGrowsWithItsContent) {
    NestFolders(report.Get(), SRepDocumentLimits::kMaxDepth);
    const std::string text = Save(xml, report.Get());
    size_t widest = 0;
    for (size_t line = 0; line < text.size(); line = text.find('\n', line) + 1) {
        widest = std::max(widest, text.find_first_not_of(' ', line) - line);
        if (text.find('\n', line) == std::string::npos) break;
    }
    EXPECT_EQ(widest, 2u * SRepXMLWriter::kMaxIndent);
}

TEST_F(SRepDocumentForms, XmlElementsThatNameNothingKnownAreSkipped) {
    const std::string text = XmlDocument(
        "<o:SRptReport><a:Name>kept</a:Name><a:NoSuchAttribute>x</a:NoSuchAttribute><x:Other><o:SRptReport/></x:Other>"
        "<c:Templates><o:NoSuchClass><a:Name>y</a:Name></o:NoSuchClass>"
        "<o:SRptParaTitle><a:FontName>not a template</a:FontName></o:SRptParaTitle>"
        "<o:SRptTemplate><a:Name>T</a:Name></o:SRptTemplate></c:Templates></o:SRptReport>");
    ASSERT_EQ(Load(xml, text), S_OK);
    const std::string dump = DumpModel(target.Get());
    EXPECT_NE(dump.find("Name=" + std::to_string(SREP_VT_CHAR254) + ":kept|"), std::string::npos);
    EXPECT_NE(dump.find("c:Templates 1"), std::string::npos);
    EXPECT_EQ(dump.find("SRptParaTitle"), std::string::npos);
    EXPECT_EQ(TargetCount(), 1);
}

TEST_F(SRepDocumentForms, BinaryCutShortAnywhereIsRefusedInsideTheInput) {
    const std::string bytes = Save(bin, report.Get());
    for (size_t size = 0; size < bytes.size(); size += (size < 200 ? 1 : 97)) {
        SReadResult result;
        EXPECT_EQ(Load(bin, bytes.substr(0, size), &result), static_cast<HRESULT>(0x80030019)) << size;
        EXPECT_LE(result.offset, size) << size;
        EXPECT_EQ(result.line, 0u);
        ASSERT_EQ(TargetCount(), 0) << size;
    }
}

TEST_F(SRepDocumentForms, BinaryLengthsBeyondTheInputAllocateNothingForThem) {
    std::string bytes = Save(bin, report.Get());
    // The first object record begins after the body's name and the object count.
    const size_t record = bytes.find(std::string("Model", 5)) + 5 + 4;
    ASSERT_EQ(bytes[record], 'O');
    std::string hostile = bytes;
    hostile.replace(record + 1, 4, std::string("\xF0\xFF\xFF\x03", 4));
    SReadResult result;
    EXPECT_EQ(Load(bin, hostile, &result), static_cast<HRESULT>(0x80030019));
    EXPECT_EQ(result.offset, hostile.size());
    // A record that claims more than the record around it holds.
    hostile = bytes;
    hostile.replace(record + 1 + 4 + 16 + 1, 4, std::string("\xFF\xFF\x00\x00", 4));
    EXPECT_EQ(Load(bin, hostile, &result), static_cast<HRESULT>(0x80030019));
    EXPECT_EQ(result.offset, record + 1 + 4 + 16);
    EXPECT_EQ(TargetCount(), 0);
}

TEST_F(SRepDocumentForms, OneObjectRecordDelimitsItself) {
    const SComWrap<ISRepObject> first = FirstTemplate();
    SOutputStringStream out;
    ASSERT_EQ(SRepStreamManager::Save(out, first.Get(), SRepStreamManager::kSaveDeep), S_OK);
    const std::string record = out.GetString().str();
    // Two records back to back read as two objects.
    SInputStringStream in{SString(record + record)};
    for (int i = 0; i < 2; ++i) {
        SComWrap<ISRepObject> read;
        ASSERT_EQ(SRepStreamManager::Load(in, &read, target.Get()), S_OK);
        ASSERT_TRUE(read);
        EXPECT_EQ(DumpOf(read.Get()), DumpOf(first.Get()));
        read->Delete();
    }
    EXPECT_TRUE(in.IsEOF());
    SComWrap<ISRepObject> none;
    EXPECT_EQ(SRepStreamManager::Load(in, &none, nullptr), E_POINTER);
}
