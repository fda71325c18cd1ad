#include "rpt/devices/html/SRptHtmlPageNames.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/base/SException.h"
#include "platform/base/SFile.h"
#include "platform/base/SInputFile.h"

namespace {

constexpr int32_t kPrefixChars = 4;

// The navigation bar as the page frame writes it, and its Home button after the link.
constexpr std::string_view kBarHead = "<p align=\"center\"><font face=\"Arial\" size=\"2\"><hr />";
constexpr std::string_view kBarTail = "</font></p>";
constexpr std::string_view kLinkHead = "<a href=\"";
constexpr std::string_view kHomeButton = "\"><img border=\"0\" src=\"btnhome.jpg\"";
// The bar stands at the end of a page, before the page's tail: this much of the end holds it,
// whatever the length of its links.
constexpr size_t kEndBytes = 16384;
constexpr size_t kReadBytes = 65536;

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

// The bytes at the end of the file at `path`; throws SEIOException when it cannot be read.
std::string ReadEnd(const SString& path) {
    SInputFile file(path);
    std::string end;
    std::string chunk(kReadBytes, '\0');
    while (const size_t got = file.Read(chunk.data(), chunk.size())) {
        end.append(chunk, 0, got);
        if (end.size() > kEndBytes) end.erase(0, end.size() - kEndBytes);
    }
    return end;
}

// A link as the page frame writes it (percent-encoded) back to the file name.
SString DecodeUrl(std::string_view url) {
    auto hex = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    std::string name;
    for (size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size() && hex(url[i + 1]) >= 0 && hex(url[i + 2]) >= 0) {
            name += static_cast<char>(hex(url[i + 1]) * 16 + hex(url[i + 2]));
            i += 2;
        } else {
            name += url[i];
        }
    }
    return SString(std::move(name));
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

SString SRptHtmlPageNames::ContentsPageOf(const SString& path) {
    std::string end;
    try {
        end = ReadEnd(path);
    } catch (const SException&) {
        return SString();
    }
    const size_t bar = end.rfind(kBarHead);
    if (bar == std::string::npos) return SString();
    const size_t barEnd = end.find(kBarTail, bar);
    if (barEnd == std::string::npos) return SString();
    const std::string_view buttons = std::string_view(end).substr(bar, barEnd - bar);
    const size_t home = buttons.find(kHomeButton);
    if (home == std::string_view::npos) return SFile::GetFileName(path);
    const size_t link = buttons.rfind(kLinkHead, home);
    if (link == std::string_view::npos) return SString();
    const size_t start = link + kLinkHead.size();
    return DecodeUrl(buttons.substr(start, home - start));
}

SString SRptHtmlPageNames::OwnPageName(const SString& name) const {
    if (EqualsNoCase(name.view(), m_homeName.view())) return m_homeName;
    // Pictures carry no navigation bar: only pages tell their set.
    const std::string_view view = name.view();
    if (!IsGeneratedName(name, m_prefix) || !EqualsNoCase(view.substr(view.size() - 4), ".htm")) return SString();
    return m_prefix + SString(view.substr(m_prefix.view().size()));
}

bool SRptHtmlPageNames::IsOwnSet(const SString& contentsPage) const {
    return contentsPage == m_homeName || SFile::IsSameFile(m_folder + contentsPage, m_folder + m_homeName);
}

SRptHtmlPageNames::SOtherSetPage SRptHtmlPageNames::FindPageOfOtherSet() const {
    // The first by name of such pages, whatever order the folder lists them in.
    SOtherSetPage first;
    std::error_code error;
    const std::string folder = m_folder.IsEmpty() ? std::string(".") : m_folder.str();
    // A folder that cannot be listed holds no page to replace; writing there will say why not.
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const SString name(entry->path().filename().string());
        const SString own = OwnPageName(name);
        // The set writes this very file: the same name, or another spelling of it where the file
        // system does not tell case apart.
        if (own.IsEmpty() || (own != name && !SFile::IsSameFile(m_folder + own, m_folder + name))) continue;
        if (!first.page.IsEmpty() && first.page.str() < name.str()) continue;
        const SString contentsPage = ContentsPageOf(m_folder + name);
        if (!contentsPage.IsEmpty() && !IsOwnSet(contentsPage)) first = {name, contentsPage};
    }
    return first;
}
