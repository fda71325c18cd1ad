#include "SRptMetamodelTable.h"

#include "platform/repo/SRepTypeLibFormat.h"

bool SRptMetamodelTable::Load(const std::string& path, std::string& error) {
    return SRptTableFile::Read(
        path, error, [this](const std::vector<Token>& tokens) { ParseLine(tokens); }, [this] { Resolve(); });
}

void SRptMetamodelTable::ParseLine(const std::vector<Token>& t) {
    const std::string& kind = Name(t[0]);
    // Parameters belong to the method line just above them.
    if (kind == "param" && m_lastKind != "method" && m_lastKind != "param") Fail("parameter without its method");
    m_lastKind = kind;
    if (kind == "typelib") {
        Require(t, 9);
        nameSpace = Text(t[1]);
        libraryName = Text(t[2]);
        libraryId = Guid(t[3]);
        const uint32_t format = Unsigned(t[4]);
        if (format > 0xFF) Fail("format byte out of range");
        formatByte = static_cast<uint8_t>(format);
        for (int i = 0; i < 4; ++i) headerWords[i] = Unsigned(t[5 + i]);
    } else if (kind == "reference") {
        Require(t, 2);
        references.push_back(Guid(t[1]));
    } else if (kind == "extern") {
        Require(t, 4);
        externals.push_back({Name(t[1]), Name(t[2]), Guid(t[3])});
    } else if (kind == "class") {
        Require(t, 8);
        Class c;
        c.codeName = Name(t[1]);
        c.displayName = Text(t[2]);
        c.flags = Unsigned(t[3]);
        c.classId = Guid(t[4]);
        c.index = Unsigned(t[5]);
        c.stringId = Unsigned(t[6]);
        c.baseName = Name(t[7]);
        classes.push_back(std::move(c));
    } else if (kind == "attr") {
        Require(t, 9);
        Attribute a;
        a.codeName = Name(t[1]);
        a.displayName = Text(t[2]);
        a.id = Unsigned(t[3]);
        a.typeWord = TypeWord(t[4]);
        a.flags = Unsigned(t[5]);
        a.w = Signed(t[6]);
        a.stringId = Unsigned(t[7]);
        a.defaultValue = Text(t[8]);
        CurrentClass().attributes.push_back(std::move(a));
    } else if (kind == "coll") {
        Require(t, 10);
        Collection c;
        c.codeName = Name(t[1]);
        c.displayName = Text(t[2]);
        c.id = Unsigned(t[3]);
        c.w = Signed(t[4]);
        c.stringId = Unsigned(t[5]);
        c.kindWord = Unsigned(t[6]);
        c.flags = Unsigned(t[7]);
        c.endWord = Unsigned(t[8]);
        if (Name(t[9]) != "-") c.elementClass = t[9].text;
        CurrentClass().collections.push_back(std::move(c));
    } else if (kind == "method") {
        Require(t, 8);
        Method m;
        m.codeName = Name(t[1]);
        m.displayName = Text(t[2]);
        m.id = Unsigned(t[3]);
        m.kind = Unsigned(t[4]);
        m.returnTypeWord = Name(t[5]) == "-" ? 0 : TypeWord(t[5]);
        m.returnTypeText = Text(t[6]);
        m.returnName = Text(t[7]);
        CurrentClass().methods.push_back(std::move(m));
    } else if (kind == "param") {
        Require(t, 4);
        Parameter p;
        const std::string& direction = Name(t[1]);
        if (direction != "in" && direction != "out") Fail("direction is neither in nor out");
        p.out = direction == "out";
        p.typeText = Text(t[2]);
        p.name = Name(t[3]);
        CurrentMethod().parameters.push_back(std::move(p));
    } else {
        Fail("unknown record '" + kind + "'");
    }
}

void SRptMetamodelTable::Resolve() {
    if (nameSpace.empty() || libraryName.empty()) Fail("no typelib line");
    if (classes.empty()) Fail("no class");
    const std::string separator = SRepTypeLibFormat::kScopeSeparator;
    for (Class& c : classes) {
        const size_t scope = c.baseName.find(separator);
        if (scope == std::string::npos) Fail(c.codeName + ": base '" + c.baseName + "' has no namespace");
        if (!FindClassId(c.baseName.substr(0, scope), c.baseName.substr(scope + separator.size()), c.baseClassId))
            Fail(c.codeName + ": unknown base " + c.baseName);
        for (Collection& col : c.collections) {
            const bool named = !col.elementClass.empty();
            if (named && !FindClassId("", col.elementClass, col.elementClassId))
                Fail(c.codeName + "." + col.codeName + ": unknown element class " + col.elementClass);
            // The flag tells the reader whether the GUID follows; the two must never disagree.
            if (named != ((col.flags & SRepTypeLibFormat::kCollectionHasElementClass) != 0))
                Fail(c.codeName + "." + col.codeName + ": element class and flag 0x8000 disagree");
        }
    }
}

bool SRptMetamodelTable::FindClassId(const std::string& scope, const std::string& codeName, GUID& classId) const {
    for (const Class& c : classes)
        if (c.codeName == codeName && (scope.empty() || scope == nameSpace)) {
            classId = c.classId;
            return true;
        }
    for (const External& e : externals)
        if (e.codeName == codeName && (scope.empty() || scope == e.nameSpace)) {
            classId = e.classId;
            return true;
        }
    return false;
}

uint32_t SRptMetamodelTable::TypeWord(const Token& token) {
    // The type code in bits 24-31; CHAR carries its length in bits 8-23.
    static const std::pair<const char*, uint32_t> kTypes[] = {
        {"OID", 0x01}, {"SHORT", 0x02}, {"INT", 0x03}, {"BOOL", 0x04}, {"DATE", 0x08},
        {"TEXT", 0x0A}, {"POINT", 0x0E}, {"RECT", 0x0F},
    };
    const std::string& text = Name(token);
    for (const auto& [name, code] : kTypes)
        if (text == name) return code << 24;
    if (text.size() > 6 && text.compare(0, 5, "CHAR(") == 0 && text.back() == ')') {
        const uint32_t length = Unsigned(Token{text.substr(5, text.size() - 6), false});
        if (length == 0 || length > 0xFFFF) Fail("bad CHAR length in '" + text + "'");
        return (0x09u << 24) | (length << 8);
    }
    Fail("unknown type '" + text + "'");
}

SRptMetamodelTable::Class& SRptMetamodelTable::CurrentClass() {
    if (classes.empty()) Fail("member before the first class");
    return classes.back();
}

SRptMetamodelTable::Method& SRptMetamodelTable::CurrentMethod() {
    return CurrentClass().methods.back();
}

const SRptMetamodelTable::Class* SRptMetamodelTable::FindClass(const std::string& codeName) const {
    for (const Class& c : classes)
        if (c.codeName == codeName) return &c;
    return nullptr;
}
