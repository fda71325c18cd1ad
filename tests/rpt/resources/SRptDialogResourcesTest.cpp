// The editor's dialog templates as the library's module state holds them: each loads, has its
// caption, and carries the controls its dialog attaches, with their ids, window classes, texts
// and the styles the dialogs rely on.
#include <gtest/gtest.h>

#include "platform/base/SModuleState.h"
#include "platform/ui/SDlgTemplate.h"
#include "platform/ui/SWinDefs.h"
#include "varod9/RptApi.h"

namespace {

// Loads template `id` with the library's module state current, as the dialogs do.
SDlgTemplate LoadLibraryDialog(uint32_t id) {
    SModuleStateGuard library(SRptGetModuleState());
    SDlgTemplate dialog;
    EXPECT_TRUE(dialog.Load(0, id)) << "dialog " << id;
    return dialog;
}

const SDlgTemplateControl* FindControl(const SDlgTemplate& dialog, int32_t id) {
    for (const SDlgTemplateControl& control : dialog.controls)
        if (control.id == id) return &control;
    return nullptr;
}

const SDlgTemplateControl* FindText(const SDlgTemplate& dialog, const char* text) {
    for (const SDlgTemplateControl& control : dialog.controls)
        if (control.text == text) return &control;
    return nullptr;
}

// Expects control `id` with that text, and a window class when one is given.
void ExpectControl(const SDlgTemplate& dialog, int32_t id, const char* text, const char* className = nullptr) {
    const SDlgTemplateControl* control = FindControl(dialog, id);
    ASSERT_NE(control, nullptr) << "control " << id << " of dialog " << dialog.id;
    EXPECT_EQ(control->text, SString(text)) << "control " << id << " of dialog " << dialog.id;
    if (className) {
        EXPECT_EQ(control->className, SString(className)) << "control " << id << " of dialog " << dialog.id;
    }
}

bool IsVisible(const SDlgTemplateControl* control) { return control && (control->style & WS_VISIBLE); }

}  // namespace

TEST(SRptDialogResources, EveryDialogLoadsUnderTheLibraryWithItsCaption) {
    const std::pair<uint32_t, const char*> captions[] = {
        {204, "Report"},       {209, "Graph Format"},         {210, "Editor"},
        {211, "Font"},         {213, "Format"},               {222, "Report Template Type"},
        {226, "Text"},         {228, "Header and Footer"},    {229, "Format"},
        {230, "Zoom Scale"},   {234, "List of Report Templates"}, {235, "List Layout"},
        {236, "Card Layout"},  {237, "Format"},
    };
    for (const auto& [id, caption] : captions) {
        SDlgTemplate dialog = LoadLibraryDialog(id);
        EXPECT_EQ(dialog.caption, SString(caption)) << "dialog " << id;
        EXPECT_FALSE(dialog.controls.empty()) << "dialog " << id;
    }
    // Outside the library the templates are not found.
    SDlgTemplate elsewhere;
    EXPECT_FALSE(elsewhere.Load(&SModuleState::GetProcessState(), 235));
}

TEST(SRptDialogResources, PrintingGraphAndEditorDialogsCarryTheirControls) {
    const SDlgTemplate printing = LoadLibraryDialog(204);
    ExpectControl(printing, 1126, "Action");
    ExpectControl(printing, 1000, "Report");
    ExpectControl(printing, 1001, "on Printer");
    ExpectControl(printing, 1002, "to LPT2:");
    ExpectControl(printing, 1003, "");
    ExpectControl(printing, 2, "Cancel", "BUTTON");
    ExpectControl(printing, 1132, "Animate1", "SysAnimate32");

    const SDlgTemplate graph = LoadLibraryDialog(209);
    ExpectControl(graph, 1139, "&One page", "BUTTON");
    ExpectControl(graph, 1140, "&Several pages", "BUTTON");
    ExpectControl(graph, 1009, "&Centered", "BUTTON");
    ExpectControl(graph, 1010, "As &paragraph", "BUTTON");
    ExpectControl(graph, 1012, "&Zoom:");
    ExpectControl(graph, 1005, "", "EDIT");
    ExpectControl(graph, 1013, "%");
    EXPECT_NE(FindText(graph, "Zoom to"), nullptr);
    // Plain radio buttons: only the dialog's handlers check them.
    for (int32_t id : {1139, 1140, 1009, 1010})
        EXPECT_EQ(FindControl(graph, id)->style & BS_TYPEMASK, BS_RADIOBUTTON) << id;

    const SDlgTemplate editor = LoadLibraryDialog(210);
    ExpectControl(editor, 1156, "", "BUTTON");
    ExpectControl(editor, 13005, "&User-defined", "BUTTON");
    ExpectControl(editor, 1005, "", "RichEdit20A");
    ExpectControl(editor, 1006, "&Format...", "BUTTON");
    ExpectControl(editor, 1007, "&Insert", "S_ExtendedButton");
    ExpectControl(editor, 1, "OK");
    ExpectControl(editor, 2, "Cancel");
    ExpectControl(editor, 9, "Help");
    EXPECT_TRUE(editor.style & WS_THICKFRAME);  // the editor is resizable
}

TEST(SRptDialogResources, FormatSheetsAndTheirPagesCarryTheirControls) {
    const SDlgTemplate withList = LoadLibraryDialog(213);
    ExpectControl(withList, 0xFFFF, "Available &items:", "STATIC");
    ExpectControl(withList, 1082, "", "LISTBOX");
    ExpectControl(withList, 12320, "PropSht");
    ExpectControl(withList, 1, "OK");
    ExpectControl(withList, 2, "Cancel");
    ExpectControl(withList, 9, "Help");
    const SDlgTemplateControl* list = FindControl(withList, 1082);
    EXPECT_TRUE(list->style & LBS_EXTENDEDSEL);
    EXPECT_FALSE(list->style & LBS_SORT);
    EXPECT_TRUE(IsVisible(list));
    EXPECT_LT(list->rect.right, FindControl(withList, 12320)->rect.left);  // the pages to the list's right

    // Without the list: the list and its label are there but hidden, the pages take the left side.
    const SDlgTemplate withoutList = LoadLibraryDialog(229);
    EXPECT_FALSE(IsVisible(FindControl(withoutList, 1082)));
    EXPECT_FALSE(IsVisible(FindText(withoutList, "Available &items:")));
    EXPECT_EQ(FindControl(withoutList, 12320)->rect.left, FindControl(withoutList, 1082)->rect.left);

    const SDlgTemplate levels = LoadLibraryDialog(237);
    ExpectControl(levels, 1082, "", "LISTBOX");
    ExpectControl(levels, 1154, "Show &levels to:");
    ExpectControl(levels, 1152, "", "COMBOBOX");
    EXPECT_EQ(FindControl(levels, 1152)->style & 3u, CBS_DROPDOWN);  // an editable field
    EXPECT_GT(FindControl(levels, 1154)->rect.top, FindControl(levels, 1082)->rect.top);

    const SDlgTemplate font = LoadLibraryDialog(211);
    ExpectControl(font, 1017, "", "COMBOBOX");
    ExpectControl(font, 1018, "", "COMBOBOX");
    ExpectControl(font, 1019, "", "COMBOBOX");
    ExpectControl(font, 1014, "Stri&keout", "BUTTON");
    ExpectControl(font, 1015, "&Underline", "BUTTON");
    ExpectControl(font, 1016, "AaBbYyZz");
    EXPECT_EQ(FindControl(font, 1014)->style & BS_TYPEMASK, BS_3STATE);
    EXPECT_EQ(FindControl(font, 1015)->style & BS_TYPEMASK, BS_3STATE);
    for (const char* label : {"&Font:", "Font st&yle:", "&Size:", "Effects", "Preview"})
        EXPECT_NE(FindText(font, label), nullptr) << label;

    ExpectControl(LoadLibraryDialog(226), 1005, "", "RichEdit20A");
}

TEST(SRptDialogResources, HeaderFooterTypeZoomAndTemplatesListCarryTheirControls) {
    const SDlgTemplate headerFooter = LoadLibraryDialog(228);
    ExpectControl(headerFooter, 1159, "User Defined Header", "BUTTON");
    ExpectControl(headerFooter, 1160, "User Defined Footer", "BUTTON");
    ExpectControl(headerFooter, 1112, "Tab", "S_TabWnd");
    ExpectControl(headerFooter, 1113, "", "RichEdit20A");
    ExpectControl(headerFooter, 1114, "", "RichEdit20A");
    ExpectControl(headerFooter, 1007, "&Insert", "S_ExtendedButton");
    ExpectControl(headerFooter, 1006, "&Format...");

    const SDlgTemplate type = LoadLibraryDialog(222);
    ExpectControl(type, 1005, "", "EDIT");
    ExpectControl(type, 1080, "", "COMBOBOX");
    ExpectControl(type, 1079, "", "LISTBOX");
    ExpectControl(type, 9, "Help");
    EXPECT_TRUE(FindControl(type, 1080)->style & CBS_SORT);
    EXPECT_EQ(FindControl(type, 1080)->style & 3u, CBS_DROPDOWNLIST);
    EXPECT_TRUE(FindControl(type, 1079)->style & LBS_SORT);
    for (const char* label : {"&Name:", "&Language:", "&Type:"}) EXPECT_NE(FindText(type, label), nullptr) << label;

    const SDlgTemplate zoom = LoadLibraryDialog(230);
    ExpectControl(zoom, 1133, "", "COMBOBOX");
    EXPECT_EQ(FindControl(zoom, 1133)->style & 3u, CBS_DROPDOWN);
    EXPECT_TRUE(FindControl(zoom, 1133)->style & CBS_SORT);
    EXPECT_NE(FindText(zoom, "&Zoom:"), nullptr);
    EXPECT_EQ(FindControl(zoom, 9), nullptr);  // OK and Cancel only

    const SDlgTemplate templates = LoadLibraryDialog(234);
    ExpectControl(templates, 1134, "", "ToolbarWindow32");
    ExpectControl(templates, 1023, "", "COMBOBOX");
    ExpectControl(templates, 1135, "", "LISTBOX");
    ExpectControl(templates, 1005, "", "EDIT");
    ExpectControl(templates, 1136, "", "EDIT");
    ExpectControl(templates, 1, "Close");
    ExpectControl(templates, 9, "Help");
    EXPECT_FALSE(FindControl(templates, 1023)->style & CBS_SORT);
    EXPECT_TRUE(FindControl(templates, 1135)->style & LBS_SORT);
    EXPECT_TRUE(FindControl(templates, 1005)->style & WS_DISABLED);  // display only
    EXPECT_TRUE(FindControl(templates, 1136)->style & WS_DISABLED);
}

TEST(SRptDialogResources, LayoutDialogsHaveTheirGridAndButtonsWhereTheLayoutExpectsThem) {
    struct Layout {
        uint32_t id;
        int32_t grid;
        const char* text;
    };
    for (const Layout& layout : {Layout{235, 1137, "List Layout"}, Layout{236, 1138, "Card Layout"}}) {
        const SDlgTemplate dialog = LoadLibraryDialog(layout.id);
        EXPECT_TRUE(dialog.style & WS_THICKFRAME) << layout.id;
        EXPECT_TRUE(dialog.style & WS_SYSMENU) << layout.id;
        EXPECT_EQ(dialog.rect, (RECT{0, 0, 238, 137})) << layout.id;
        ExpectControl(dialog, layout.grid, layout.text, "SRepGridWndTB");
        EXPECT_EQ(FindControl(dialog, layout.grid)->rect, (RECT{6, 6, 232, 111}));
        ExpectControl(dialog, 1, "OK", "BUTTON");
        ExpectControl(dialog, 2, "Cancel", "BUTTON");
        ExpectControl(dialog, 9, "Help", "BUTTON");
        EXPECT_EQ(FindControl(dialog, 1)->rect, (RECT{73, 117, 123, 131}));
        EXPECT_EQ(FindControl(dialog, 2)->rect, (RECT{127, 117, 177, 131}));
        EXPECT_EQ(FindControl(dialog, 9)->rect, (RECT{182, 117, 232, 131}));
        EXPECT_EQ(FindControl(dialog, 1)->style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    }
}
