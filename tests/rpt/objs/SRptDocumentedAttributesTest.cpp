// Every report class that can be made answers, for each attribute that it or one of its base
// classes declares, the type word and flags the documentation gives, shifted right by 8 bits. The
// expected values are read from tests/data/metamodel/report-attributes.txt, a transcription of the
// documented member records, not from the library's own metamodel table: a slip in either fails.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/repo/ISRepObject.h"
#include "platform/repo/SRepSession.h"
#include "support/SRptItemTestFixture.h"

namespace {

struct DocumentedClass {
    uint32_t flags = 0;
    std::string guidByte;
    std::string base;
    std::vector<std::string> attributes;  // ids, in the order documented
};

struct DocumentedAttribute {
    uint32_t type = 0;
    uint32_t flags = 0;
};

// The documented type words: the type code in bits 24-31, a CHAR's length in bits 8-23.
uint32_t TypeWord(const std::string& type) {
    if (type.rfind("CHAR(", 0) == 0) return 0x09000000u | (std::stoul(type.substr(5)) << 8);
    static const std::map<std::string, uint32_t> words = {{"TEXT", 0x0A000000u}, {"SHORT", 0x02000000u},
                                                          {"INT", 0x03000000u},  {"BOOL", 0x04000000u},
                                                          {"POINT", 0x0E000000u}, {"RECT", 0x0F000000u}};
    auto it = words.find(type);
    EXPECT_NE(it, words.end()) << type;
    return it == words.end() ? 0 : it->second;
}

class SRptDocumentedAttributes : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SRptItemTestFixture::SetUp();
        std::ifstream in(std::string(VAROD9_TEST_DATA) + "/metamodel/report-attributes.txt");
        ASSERT_TRUE(in) << "no table of documented attributes";
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::string kind;
            fields >> kind;
            if (kind == "class") {
                std::string name, flags;
                DocumentedClass row;
                fields >> name >> flags >> row.guidByte >> row.base;
                row.flags = static_cast<uint32_t>(std::stoul(flags, nullptr, 16));
                classes[name] = row;
            } else if (kind == "attr") {
                std::string owner, code, id, type, flags;
                fields >> owner >> code >> id >> type >> flags;
                classes[owner].attributes.push_back(id);
                attributes[owner + ":" + id] = {TypeWord(type),
                                                static_cast<uint32_t>(std::stoul(flags, nullptr, 16))};
            }
        }
    }

    // The class's attributes and those of its bases, the nearest declaration of an id counting.
    std::map<int32_t, DocumentedAttribute> AttributesOf(const std::string& name) {
        std::map<int32_t, DocumentedAttribute> result;
        for (std::string c = name; classes.count(c); c = classes[c].base)
            for (const std::string& id : classes[c].attributes)
                result.emplace(static_cast<int32_t>(std::stoul(id, nullptr, 16)), attributes[c + ":" + id]);
        return result;
    }

    std::map<std::string, DocumentedClass> classes;
    std::map<std::string, DocumentedAttribute> attributes;
};

}  // namespace

TEST_F(SRptDocumentedAttributes, EveryClassAnswersTheDocumentedTypesAndFlags) {
    ASSERT_EQ(classes.size(), 36u);
    ASSERT_EQ(attributes.size(), 154u);
    std::set<std::string> notMade;
    int32_t checked = 0;
    for (const auto& [name, row] : classes) {
        if (row.flags & 0x1) continue;  // abstract: checked through the classes that derive from it
        GUID clsid;
        ASSERT_TRUE(GUIDFromString("{A6BAC8" + row.guidByte + "-B730-11D1-8898-00A02455633B}", clsid)) << name;
        SComWrap<ISRepObject> object;
        if (FAILED(session->CreateObject(clsid, reinterpret_cast<void**>(&object), ISRepObject::iid))) {
            notMade.insert(name);
            continue;
        }
        for (const auto& [id, expected] : AttributesOf(name)) {
            EXPECT_EQ(object->GetAttributeType(id), expected.type >> 8) << name << std::hex << " 0x" << id;
            EXPECT_EQ(object->GetAttributeFlags(id), expected.flags >> 8) << name << std::hex << " 0x" << id;
            EXPECT_TRUE(object->HasAttribute(id)) << name << std::hex << " 0x" << id;
            ++checked;
        }
        object.Clear();
    }
    // Every class that is not abstract is made.
    EXPECT_EQ(notMade, std::set<std::string>{});
    EXPECT_GT(checked, 154);
}
