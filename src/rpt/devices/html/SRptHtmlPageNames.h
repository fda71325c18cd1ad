#pragma once
// The names of the files of one HTML page set, all in the folder of the file the user chose: the
// contents page under the chosen name, pages "<prefix><n>.htm", list pages "<prefix><n>_<k>.htm"
// and pictures "<prefix><n>.jpg". The prefix is the first four characters of the chosen base
// name; when the chosen name is itself one that the set generates (Repo1.htm), the prefix is the
// whole base name and "_", so that no page takes the place of another.
//
// Sets whose contents pages share their first four characters (orders.htm, orderbook.htm) name
// their pages alike. A page tells the set it belongs to by the Home button of its navigation bar,
// which leads to the set's contents page (a contents page has none: it is its own set's), so that
// a set which would replace a page of another set can be refused before anything is written.
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

    // A file of the chosen folder that the set cannot write, found in one pass over the folder:
    // a name of the set that is a folder (`folder`), or a page that the set would replace although
    // it belongs to another set, with that set's contents page (bare names); `page` is empty when
    // there is none, and the first by name when there are several. The set's own earlier pages,
    // and files that are no page of a set, are not another set's.
    struct SRefusedPage {
        SString page;
        SString contentsPage;
        bool folder = false;
    };
    SRefusedPage FindRefusedPage() const;
    // The contents page of the set that the page at `path` belongs to: where its Home button
    // leads, or its own name when its navigation bar has no Home button (a contents page); empty
    // for a file that is no page of a set (or cannot be read).
    static SString ContentsPageOf(const SString& path);

private:
    // Whether `name` is a page, list page or picture name that `prefix` makes.
    static bool IsGeneratedName(const SString& name, const SString& prefix);
    // The name under which this set writes the file that `name` of the folder names when the
    // folder does not tell case apart; empty when the set writes no file of that name.
    SString OwnName(const SString& name) const;
    // Whether a name that the set writes (as OwnName gives it) is a page's.
    bool IsPageName(const SString& ownName) const;
    // Whether the set whose contents page is `contentsPage` is this one.
    bool IsOwnSet(const SString& contentsPage) const;

    SString m_folder;
    SString m_writeFolder;
    SString m_prefix;
    SString m_homeName;
};
