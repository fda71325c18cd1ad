#include "rpt/devices/html/SRptHtmlPageNames.h"

#include <string_view>

#include "platform/base/SFile.h"

namespace {

constexpr int32_t kPrefixChars = 4;

// Skips a number as "%d" writes a positive one (no sign, no leading zero); false when there is none.
bool SkipNumber(std::string_view& rest) {
    if (rest.empty() || rest[0] < '1' || rest[0] > '9') return false;
    size_t digits = 1;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
    rest.remove_prefix(digits);
    return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

void SRptHtmlPageNames::Init(const SString& chosenPath) {
    m_folder = SFile::GetFolder(chosenPath);
    const SString base = SFile::GetBaseName(chosenPath);
    const SString extension = SFile::GetExtension(chosenPath);
    m_homeName = extension.IsEmpty() ? base : base + "." + extension;
    m_prefix = base.LeftChars(kPrefixChars);
    if (IsGeneratedName(m_homeName, m_prefix)) m_prefix = base + "_";
}

bool SRptHtmlPageNames::IsGeneratedName(const SString& name, const SString& prefix) {
    // Names are compared without regard to case, as the folder may be on a file system that
    // does not tell them apart.
    std::string_view rest = name.view();
    if (rest.size() < prefix.view().size() || !EqualsNoCase(rest.substr(0, prefix.view().size()), prefix.view()))
        return false;
    rest.remove_prefix(prefix.view().size());
    if (!SkipNumber(rest)) return false;
    if (!rest.empty() && rest[0] == '_') {
        rest.remove_prefix(1);
        if (!SkipNumber(rest)) return false;
        return EqualsNoCase(rest, ".htm");
    }
    return EqualsNoCase(rest, ".htm") || EqualsNoCase(rest, ".jpg");
}

SString SRptHtmlPageNames::PageName(int32_t page) const {
    if (page <= 0) return m_homeName;
    SString name;
    name.Format("%s%d.htm", m_prefix.c_str(), page);
    return name;
}

SString SRptHtmlPageNames::PreviousPageName(int32_t page) const {
    return page > 1 ? PageName(page - 1) : m_homeName;
}

SString SRptHtmlPageNames::NextPageName(int32_t page) const {
    return page > 0 ? PageName(page + 1) : m_homeName;
}

SString SRptHtmlPageNames::ListPageName(int32_t page, int32_t listPage) const {
    if (page <= 0) return m_homeName;
    SString name;
    name.Format("%s%d_%d.htm", m_prefix.c_str(), page, listPage);
    return name;
}

SString SRptHtmlPageNames::PictureName(int32_t picture) const {
    SString name;
    name.Format("%s%d.jpg", m_prefix.c_str(), picture);
    return name;
}

bool SRptHtmlPageNames::IsNameOfSet(const SString& name) const {
    // The buttons of the navigation bar, which the device writes beside the pages.
    for (const char* button : {"btnhome.jpg", "btnprev.jpg", "btnnext.jpg"})
        if (EqualsNoCase(name.view(), button)) return true;
    // The pictures are counted from 0, the pages from 1.
    return EqualsNoCase(name.view(), m_homeName.view()) || EqualsNoCase(name.view(), PictureName(0).view()) ||
           IsGeneratedName(name, m_prefix);
}
