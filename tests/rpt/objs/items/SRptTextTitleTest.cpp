// The free text and the title: their paragraph, labels, commands and construction.
#include <gtest/gtest.h>

#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/dialogs/SRptDlgTxtEdit.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "support/SRptItemKindTestFixture.h"

namespace {

using SRptTextTitle = SRptItemKindTestFixture;

SString Repeat(const char* unit, int32_t times) {
    SString text;
    for (int32_t i = 0; i < times; ++i) text += unit;
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
        EXPECT_EQ(para->GetClassID(), CLSID_SRptPara);
        EXPECT_EQ(para->GetFontName(), SRptFont::GetDefaultFontName(c.fontKind));
        EXPECT_EQ(para->GetFontHeight(), SRptFont::GetDefaultFontHeight(c.fontKind));
        EXPECT_EQ(para->GetFontStyle(), SRptFont::GetDefaultFontStyle(c.fontKind));
        EXPECT_EQ(para->GetParaName(), c.name);
        EXPECT_EQ(para->GetParaFontID(), c.fontKind);

        // A paragraph added later, or one of no container, gets the container's answers.
        SComWrap<ISRptPara> added;
        ASSERT_EQ(item->CreateObject(CLSID_SRptPara, reinterpret_cast<void**>(&added), ISRptPara::iid,
                                     RPTPARACONTAINER_PARAGRAPHS, -1, true),
                  S_OK);
        EXPECT_EQ(item->GetParaName(added.Get()), "Text Paragraph 1");
        EXPECT_EQ(item->GetParaFontID(added.Get()), -1);
        SComWrap<ISRptPara> stranger = Make<ISRptPara>(CLSID_SRptPara);
        EXPECT_EQ(item->GetParaName(stranger.Get()), "Text Paragraph -1");
        EXPECT_EQ(item->GetParaFontID(nullptr), -1);
        EXPECT_EQ(item->ConstructWithItemDef(nullptr), E_POINTER);
    }
}

TEST_F(SRptTextTitle, ATitleIsAContainerAlwaysInTheContentsAFreeTextNeither) {
    RPTUSRITEMDEF def = Describe("Title");
    SComWrap<ISRptTitle> title = Make<ISRptTitle>(CLSID_SRptTitle);
    ASSERT_EQ(title->ConstructWithItemDef(&def), S_OK);
    EXPECT_TRUE(title->GetTOCEntry());
    EXPECT_TRUE(title->GetContainer());
    SComWrap<ISRptText> text = Make<ISRptText>(CLSID_SRptText);
    ASSERT_EQ(text->ConstructWithItemDef(&def), S_OK);
    EXPECT_FALSE(text->GetTOCEntry());
    EXPECT_FALSE(text->GetContainer());
    def.TOCEntry = 1;
    SComWrap<ISRptText> listed = Make<ISRptText>(CLSID_SRptText);
    ASSERT_EQ(listed->ConstructWithItemDef(&def), S_OK);
    EXPECT_TRUE(listed->GetTOCEntry()) << "a free text keeps what the description says";

    EXPECT_EQ(text->CanDropItemIntoParentAtPos(title.Get(), 0), S_OK);
    EXPECT_EQ(title->CanDropItemIntoParentAtPos(text.Get(), 0), S_FALSE);
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

    // Characters, not bytes: 35 two-byte letters fit whole, and a longer line is cut between two
    // characters, never inside one.
    const SString accented35 = Repeat("\xC3\xA9", 35);
    text->PutText(accented35);
    EXPECT_EQ(text->GetLabelInTemplate(), "Text - " + accented35);
    text->PutText(accented35 + "\xE2\x82\xAC");
    EXPECT_EQ(text->GetLabelInTemplate(), "Text - " + accented35 + "...");
    text->PutText(Repeat("a", 34) + "\xF0\x9F\x93\x84\xF0\x9F\x93\x84");
    SRepVariant label;
    ASSERT_EQ(text->GetAttribute(RPTITEM_LABELINTEMPLATE, &label), S_OK);
    EXPECT_EQ(label.GetText(), "Text - " + Repeat("a", 34) + "\xF0\x9F\x93\x84...");

    // A title shows its whole first line.
    SComWrap<ISRptTitle> title = Make<ISRptTitle>(CLSID_SRptTitle);
    title->PutLabel("Title");
    const SString longLine = Repeat("\xC3\xA9t\xC3\xA9 ", 30);
    title->PutText(longLine + "\nnext");
    EXPECT_EQ(title->GetLabelInTemplate(), "Title - " + longLine);
}

TEST_F(SRptTextTitle, FormatAndEditAreTheirOnlyCommands) {
    for (const GUID& clsid : {CLSID_SRptText, CLSID_SRptTitle}) {
        SComWrap<ISRptItem> item = Make(clsid);
        EXPECT_EQ(item->IsItemSupportCommand(ID_RPT_ITEM_FORMAT), S_OK);
        EXPECT_EQ(item->IsItemSupportCommand(ID_RPT_ITEM_EDIT), S_OK);
        EXPECT_EQ(item->IsItemSupportCommand(ID_RPT_ITEM_LAYOUT), S_FALSE);
        EXPECT_EQ(item->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(item.Get()), nullptr), S_FALSE);
    }
    // Format runs the format sheet, whatever its outcome; its font page writes the paragraph
    // on OK (1019: the size box).
    SComWrap<ISRptText> text = Build<ISRptText>(CLSID_SRptText);
    SComWrap<ISRptPara> para;
    ASSERT_EQ(text->GetParaAtPos(0, &para), S_OK);
    const int32_t height = para->GetFontHeight();
    ASSERT_NE(height, 14);
    SAnswer typedThenCancelled = DialogOK({{1019, "14"}});
    typedThenCancelled.button = IDCANCEL;
    script.Expect(SPrompt::Dialog, "229", typedThenCancelled).Expect(SPrompt::Dialog, "229", DialogOK({{1019, "14"}}));
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_FORMAT, Selection(text.Get()), nullptr), S_OK);
    EXPECT_EQ(para->GetFontHeight(), height);
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_FORMAT, Selection(text.Get()), nullptr), S_OK);
    EXPECT_EQ(para->GetFontHeight(), 14);
    EXPECT_EQ(Transcript().back().caption, "Format");
}

TEST_F(SRptTextTitle, EditStoresTheEditorsTextOnlyOnOK) {
    SComWrap<ISRptText> text = Build<ISRptText>(CLSID_SRptText);
    text->PutText("first");
    SComWrap<ISRptTitle> title = Build<ISRptTitle>(CLSID_SRptTitle);
    title->PutText("Chapter");

    script.Expect(SPrompt::Dialog, "210", DialogCancel())
        .Expect(SPrompt::Dialog, "210", DialogOK({{SRptDlgTxtEdit::IDC_TEXT, "second\nline"}}))
        .Expect(SPrompt::Dialog, "210", DialogOK())
        .Expect(SPrompt::Dialog, "210", DialogOK({{SRptDlgTxtEdit::IDC_TEXT, "Part"}}));
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(text.Get()), nullptr), S_OK);
    EXPECT_EQ(text->GetText(), "first");
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(text.Get()), nullptr), S_OK);
    EXPECT_EQ(text->GetText(), "second\nline");
    // OK without a change keeps the text the editor started with.
    EXPECT_EQ(title->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(title.Get()), nullptr), S_OK);
    EXPECT_EQ(title->GetText(), "Chapter");
    EXPECT_EQ(title->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(title.Get()), nullptr), S_OK);
    EXPECT_EQ(title->GetText(), "Part");
    EXPECT_EQ(Transcript().back().caption, "Editor");
}

TEST_F(SRptTextTitle, TheEditorGetsTheItemAndItsTextAloneUnderTheLibrarysResources) {
    STestItemEditor editor;
    STestItemEditorScope scope(&editor);
    editor.editAnswer = IDOK;
    editor.editedText = "edited";
    SComWrap<ISRptTitle> title = Build<ISRptTitle>(CLSID_SRptTitle);
    title->PutText("Chapter");
    EXPECT_EQ(title->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(title.Get()), nullptr), S_OK);
    EXPECT_TRUE(SComWrap<ISRptItem>(editor.editedItem).IsEqualObject(title.Get()));
    EXPECT_EQ(editor.seen.text, "Chapter");
    EXPECT_EQ(editor.seen.enableInsert, 0);
    EXPECT_EQ(editor.seen.enableUserDefined, 0);
    EXPECT_EQ(editor.current, SRptGetModuleState());
    EXPECT_EQ(title->GetText(), "edited");
}

TEST_F(SRptTextTitle, TheMixedFormatSheetEditsOnlyTheParagraphOfTheKindChosenInItsList) {
    SComWrap<ISRptText> text = Build<ISRptText>(CLSID_SRptText);
    SComWrap<ISRptTitle> title = Build<ISRptTitle>(CLSID_SRptTitle);
    SComWrap<ISRptPara> textPara, titlePara;
    ASSERT_EQ(text->GetParaAtPos(0, &textPara), S_OK);
    ASSERT_EQ(title->GetParaAtPos(0, &titlePara), S_OK);
    const int32_t textHeight = textPara->GetFontHeight();
    ASSERT_NE(textHeight, 14);
    SComTable<ISRepObject> selection = Selection(title.Get());
    selection.Add(Selection(text.Get()).GetAt(0));

    // The sheet opens on the first entry, the title's paragraph, which alone takes the size typed
    // into the font page (1019).
    script.Expect(SPrompt::Dialog, "213", DialogOK({{1019, "14"}}));
    SRptItemEditor::MixedFormatDialog(selection);
    EXPECT_EQ(titlePara->GetFontHeight(), 14);
    EXPECT_EQ(textPara->GetFontHeight(), textHeight);
    EXPECT_EQ(Transcript().back().caption, "Format");

    // A selection of nothing but pictures and page breaks leaves no paragraph to format: no
    // sheet opens, and nothing fails.
    const size_t shown = Transcript().size();
    EXPECT_NO_THROW(SRptItemEditor::MixedFormatDialog(SComTable<ISRepObject>()));
    EXPECT_NO_THROW(SRptItemEditor::FormatDialog(SComTable<ISRepObject>(), 0, SRptDlgMultiPages::IDD_FORMAT_ITEMS));
    EXPECT_EQ(Transcript().size(), shown);
}
