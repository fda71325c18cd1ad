// The graphic and text file items: choosing the file, adding a copy to a template, opening the
// file, the display choices, labels and paragraphs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/ui/SFileDlg.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "rpt/objs/items/SRptTextFileMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestTempFolder.h"
#include "varod9/ISRptAddToContents.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptTextFile.h"

namespace fs = std::filesystem;

namespace {

class SRptFileItems : public SRptItemKindTestFixture {
protected:
    void SetUp() override {
        SRptItemKindTestFixture::SetUp();
        folder = temp.GetPath();
    }

    // A file of the test's folder, made with some content.
    SString MakeFile(const char* name) {
        const SString path = folder + "/" + name;
        std::ofstream(path.c_str()) << "content";
        return path;
    }
    SString Missing(const char* name) const { return folder + "/" + name; }
    static SString NotFound(const SString& path) {
        return path + "\nFile not found.\nPlease verifiy the correct file name was given.";
    }

    // As the template adds a new copy of an item: the item may refuse before it goes into the
    // template's Items or after; a refused copy is deleted again.
    HRESULT AddToTemplate(ISRptItem* copy) {
        SComWrap<ISRptAddToContents> contents;
        contents.Assign(copy);
        HRESULT hr = contents ? contents->OnPreAddToContents() : S_OK;
        if (hr == S_OK) {
            reportTemplate->Items().Insert(-1, copy);
            hr = contents ? contents->OnPostAddToContents() : S_OK;
        }
        if (hr != S_OK) copy->Delete();
        return hr;
    }
    // An empty template to add copies to.
    void MakeTemplate() {
        report = Make<ISRptReport>(CLSID_SRptTestReport);
        reportTemplate = MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTestTemplate, TESTREPORT_TEMPLATES);
    }

    STestTempFolder temp;
    SString folder;
};

}  // namespace

TEST_F(SRptFileItems, EachKindChoosesItsFileInItsOwnDialog) {
    const SString picture = MakeFile("picture.bmp");
    const SString notes = MakeFile("notes.txt");
    SComWrap<ISRptGraphicFile> graphic = Build<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    SComWrap<ISRptTextFile> text = Build<ISRptTextFile>(CLSID_SRptTextFile);
    SComWrap<ISRptAddToContents> graphicContents, textContents;
    ASSERT_EQ(graphicContents.Assign(static_cast<IUnknown*>(graphic.Get())), S_OK);
    ASSERT_EQ(textContents.Assign(static_cast<IUnknown*>(text.Get())), S_OK);

    script.ExpectFileDialog(picture).ExpectFileDialog(notes);
    EXPECT_EQ(graphicContents->OnPreAddToContents(), S_OK);
    EXPECT_EQ(graphic->GetAbsPath(), picture);
    EXPECT_EQ(textContents->OnPreAddToContents(), S_OK);
    EXPECT_EQ(text->GetAbsPath(), notes);
    EXPECT_EQ(graphicContents->OnPostAddToContents(), S_OK);

    ASSERT_EQ(Transcript().size(), 2u);
    const SPrompt& image = Transcript()[0];
    EXPECT_TRUE(image.openMode);
    EXPECT_EQ(image.defaultExtension, "wmf");
    EXPECT_EQ(image.text, "");
    EXPECT_EQ(image.flags, OFN_HIDEREADONLY);
    EXPECT_EQ(image.filter, RPT_GRAPHIC_FILE_FILTER);
    const SPrompt& textFile = Transcript()[1];
    EXPECT_EQ(textFile.defaultExtension, "txt");
    EXPECT_EQ(textFile.text, "*.txt");
    EXPECT_EQ(textFile.flags, OFN_HIDEREADONLY);
    EXPECT_EQ(textFile.filter, "Text files (*.txt)|*.txt|RTF files (*.rtf)|*.rtf|All files (*.*)|*.*|");

    // With a file already there, nothing is asked.
    EXPECT_EQ(graphicContents->OnPreAddToContents(), S_OK);
    EXPECT_EQ(Transcript().size(), 2u);
}

TEST_F(SRptFileItems, ACopyIsAddedOnlyWithAnExistingFile) {
    MakeTemplate();
    const SString picture = MakeFile("picture.jpg");

    // A copy that has its file goes in without a question.
    SComWrap<ISRptGraphicFile> kept = Build<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    kept->PutAbsPath(picture);
    EXPECT_EQ(AddToTemplate(kept.Get()), S_OK);
    int32_t count = 0;
    reportTemplate->GetChildCount(&count);
    EXPECT_EQ(count, 1);

    // Cancelled: the copy is not added.
    script.ExpectFileDialog("");
    SComWrap<ISRptGraphicFile> cancelled = Build<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    EXPECT_EQ(AddToTemplate(cancelled.Get()), S_FALSE);
    EXPECT_TRUE(cancelled->GetAbsPath().IsEmpty());

    // A file that is not there: the user is told, the path stays empty, the copy is not added.
    const SString missing = Missing("gone.bmp");
    script.ExpectFileDialog(missing).ExpectMessage("File not found.");
    SComWrap<ISRptTextFile> lost = Build<ISRptTextFile>(CLSID_SRptTextFile);
    EXPECT_EQ(AddToTemplate(lost.Get()), STG_E_FILENOTFOUND);
    EXPECT_TRUE(lost->GetAbsPath().IsEmpty());
    const SPrompt& message = Transcript().back();
    EXPECT_EQ(message.kind, SPrompt::MessageBox);
    EXPECT_EQ(message.style, SPrompt::Error);
    EXPECT_EQ(message.caption, " - ");
    EXPECT_EQ(message.text, NotFound(missing));

    reportTemplate->GetChildCount(&count);
    EXPECT_EQ(count, 1);
}

TEST_F(SRptFileItems, SelectFileReplacesTheFileOnlyWithAnExistingOne) {
    const SString first = MakeFile("first.txt");
    const SString second = MakeFile("second.txt");
    SComWrap<ISRptTextFile> text = BuildInTemplate<ISRptTextFile>(CLSID_SRptTextFile);
    SComWrap<ISRptGraphicFile> graphic = BuildInTemplate<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    text->PutAbsPath(first);

    // The command is done whatever the user chose; a cancelled choice keeps the file.
    script.ExpectFileDialog("");
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_TEXTFILE_SELECT, Selection(text.Get()), nullptr), S_OK);
    EXPECT_EQ(text->GetAbsPath(), first);
    script.ExpectFileDialog(second);
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_TEXTFILE_SELECT, Selection(text.Get()), nullptr), S_OK);
    EXPECT_EQ(text->GetAbsPath(), second);

    // Each kind answers its own menu's command only.
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_GRAPHICFILE_SELECT, Selection(text.Get()), nullptr), S_FALSE);
    EXPECT_EQ(graphic->HandlePopupCommand(ID_RPT_TEXTFILE_SELECT, Selection(graphic.Get()), nullptr), S_FALSE);
    script.ExpectFileDialog(first);
    EXPECT_EQ(graphic->HandlePopupCommand(ID_RPT_GRAPHICFILE_SELECT, Selection(graphic.Get()), nullptr), S_OK);
    EXPECT_EQ(graphic->GetAbsPath(), first);
}

TEST_F(SRptFileItems, EditIsOfferedInATemplateOnlyAndOpensTheFile) {
    SComWrap<ISRptGraphicFile> available = Build<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    EXPECT_EQ(available->IsItemSupportCommand(ID_RPT_ITEM_EDIT), S_FALSE);
    SComWrap<ISRptGraphicFile> graphic = BuildInTemplate<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    SComWrap<ISRptTextFile> text = BuildInTemplate<ISRptTextFile>(CLSID_SRptTextFile);
    EXPECT_EQ(graphic->IsItemSupportCommand(ID_RPT_ITEM_EDIT), S_OK);
    EXPECT_EQ(text->IsItemSupportCommand(ID_RPT_ITEM_EDIT), S_OK);

    // The path goes to the shell unaltered, blanks, quotes and semicolons included: a picture
    // as the one file to open, a text as the one argument of the text editor.
    const SString picture = MakeFile("my picture; \"$(x)\" 'a'.bmp");
    const SString notes = MakeFile("my notes; \"$(x)\".txt");
    graphic->PutAbsPath(picture);
    text->PutAbsPath(notes);
    SAnswer failed;
    script.ExpectOpen(picture).Expect(SPrompt::Open, RPT_TEXT_FILE_EDITOR, failed);
    EXPECT_EQ(graphic->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(graphic.Get()), nullptr), S_OK);
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(text.Get()), nullptr), S_OK);
    ASSERT_EQ(Transcript().size(), 2u);
    for (const SPrompt& open : Transcript()) EXPECT_EQ(open.caption, "open");
    EXPECT_EQ(Transcript()[0].text, picture);
    EXPECT_TRUE(Transcript()[0].parameters.IsEmpty());
    EXPECT_EQ(Transcript()[1].text, "notepad.exe");
    EXPECT_EQ(Transcript()[1].parameters, notes);

    // A file that is not there, or a folder, is not opened: the user is told instead.
    const SString missing = Missing("gone.txt");
    text->PutAbsPath(missing);
    graphic->PutAbsPath(folder);
    script.ExpectMessage("gone.txt").ExpectMessage("File not found.");
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(text.Get()), nullptr), S_OK);
    EXPECT_EQ(graphic->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(graphic.Get()), nullptr), S_OK);
    ASSERT_EQ(Transcript().size(), 4u);
    EXPECT_EQ(Transcript()[2].text, NotFound(missing));
}

TEST_F(SRptFileItems, ARelativePathIsOpenedAsTheWorkingFoldersFile) {
    MakeFile("-rf notes.txt");
    // The working folder is given back however the test ends.
    struct WorkingFolder {
        fs::path previous = fs::current_path();
        ~WorkingFolder() { fs::current_path(previous); }
    } working;
    fs::current_path(folder.c_str());
    SComWrap<ISRptTextFile> text = BuildInTemplate<ISRptTextFile>(CLSID_SRptTextFile);
    text->PutAbsPath("-rf notes.txt");
    const SString resolved = SString(fs::current_path().string()) + "/-rf notes.txt";
    SAnswer opened;
    opened.succeeded = true;
    script.Expect(SPrompt::Open, RPT_TEXT_FILE_EDITOR, opened);
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(text.Get()), nullptr), S_OK);
    ASSERT_EQ(Transcript().size(), 1u);
    EXPECT_EQ(Transcript()[0].parameters, resolved);
    // The item keeps the path as the user gave it.
    EXPECT_EQ(text->GetAbsPath(), "-rf notes.txt");
}

TEST_F(SRptFileItems, TheGraphicFileAloneRecordsWhatIsDisplayed) {
    SComWrap<ISRptGraphicFile> graphic = BuildInTemplate<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    SComWrap<ISRptTextFile> text = BuildInTemplate<ISRptTextFile>(CLSID_SRptTextFile);
    for (uint32_t id : {ID_RPT_ITEM_FORMAT, ID_RPT_DISPLAY_ALL, ID_RPT_DISPLAY_PATH, ID_RPT_DISPLAY_CONTENT}) {
        EXPECT_EQ(graphic->IsItemSupportCommand(id), S_OK) << id;
        EXPECT_EQ(text->IsItemSupportCommand(id), id == ID_RPT_ITEM_FORMAT ? S_OK : S_FALSE) << id;
    }
    EXPECT_EQ(graphic->IsItemSupportCommand(ID_RPT_DISPLAY_MODIFIED), S_FALSE);
    EXPECT_EQ(text->IsItemSupportCommand(ID_RPT_DISPLAY_MODIFIED), S_FALSE);

    const SComTable<ISRepObject> selection = Selection(graphic.Get());
    EXPECT_EQ(graphic->HandlePopupCommand(ID_RPT_DISPLAY_PATH, selection, nullptr), S_OK);
    EXPECT_EQ(graphic->GetDisplayFlag(), RPTFILE_DISPLAY_PATH);
    EXPECT_EQ(graphic->HandlePopupCommand(ID_RPT_DISPLAY_CONTENT, selection, nullptr), S_OK);
    EXPECT_EQ(graphic->GetDisplayFlag(), RPTFILE_DISPLAY_CONTENT);
    EXPECT_EQ(graphic->HandlePopupCommand(ID_RPT_DISPLAY_MODIFIED, selection, nullptr), S_FALSE);
    EXPECT_EQ(graphic->GetDisplayFlag(), RPTFILE_DISPLAY_CONTENT);
    EXPECT_EQ(graphic->HandlePopupCommand(ID_RPT_DISPLAY_ALL, selection, nullptr), S_OK);
    EXPECT_EQ(graphic->GetDisplayFlag(), RPTFILE_DISPLAY_ALL);

    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_DISPLAY_PATH, Selection(text.Get()), nullptr), S_FALSE);
    EXPECT_EQ(text->GetDisplayFlag(), 0);

    // Format opens the format sheet for either kind.
    script.Expect(SPrompt::Dialog, "229", DialogCancel()).Expect(SPrompt::Dialog, "229", DialogOK());
    EXPECT_EQ(graphic->HandlePopupCommand(ID_RPT_ITEM_FORMAT, selection, nullptr), S_OK);
    EXPECT_EQ(text->HandlePopupCommand(ID_RPT_ITEM_FORMAT, Selection(text.Get()), nullptr), S_OK);
}

TEST_F(SRptFileItems, EachOwnsOneParagraphWithTheDefaultsNamedAfterItsKind) {
    SComWrap<ISRptGraphicFile> graphic = Build<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    SComWrap<ISRptTextFile> text = Build<ISRptTextFile>(CLSID_SRptTextFile);
    SComWrap<ISRptPara> graphicPara, textPara;
    ASSERT_EQ(graphic->Paragraphs().GetCount(), 1);
    ASSERT_EQ(text->Paragraphs().GetCount(), 1);
    ASSERT_EQ(graphic->GetParaAtPos(0, &graphicPara), S_OK);
    ASSERT_EQ(text->GetParaAtPos(0, &textPara), S_OK);
    EXPECT_EQ(graphicPara->GetClassID(), CLSID_SRptPara);
    EXPECT_EQ(graphic->GetParaName(graphicPara.Get()), "Graphic File");
    EXPECT_EQ(text->GetParaName(textPara.Get()), "Text File");
    EXPECT_EQ(graphic->GetParaFontID(graphicPara.Get()), -1);
    EXPECT_EQ(text->GetParaFontID(textPara.Get()), SRptFont::RPT_FONT_TEXT_FILE);
    // No stock paragraph: the paragraph keeps what a new one has.
    SComWrap<ISRptPara> fresh = Make<ISRptPara>(CLSID_SRptPara);
    EXPECT_EQ(textPara->GetFontName(), fresh->GetFontName());
    EXPECT_EQ(textPara->GetFontHeight(), fresh->GetFontHeight());
    EXPECT_EQ(text->GetParaName(fresh.Get()), "Text Paragraph -1");

    RPTTBLCTSENTRY entry;
    entry.Text = "untouched";
    EXPECT_EQ(text->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(entry.HasEntry, 0);
    EXPECT_EQ(entry.Text, "untouched");
}

TEST_F(SRptFileItems, TheLabelShowsTheFirstLineOfThePath) {
    SComWrap<ISRptGraphicFile> graphic = Build<ISRptGraphicFile>(CLSID_SRptGraphicFile, "Graphic file");
    EXPECT_EQ(graphic->GetLabelInTemplate(), "Graphic file");
    const SString longPath = "/a/very/long/folder/name/that/goes/on/and/on/picture.bmp";
    graphic->PutAbsPath(longPath);
    EXPECT_EQ(graphic->GetLabelInTemplate(), "Graphic file - " + longPath);
    graphic->PutAbsPath("/one.bmp\n/two.bmp");
    EXPECT_EQ(graphic->GetLabelInTemplate(), "Graphic file - /one.bmp");
}

TEST_F(SRptFileItems, ConstructionFailsWhenItsParagraphCannotBeMade) {
    SComWrap<ISRptGraphicFile> graphic = Make<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    SComWrap<ISRptTextFile> text = Make<ISRptTextFile>(CLSID_SRptTextFile);
    EXPECT_EQ(graphic->ConstructWithItemDef(nullptr), E_POINTER);
    EXPECT_EQ(text->ConstructWithItemDef(nullptr), E_POINTER);
    // Without the paragraph class no paragraph can be made, and the kinds say so.
    SRptParaRegistry::Destroy();
    const RPTUSRITEMDEF def = Describe();
    EXPECT_TRUE(FAILED(graphic->ConstructWithItemDef(&def)));
    EXPECT_TRUE(FAILED(text->ConstructWithItemDef(&def)));
    SRptParaRegistry::Construct();
    EXPECT_EQ(graphic->Paragraphs().GetCount(), 0);
}
