// The free text and the title: their paragraph, labels, commands and construction.
#include <gtest/gtest.h>

#include "rpt/module/SRptFont.h"
#include "rpt/objs/SRptItemEditor.h"
#include "rpt/objs/SRptParaMem.h"
#include "rpt/objs/SRptTextMem.h"
#include "rpt/objs/SRptTitleMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTitle.h"

namespace {

using SRptTextTitle = SRptItemKindTestFixture;

SString Repeat(const char* piece, int32_t times) {
    SString text;
    for (int32_t i = 0; i < times; ++i) text += piece;
    return text;
}

}  // namespace

TEST_F(SRptTextTitle, EachOwnsOneStockParagraphNamedAndInItsFont) {
    struct Case {
        GUID clsid;
        int32_t fontKind;
        const char* name;
    };
    for (const Case& c : {Case{CLSID_SRptText, SRptFont::RPT_FONT_TEXT, "Free Text"},
                          Case{CLSID_SRptTitle, SRptFont::RPT_FONT_TITLE, "Title"}}) {
        SCOPED_TRACE(c.name);
        SComWrap<ISRptItem> item = Build(c.clsid);
        ASSERT_EQ(item->Paragraphs().GetCount(), 1);
        SComWrap<ISRptPara> para;
        ASSERT_EQ(item->GetParaAtPos(0, &para), S_OK);
        ASSERT_TRUE(para);
        EXPECT_EQ(para->GetClassID(), CLSID_SRptPara);
        EXPECT_EQ(para->GetFontName(), SRptFont::GetDefaultFontName(c.fontKind));
        EXPECT_EQ(para->GetFontHeight(), SRptFont::GetDefaultFontHeight(c.fontKind));
        EXPECT_EQ(para->GetFontStyle(), SRptFont::GetDefaultFontStyle(c.fontKind));
        EXPECT_EQ(item->GetParaName(para.Get()), c.name);
        EXPECT_EQ(item->GetParaFontID(para.Get()), c.fontKind);
        // The paragraph asks its container.
        EXPECT_EQ(para->GetParaName(), c.name);
        EXPECT_EQ(para->GetParaFontID(), c.fontKind);

        // A paragraph added later, or one of someone else, gets the container's answers.
        SComWrap<ISRptPara> added;
        ASSERT_EQ(item->CreateObject(CLSID_SRptPara, reinterpret_cast<void**>(&added), ISRptPara::iid,
                                     RPTPARACONTAINER_PARAGRAPHS, -1, true),
                  S_OK);
        EXPECT_EQ(item->GetParaName(added.Get()), "Text Paragraph 1");
        EXPECT_EQ(item->GetParaFontID(added.Get()), -1);
        SComWrap<ISRptPara> stranger = Make<ISRptPara>(CLSID_SRptPara);
        EXPECT_EQ(item->GetParaName(stranger.Get()), "Text Paragraph -1");
        EXPECT_EQ(item->GetParaFontID(stranger.Get()), -1);
        EXPECT_EQ(item->GetParaFontID(nullptr), -1);
    }
}

TEST_F(SRptTextTitle, ATitleAlwaysEntersTheContentsAFreeTextAsDescribed) {
    RPTUSRITEMDEF def = Describe("Title");
    def.TOCEntry = 0;
    SComWrap<ISRptTitle> title = Make<ISRptTitle>(CLSID_SRptTitle);
    ASSERT_EQ(title->ConstructWithItemDef(&def), S_OK);
    EXPECT_TRUE(title->GetTOCEntry());
    EXPECT_EQ(title->GetLabel(), "Title");
    EXPECT_EQ(title->GetItemID(), "ITEM");

    SComWrap<ISRptText> text = Make<ISRptText>(CLSID_SRptText);
    ASSERT_EQ(text->ConstructWithItemDef(&def), S_OK);
    EXPECT_FALSE(text->GetTOCEntry());
    SComWrap<ISRptText> listed = Make<ISRptText>(CLSID_SRptText);
    def.TOCEntry = 1;
    ASSERT_EQ(listed->ConstructWithItemDef(&def), S_OK);
    EXPECT_TRUE(listed->GetTOCEntry());

    EXPECT_EQ(text->ConstructWithItemDef(nullptr), E_POINTER);
    EXPECT_EQ(title->ConstructWithItemDef(nullptr), E_POINTER);
    // Neither enters the contents through an entry of its own.
    RPTTBLCTSENTRY entry;
    EXPECT_EQ(title->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(text->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(entry.HasEntry, 0);
    EXPECT_TRUE(entry.Text.IsEmpty());
}

TEST_F(SRptTextTitle, OnlyATitleTakesItemsUnderIt) {
    SComWrap<ISRptItem> title = Make(CLSID_SRptTitle);
    SComWrap<ISRptItem> text = Make(CLSID_SRptText);
    EXPECT_TRUE(title->GetContainer());
    EXPECT_FALSE(text->GetContainer());
    SComWrap<ISRptItem> moved = Make(CLSID_SRptText);
    EXPECT_EQ(moved->CanDropItemIntoParentAtPos(title.Get(), 0), S_OK);
    EXPECT_EQ(moved->CanDropItemIntoParentAtPos(text.Get(), 0), S_FALSE);
}

TEST_F(SRptTextTitle, AFreeTextIsLabelledWithItsFirstLineCutAt35Characters) {
    SComWrap<ISRptText> text = Make<ISRptText>(CLSID_SRptText);
    text->PutLabel("Text");
    EXPECT_EQ(text->GetLabelInTemplate(), "Text");
    text->PutText("\nsecond line");
    EXPECT_EQ(text->GetLabelInTemplate(), "Text - ");

    const SString ascii35 = Repeat("a", 35);
    text->PutText(ascii35 + "\r\nmore");
    EXPECT_EQ(text->GetLabelInTemplate(), "Text - " + ascii35);
    text->PutText(ascii35 + "b");
    EXPECT_EQ(text->GetLabelInTemplate(), "Text - " + ascii35 + "...");

    // Characters, not bytes: 35 two-byte letters fit whole, and a longer line is cut between
    // two of them.
    const SString accented35 = Repeat("\xC3\xA9", 35);
    text->PutText(accented35);
    EXPECT_EQ(text->GetLabelInTemplate(), "Text - " + accented35);
    text->PutText(accented35 + "\xE2\x82\xAC");
    EXPECT_EQ(text->GetLabelInTemplate(), "Text - " + accented35 + "...");
    text->PutText(Repeat("a", 34) + "\xF0\x9F\x93\x84\xF0\x9F\x93\x84");
    EXPECT_EQ(text->GetLabelInTemplate(), "Text - " + Repeat("a", 34) + "\xF0\x9F\x93\x84...");

    // Through the attribute protocol too (the label in a template is the display name).
    SRepVariant value;
    ASSERT_EQ(text->GetAttribute(RPTITEM_LABELINTEMPLATE, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Text - " + Repeat("a", 34) + "\xF0\x9F\x93\x84...");
}

TEST_F(SRptTextTitle, ATitleIsLabelledWithItsWholeFirstLine) {
    SComWrap<ISRptTitle> title = Make<ISRptTitle>(CLSID_SRptTitle);
    title->PutLabel("Title");
    EXPECT_EQ(title->GetLabelInTemplate(), "Title");
    const SString longLine = Repeat("\xC3\xA9t\xC3\xA9 ", 30);
    title->PutText(longLine + "\nnext");
    EXPECT_EQ(title->GetLabelInTemplate(), "Title - " + longLine);
}

TEST_F(SRptTextTitle, BothOfferFormatAndEditOnly) {
    for (const GUID& clsid : {CLSID_SRptText, CLSID_SRptTitle}) {
        SComWrap<ISRptItem> item = Make(clsid);
        EXPECT_EQ(item->IsItemSupportCommand(ID_RPT_ITEM_FORMAT), S_OK);
        EXPECT_EQ(item->IsItemSupportCommand(ID_RPT_ITEM_EDIT), S_OK);
        EXPECT_EQ(item->IsItemSupportCommand(ID_RPT_ITEM_LAYOUT), S_FALSE);
        EXPECT_EQ(item->IsItemSupportCommand(ID_RPT_DISPLAY_ALL), S_FALSE);
        EXPECT_EQ(item->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(item.Get()), nullptr), S_FALSE);
        EXPECT_EQ(item->HandlePopupCommand(ID_RPT_PAGEBREAK_HTMLGEN, Selection(item.Get()), nullptr), S_FALSE);
    }
}

TEST_F(SRptTextTitle, FormatOpensTheFormatSheetWhateverItsOutcome) {
    SComWrap<ISRptText> text = Build<ISRptText>(CLSID_SRptText);
    script.Expect(SPrompt::Dialog, "229", DialogCancel());
    script.Expect(SPrompt::Dialog, "229", DialogOK());
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_FORMAT, Selection(text.Get()), nullptr), S_OK);
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_FORMAT, Selection(text.Get()), nullptr), S_OK);
    ASSERT_EQ(Transcript().size(), 2u);
    EXPECT_EQ(Transcript()[0].caption, "Format");
}

TEST_F(SRptTextTitle, EditStoresTheEditorsTextOnlyOnOK) {
    SComWrap<ISRptText> text = Build<ISRptText>(CLSID_SRptText);
    text->PutText("first");
    SComWrap<ISRptTitle> title = Build<ISRptTitle>(CLSID_SRptTitle);
    title->PutText("Chapter");

    script.Expect(SPrompt::Dialog, "210", DialogCancel());
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(text.Get()), nullptr), S_OK);
    EXPECT_EQ(text->GetText(), "first");

    script.Expect(SPrompt::Dialog, "210", DialogOK({{IDC_RPT_TEXT_EDITOR_TEXT, "second\nline"}}));
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(text.Get()), nullptr), S_OK);
    EXPECT_EQ(text->GetText(), "second\nline");

    // OK without a change keeps the text the editor started with.
    script.Expect(SPrompt::Dialog, "210", DialogOK());
    EXPECT_EQ(title->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(title.Get()), nullptr), S_OK);
    EXPECT_EQ(title->GetText(), "Chapter");
    script.Expect(SPrompt::Dialog, "210", DialogOK({{IDC_RPT_TEXT_EDITOR_TEXT, "Part"}}));
    EXPECT_EQ(title->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(title.Get()), nullptr), S_OK);
    EXPECT_EQ(title->GetText(), "Part");
    EXPECT_EQ(Transcript().back().caption, "Editor");
}

TEST_F(SRptTextTitle, TheEditorSeesTheItemAndItsTextAlone) {
    struct SRecordingEditor final : SRptItemEditor {
        SRptBrowserNodeItem* NewBrowserNode(SRptBrowserNodeKind, ISBrowserView*, bool) override { return nullptr; }
        void BindBrowserNode(SRptBrowserNodeItem*, ISRepObject*, uint32_t, ISBrowserNode*, ISBrowserNode*,
                             int32_t) override {}
        void RunFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag, uint32_t dialogId) override {
            formatObjects = objects.GetSize();
            formatFlag = flag;
            formatDialog = dialogId;
        }
        void RunLevelFormatDialog(const SComTable<ISRepObject>&, int32_t) override {}
        int32_t RunTextEditDialog(ISRptItem* item, SRptTextEdit& edit) override {
            editedItem = item;
            seen = edit;
            current = &SModuleState::GetCurrent();
            edit.text = "edited";
            return IDOK;
        }
        int32_t formatObjects = 0;
        int32_t formatFlag = -1;
        uint32_t formatDialog = 0;
        ISRptItem* editedItem = nullptr;
        SRptTextEdit seen;
        SModuleState* current = nullptr;
    } editor;
    SRptItemEditor* previous = SRptItemEditor::Install(&editor);

    SComWrap<ISRptTitle> title = Build<ISRptTitle>(CLSID_SRptTitle);
    title->PutText("Chapter");
    EXPECT_EQ(title->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(title.Get()), nullptr), S_OK);
    EXPECT_TRUE(SComWrap<ISRptItem>(editor.editedItem).IsEqualObject(title.Get()));
    EXPECT_EQ(editor.seen.text, "Chapter");
    EXPECT_EQ(editor.seen.enableInsert, 0);
    EXPECT_EQ(editor.seen.enableUserDefined, 0);
    EXPECT_TRUE(editor.seen.defaultText.IsEmpty());
    EXPECT_EQ(editor.seen.userDefined, 0);
    EXPECT_EQ(editor.current, SRptGetModuleState()) << "the library's resources are current in its dialogs";
    EXPECT_EQ(title->GetText(), "edited");

    SComTable<ISRepObject> two = Selection(title.Get());
    SComWrap<ISRptText> text = Build<ISRptText>(CLSID_SRptText);
    two.Add(static_cast<ISRepObject*>(text.Get()));
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_FORMAT, two, nullptr), S_OK);
    EXPECT_EQ(editor.formatObjects, 2);
    EXPECT_EQ(editor.formatFlag, 0);
    EXPECT_EQ(editor.formatDialog, IDD_RPT_FORMAT);
    SRptItemEditor::Install(previous);
}
