// The element-name tables of older template files: what each filler enters, in which order, and
// what it answers, with a recording table and with the library's own metamodel.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepMetaDTD.h"
#include "platform/repo/SRepMetaDTDClass.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "rpt/legacy/SRptLegacyDtdFiller.h"
#include "varod9/RptLegacyDtd.h"

namespace {

// A class entry that logs its bindings into the table's log.
class SRecordingDTDClass : public SRepMetaDTDClass {
public:
    SRecordingDTDClass(const SRepMetaClass* metaClass, const SString& name, std::vector<std::string>* log)
        : SRepMetaDTDClass(metaClass, name), m_log(log) {}
    bool BindAttribute(const SRepMetaAttribute* attribute, const SString& name) override {
        m_log->push_back(name.str());
        return SRepMetaDTDClass::BindAttribute(attribute, name);
    }
    bool BindCollection(const SRepMetaCollection* collection, const SString& name) override {
        m_log->push_back(name.str());
        return SRepMetaDTDClass::BindCollection(collection, name);
    }

private:
    std::vector<std::string>* m_log;
};

// Records every call in order; fails the AddClass call numbered `failAt` (from 1) when set.
class SRecordingDTD : public SRepMetaDTD {
public:
    SRepMetaDTDClass* AddClass(const SRepMetaClass* metaClass, const SString& name, int32_t a, int32_t b) override {
        log.push_back(name.str());
        ++classes;
        words.emplace_back(a, b);
        if (failAt && classes == failAt) return nullptr;
        entries.push_back(std::make_unique<SRecordingDTDClass>(metaClass, name, &log));
        return entries.back().get();
    }
    int32_t Count(char prefix) const {
        int32_t n = 0;
        for (const std::string& entry : log) n += entry[0] == prefix ? 1 : 0;
        return n;
    }
    // The names logged from the class entry `name` up to the next class entry.
    std::vector<std::string> Block(const std::string& name) const {
        std::vector<std::string> block;
        bool in = false;
        for (const std::string& entry : log) {
            if (entry.rfind("o:", 0) == 0) {
                if (in) break;
                in = entry == name;
            }
            if (in) block.push_back(entry);
        }
        return block;
    }

    std::vector<std::string> log;
    std::vector<std::pair<int32_t, int32_t>> words;
    std::vector<std::unique_ptr<SRecordingDTDClass>> entries;
    int32_t classes = 0;
    int32_t failAt = 0;
};

// Finds every class and member the tables name, except those taken away, so that the filling
// makes every call the tables describe. The pointers it answers are real ones of the library's
// metamodel; the recording table never looks into them.
class SAllFoundFiller : public SRptLegacyDtdFiller {
public:
    SAllFoundFiller() : SRptLegacyDtdFiller(GetTypeLibManager()) {
        m_class = GetTypeLibManager()->FindMetaClassByName(SString("SRptPara"));
        m_attribute = m_class ? m_class->FindAttribute(0x02006001) : nullptr;        // FontName
        m_collection = m_class ? m_class->FindCollection(0x02006030) : nullptr;      // Tabs
    }
    bool Ready() const { return m_class && m_attribute && m_collection; }

    std::set<GUID> missingClasses;
    std::set<uint32_t> missingAttributes;
    std::set<uint32_t> missingCollections;

protected:
    const SRepMetaClass* FindMetaClass(const GUID& classId) const override {
        return missingClasses.count(classId) ? nullptr : m_class;
    }
    const SRepMetaAttribute* FindAttribute(const SRepMetaClass*, uint32_t id) const override {
        return missingAttributes.count(id) ? nullptr : m_attribute;
    }
    const SRepMetaCollection* FindCollection(const SRepMetaClass*, uint32_t id) const override {
        return missingCollections.count(id) ? nullptr : m_collection;
    }

private:
    const SRepMetaClass* m_class = nullptr;
    const SRepMetaAttribute* m_attribute = nullptr;
    const SRepMetaCollection* m_collection = nullptr;
};

const RPTDTDVERSION& Version(const char* name) {
    int32_t count = 0;
    const RPTDTDVERSION* versions = SRptLegacyNameTables::GetVersions(&count);
    for (int32_t i = 0; i < count; ++i)
        if (std::string(versions[i].version) == name) return versions[i];
    throw std::runtime_error("no table");
}

constexpr GUID kSSymPolyline = MakeGUID("{36083F60-1A49-11D1-83D9-444553540000}");
constexpr GUID kSSymDiagram = MakeGUID("{36083F6D-1A49-11D1-83D9-444553540000}");

struct STotals {
    const char* version;
    int32_t classes, attributes, collections;
};

TEST(SRptLegacyDtdFiller, EveryNameFoundGivesTheDocumentedTotalsAndZero) {
    const STotals totals[] = {{"7.0.0", 58, 874, 103}, {"7.0.3", 58, 949, 103}, {"7.5.0", 58, 743, 62},
                              {"8.0.0", 58, 762, 62}, {"8.0.1", 57, 696, 26}};
    for (const STotals& t : totals) {
        SAllFoundFiller filler;
        ASSERT_TRUE(filler.Ready());
        SRecordingDTD dtd;
        EXPECT_EQ(filler.Fill(Version(t.version), &dtd), S_OK) << t.version;
        EXPECT_EQ(dtd.Count('o'), t.classes) << t.version;
        EXPECT_EQ(dtd.Count('a'), t.attributes) << t.version;
        EXPECT_EQ(dtd.Count('c'), t.collections) << t.version;
        for (const auto& words : dtd.words) EXPECT_EQ(words, std::make_pair(0, 1));
    }
}

TEST(SRptLegacyDtdFiller, ClassBlocksBindAttributesThenCollectionsByAscendingId) {
    SAllFoundFiller filler;
    SRecordingDTD v700, v703, v750, v800, v801;
    filler.Fill(Version("7.0.0"), &v700);
    filler.Fill(Version("7.0.3"), &v703);
    filler.Fill(Version("7.5.0"), &v750);
    filler.Fill(Version("8.0.0"), &v800);
    filler.Fill(Version("8.0.1"), &v801);

    const std::vector<std::string> report700 = {
        "o:SRptReport", "a:OID", "a:Name", "a:Code", "a:Parent", "a:DispName", "a:CDAT", "a:CUSR", "a:MDAT",
        "a:MUSR", "a:Labl", "a:LangID", "a:FirstPageTitle", "a:FirstPageAuthor", "a:FirstPageVersion",
        "a:FirstPageDate", "a:FirstPageSummary", "a:HasFirstPage", "a:HasFirstPageTitle", "a:HasFirstPageAuthor",
        "a:HasFirstPageVersion", "a:HasFirstPageDate", "a:HasFirstPageSummary", "c:ObjShortcuts", "c:Paragraphs",
        "c:Templates", "c:Availables", "c:ExtSess"};
    EXPECT_EQ(v700.Block("o:SRptReport"), report700);
    std::vector<std::string> report703 = report700;
    report703.insert(report703.begin() + 6, "a:ClssName");  // after "a:DispName", before "a:CDAT"
    EXPECT_EQ(v703.Block("o:SRptReport"), report703);

    EXPECT_EQ(v703.Block("o:SSymLinkSym"),
              (std::vector<std::string>{"o:SSymLinkSym", "a:Parent", "a:ClssName", "a:ClipRect", "a:HasAShadow",
                                        "a:ListPt", "a:LineStyle", "a:Arrows", "a:BlobData", "a:SYMBASE.Flags",
                                        "c:LinkSrc", "c:LinkDst"}));
    EXPECT_EQ(v700.Block("o:SRepObject"), (std::vector<std::string>{"o:SRepObject", "a:Parent"}));
    EXPECT_EQ(v703.Block("o:SRepObject"), (std::vector<std::string>{"o:SRepObject", "a:Parent", "a:ClssName"}));
    EXPECT_EQ(v700.Block("o:SRepRootObject"),
              (std::vector<std::string>{"o:SRepRootObject", "a:Parent", "c:SubFolders", "c:Objects"}));
    EXPECT_EQ(v750.Block("o:SRepObject"), (std::vector<std::string>{"o:SRepObject"}));

    const std::vector<std::string> report800 = {
        "o:SRptReport", "a:OID", "a:Name", "a:Code", "a:CDAT", "a:CUSR", "a:MDAT", "a:MUSR", "a:Labl", "a:LangID",
        "a:FirstPageTitle", "a:FirstPageAuthor", "a:FirstPageVersion", "a:FirstPageDate", "a:FirstPageSummary",
        "a:HasFirstPage", "a:HasFirstPageTitle", "a:HasFirstPageAuthor", "a:HasFirstPageVersion",
        "a:HasFirstPageDate", "a:HasFirstPageSummary", "a:SectNum", "c:Paragraphs", "c:Templates"};
    EXPECT_EQ(v800.Block("o:SRptReport"), report800);
    std::vector<std::string> report801 = report800;
    report801.erase(std::find(report801.begin(), report801.end(), "a:OID"));
    report801.erase(std::find(report801.begin(), report801.end(), "c:Paragraphs"));
    EXPECT_EQ(v801.Block("o:SRptReport"), report801);

    const std::vector<std::string> para800 = v800.Block("o:SRptPara");
    ASSERT_GE(para800.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(para800.end() - 4, para800.end()),
              (std::vector<std::string>{"a:InTable", "a:Box", "a:BoxWidth", "c:Tabs"}));
    const std::vector<std::string> para801 = v801.Block("o:SRptPara");
    EXPECT_EQ(std::count_if(para801.begin(), para801.end(), [](const std::string& n) { return n[0] == 'c'; }), 0);
    EXPECT_EQ(std::count(para801.begin(), para801.end(), "a:ParaName"), 0);

    const std::vector<std::string> title801 = v801.Block("o:SRptGrpTitle");
    ASSERT_GE(title801.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(title801.end() - 3, title801.end()),
              (std::vector<std::string>{"a:GRPTL.Text", "a:PhysOrder", "c:Paragraphs"}));
    EXPECT_EQ(v801.Block("o:SRepRootObject"), (std::vector<std::string>{"o:SRepRootObject", "c:Objects"}));
    EXPECT_EQ(v801.Block("o:SSymRectangle"),
              (std::vector<std::string>{"o:SSymRectangle", "a:HasAShadow", "a:BlobData", "a:SYMBASE.Flags"}));
    EXPECT_TRUE(v801.Block("o:SSymPolyline").empty());
}

TEST(SRptLegacyDtdFiller, OneIdCarriesTwoNamesInDifferentClasses) {
    SAllFoundFiller filler;
    SRecordingDTD v700, v800;
    filler.Fill(Version("7.0.0"), &v700);
    filler.Fill(Version("8.0.0"), &v800);
    const std::vector<std::string> shortcut = v700.Block("o:SRepShortcut");
    EXPECT_EQ(std::count(shortcut.begin(), shortcut.end(), "a:ParentShct"), 1);
    EXPECT_EQ(std::count(shortcut.begin(), shortcut.end(), "a:Parent"), 0);
    const std::vector<std::string> diagram = v800.Block("o:SSymDiagram");
    EXPECT_EQ(std::count(diagram.begin(), diagram.end(), "a:Comment"), 1);
    const std::vector<std::string> report = v800.Block("o:SRptReport");
    EXPECT_EQ(std::count(report.begin(), report.end(), "a:Labl"), 1);
}

TEST(SRptLegacyDtdFiller, ResultsTellWhatWasMissingInTheirOrderOfPrecedence) {
    {
        SRecordingDTD dtd;
        EXPECT_EQ(SRptLegacyDtdFiller(nullptr).Fill(Version("7.0.0"), &dtd), static_cast<HRESULT>(0x80004005));
        EXPECT_TRUE(dtd.log.empty());
        EXPECT_EQ(SRptLegacyDtdFiller(nullptr).Fill(Version("7.0.0"), nullptr), static_cast<HRESULT>(0x80070057));
    }
    {  // the symbol classes unknown: no entry of theirs, every other class filled
        SAllFoundFiller filler;
        int32_t count = 0;
        const RPTDTDVERSION* versions = SRptLegacyNameTables::GetVersions(&count);
        for (uint16_t c = 0; c < versions[0].classCount; ++c)
            if (std::string(versions[0].classes[c].name).rfind("o:SSym", 0) == 0)
                filler.missingClasses.insert(versions[0].classes[c].clsid);
        filler.missingAttributes.insert(0x02006001);
        SRecordingDTD dtd;
        EXPECT_EQ(filler.Fill(Version("7.0.0"), &dtd), static_cast<HRESULT>(0x21000000));
        EXPECT_EQ(dtd.Count('o'), 40);
        EXPECT_TRUE(dtd.Block("o:SSymDiagram").empty());
        EXPECT_FALSE(dtd.Block("o:SRptTabulation").empty());
    }
    {  // one attribute missing: everything else bound
        SAllFoundFiller filler;
        filler.missingAttributes.insert(0x02006001);  // "a:FontName", in the five paragraph classes
        SRecordingDTD dtd;
        EXPECT_EQ(filler.Fill(Version("8.0.0"), &dtd), static_cast<HRESULT>(0x21000002));
        EXPECT_EQ(dtd.Count('a'), 762 - 5);
        EXPECT_EQ(dtd.Count('c'), 62);
        EXPECT_EQ(dtd.Count('o'), 58);
    }
    {  // a collection and an attribute missing, no class
        SAllFoundFiller filler;
        filler.missingAttributes.insert(0x02006001);
        filler.missingCollections.insert(0x02006550);  // "c:Templates"
        SRecordingDTD dtd;
        EXPECT_EQ(filler.Fill(Version("8.0.1"), &dtd), static_cast<HRESULT>(0x21000001));
        EXPECT_EQ(dtd.Count('c'), 26 - 1);
    }
    {  // a class entry that cannot be made stops the filling at once
        SAllFoundFiller filler;
        filler.missingClasses.insert(kSSymPolyline);
        SRecordingDTD dtd;
        dtd.failAt = 5;
        EXPECT_EQ(filler.Fill(Version("7.5.0"), &dtd), static_cast<HRESULT>(0x8007000E));
        EXPECT_EQ(dtd.classes, 5);
        EXPECT_EQ(dtd.entries.size(), 4u);
        EXPECT_EQ(dtd.log.back(), "o:SSymBitmap");  // the fifth class that has a current class
        EXPECT_TRUE(dtd.Block("o:SSymDiagram").empty());
    }
    (void)kSSymDiagram;
}

TEST(SRptLegacyDtdFiller, ExportedFillersAgainstTheLibrarysMetamodel) {
    // No diagram-symbol classes are registered here, so every version misses classes.
    HRESULT (*const fillers[])(SRepMetaDTD*) = {Fill_Rpt_DTD_7_0_0, Fill_Rpt_DTD_7_0_3, Fill_Rpt_DTD_7_5_0,
                                                Fill_Rpt_DTD_8_0_0, Fill_Rpt_DTD_8_0_1};
    for (auto fill : fillers) {
        SRepMetaDTD dtd;
        EXPECT_EQ(fill(&dtd), static_cast<HRESULT>(0x21000000));
        const SRepMetaDTDClass* report = dtd.FindClass(SString("o:SRptReport"));
        ASSERT_NE(report, nullptr);
        EXPECT_NE(report->FindAttribute(SString("a:FirstPageTitle")), nullptr);
        EXPECT_NE(report->FindCollection(SString("c:Templates")), nullptr);
        EXPECT_EQ(fill(nullptr), static_cast<HRESULT>(0x80070057));
    }
}

}  // namespace
