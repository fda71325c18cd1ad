// The library's three kinds of editor views as the host receives them: ids, menus, toolbars,
// accelerators, and the texts of their commands in the host's buffers.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "platform/base/SECOMException.h"
#include "platform/host/SHostCommandDispatcher.h"
#include "platform/host/SStandInHost.h"
#include "platform/ui/SAccelerators.h"
#include "platform/ui/SMenu.h"
#include "platform/ui/SResInstance.h"
#include "varod9/RptApi.h"
#include "rpt/editor/SRptShellViewClassPreview.h"
#include "rpt/editor/SRptShellViewClassReport.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
#include "support/STestShellModule.h"

namespace {

constexpr GUID kEditorViewClassId = MakeGUID("{9D5BD2A0-E853-11D2-B696-0008C7EA924D}");
constexpr GUID kPreviewViewClassId = MakeGUID("{9D5BD2A1-E853-11D2-B696-0008C7EA924D}");
constexpr GUID kReportCommandClassId = MakeGUID("{8A89ADB9-DDF2-45D8-BAC4-10DB58036621}");

std::vector<uint32_t> Ids(const std::vector<SHostMenuItem>& items) {
    std::vector<uint32_t> ids;
    for (const SHostMenuItem& item : items) ids.push_back(item.id);
    return ids;
}

class SRptShellViewClassTest : public testing::Test {
protected:
    void SetUp() override {
        module.Reset(new STestShellModule);
        module->Initialize(host.Get());
        menusBefore = GetMenuCount();
        tablesBefore = GetAcceleratorTableCount();
    }
    void TearDown() override {
        for (SRptShellViewClassBase* viewClass : made) {
            module->RemoveViewClass(viewClass);
            viewClass->Release();
        }
        module->Terminate();
        // Nothing loaded for the host stays behind.
        EXPECT_EQ(GetMenuCount(), menusBefore);
        EXPECT_EQ(GetAcceleratorTableCount(), tablesBefore);
    }

    // A kind of view attached to the module and initialised, as the shell module does it.
    template <class T>
    T* Initialised() {
        auto* viewClass = new T;
        made.push_back(viewClass);
        EXPECT_EQ(module->AddViewClass(viewClass), 1);
        EXPECT_EQ(viewClass->OnInitialize(1), S_OK);
        return viewClass;
    }

    SComWrap<SStandInHost, &ISShellHostFrame::iid> host = SStandInHost::Create();
    SComWrap<STestShellModule> module;
    std::vector<SRptShellViewClassBase*> made;
    size_t menusBefore = 0;
    size_t tablesBefore = 0;
};

}  // namespace

TEST_F(SRptShellViewClassTest, EachKindStartsWithOneReferenceAndNamesItsIds) {
    auto* templates = new SRptShellViewClassTemplate;
    auto* reports = new SRptShellViewClassReport;
    auto* previews = new SRptShellViewClassPreview;
    EXPECT_EQ(templates->GetRefCount(), 1);
    EXPECT_EQ(reports->GetRefCount(), 1);
    EXPECT_EQ(previews->GetRefCount(), 1);

    GUID id{};
    EXPECT_EQ(templates->GetViewClassID(&id), S_OK);
    EXPECT_EQ(id, kEditorViewClassId);
    EXPECT_EQ(reports->GetViewClassID(&id), S_OK);
    EXPECT_EQ(id, kEditorViewClassId);
    EXPECT_EQ(previews->GetViewClassID(&id), S_OK);
    EXPECT_EQ(id, kPreviewViewClassId);
    EXPECT_EQ(previews->GetViewClassID(nullptr), E_POINTER);

    EXPECT_EQ(reports->GetCommandClassID(&id), S_OK);
    EXPECT_EQ(id, kReportCommandClassId);
    EXPECT_EQ(reports->GetCommandClassID(nullptr), E_POINTER);
    EXPECT_EQ(templates->GetCommandClassID(&id), E_NOTIMPL);
    EXPECT_EQ(previews->GetCommandClassID(&id), E_NOTIMPL);
    EXPECT_EQ(templates->GetViewClassName(nullptr, 0), E_NOTIMPL);

    // Before it is attached to a module with a host frame, a kind has none.
    ISShellHostFrame* frame = reinterpret_cast<ISShellHostFrame*>(0x10);
    EXPECT_EQ(previews->GetShellHostFrame(&frame), S_OK);
    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(previews->GetShellHostFrame(nullptr), E_POINTER);
    module->AddViewClass(previews);
    EXPECT_EQ(previews->GetShellHostFrame(&frame), S_OK);
    EXPECT_EQ(frame, static_cast<ISShellHostFrame*>(host.Get()));
    module->RemoveViewClass(previews);

    EXPECT_EQ(templates->Release(), 0u);
    EXPECT_EQ(reports->Release(), 0u);
    EXPECT_EQ(previews->Release(), 0u);
}

TEST_F(SRptShellViewClassTest, TheTemplateEditorGivesMenu302StampedAndTheTabAccelerator) {
    SRptShellViewClassTemplate* viewClass = Initialised<SRptShellViewClassTemplate>();
    ISShellCommandClass* commandClass = viewClass->GetCommandClassFace();

    ASSERT_EQ(host->GetMenus().size(), 1u);
    const SHostMenu& menu = host->GetMenus()[0];
    EXPECT_EQ(menu.viewClass, viewClass->GetViewClassFace());
    ASSERT_EQ(menu.items.size(), 1u);
    const SHostMenuItem& popup = menu.items[0];
    EXPECT_EQ(popup.id, 40u);
    EXPECT_EQ(popup.text, "&Report");
    EXPECT_EQ(popup.data, 0u);  // the popup's own id is the host's
    EXPECT_EQ(Ids(popup.items), (std::vector<uint32_t>{45001, 45002, 45003, 45004, 0, 45005, 0, 45006, 45007, 45008,
                                                       45009, 45010, 0, 61439}));
    for (const SHostMenuItem& item : popup.items) EXPECT_EQ(item.CommandClass(), commandClass) << item.id;
    EXPECT_EQ(popup.items[0].text, "&Up");
    EXPECT_EQ(popup.items[8].text, "La&yout...");
    EXPECT_EQ(popup.items[13].text, "INSERT MARK");

    ASSERT_EQ(host->GetAccelerators().size(), 1u);
    const SHostAccelerators& table = host->GetAccelerators()[0];
    EXPECT_EQ(table.commandClass, commandClass);
    ASSERT_EQ(table.entries.size(), 1u);
    EXPECT_EQ(table.entries[0].commandId, 6101u);
    EXPECT_EQ(table.entries[0].commandClass, commandClass);
    EXPECT_EQ(table.entries[0].flags, 0x03);
    EXPECT_EQ(table.entries[0].key, 0x09);

    EXPECT_TRUE(host->GetToolbars().empty());
    EXPECT_TRUE(host->GetViewToolbars().empty());
}

TEST_F(SRptShellViewClassTest, TheReportEditorsGiveTheirToolbarAndViewToolbar) {
    SRptShellViewClassReport* viewClass = Initialised<SRptShellViewClassReport>();
    ISShellCommandClass* commandClass = viewClass->GetCommandClassFace();
    ASSERT_EQ(host->GetMenus().size(), 1u);
    EXPECT_EQ(host->GetMenus()[0].items[0].items[0].CommandClass(), commandClass);

    ASSERT_EQ(host->GetToolbars().size(), 1u);
    const SHostToolbar& toolbar = host->GetToolbars()[0];
    EXPECT_EQ(toolbar.flags, 12u);
    EXPECT_EQ(toolbar.name, "");
    EXPECT_EQ(toolbar.bitmapId, 343u);
    EXPECT_EQ(toolbar.maskColour, 0x02C0C0C0u);
    EXPECT_EQ(toolbar.commandClass, commandClass);
    const std::vector<uint32_t> ids{1021, 1022, 45005, 45001, 45002, 45003, 45004};
    ASSERT_EQ(toolbar.buttons.size(), ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(toolbar.buttons[i].commandId, ids[i]);
        EXPECT_EQ(toolbar.buttons[i].kind, 1u);
        EXPECT_EQ(toolbar.buttons[i].bitmapId, 343u);
        EXPECT_EQ(toolbar.buttons[i].imageIndex, i);
        EXPECT_EQ(toolbar.buttons[i].style, 0u);  // no separator before any of them
    }

    ASSERT_EQ(host->GetViewToolbars().size(), 1u);
    const SHostViewToolbar& view = host->GetViewToolbars()[0];
    EXPECT_EQ(view.viewClass, viewClass->GetViewClassFace());
    EXPECT_EQ(view.name, "Report Toolbar:Report");
    EXPECT_EQ(view.resourceId, 347u);
    EXPECT_EQ(view.maskColour, 0x02C0C0C0u);
    EXPECT_EQ(view.kind, 3u);
    const std::vector<uint32_t> viewIds{104, 105, 1021, 1022, 0, 45005, 0, 45001, 45002, 45003, 45004};
    ASSERT_EQ(view.buttons.size(), viewIds.size());
    uint32_t image = 0;
    for (size_t i = 0; i < viewIds.size(); ++i) {
        const SHELLVIEWTBBUTTON& button = view.buttons[i];
        EXPECT_EQ(button.size, 40u);
        EXPECT_EQ(button.commandId, viewIds[i]);
        if (i == 4 || i == 6) {
            EXPECT_EQ(button.kind, 3u);
            EXPECT_EQ(button.commandClass, nullptr);
            continue;
        }
        EXPECT_EQ(button.kind, 1u);
        EXPECT_EQ(button.imageIndex, image++);
        // Print setup (104) and print (105) are the host's own commands.
        EXPECT_EQ(button.commandClass, viewIds[i] <= 300 ? nullptr : commandClass) << viewIds[i];
    }
    EXPECT_EQ(image, 9u);

    ASSERT_EQ(host->GetAccelerators().size(), 1u);
    EXPECT_EQ(host->GetAccelerators()[0].entries[0].commandId, 6101u);

    // The host hands the library's commands back with the class, its own without one.
    SHostCommandDispatcher dispatcher(*host);
    EXPECT_EQ(dispatcher.FindCommandClass(45005), commandClass);
    EXPECT_EQ(dispatcher.FindCommandClass(1022), commandClass);
    EXPECT_EQ(dispatcher.FindCommandClass(105), nullptr);
}

TEST_F(SRptShellViewClassTest, ThePreviewGivesItsToolbarWithTheZoomComboBoxAndBothAcceleratorTables) {
    SRptShellViewClassPreview* viewClass = Initialised<SRptShellViewClassPreview>();
    ISShellCommandClass* commandClass = viewClass->GetCommandClassFace();
    EXPECT_TRUE(host->GetMenus().empty());
    EXPECT_TRUE(host->GetViewToolbars().empty());

    ASSERT_EQ(host->GetToolbars().size(), 1u);
    const SHostToolbar& toolbar = host->GetToolbars()[0];
    EXPECT_EQ(toolbar.flags, 0u);
    EXPECT_EQ(toolbar.name, "");
    EXPECT_EQ(toolbar.bitmapId, 232u);
    EXPECT_EQ(toolbar.maskColour, 0x00C0C0C0u);
    const std::vector<uint32_t> ids{0, 105, 2052, 2053, 2054, 2055, 2056, 2057, 2058, 0, 1021, 1022, 0, 116, 2061};
    ASSERT_EQ(toolbar.buttons.size(), 15u);
    for (size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(toolbar.buttons[i].commandId, ids[i]);

    const SHELLTOOLBARBUTTON& onePage = toolbar.buttons[2];
    EXPECT_EQ(onePage.kind, 2u);
    EXPECT_EQ(toolbar.buttons[3].kind, 2u);
    const SHELLTOOLBARBUTTON& zoom = toolbar.buttons[4];
    EXPECT_EQ(zoom.kind, 5u);
    EXPECT_EQ(zoom.width, 100u);
    EXPECT_EQ(zoom.style, 0x50200002u);
    ASSERT_NE(zoom.windowClass, nullptr);
    EXPECT_EQ(std::u16string(zoom.windowClass), u"COMBOBOX");
    EXPECT_EQ(toolbar.controlWindows.size(), 1u);  // the host made the combo box

    const SHELLTOOLBARBUTTON& rtf = toolbar.buttons[10];
    EXPECT_EQ(rtf.imageIndex, 8u);
    EXPECT_EQ(rtf.style, 0u);
    EXPECT_EQ(rtf.commandClass, commandClass);
    const SHELLTOOLBARBUTTON& last = toolbar.buttons[14];
    EXPECT_EQ(last.imageIndex, 11u);
    EXPECT_EQ(last.style, 3u);
    EXPECT_EQ(last.bitmapId, 232u);
    EXPECT_EQ(toolbar.buttons[1].style, 3u);
    EXPECT_EQ(toolbar.buttons[0].bitmapId, 0u);  // a separator has no image
    // Print (105) and print preview (116) are the host's; the page commands are the library's.
    EXPECT_EQ(toolbar.buttons[1].commandClass, nullptr);
    EXPECT_EQ(toolbar.buttons[13].commandClass, nullptr);
    EXPECT_EQ(toolbar.buttons[5].commandClass, commandClass);

    ASSERT_EQ(host->GetAccelerators().size(), 2u);
    const SHELLACCEL& escape = host->GetAccelerators()[0].entries.at(0);
    EXPECT_EQ(escape.commandId, 122u);
    EXPECT_EQ(escape.key, 0x1B);
    EXPECT_EQ(escape.flags, 0x03);
    EXPECT_EQ(escape.commandClass, nullptr);  // "&Hide" is the host's
    EXPECT_EQ(host->GetAccelerators()[0].commandClass, commandClass);
    EXPECT_EQ(host->GetAccelerators()[1].entries.at(0).commandId, 6101u);
    EXPECT_EQ(host->GetAccelerators()[1].entries.at(0).commandClass, commandClass);
}

TEST_F(SRptShellViewClassTest, WithoutAHostFrameOrWithoutCommandBarsNothingIsHandedOver) {
    auto* unattached = new SRptShellViewClassReport;
    made.push_back(unattached);
    EXPECT_EQ(unattached->OnInitialize(1), S_OK);
    EXPECT_TRUE(host->GetCalls().empty());

    host->SetInterfaceAnswer(ISShellCommandBars::iid, E_NOINTERFACE);
    host->SetInterfaceAnswer(ISShellViewToolbars::iid, E_NOINTERFACE);
    Initialised<SRptShellViewClassReport>();
    EXPECT_TRUE(host->GetCalls().empty());

    // Any other refusal is a failure of the host, which the class does not hide.
    host->SetInterfaceAnswer(ISShellCommandBars::iid, E_FAIL);
    auto* failing = new SRptShellViewClassTemplate;
    made.push_back(failing);
    module->AddViewClass(failing);
    EXPECT_THROW(failing->OnInitialize(1), SECOMException);
}

TEST_F(SRptShellViewClassTest, CommandTextsAreThePromptOrTheTooltipBoundedByTheHostsBuffer) {
    SRptShellViewClassPreview* viewClass = Initialised<SRptShellViewClassPreview>();
    ISShellCommandClass* commandClass = viewClass->GetCommandClassFace();
    char16_t text[64] = {};
    EXPECT_EQ(commandClass->OnCommandHelp(2054, 0, text, 64), S_OK);
    EXPECT_EQ(std::u16string(text), u"Changes zoom scale");
    EXPECT_EQ(commandClass->OnCommandHelp(2054, 1, text, 64), S_OK);
    EXPECT_EQ(std::u16string(text), u"Zoom");
    EXPECT_EQ(commandClass->OnCommandHelp(1021, 2, text, 64), S_OK);
    EXPECT_EQ(std::u16string(text), u"Generates report in RTF format");
    EXPECT_EQ(commandClass->OnCommandHelp(1021, 1, text, 64), S_OK);
    EXPECT_EQ(std::u16string(text), u"Generate RTF");
    // Texts without a line feed: the whole text as the prompt, no tooltip.
    EXPECT_EQ(commandClass->OnCommandHelp(105, 0, text, 64), S_OK);
    EXPECT_EQ(std::u16string(text), u"Print\tCtrl+P");
    EXPECT_EQ(commandClass->OnCommandHelp(45010, 1, text, 64), S_OK);
    EXPECT_EQ(std::u16string(text), u"");
    EXPECT_EQ(commandClass->OnCommandHelp(45010, 0, text, 64), S_OK);
    EXPECT_EQ(std::u16string(text), u"Change the defaut report fonts");
    // The host's own commands are worded by the user-interface library.
    EXPECT_EQ(commandClass->OnCommandHelp(116, 1, text, 64), S_OK);
    EXPECT_EQ(std::u16string(text), u"Print Preview");
    EXPECT_EQ(commandClass->OnCommandHelp(1, 0, text, 64), S_FALSE);
    EXPECT_EQ(commandClass->OnCommandHelp(2054, 0, nullptr, 64), E_POINTER);

    // A small buffer takes what fits and its terminator, and nothing beyond.
    char16_t small[6];
    std::fill(std::begin(small), std::end(small), u'#');
    EXPECT_EQ(commandClass->OnCommandHelp(2054, 0, small, 5), S_OK);
    EXPECT_EQ(std::u16string(small), u"Chan");
    EXPECT_EQ(small[5], u'#');
    EXPECT_EQ(commandClass->OnCommandHelp(2054, 1, small, 1), S_OK);
    EXPECT_EQ(small[0], u'\0');
    small[0] = u'#';
    EXPECT_EQ(commandClass->OnCommandHelp(2054, 1, small, 0), S_OK);
    EXPECT_EQ(small[0], u'#');

    // The kind's own table: the library's strings only.
    EXPECT_EQ(viewClass->GetCommandText(2054, 0, 0, text, 64, 1), 0);
    EXPECT_EQ(std::u16string(text), u"Zoom");
    EXPECT_EQ(viewClass->GetCommandText(104, 0, 0, text, 64, 0), 1);
    EXPECT_EQ(viewClass->GetCommandText(45005, 0, 0, small, 4, 1), 0);
    EXPECT_EQ(std::u16string(small), u"Add");
    EXPECT_EQ(viewClass->GetCommandText(122, 0, 0, text, 64, 0), 0);
    EXPECT_EQ(std::u16string(text), u"&Hide");
    EXPECT_EQ(viewClass->GetCommandText(120, 0, 0, text, 64, 1), 0);
    EXPECT_EQ(std::u16string(text), u"");
}

TEST(SRptShellViewClassToolbarItems, ThePreviewToolbarAsItemsTakesOneRecordPerButton) {
    SModuleStateGuard library(SRptGetModuleState());
    int32_t owner = 0;
    std::vector<SHELLTOOLBARITEM> items;
    SShellViewClass::LoadToolbarItems(SGetResInstance(), 232, items, &owner);
    const std::vector<uint32_t> ids{105, 2052, 2053, 2054, 2055, 2056, 2057, 2058, 1021, 1022, 116, 2061};
    ASSERT_EQ(items.size(), ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(items[i].commandId, ids[i]);
        EXPECT_EQ(items[i].value, &owner);
        // A separator before the button: 105, 1021 and 116.
        const bool afterSeparator = ids[i] == 105 || ids[i] == 1021 || ids[i] == 116;
        EXPECT_EQ(items[i].flags, afterSeparator ? 2u : 0u) << ids[i];
    }
    SShellViewClass::LoadToolbarItems(SGetResInstance(), 9999, items, &owner);
    EXPECT_TRUE(items.empty());
}
