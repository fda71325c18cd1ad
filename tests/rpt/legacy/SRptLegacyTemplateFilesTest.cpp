// Template files of older versions: a file that names its elements as a version's table does is
// read into the same objects as the current form, and is saved again in the current form.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "platform/base/SInputStringStream.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepXMLStreamManager.h"
#include "rpt/legacy/SRptLegacyNameTables.h"
#include "rpt/module/SRptTemplateLoadSaveManager.h"
#include "support/STestTemplateReport.h"

using namespace stest_template_report;

namespace {

const RPTDTDCLASS* FindBlock(const RPTDTDVERSION& version, const GUID& clsid) {
    for (uint16_t c = 0; c < version.classCount; ++c)
        if (version.classes[c].clsid == clsid) return &version.classes[c];
    return nullptr;
}

const char* OldName(const RPTDTDENTRY* entries, uint16_t count, uint32_t id) {
    for (uint16_t i = 0; i < count; ++i)
        if (entries[i].id == id) return entries[i].name;
    return nullptr;
}

// Renames every attribute and collection element of a document in the current form to the name
// the version's table gives the same member in the same class; members the table does not name
// keep their current names, as files of that version that hold them would.
std::string ToVersion(const std::string& current, const RPTDTDVERSION& version) {
    const std::regex tag("<(/?)([oac]):([A-Za-z0-9_.]+)");
    std::string out;
    std::vector<const SRepMetaClass*> classes;
    auto last = current.cbegin();
    for (std::sregex_iterator it(current.begin(), current.end(), tag), end; it != end; ++it) {
        const std::smatch& m = *it;
        out.append(last, m[0].first);
        last = m[0].second;
        const bool closing = m[1] == "/";
        const char kind = m[2].str()[0];
        const std::string name = m[3];
        std::string written = kind + std::string(":") + name;
        if (kind == 'o') {
            if (closing) {
                if (!classes.empty()) classes.pop_back();
            } else {
                classes.push_back(GetTypeLibManager()->FindMetaClassByName(SString(name)));
            }
        } else if (!classes.empty() && classes.back()) {
            const SRepMetaClass* owner = classes.back();
            const RPTDTDCLASS* block = FindBlock(version, owner->GetClassId());
            const char* old = nullptr;
            if (block && kind == 'a') {
                if (const SRepMetaAttribute* attribute = owner->FindAttributeByName(SString(name)))
                    old = OldName(block->attributes, block->attributeCount, attribute->GetId());
            } else if (block) {
                if (const SRepMetaCollection* collection = owner->FindCollectionByName(SString(name)))
                    old = OldName(block->collections, block->collectionCount, collection->GetId());
            }
            if (old) written = old;
        }
        out += "<" + m[1].str() + written;
    }
    out.append(last, current.cend());
    const std::string current_version = "version=\"9.0.0\"";
    const size_t at = out.find(current_version);
    if (at != std::string::npos) out.replace(at, current_version.size(), "version=\"" + std::string(version.version) + "\"");
    return out;
}

class SRptLegacyTemplateFiles : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SRepSession::Create("source", &source), S_OK);
        report = MakeFullReport(source.Get());
        ASSERT_TRUE(report);
        SStringMap map;
        map.SetAt("Name", "First template");
        xml.SetSignature("RPT_TEMPLATE", "9.0.0", map);
        manager = new SRptTemplateLoadSaveManager();
        manager->AddRef();
    }
    void TearDown() override {
        report.Clear();
        source->Close();
        manager->Release();
    }

    std::string Save(ISRepObject* root) {
        SOutputStringStream out;
        EXPECT_EQ(xml.Save(out, root), S_OK);
        return out.GetString().str();
    }

    SComWrap<ISRepSession> source;
    SComWrap<ISRepObject> report;
    SRepXMLStreamManager xml;
    SRptTemplateLoadSaveManager* manager = nullptr;
};

}  // namespace

TEST_F(SRptLegacyTemplateFiles, EachOlderVersionsFileLoadsAndIsSavedAgainInTheCurrentForm) {
    const std::string current = Save(report.Get());
    const std::string before = DumpModel(source.Get());
    int32_t count = 0;
    const RPTDTDVERSION* versions = SRptLegacyNameTables::GetVersions(&count);
    ASSERT_EQ(count, 5);
    for (int32_t v = 0; v < count; ++v) {
        const std::string old = ToVersion(current, versions[v]);
        ASSERT_NE(old, current) << versions[v].version;
        SComWrap<ISRepSession> target;
        ASSERT_EQ(SRepSession::Create("target", &target), S_OK);
        SInputStringStream in{SString(old)};
        EXPECT_EQ(xml.Load(in, manager, target.Get()), S_OK) << versions[v].version;
        EXPECT_EQ(DumpModel(target.Get()), before) << versions[v].version;
        SComWrap<ISRepObject> loaded;
        target->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&loaded));
        ASSERT_TRUE(loaded);
        EXPECT_EQ(Save(loaded.Get()), current) << versions[v].version;
        loaded.Clear();
        target->Close();
    }
}

TEST_F(SRptLegacyTemplateFiles, OldNamesAreUsedWhereTheVersionHadThem) {
    const std::string current = Save(report.Get());
    int32_t count = 0;
    const RPTDTDVERSION* versions = SRptLegacyNameTables::GetVersions(&count);
    // 7.0.0 qualified the paragraph's alignment and the cell's title; 8.0.1 has no "c:Items",
    // so the items of an 8.0.1 file keep the current name and still load.
    const std::string v700 = ToVersion(current, versions[0]);
    EXPECT_NE(v700.find("<a:PARA.Alignment>"), std::string::npos);
    EXPECT_NE(v700.find("version=\"7.0.0\""), std::string::npos);
    const std::string v801 = ToVersion(current, versions[4]);
    EXPECT_NE(v801.find("<c:Items>"), std::string::npos);
    EXPECT_NE(v801.find("<a:PhysOrder>"), std::string::npos);
}
