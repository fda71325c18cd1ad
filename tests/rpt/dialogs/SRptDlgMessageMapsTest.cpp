// The class records and message maps of the editor's dialogs, sheets, pages and list box: each
// class names its base, each map holds its entries in order over its base's map, and a command
// that a map routes to a virtual handler reaches a derived class's override.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/SWinDefs.h"
#include "rpt/dialogs/SRptDlgBorderPage.h"
#include "rpt/dialogs/SRptDlgChangeFonts.h"
#include "rpt/dialogs/SRptDlgFormLayout.h"
#include "rpt/dialogs/SRptDlgGraphFormat.h"
#include "rpt/dialogs/SRptDlgHeaderFooter.h"
#include "rpt/dialogs/SRptDlgLanguage.h"
#include "rpt/dialogs/SRptDlgListLayout.h"
#include "rpt/dialogs/SRptDlgListBoxCtrl.h"
#include "rpt/dialogs/SRptDlgMultiFormatEx.h"
#include "rpt/dialogs/SRptDlgMultiFormatHeaderFooter.h"
#include "rpt/dialogs/SRptDlgMultiLevelForm.h"
#include "rpt/dialogs/SRptDlgPageBreakPage.h"
#include "rpt/dialogs/SRptDlgParagraphPage.h"
#include "rpt/dialogs/SRptDlgPrinting.h"
#include "rpt/dialogs/SRptDlgTabPage.h"
#include "rpt/dialogs/SRptDlgTemplatesList.h"
#include "rpt/dialogs/SRptDlgTextPage.h"
#include "rpt/dialogs/SRptDlgTitlePage.h"
#include "rpt/dialogs/SRptDlgTxtEdit.h"
#include "rpt/dialogs/SRptFontPropertyPage.h"
#include "rpt/dialogs/SRptPreviewZoomDlg.h"
#include "rpt/dialogs/SRptTypeDlg.h"

namespace {

constexpr int32_t kDeltaPos = -722;
constexpr int32_t kChange = 0x300;
constexpr int32_t kSelChange = 1;
constexpr int32_t kEditChange = 5;
constexpr int32_t kClicked = 0;
constexpr int32_t kUpdate = 0x400;
constexpr int32_t kDblClk = 2;
constexpr int32_t kDropDown = -10000;
constexpr int32_t kTabKillActive = -10201;

struct Entry {
    uint32_t message;
    int32_t code;
    uint32_t control;
    int32_t sig;
    uint32_t lastControl = 0;  // the end of a range entry; 0 for an entry of one control
    bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& entry) {
    return out << "{" << entry.message << ", " << entry.code << ", " << entry.control << ", " << entry.sig << ", "
               << entry.lastControl << "}";
}

Entry Clicked(uint32_t control) { return {WM_COMMAND, kClicked, control, 15}; }
Entry Command(int32_t code, uint32_t control) { return {WM_COMMAND, code, control, 15}; }
Entry Spin(uint32_t control) { return {WM_NOTIFY, kDeltaPos, control, 41}; }
Entry Notify(int32_t code, uint32_t control) { return {WM_NOTIFY, code, control, 41}; }
// The Insert menu's commands 100 to 200, each handed to the handler with its id.
Entry InsertVariables() { return {WM_COMMAND, kClicked, 100, 16, 200}; }

// A map's own entries.
std::vector<Entry> Own(const SMsgMap& map) {
    std::vector<Entry> entries;
    for (const SMsgMapEntry* entry = map.entries; entry && entry->sig != SigEnd; ++entry)
        entries.push_back({entry->message, entry->code, entry->firstId, entry->sig,
                           entry->lastId == entry->firstId ? 0u : entry->lastId});
    return entries;
}

// The handler that a message reaches through a map chain; null when none takes it.
const SMsgMapEntry* Find(const SMsgMap* map, uint32_t message, int32_t code, uint32_t id) {
    return SCmdTarget::FindEntry(map, message, code, id);
}

// Records which virtual handler a command reached.
template <class Base>
class SRecording : public Base {
public:
    using Base::Base;
    std::vector<const char*> reached;
};

class SRecordingBorderPage : public SRecording<SRptDlgBorderPage> {
    void OnLeftClick() override { reached.push_back("left"); }
    void OnTopClick() override { reached.push_back("top"); }
    void OnRightClick() override { reached.push_back("right"); }
    void OnBottomClick() override { reached.push_back("bottom"); }
    void OnBoxClick() override { reached.push_back("box"); }
};

class SRecordingPageBreakPage : public SRecording<SRptDlgPageBreakPage> {
    void OnOrphanClick() override { reached.push_back("orphan"); }
    void OnLinesClick() override { reached.push_back("lines"); }
    void OnNextClick() override { reached.push_back("next"); }
    void OnPageBreakClick() override { reached.push_back("break"); }
};

class SRecordingTabPage : public SRecording<SRptDlgTabPage> {
    void OnSetClick() override { reached.push_back("set"); }
    void OnClearClick() override { reached.push_back("clear"); }
    void OnClearAllClick() override { reached.push_back("clear all"); }
    void OnSelChanged() override { reached.push_back("sel"); }
    void OnEditChanged() override { reached.push_back("edit"); }
};

class SRecordingFontPage : public SRecording<SRptFontPropertyPage> {
    void OnStrikeOutClick() override { reached.push_back("strikeout"); }
    void OnUnderlineClick() override { reached.push_back("underline"); }
};

class SRecordingChangeFonts : public SRecording<SRptDlgChangeFonts> {
    void OnHelp() override { reached.push_back("help"); }
};

class SRecordingTitlePage : public SRecording<SRptDlgTitlePage> {
public:
    SRecordingTitlePage() : SRecording(nullptr, nullptr) {}
    static auto Format() { return &SRecordingTitlePage::OnFormat; }

private:
    void OnNoTitleCheck() override { reached.push_back("no title"); }
    void OnIncTitleCheck() override { reached.push_back("title"); }
    void OnSummaryCheck() override { reached.push_back("summary"); }
    void OnAuthorCheck() override { reached.push_back("author"); }
    void OnVersionCheck() override { reached.push_back("version"); }
    void OnDateCheck() override { reached.push_back("date"); }
};

class SRecordingGraphFormat : public SRecording<SRptDlgGraphFormat> {
public:
    SRecordingGraphFormat() : SRecording(static_cast<ISRptItem*>(nullptr)) {}

private:
    void OnOnePageCheck() override { reached.push_back("one page"); }
    void OnManyPagesCheck() override { reached.push_back("many pages"); }
    void OnOnePageCenteredCheck() override { reached.push_back("centred"); }
    void OnOnePageAsParaCheck() override { reached.push_back("as paragraph"); }
};

class SRecordingTypeDlg : public SRecording<SRptTypeDlg> {
    void OnLanguageChanged() override { reached.push_back("language"); }
    void OnHelp() override { reached.push_back("help"); }
};

class SRecordingTemplatesList : public SRecording<SRptDlgTemplatesList> {
public:
    static auto KeyDown() { return &SRecordingTemplatesList::OnKeyDown; }

private:
    void OnHelp() override { reached.push_back("help"); }
    void OnCreate() override { reached.push_back("create"); }
    void OnEditProperties() override { reached.push_back("properties"); }
    void OnPath() override { reached.push_back("path"); }
    void OnClose() override { reached.push_back("close"); }
    void OnTemplateSelChange() override { reached.push_back("selection"); }
    void OnTemplateTypeChanged() override { reached.push_back("type"); }
};

// The handlers that the editors' maps reach without a virtual operation.
struct STxtEditHandlers : SRptDlgTxtEdit {
    static auto Size() { return &STxtEditHandlers::OnSize; }
    static auto DropDown() { return &STxtEditHandlers::OnBtnDropDown; }
    static auto InsertVariable() { return &STxtEditHandlers::OnInsertVariable; }
};
struct SHeaderFooterHandlers : SRptDlgHeaderFooter {
    static auto DropDown() { return &SHeaderFooterHandlers::OnBtnDropDown; }
    static auto InsertVariable() { return &SHeaderFooterHandlers::OnInsertVariable; }
};

template <class T>
SPMsg AsHandler(void (T::*pfn)()) {
    return static_cast<SPMsg>(pfn);
}

}  // namespace

TEST(SRptDlgMessageMaps, EachClassRecordNamesItsClassAndItsBase) {
    struct Record {
        const SClassInfo& info;
        const char* name;
        const SClassInfo& base;
    };
    const Record records[] = {
        {SRptDlgMultiPages::classSRptDlgMultiPages, "SRptDlgMultiPages", SPropertySheet::classSPropertySheet},
        {SRptDlgMultiFormat::classSRptDlgMultiFormat, "SRptDlgMultiFormat", SRptDlgMultiPages::classSRptDlgMultiPages},
        {SRptDlgMultiFormatEx::classSRptDlgMultiFormatEx, "SRptDlgMultiFormatEx", SRptDlgMultiFormat::classSRptDlgMultiFormat},
        {SRptDlgMultiFormatHeaderFooter::classSRptDlgMultiFormatHeaderFooter, "SRptDlgMultiFormatHeaderFooter",
         SRptDlgMultiFormat::classSRptDlgMultiFormat},
        {SRptDlgMultiLevelForm::classSRptDlgMultiLevelForm, "SRptDlgMultiLevelForm", SRptDlgMultiFormat::classSRptDlgMultiFormat},
        {SRptDlgPrinting::classSRptDlgPrinting, "SRptDlgPrinting", SDlg::classSDlg},
        {SRptDlgListBoxCtrl::classSRptDlgListBoxCtrl, "SRptDlgListBoxCtrl", SListBoxCtrl::classSListBoxCtrl},
        {SRptDlgChangeFonts::classSRptDlgChangeFonts, "SRptDlgChangeFonts", SRptDlgMultiPages::classSRptDlgMultiPages},
        {SRptFontPropertyPage::classSRptFontPropertyPage, "SRptFontPropertyPage", SFontPropertyPage::classSFontPropertyPage},
        {SRptDlgTitlePage::classSRptDlgTitlePage, "SRptDlgTitlePage", SRepDialog::classSRepDialog},
        {SRptDlgGraphFormat::classSRptDlgGraphFormat, "SRptDlgGraphFormat", SRepDialog::classSRepDialog},
        {SRptDlgLanguage::classSRptDlgLanguage, "SRptDlgLanguage", SRepDialog::classSRepDialog},
        {SRptDlgTxtEdit::classSRptDlgTxtEdit, "SRptDlgTxtEdit", SRepDialog::classSRepDialog},
        {SRptDlgHeaderFooter::classSRptDlgHeaderFooter, "SRptDlgHeaderFooter", SRepDialog::classSRepDialog},
        {SRptDlgTemplatesList::classSRptDlgTemplatesList, "SRptDlgTemplatesList", SDlg::classSDlg},
        {SRptDlgListLayout::classSRptDlgListLayout, "SRptDlgListLayout", SRepDialog::classSRepDialog},
        {SRptDlgFormLayout::classSRptDlgFormLayout, "SRptDlgFormLayout", SRepDialog::classSRepDialog},
        {SRptTypeDlg::classSRptTypeDlg, "SRptTypeDlg", SDlg::classSDlg},
        {SRptPreviewZoomDlg::classSRptPreviewZoomDlg, "SRptPreviewZoomDlg", SDlg::classSDlg},
    };
    for (const Record& record : records) {
        EXPECT_STREQ(record.info.className, record.name);
        EXPECT_EQ(record.info.baseClass, &record.base) << record.name;
    }
    SRptDlgChangeFonts dialog;
    EXPECT_EQ(dialog.GetClassInfo(), &SRptDlgChangeFonts::classSRptDlgChangeFonts);
    EXPECT_TRUE(dialog.IsKindOf(&SPropertySheet::classSPropertySheet));
    SRptPreviewZoomDlg zoom(100);
    EXPECT_EQ(zoom.GetClassInfo(), &SRptPreviewZoomDlg::classSRptPreviewZoomDlg);
    EXPECT_TRUE(SRptDlgLanguage(nullptr).IsKindOf(&SRepDialog::classSRepDialog));
}

TEST(SRptDlgMessageMaps, TheSheetsShareTheHelpEntryAndOnlyTheLevelsFormAddsOne) {
    EXPECT_EQ(Own(SRptDlgMultiPages::msgMap), std::vector<Entry>{Clicked(9)});
    EXPECT_EQ(SRptDlgMultiPages::msgMap.getBaseMap(), &SPropertySheet::msgMap);
    EXPECT_EQ(Own(SRptDlgMultiLevelForm::msgMap), std::vector<Entry>{Command(kSelChange, 1152)});
    EXPECT_EQ(SRptDlgMultiLevelForm::msgMap.getBaseMap(), &SRptDlgMultiFormat::msgMap);
    // The sheets without entries of their own are served by their bases' maps.
    SRptDlgChangeFonts dialog;
    EXPECT_EQ(dialog.GetMessageMap(), &SRptDlgMultiPages::msgMap);

    // Help from a sheet derived from the format sheet reaches its own OnHelp through the base map.
    SRecordingChangeFonts recording;
    EXPECT_NE(recording.OnCmdMsg(9, kClicked, nullptr, nullptr), 0);
    EXPECT_EQ(recording.reached, std::vector<const char*>{"help"});
}

TEST(SRptDlgMessageMaps, TheParagraphPageMapsItsSpinsEditsAndSpacingBox) {
    EXPECT_EQ(Own(SRptDlgParagraphPage::msgMap),
              (std::vector<Entry>{Spin(1115), Spin(1116), Spin(1117), Spin(1118), Spin(1119), Spin(1120), Command(kChange, 1005),
                                  Command(kChange, 1007), Command(kChange, 1008), Command(kChange, 1010), Command(kChange, 1011),
                                  Command(kChange, 1012), Command(kSelChange, 1085)}));
    // The text page adds nothing.
    EXPECT_EQ(SRptDlgTextPage().GetMessageMap(), SRptDlgPageBreakPage::msgMap.getBaseMap());
}

TEST(SRptDlgMessageMaps, TheBorderPagesChecksReachTheirVirtualHandlers) {
    EXPECT_EQ(Own(SRptDlgBorderPage::msgMap),
              (std::vector<Entry>{Clicked(1062), Clicked(1060), Clicked(1063), Clicked(1061), Clicked(1157), Spin(1124), Spin(1125),
                                  Spin(1122), Spin(1123), Command(kChange, 1097), Command(kChange, 1098), Command(kChange, 1095),
                                  Command(kChange, 1096)}));
    SRecordingBorderPage page;
    for (uint32_t id : {1062u, 1060u, 1063u, 1061u, 1157u}) EXPECT_NE(page.OnCmdMsg(id, kClicked, nullptr, nullptr), 0);
    EXPECT_EQ(page.reached, (std::vector<const char*>{"left", "top", "right", "bottom", "box"}));
}

TEST(SRptDlgMessageMaps, ThePageBreakPagesBoxesReachTheirVirtualHandlers) {
    EXPECT_EQ(Own(SRptDlgPageBreakPage::msgMap),
              (std::vector<Entry>{Clicked(1099), Clicked(1100), Clicked(1101), Clicked(1102)}));
    SRecordingPageBreakPage page;
    for (uint32_t id : {1099u, 1100u, 1101u, 1102u}) EXPECT_NE(page.OnCmdMsg(id, kClicked, nullptr, nullptr), 0);
    EXPECT_EQ(page.reached, (std::vector<const char*>{"orphan", "lines", "next", "break"}));
}

TEST(SRptDlgMessageMaps, TheTabPagesButtonsAndPositionBoxReachTheirVirtualHandlers) {
    EXPECT_EQ(Own(SRptDlgTabPage::msgMap),
              (std::vector<Entry>{Clicked(1104), Clicked(1105), Clicked(1106), Command(kSelChange, 1110), Command(kEditChange, 1110),
                                  Spin(1121), Command(kChange, 1111)}));
    SRecordingTabPage page;
    page.OnCmdMsg(1104, kClicked, nullptr, nullptr);
    page.OnCmdMsg(1105, kClicked, nullptr, nullptr);
    page.OnCmdMsg(1106, kClicked, nullptr, nullptr);
    page.OnCmdMsg(1110, kSelChange, nullptr, nullptr);
    page.OnCmdMsg(1110, kEditChange, nullptr, nullptr);
    EXPECT_EQ(page.reached, (std::vector<const char*>{"set", "clear", "clear all", "sel", "edit"}));
}

TEST(SRptDlgMessageMaps, TheFontPagesCheckBoxesReachTheirVirtualHandlers) {
    EXPECT_EQ(Own(SRptFontPropertyPage::msgMap), (std::vector<Entry>{Clicked(1014), Clicked(1015)}));
    EXPECT_EQ(SRptFontPropertyPage::msgMap.getBaseMap(), SFontPropertyPage().GetMessageMap());
    SRecordingFontPage page;
    page.OnCmdMsg(1015, kClicked, nullptr, nullptr);
    page.OnCmdMsg(1014, kClicked, nullptr, nullptr);
    EXPECT_EQ(page.reached, (std::vector<const char*>{"underline", "strikeout"}));
    // The change-fonts page keeps the same map.
    EXPECT_EQ(SRptChgFontPropertyPage(211, 0).GetMessageMap(), &SRptFontPropertyPage::msgMap);
}

TEST(SRptDlgMessageMaps, ThePrintingDialogAndTheListBoxMapTheirOwnMessages) {
    EXPECT_EQ(Own(SRptDlgPrinting::msgMap), std::vector<Entry>{Clicked(2)});
    EXPECT_EQ(SRptDlgPrinting::msgMap.getBaseMap(), &SDlg::msgMap);
    EXPECT_EQ(Own(SRptDlgListBoxCtrl::msgMap),
              (std::vector<Entry>{{WM_LBUTTONDOWN, 0, 0, 52}, {WM_LBUTTONUP, 0, 0, 52}, {WM_KEYDOWN, 0, 0, 19}, {WM_KEYUP, 0, 0, 19},
                                  {WM_CHAR, 0, 0, 19}}));
}

TEST(SRptDlgMessageMaps, TheTitlePagesSwitchesReachTheirVirtualHandlers) {
    EXPECT_EQ(Own(SRptDlgTitlePage::msgMap), (std::vector<Entry>{Clicked(1046), Clicked(1047), Clicked(1049), Clicked(1058),
                                                                  Clicked(1050), Clicked(1051), Clicked(1052)}));
    EXPECT_EQ(SRptDlgTitlePage::msgMap.getBaseMap(), &SRepDialog::msgMap);
    SRecordingTitlePage page;
    for (uint32_t id : {1046u, 1047u, 1058u, 1050u, 1051u, 1052u}) EXPECT_NE(page.OnCmdMsg(id, kClicked, nullptr, nullptr), 0);
    EXPECT_EQ(page.reached, (std::vector<const char*>{"no title", "title", "summary", "author", "version", "date"}));
    // Format is no virtual operation: the entry names the title page's own.
    const SMsgMapEntry* format = Find(page.GetMessageMap(), WM_COMMAND, kClicked, 1049);
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(format->handler.pfn, AsHandler(SRecordingTitlePage::Format()));
}

TEST(SRptDlgMessageMaps, TheGraphFormatsPageChoicesReachTheirVirtualHandlers) {
    EXPECT_EQ(Own(SRptDlgGraphFormat::msgMap), (std::vector<Entry>{Clicked(1139), Clicked(1140), Clicked(1009), Clicked(1010)}));
    EXPECT_EQ(SRptDlgGraphFormat::msgMap.getBaseMap(), &SRepDialog::msgMap);
    SRecordingGraphFormat dialog;
    for (uint32_t id : {1010u, 1009u, 1140u, 1139u}) EXPECT_NE(dialog.OnCmdMsg(id, kClicked, nullptr, nullptr), 0);
    EXPECT_EQ(dialog.reached, (std::vector<const char*>{"as paragraph", "centred", "many pages", "one page"}));
}

TEST(SRptDlgMessageMaps, TheLanguageAndZoomDialogsAreServedByTheirBasesAndTheTypeDialogAddsTwoEntries) {
    EXPECT_EQ(SRptDlgLanguage(nullptr).GetMessageMap(), &SRepDialog::msgMap);
    EXPECT_EQ(SRptPreviewZoomDlg(100).GetMessageMap(), &SDlg::msgMap);

    EXPECT_EQ(Own(SRptTypeDlg::msgMap), (std::vector<Entry>{Command(kSelChange, 1080), Clicked(9)}));
    EXPECT_EQ(SRptTypeDlg::msgMap.getBaseMap(), &SDlg::msgMap);
    SRecordingTypeDlg dialog;
    dialog.OnCmdMsg(9, kClicked, nullptr, nullptr);
    dialog.OnCmdMsg(1080, kSelChange, nullptr, nullptr);
    // A click on the language box is no change of its selection.
    EXPECT_EQ(dialog.OnCmdMsg(1080, kClicked, nullptr, nullptr), 0);
    EXPECT_EQ(dialog.reached, (std::vector<const char*>{"help", "language"}));
}

TEST(SRptDlgMessageMaps, TheTemplatesListRoutesItsButtonsListsCloseAndKeys) {
    EXPECT_EQ(Own(SRptDlgTemplatesList::msgMap),
              (std::vector<Entry>{Clicked(9), Clicked(6001), Clicked(6003), Clicked(6002), {WM_CLOSE, 0, 0, 14},
                                  Command(kDblClk, 1135), Command(kSelChange, 1135), {WM_KEYDOWN, 0, 0, 19},
                                  Command(kSelChange, 1023)}));
    EXPECT_EQ(SRptDlgTemplatesList::msgMap.getBaseMap(), &SDlg::msgMap);

    SRecordingTemplatesList dialog;
    for (uint32_t id : {9u, 6001u, 6003u, 6002u}) dialog.OnCmdMsg(id, kClicked, nullptr, nullptr);
    // A double click on a template opens it as Properties does.
    dialog.OnCmdMsg(1135, kDblClk, nullptr, nullptr);
    dialog.OnCmdMsg(1135, kSelChange, nullptr, nullptr);
    dialog.OnCmdMsg(1023, kSelChange, nullptr, nullptr);
    dialog.WindowProc(WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.reached, (std::vector<const char*>{"help", "create", "properties", "path", "properties", "selection",
                                                         "type", "close"}));
    const SMsgMapEntry* key = Find(dialog.GetMessageMap(), WM_KEYDOWN, 0, 0);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->handler.pfnKey, static_cast<void (SCmdTarget::*)(uint32_t, uint32_t, uint32_t)>(SRecordingTemplatesList::KeyDown()));
}

TEST(SRptDlgMessageMaps, TheLayoutDialogsResizeAndShowHelpOverTheRepositoryDialogsMap) {
    // Both layout dialogs are served by one map: size and Help, over the repository dialog's.
    for (const SMsgMap* map : {SRptDlgListLayout(nullptr, nullptr).GetMessageMap(), SRptDlgFormLayout(nullptr, nullptr).GetMessageMap()}) {
        EXPECT_EQ(Own(*map), (std::vector<Entry>{{WM_SIZE, 0, 0, 20}, Clicked(9)}));
        EXPECT_EQ(map->getBaseMap(), &SRepDialog::msgMap);
        // OK and Cancel fall through to the dialog's own.
        EXPECT_NE(Find(map, WM_COMMAND, kClicked, IDOK), nullptr);
    }
}

TEST(SRptDlgMessageMaps, TheEditorMapsItsButtonsTextAndTheInsertMenusRange) {
    EXPECT_EQ(Own(SRptDlgTxtEdit::msgMap),
              (std::vector<Entry>{{WM_SIZE, 0, 0, 20}, Clicked(1), Clicked(2), Clicked(1006), Clicked(13005), Notify(kDropDown, 1007),
                                  InsertVariables(), Command(kUpdate, 1005)}));
    EXPECT_EQ(SRptDlgTxtEdit::msgMap.getBaseMap(), &SRepDialog::msgMap);
    const SMsgMap* map = &SRptDlgTxtEdit::msgMap;
    EXPECT_EQ(Find(map, WM_SIZE, 0, 0)->handler.pfnSize,
              static_cast<void (SCmdTarget::*)(uint32_t, int32_t, int32_t)>(STxtEditHandlers::Size()));
    EXPECT_EQ(Find(map, WM_NOTIFY, kDropDown, 1007)->handler.pfnNotify,
              static_cast<void (SCmdTarget::*)(NMHDR*, LRESULT*)>(STxtEditHandlers::DropDown()));
    // Every command from 100 to 200 reaches OnInsertVariable; the ids beside the range do not.
    const auto insert = static_cast<void (SCmdTarget::*)(uint32_t)>(STxtEditHandlers::InsertVariable());
    for (uint32_t id = 100; id <= 200; ++id) {
        const SMsgMapEntry* entry = Find(map, WM_COMMAND, kClicked, id);
        ASSERT_NE(entry, nullptr) << id;
        EXPECT_EQ(entry->sig, SigCmdId);
        EXPECT_EQ(entry->handler.pfnId, insert) << id;
    }
    EXPECT_EQ(Find(map, WM_COMMAND, kClicked, 99), nullptr);
    EXPECT_EQ(Find(map, WM_COMMAND, kClicked, 201), nullptr);
}

TEST(SRptDlgMessageMaps, TheHeaderAndFooterDialogMapsItsTwoTextsTabsAndTheInsertMenusRange) {
    EXPECT_EQ(Own(SRptDlgHeaderFooter::msgMap),
              (std::vector<Entry>{Notify(kDropDown, 1007), InsertVariables(), Clicked(1006), Clicked(1159), Clicked(1160),
                                  Command(kUpdate, 1113), Command(kUpdate, 1114), Notify(kTabKillActive, 1112)}));
    EXPECT_EQ(SRptDlgHeaderFooter::msgMap.getBaseMap(), &SRepDialog::msgMap);
    const SMsgMap* map = &SRptDlgHeaderFooter::msgMap;
    EXPECT_EQ(Find(map, WM_NOTIFY, kDropDown, 1007)->handler.pfnNotify,
              static_cast<void (SCmdTarget::*)(NMHDR*, LRESULT*)>(SHeaderFooterHandlers::DropDown()));
    const auto insert = static_cast<void (SCmdTarget::*)(uint32_t)>(SHeaderFooterHandlers::InsertVariable());
    for (uint32_t id = 100; id <= 200; ++id) EXPECT_EQ(Find(map, WM_COMMAND, kClicked, id)->handler.pfnId, insert) << id;
    EXPECT_EQ(Find(map, WM_COMMAND, kClicked, 99), nullptr);
    EXPECT_EQ(Find(map, WM_COMMAND, kClicked, 201), nullptr);
}
