// The stand-in host's commands beyond the RTF report: the HTML page set, the default template
// saved and read back, the help, and a text file of RTF merged into the data-model report.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "SDataModelHostFixture.h"
#include "SDataModelModule.h"
#include "SDataModelReader.h"
#include "SDefaultReport.h"
#include "platform/base/SFile.h"
#include "platform/ui/SNonInteractiveScript.h"
#include "support/STestFileSizeLimit.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptTextFile.h"
#include "varod9/RptApi.h"

namespace {

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The built-in text file item placed at the end of the report's template; null when refused.
SComWrap<ISRptTextFile> PlaceTextFile(ISRptReport* report) {
    SComWrap<ISRptTemplate> owner;
    report->GetTemplateAtPos(0, &owner);
    SComWrap<ISRptAvailableItems> available;
    report->GetAvailableItemsOfModule(SDataModelModule::kModuleID, &available);
    SComWrap<ISRptItem> container;
    container = available.Get();
    SComWrap<ISRptItem> self;
    self = owner.Get();
    SComWrap<ISRptItem> placed;
    SRepClassColPtr items = container ? container->Items() : SRepClassColPtr();
    for (int32_t i = 0; owner && items && i < items.GetCount() && !placed; ++i) {
        SComWrap<ISRptItem> item;
        item = static_cast<IUnknown*>(items.Item(i).Get());
        if (item && item->GetItemID() == "TEXTFILE") owner->AddTemplateItem(item.Get(), self.Get(), -1, &placed);
    }
    SComWrap<ISRptTextFile> textFile;
    textFile = placed.Get();
    return textFile;
}

}  // namespace

TEST_F(SDataModelHost, HtmlWritesThePageSetBesideTheContentsPage) {
    const std::string model = ModelFile();
    const SString output = folder.PathOf("shop.htm");
    const std::string said = Run({"generate", "--model", model, "--format", "html", "-o", output.str()}, 0);
    EXPECT_TRUE(Holds(said, "wrote " + output.str())) << said;
    EXPECT_TRUE(Holds(said, "the pages of the set are in " + folder.GetPath().str() + "/")) << said;

    // The contents page under the chosen name; the pages after it, named from its first four
    // letters: the list's page ends at its page break, and so does each entity's.
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"btnhome.jpg", "btnnext.jpg", "btnprev.jpg", "shop.htm",
                                                          "shop.xml", "shop1.htm", "shop2.htm", "shop3.htm"}));
    const std::string contents = STestTempFolder::ReadFile(output);
    for (const char* text : {"Shop</title>", "Ann<br />", "Version 2<br />", "<a href=\"shop1.htm\">"})
        EXPECT_TRUE(Holds(contents, text)) << text;
    // Each entity's heading is in the contents, linked to its own page.
    const size_t customer = contents.find(">Customer</a>");
    ASSERT_NE(customer, std::string::npos);
    EXPECT_EQ(contents.rfind("<a href=\"shop2.htm#", customer), contents.rfind("<a href=", customer));
    EXPECT_TRUE(Holds(STestTempFolder::ReadFile(folder.PathOf("shop3.htm")), "Order</a>"));
}

TEST_F(SDataModelHost, HtmlIntoAMissingFolderFailsAndSaysSo) {
    const std::string said = Run(
        {"generate", "--model", ModelFile(), "--format", "html", "-o", folder.PathOf("no/dir/shop.htm").str()},
        SRptHostCommand::kFailure);
    EXPECT_TRUE(Holds(said, "cannot write")) << said;
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"shop.xml"});
}

TEST_F(SDataModelHost, TheSavedDefaultTemplateGivesTheSameReport) {
    const std::string model = ModelFile();
    const SString saved = folder.PathOf("shop.rtp");
    const std::string said = Run({"save-template", "--model", model, "-o", saved.str()}, 0);
    EXPECT_TRUE(Holds(said, "wrote " + saved.str())) << said;
    ASSERT_GT(SFile::GetSize(saved), 0);

    const SString fromDefault = folder.PathOf("default.rtf");
    const SString fromTemplate = folder.PathOf("template.rtf");
    Run({"generate", "--model", model, "-o", fromDefault.str()}, 0);
    Run({"generate", "--model", model, "--template", saved.str(), "-o", fromTemplate.str()}, 0);
    const std::string expected = STestTempFolder::ReadFile(fromDefault);
    ASSERT_TRUE(Holds(expected, "places -> Order (0..n)"));
    EXPECT_TRUE(STestTempFolder::ReadFile(fromTemplate) == expected) << "the reports differ";

    // The template serves the page set as well.
    const SString page = folder.PathOf("shop.htm");
    Run({"generate", "--model", model, "--template", saved.str(), "--format", "html", "-o", page.str()}, 0);
    EXPECT_TRUE(Holds(STestTempFolder::ReadFile(page), ">Customer</a>"));
}

TEST_F(SDataModelHost, ATemplateIsSavedInTheFormAskedForAndThePreviousFileIsBackedUpBesideIt) {
    const std::string model = ModelFile();
    const SString saved = folder.PathOf("shop.rtp");
    const SString backup = folder.PathOf("shop.rtb");
    // The binary form under the template's own name, with the binary form's type name.
    EXPECT_TRUE(Holds(Run({"save-template", "--model", model, "-o", saved.str(), "--form", "binary"}, 0),
                      "wrote " + saved.str()));
    const std::string binary = STestTempFolder::ReadFile(saved);
    EXPECT_TRUE(Holds(binary, "RPT-TEMPLATE"));
    EXPECT_FALSE(Holds(binary, "<?xml"));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"shop.rtp", "shop.xml"}));

    // Saved again, in the XML form: the binary file is its backup.
    Run({"save-template", "--model", model, "-o", saved.str()}, 0);
    const std::string xml = STestTempFolder::ReadFile(saved);
    EXPECT_EQ(xml.rfind("<?xml", 0), 0u);
    EXPECT_TRUE(Holds(xml, "RPT_TEMPLATE"));
    EXPECT_TRUE(STestTempFolder::ReadFile(backup) == binary) << "the backup is not the previous file";
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"shop.rtb", "shop.rtp", "shop.xml"}));

    // Both are read by what they hold: the backup is the template a user restores.
    for (const SString& path : {saved, backup}) {
        const SString report = folder.PathOf("shop.rtf");
        Run({"generate", "--model", model, "--template", path.str(), "-o", report.str()}, 0);
        EXPECT_TRUE(Holds(STestTempFolder::ReadFile(report), "places -> Order (0..n)")) << path.str();
    }

    // A save that fails leaves the template and its backup as they were: a disk that takes the
    // backup (the binary file's size) but not the new file in the XML form, and a read-only
    // template.
    Run({"save-template", "--model", model, "-o", saved.str(), "--form", "binary"}, 0);
    const std::string cannotWrite =
        "cannot write '" + saved.str() + "': the template could not be saved: the file could not be written";
    const auto before = Snapshot();
    {
        STestFileSizeLimit limit(static_cast<rlim_t>(SFile::GetSize(saved)));
        EXPECT_TRUE(
            Holds(Run({"save-template", "--model", model, "-o", saved.str()}, SRptHostCommand::kFailure), cannotWrite));
    }
    EXPECT_EQ(Snapshot(), before);
    ASSERT_EQ(::chmod(saved.c_str(), 0444), 0);
    EXPECT_TRUE(Holds(Run({"save-template", "--model", model, "-o", saved.str()}, SRptHostCommand::kFailure),
                      cannotWrite + " (0x80030019)"));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(SDataModelHost, ATemplateThatCannotBeUsedIsRefusedAndNothingIsWritten) {
    const std::string model = ModelFile();
    const SString output = folder.PathOf("x.rtf");
    // A file that is no template, and one that is not there.
    EXPECT_TRUE(Holds(Run({"generate", "--model", model, "--template", model, "-o", output.str()},
                          SRptHostCommand::kFailure),
                      "cannot use the template '" + model + "': it is not a template file"));
    EXPECT_TRUE(Holds(Run({"generate", "--model", model, "--template", folder.PathOf("none.rtp").str(), "-o",
                           output.str()},
                          SRptHostCommand::kFailure),
                      "there is no such file"));
    // A template record cut short within its header.
    const SString cut = folder.PathOf("cut.rtp");
    STestTempFolder::WriteFile(cut, std::string("RTP\0", 4));
    EXPECT_EQ(
        Run({"generate", "--model", model, "--template", cut.str(), "-o", output.str()}, SRptHostCommand::kFailure),
        "rpthost: cannot use the template '" + cut.str() + "': it is truncated\n");
    SFile::Remove(cut);
    // save-template writes a template and nothing else.
    EXPECT_TRUE(Holds(Run({"save-template", "--model", model, "--format", "html", "-o", output.str()},
                          SRptHostCommand::kUsageError),
                      "unknown argument '--format'"));
    EXPECT_TRUE(Holds(Run({"save-template", "--model", model, "-o", folder.PathOf("no/dir/t.rtp").str()},
                          SRptHostCommand::kFailure),
                      "cannot write '" + folder.PathOf("no/dir/t.rtp").str() +
                          "': the template could not be saved: the file could not be written (0x80030019)"));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"shop.xml"});
}

TEST_F(SDataModelHost, HelpShowsEveryCommand) {
    const std::string said = Run({"--help"}, 0);
    for (const char* text : {"generate --model FILE [--template FILE] [--format rtf|html|pdf] -o OUT",
                             "save-template --model FILE -o OUT [--form xml|binary]", "preview --model FILE -o DIR",
                             "edit TEMPLATE --script FILE [--form xml|binary] [--verbose]"})
        EXPECT_TRUE(Holds(said, text)) << said;
    // Its last line says where the model file and the edit script are described.
    EXPECT_TRUE(said.ends_with("\nThe model file, the edit script and the prompts a script answers: "
                               "apps/rpthost/README.md\n"))
        << said;
}

// The data-model report with a text file of RTF at its end: the text file's own header goes, its
// font and colour tables join the report's, and its text stays as written. With
// VAROD9_MERGED_RTF_SAMPLE set, the report goes there for the real readers (tests/readers).
TEST_F(SDataModelHost, AnRtfTextFileIsMergedIntoTheReport) {
    const SString source = folder.PathOf("merged.rtf");
    STestTempFolder::WriteFile(source,
                               "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                               "{\\f1\\fmodern\\fcharset0 Courier New;}}\r\n"
                               "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                               "\\pard\\f1\\fs24 Merged text in Courier, \\cf1 red\\cf0  and \\b bold\\b0 .\\par\r\n"
                               "\\f0 A second merged paragraph.\\par\r\n}\r\n");
    const char* sample = std::getenv("VAROD9_MERGED_RTF_SAMPLE");
    const SString output = sample && *sample ? SString(sample) : folder.PathOf("report.rtf");

    SComWrap<SDataModelModule> module;
    module.Attach(SDataModelModule::Create(SDataModelReader::ReadText(kModel, "shop.xml")));
    ASSERT_EQ(module->Register(), S_OK);
    SComWrap<ISRepSession> session;
    SComWrap<ISRptReport> report;
    ASSERT_EQ(SDefaultReport::Build(module->GetModel(), session, report), S_OK);
    {
        // The text file item asks for its file when it is placed; the save dialog comes next.
        SNonInteractiveScript script;
        script.AddPath(source);
        script.AddPath(output);
        SInteractionScope scope(&script);
        SComWrap<ISRptTextFile> textFile = PlaceTextFile(report.Get());
        EXPECT_TRUE(textFile && textFile->GetAbsPath() == source);
        if (textFile) {
            EXPECT_EQ(RptGenerateReport(report.Get(), nullptr, 0), S_OK);
        }
    }
    report.Clear();
    session->Close();
    session.Clear();
    module->Unregister();

    const std::string written = STestTempFolder::ReadFile(output);
    EXPECT_EQ(written.find("{\\rtf1"), 0u);
    EXPECT_EQ(written.find("{\\rtf1", 1), std::string::npos) << "the text file's header is left";
    const size_t fonts = written.find("{\\fonttbl");
    ASSERT_NE(fonts, std::string::npos);
    EXPECT_EQ(written.find("{\\fonttbl", fonts + 1), std::string::npos) << "the text file's font table is left";
    EXPECT_TRUE(Holds(written.substr(fonts, written.find("{\\colortbl") - fonts), "Courier New;"));
    for (const char* text : {"Merged text in Courier, ", " red", "A second merged paragraph.", "Customer"})
        EXPECT_TRUE(Holds(written, text)) << text;
}
