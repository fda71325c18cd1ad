#pragma once
// The metamodel table (RptMetamodel.txt) as the generator reads it: the library header, then one
// line per class, attribute, collection, method and parameter. Names of classes (bases, element
// classes) are resolved to GUIDs here, so that the writer only lays out bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "SRptTableFile.h"
#include "platform/com/GUID.h"

class SRptMetamodelTable : private SRptTableFile {
public:
    struct Parameter {
        bool out = false;
        std::string typeText;
        std::string name;
    };
    struct Method {
        std::string codeName, displayName;
        uint32_t id = 0, kind = 0, returnTypeWord = 0;
        std::string returnTypeText, returnName;
        std::vector<Parameter> parameters;
    };
    struct Collection {
        std::string codeName, displayName;
        uint32_t id = 0;
        int32_t w = 0;
        uint32_t stringId = 0, kindWord = 0, flags = 0, endWord = 0;
        std::string elementClass;  // empty: none
        GUID elementClassId;
    };
    struct Attribute {
        std::string codeName, displayName;
        uint32_t id = 0;
        int32_t w = 0;
        uint32_t stringId = 0, typeWord = 0, flags = 0;
        std::string defaultValue;
    };
    struct Class {
        std::string codeName, displayName;
        uint32_t flags = 0;
        GUID classId;
        uint32_t index = 0, stringId = 0;
        std::string baseName;  // "Rpt::SRptBase"
        GUID baseClassId;
        std::vector<Attribute> attributes;
        std::vector<Collection> collections;
        std::vector<Method> methods;
    };
    struct External {
        std::string nameSpace, codeName;
        GUID classId;
    };

    // Reads and checks the table; false with a message naming the line on any error.
    bool Load(const std::string& path, std::string& error);

    std::string nameSpace, libraryName;
    GUID libraryId;
    uint8_t formatByte = 0;
    uint32_t headerWords[4] = {0, 0, 0, 0};
    std::vector<GUID> references;
    std::vector<External> externals;
    std::vector<Class> classes;

    // The class of a code name; null when the table has none.
    const Class* FindClass(const std::string& codeName) const;

private:
    void ParseLine(const std::vector<Token>& tokens);
    void Resolve();
    bool FindClassId(const std::string& nameSpace, const std::string& codeName, GUID& classId) const;

    static uint32_t TypeWord(const Token& token);
    Class& CurrentClass();
    Method& CurrentMethod();

    std::string m_lastKind;
};
