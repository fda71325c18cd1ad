#pragma once
// The attribute bindings (RptAttributeBindings.txt): which classes of the metamodel the library
// implements, the header of each, whether its objects come from an allocator of the class, the
// editors of its attributes, and how an attribute is held where the rule does not say it.
// The rule: a stored attribute is the member m_<name> of the class's in-memory half (the code
// name with its first word in lower case: TOCEntry m_tocEntry, ItemID m_itemID); a computed one
// is read through Get<name>() and, unless read-only, written through Put<name>(text), and it
// has no default.
//     include  rpt/module/SRptFont.h
//     class    SRptCustom  rpt/objs/items/SRptCustomMem.h
//       attr   ResPath     set=StoreResPath
//     class    SRptText    rpt/objs/items/SRptTextMem.h  allocator
//     class    SRptTableCell  rpt/objs/tables/SRptTableCellMem.h
//       editor Width       SRptAttrEditorTableCellWidth
#include <string>
#include <vector>

#include "SRptTableFile.h"

class SRptAttributeBindings : private SRptTableFile {
public:
    struct Attribute {
        std::string codeName;
        std::string setter;        // set=F: written through F instead of Put<name>
        bool hasDefault = false;   // default: the metamodel's default, as a stored attribute has
        bool isObject = false;     // object: its value is a reference to an object
    };
    struct Editor {
        std::string attribute;    // the attribute's code name
        std::string editorClass;  // the editor's class, whose classInfo the map names
    };
    struct Class {
        std::string codeName;
        std::string header;
        bool allocator = false;  // its objects come from an allocator of the class
        std::vector<Attribute> attributes;
        std::vector<Editor> editors;
        // The binding of an attribute; null when the rule holds.
        const Attribute* FindAttribute(const std::string& codeName) const;
    };

    bool Load(const std::string& path, std::string& error);
    // The binding of a class; null when the library does not implement it.
    const Class* FindClass(const std::string& codeName) const;

    std::vector<std::string> includes;
    std::vector<Class> classes;

    // The member that holds a stored attribute by the rule.
    static std::string MemberName(const std::string& codeName);

private:
    void ParseLine(const std::vector<Token>& tokens);
    static void ParseOption(const std::string& option, Attribute& attribute);
};
