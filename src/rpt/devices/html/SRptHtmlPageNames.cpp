#include "rpt/devices/html/SRptHtmlPageNames.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/base/SException.h"
#include "platform/base/SFile.h"
#include "platform/base/SInputFile.h"
#include "platform/repo/SRepLoadSaveManager.h"

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
// The buttons of the navigation bar, which the device writes beside the pages.
constexpr const char* kButtons[] = {"btnhome.jpg", "btnprev.jpg", "btnnext.jpg"};

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

// The bytes at the end of the file at `path`, no more than hold the bar; throws SEIOException
// when it cannot be read.
std::string ReadEnd(const SString& path) {
    SInputFile file(path);
    const int64_t size = file.GetSize();
    const size_t count = size < static_cast<int64_t>(kEndBytes) ? static_cast<size_t>(size) : kEndBytes;
    if (size > static_cast<int64_t>(count)) file.Seek(size - static_cast<int64_t>(count));
    std::string end(count, '\0');
    end.resize(file.Read(end.data(), count));
    return end;
}

// A link as the page frame writes it (percent-encoded, relative to the page) back to the file
// name, as the file URLs of documents are.
SString DecodeUrl(std::string_view url) {
    return SRepLoadSaveManager::URLToPath(SString("file://") + SString(url));
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
    return !OwnName(name).IsEmpty();
}

SString SRptHtmlPageNames::OwnName(const SString& name) const {
    for (const char* button : kButtons)
        if (EqualsNoCase(name.view(), button)) return SString(button);
    if (EqualsNoCase(name.view(), m_homeName.view())) return m_homeName;
    // The pictures are counted from 0, the pages from 1.
    const SString firstPicture = PictureName(0);
    if (EqualsNoCase(name.view(), firstPicture.view())) return firstPicture;
    if (!IsGeneratedName(name, m_prefix)) return SString();
    return m_prefix + SString(name.view().substr(m_prefix.view().size()));
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

bool SRptHtmlPageNames::IsPageName(const SString& ownName) const {
    // Pictures and buttons carry no navigation bar: only pages tell their set.
    const std::string_view view = ownName.view();
    return ownName == m_homeName || (view.size() > 4 && EqualsNoCase(view.substr(view.size() - 4), ".htm"));
}

bool SRptHtmlPageNames::IsOwnSet(const SString& contentsPage) const {
    return contentsPage == m_homeName || SFile::IsSameFile(m_folder + contentsPage, m_folder + m_homeName);
}

SRptHtmlPageNames::SRefusedPage SRptHtmlPageNames::FindRefusedPage() const {
    // The first by name of such files, whatever order the folder lists them in.
    SRefusedPage first;
    std::error_code error;
    const std::string folder = m_folder.IsEmpty() ? std::string(".") : m_folder.str();
    // A folder that cannot be listed holds no page to replace; writing there will say why not.
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const SString name(entry->path().filename().string());
        const SString own = OwnName(name);
        // The set writes this very file: the same name, or another spelling of it where the file
        // system does not tell case apart.
        if (own.IsEmpty() || (own != name && !SFile::IsSameFile(m_folder + own, m_folder + name))) continue;
        if (!first.page.IsEmpty() && first.page.str() < name.str()) continue;
        std::error_code kind;
        if (entry->is_directory(kind)) {
            first = {name, SString(), true};
            continue;
        }
        if (!IsPageName(own)) continue;
        const SString contentsPage = ContentsPageOf(m_folder + name);
        if (!contentsPage.IsEmpty() && !IsOwnSet(contentsPage)) first = {name, contentsPage, false};
    }
    return first;
}
