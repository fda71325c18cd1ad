#include "SRptAttributeBindings.h"

#include <cctype>

bool SRptAttributeBindings::Load(const std::string& path, std::string& error) {
    return Read(
        path, error, [this](const std::vector<Token>& tokens) { ParseLine(tokens); }, [] {});
}

void SRptAttributeBindings::ParseLine(const std::vector<Token>& t) {
    const std::string& kind = Name(t[0]);
    if (kind == "include") {
        Require(t, 2);
        includes.push_back(Name(t[1]));
    } else if (kind == "class") {
        if (t.size() != 3 && t.size() != 4) Fail("'class' wants a name, a header and perhaps 'allocator'");
        if (FindClass(Name(t[1]))) Fail(t[1].text + ": bound twice");
        if (t.size() == 4 && Name(t[3]) != "allocator") Fail("unknown option '" + t[3].text + "'");
        classes.push_back({Name(t[1]), Name(t[2]), t.size() == 4, {}, {}});
    } else if (kind == "editor") {
        Require(t, 3);
        if (classes.empty()) Fail("editor before the first class");
        classes.back().editors.push_back({Name(t[1]), Name(t[2])});
    } else if (kind == "attr") {
        if (t.size() < 3) Fail("'attr' wants a name and at least one option");
        if (classes.empty()) Fail("attribute before the first class");
        Class& c = classes.back();
        if (c.FindAttribute(Name(t[1]))) Fail(t[1].text + ": bound twice in " + c.codeName);
        Attribute attribute{Name(t[1]), "", false, false};
        for (size_t i = 2; i < t.size(); ++i) ParseOption(Name(t[i]), attribute);
        c.attributes.push_back(std::move(attribute));
    } else {
        Fail("unknown record '" + kind + "'");
    }
}

void SRptAttributeBindings::ParseOption(const std::string& option, Attribute& attribute) {
    if (option == "default") {
        attribute.hasDefault = true;
    } else if (option == "object") {
        attribute.isObject = true;
    } else if (option.compare(0, 4, "set=") == 0 && option.size() > 4) {
        attribute.setter = option.substr(4);
    } else {
        Fail("unknown option '" + option + "'");
    }
}

const SRptAttributeBindings::Class* SRptAttributeBindings::FindClass(const std::string& codeName) const {
    for (const Class& c : classes)
        if (c.codeName == codeName) return &c;
    return nullptr;
}

const SRptAttributeBindings::Attribute* SRptAttributeBindings::Class::FindAttribute(const std::string& codeName) const {
    for (const Attribute& a : attributes)
        if (a.codeName == codeName) return &a;
    return nullptr;
}

std::string SRptAttributeBindings::MemberName(const std::string& codeName) {
    // The leading capitals are the first word, except the last of several when a small letter
    // follows it: it begins the next word (TOCEntry: "toc" and "Entry").
    size_t capitals = 0;
    while (capitals < codeName.size() && std::isupper(static_cast<unsigned char>(codeName[capitals]))) ++capitals;
    size_t lower = capitals;
    if (capitals > 1 && capitals < codeName.size()) --lower;
    std::string name = codeName;
    for (size_t i = 0; i < lower; ++i) name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    return "m_" + name;
}
