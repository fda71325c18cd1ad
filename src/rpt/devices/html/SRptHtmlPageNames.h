#pragma once
// The names of the files of one HTML page set, all in the folder of the file the user chose: the
// contents page under the chosen name, pages "<prefix><n>.htm", list pages "<prefix><n>_<k>.htm"
// and pictures "<prefix><n>.jpg". The prefix is the first four characters of the chosen base
// name; when the chosen name is itself one that the set generates (Repo1.htm), the prefix is the
// whole base name and "_", so that no page takes the place of another.
#include <cstdint>

#include "platform/base/SString.h"

class SRptHtmlPageNames {
public:
    SRptHtmlPageNames() = default;
    explicit SRptHtmlPageNames(const SString& chosenPath) { Init(chosenPath); }

    void Init(const SString& chosenPath);

    const SString& GetPrefix() const { return m_prefix; }
    // The chosen file's name without its folder ("." and the extension only when it has one).
    const SString& GetHomeName() const { return m_homeName; }
    const SString& GetFolder() const { return m_folder; }

    // A page by its number; the home name for a number of 0 or less.
    SString PageName(int32_t page) const;
    SString PreviousPageName(int32_t page) const;
    SString NextPageName(int32_t page) const;
    SString ListPageName(int32_t page, int32_t listPage) const;
    SString PictureName(int32_t picture) const;
    // Where a file of the set is created: the chosen file's folder and the bare name, or, while
    // the set is written into a staging folder, that folder and the bare name.
    SString PathOf(const SString& name) const { return (m_writeFolder.IsEmpty() ? m_folder : m_writeFolder) + name; }
    // The folder the files go to until the set is put in place ("" for the chosen file's own).
    void SetWriteFolder(const SString& folder) { m_writeFolder = folder; }
    // Whether the set may write a file of this name into its folder, however many pages and
    // pictures it has: the contents page, a page, list page or picture, or a navigation button.
    bool IsNameOfSet(const SString& name) const;

private:
    // Whether `name` is a page, list page or picture name that `prefix` makes.
    static bool IsGeneratedName(const SString& name, const SString& prefix);

    SString m_folder;
    SString m_writeFolder;
    SString m_prefix;
    SString m_homeName;
};
