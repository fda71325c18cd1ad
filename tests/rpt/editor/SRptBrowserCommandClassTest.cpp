// The browsers' command class: its identity, its texts for the host, its life as a static object,
// and the stamping of context menus.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/SMenu.h"
#include "rpt/editor/SRptBrowserCommandClass.h"

namespace {

constexpr HRESULT kPointer = static_cast<HRESULT>(0x80004003);
constexpr HRESULT kNoInterface = static_cast<HRESULT>(0x80004002);
constexpr uint32_t kPrompt = 0;
constexpr uint32_t kTooltip = 1;

// A host's text buffer, filled with a mark so that what was not written shows.
struct HostBuffer {
    explicit HostBuffer(size_t size) : units(size + 4, u'#') {}
    std::u16string Text() const { return std::u16string(units.c_str()); }
    std::u16string units;
};

std::u16string Help(uint32_t id, uint32_t which, uint32_t size = 128) {
    HostBuffer buffer(size);
    EXPECT_EQ(SRptBrowserCommandClass::Get().OnCommandHelp(id, which, buffer.units.data(), size), S_OK) << id;
    return buffer.Text();
}

uintptr_t ItemData(HMENU menu, uint32_t position) {
    MENUITEMINFOA info;
    info.fMask = MIIM_DATA;
    EXPECT_TRUE(GetMenuItemInfoA(menu, position, 1, &info));
    return info.dwItemData;
}

uintptr_t Stamp(ISShellCommandClass* commandClass) {
    return reinterpret_cast<uintptr_t>(commandClass);
}

}  // namespace

TEST(SRptBrowserCommandClass, AnswersItsOneFaceAndItsClassId) {
    SRptBrowserCommandClass& object = SRptBrowserCommandClass::Get();
    ISShellCommandClass* face = SRptBrowserCommandClass::GetFace();
    for (const GUID& iid : {IUnknown::iid, ISShellCommandClass::iid}) {
        void* out = nullptr;
        ASSERT_EQ(object.QueryInterface(iid, &out), S_OK);
        EXPECT_EQ(out, static_cast<void*>(face));
        face->Release();
    }
    void* out = &object;
    EXPECT_EQ(object.QueryInterface(MakeGUID("{96381B60-1253-11D1-83D9-444553540000}"), &out), kNoInterface);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(object.QueryInterface(IUnknown::iid, nullptr), kPointer);

    GUID id{};
    EXPECT_EQ(face->GetCommandClassID(&id), S_OK);
    EXPECT_EQ(id, MakeGUID("{A760F421-0B39-4F7F-B4B3-885050B9D236}"));
    EXPECT_EQ(face->GetCommandClassID(nullptr), kPointer);
}

TEST(SRptBrowserCommandClass, ReleaseNeverTakesTheLibrarysReference) {
    ISShellCommandClass* face = SRptBrowserCommandClass::GetFace();
    const auto before = static_cast<uint32_t>(SRptBrowserCommandClass::Get().GetRefCount());
    EXPECT_EQ(face->AddRef(), before + 1);
    EXPECT_EQ(face->Release(), before);
    // A host that lets go once too often leaves the object as it was, and alive.
    for (uint32_t i = 0; i < before + 2; ++i) face->Release();
    EXPECT_EQ(SRptBrowserCommandClass::Get().GetRefCount(), 1);
    EXPECT_EQ(Help(45001, kTooltip), u"Up One Level");
    while (static_cast<uint32_t>(SRptBrowserCommandClass::Get().GetRefCount()) < before) face->AddRef();
}

TEST(SRptBrowserCommandClass, GivesPromptAndTooltipOfACommand) {
    EXPECT_EQ(Help(45001, kPrompt), u"Moves the selected item up one level");
    EXPECT_EQ(Help(45001, kTooltip), u"Up One Level");
    EXPECT_EQ(Help(45005, 7), u"Adds the selected item to the contents pane");
    // Without a line feed the whole text is the prompt and there is no tooltip.
    EXPECT_EQ(Help(45010, kPrompt), u"Change the defaut report fonts");
    EXPECT_EQ(Help(45010, kTooltip), u"");
    // A standard command the library has no text for takes the user-interface library's.
    EXPECT_EQ(Help(103, kTooltip), u"Page Setup");
}

TEST(SRptBrowserCommandClass, ACommandWithoutTextLeavesTheBufferAlone) {
    HostBuffer buffer(16);
    EXPECT_EQ(SRptBrowserCommandClass::Get().OnCommandHelp(44999, kPrompt, buffer.units.data(), 16), S_FALSE);
    EXPECT_EQ(buffer.units, HostBuffer(16).units);
    EXPECT_EQ(SRptBrowserCommandClass::Get().OnCommandHelp(45001, kPrompt, nullptr, 16), kPointer);
}

TEST(SRptBrowserCommandClass, TheTextIsCutToTheHostsBufferAndTerminated) {
    HostBuffer buffer(6);
    EXPECT_EQ(SRptBrowserCommandClass::Get().OnCommandHelp(45001, kPrompt, buffer.units.data(), 6), S_OK);
    EXPECT_EQ(buffer.units.substr(0, 7), std::u16string(u"Moves\0#", 7));

    HostBuffer single(1);
    EXPECT_EQ(SRptBrowserCommandClass::Get().OnCommandHelp(45001, kTooltip, single.units.data(), 1), S_OK);
    EXPECT_EQ(single.units.substr(0, 2), std::u16string(u"\0#", 2));

    HostBuffer none(0);
    EXPECT_EQ(SRptBrowserCommandClass::Get().OnCommandHelp(45001, kTooltip, none.units.data(), 0), S_OK);
    EXPECT_EQ(none.units, HostBuffer(0).units);
}

TEST(SRptBrowserCommandClass, StampsBrowserAndNodeCommandsDownToTheSubmenus) {
    const size_t menusBefore = GetMenuCount();
    {
        SMenu menu;
        menu.CreatePopupMenu();
        SMenu order;
        order.CreatePopupMenu();
        order.AppendMenu(MF_STRING, 45015, "&User");
        order.AppendMenu(MF_STRING, 45610, "kind command");
        menu.AppendMenu(MF_STRING, 45001, "&Up");
        menu.AppendMenu(MF_STRING, 45100, "&Rename");
        menu.AppendMenu(MF_STRING, 45102, "first node command");
        menu.AppendMenu(MF_STRING, 45200, "kind command");
        menu.AppendMenu(MF_SEPARATOR, 0, nullptr);
        menu.AppendMenu(MF_STRING, 115, "&Delete");
        menu.AppendMenu(MF_STRING, 301, "not ours");
        menu.AppendMenu(MF_STRING, 46000, "not ours");
        menu.AppendMenu(MF_POPUP, static_cast<uintptr_t>(order.Detach()), "Display &Order");

        ISShellCommandClass* browser = SRptBrowserCommandClass::GetFace();
        auto* node = reinterpret_cast<ISShellCommandClass*>(uintptr_t{0x1000});
        SRptBrowserCommandClass::StampMenu(menu.GetSafeHmenu(), node, browser);
        HMENU hmenu = menu.GetSafeHmenu();
        EXPECT_EQ(ItemData(hmenu, 0), Stamp(browser));
        EXPECT_EQ(ItemData(hmenu, 1), Stamp(browser));
        EXPECT_EQ(ItemData(hmenu, 2), Stamp(node));
        EXPECT_EQ(ItemData(hmenu, 3), Stamp(node));
        EXPECT_EQ(ItemData(hmenu, 4), 0u);
        EXPECT_EQ(ItemData(hmenu, 5), Stamp(browser));
        EXPECT_EQ(ItemData(hmenu, 6), 0u);
        EXPECT_EQ(ItemData(hmenu, 7), 0u);
        HMENU submenu = GetSubMenu(hmenu, 8);
        EXPECT_EQ(ItemData(submenu, 0), Stamp(browser));
        EXPECT_EQ(ItemData(submenu, 1), Stamp(node));

        // Without a view class the node commands carry nothing.
        SRptBrowserCommandClass::StampMenu(hmenu, nullptr, browser);
        EXPECT_EQ(ItemData(hmenu, 3), 0u);
        EXPECT_EQ(ItemData(submenu, 1), 0u);
        EXPECT_EQ(ItemData(hmenu, 1), Stamp(browser));
        SRptBrowserCommandClass::StampMenu(0, node, browser);
    }
    EXPECT_EQ(GetMenuCount(), menusBefore);
}
