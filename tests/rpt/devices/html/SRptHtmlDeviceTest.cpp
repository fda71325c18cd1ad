// The HTML device as a whole: the files of a page set, the frame of its pages, the links between
// them, the contents page, the names it chooses, and what a failing file does to the run.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/SOutputFile.h"
#include "platform/base/SRegistry.h"
#include "platform/base/SUserRegistry.h"
#include "rpt/devices/html/SRptHtmlTestFixture.h"
#include "support/SFileCompare.h"
#include "support/STestSetCommitStop.h"

// Counts the process's waits for the disk.
class SOutputFileTestAccess {
public:
    static int64_t DiskWaits() { return SOutputFile::sDiskWaits; }
};

namespace {

const std::vector<std::string> kButtons = {"btnhome.jpg", "btnnext.jpg", "btnprev.jpg"};

std::vector<std::string> WithButtons(std::vector<std::string> names) {
    names.insert(names.end(), kButtons.begin(), kButtons.end());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

class SRptHtmlDeviceRun : public SRptHtmlTest {
protected:
    // Two templates, each with a title (in the contents) and two texts.
    void TwoTemplates() {
        report->PutName("Q3");
        PlainReport();
        report->PutFirstPageTitle("Quarterly figures");
        report->PutFirstPageAuthor("Finance");
        Title("Sales");
        Text("North grew.");
        Text("South held.");
        StartSecondTemplate();
        Title("Costs");
        Text("Rent rose.");
        Text("Travel fell.");
    }
};

TEST_F(SRptHtmlDeviceRun, TwoTemplatesMakeTwoPagesAContentsPageAndTheButtons) {
    TwoTemplates();
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_EQ(folder.Entries(), WithButtons({"Report.htm", "Repo1.htm", "Repo2.htm"}));
    EXPECT_FILE_MATCHES(folder.PathOf("Report.htm"), "html/two_templates/Report.htm");
    EXPECT_FILE_MATCHES(folder.PathOf("Repo1.htm"), "html/two_templates/Repo1.htm");
    EXPECT_FILE_MATCHES(folder.PathOf("Repo2.htm"), "html/two_templates/Repo2.htm");
}

TEST_F(SRptHtmlDeviceRun, APageBreakEndsAPageAndTheLinksFollowThePages) {
    report->PutName("Q3");
    PlainReport();
    Text("one");
    AddItem("PAGEBREAK");
    Text("two");
    AddItem("TBLCTS");
    StartSecondTemplate();
    Text("three");
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_EQ(folder.Entries(), WithButtons({"Report.htm", "Repo1.htm", "Repo2.htm", "Repo3.htm"}));
    const std::string first = Read("Repo1.htm");
    const std::string middle = Read("Repo2.htm");
    const std::string last = Read("Repo3.htm");
    EXPECT_TRUE(Holds(first, "one")) << first;
    EXPECT_TRUE(Holds(middle, "two")) << middle;
    EXPECT_TRUE(Holds(last, "three")) << last;
    // A middle page has all three buttons, the last Previous and Home only.
    EXPECT_TRUE(Holds(middle, "<a href=\"Repo1.htm\"><img border=\"0\" src=\"btnprev.jpg\""));
    EXPECT_TRUE(Holds(middle, "<a href=\"Report.htm\"><img border=\"0\" src=\"btnhome.jpg\""));
    EXPECT_TRUE(Holds(middle, "<a href=\"Repo3.htm\"><img border=\"0\" src=\"btnnext.jpg\""));
    EXPECT_TRUE(Holds(last, "<a href=\"Repo2.htm\"><img border=\"0\" src=\"btnprev.jpg\""));
    EXPECT_FALSE(Holds(last, "btnnext.jpg"));
    // The first page's Previous is the contents page.
    EXPECT_TRUE(Holds(first, "<a href=\"Report.htm\"><img border=\"0\" src=\"btnprev.jpg\""));
    EXPECT_TRUE(Holds(first, "<a href=\"Repo2.htm\"><img border=\"0\" src=\"btnnext.jpg\""));
    // The table of contents writes nothing on a page.
    EXPECT_FALSE(Holds(middle, "Table of contents"));
}

TEST_F(SRptHtmlDeviceRun, ATemplateWithOneTextGetsItsOwnPage) {
    PlainReport();
    Text("alone");
    StartSecondTemplate();
    Text("also alone");
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_EQ(folder.Entries(), WithButtons({"Report.htm", "Repo1.htm", "Repo2.htm"}));
    EXPECT_TRUE(Holds(Read("Repo1.htm"), "alone"));
    EXPECT_TRUE(Holds(Read("Repo2.htm"), "also alone"));
    EXPECT_TRUE(Holds(Read("Repo1.htm"), "<a href=\"Repo2.htm\"><img border=\"0\" src=\"btnnext.jpg\""));
}

TEST_F(SRptHtmlDeviceRun, AnEmptyTemplateBetweenTwoMakesNoPage) {
    PlainReport();
    Text("first");
    StartSecondTemplate();
    AddItem("TBLCTS");
    SComWrap<ISRptTemplate> third;
    ASSERT_EQ(report->AddNewTemplate("Sales", 1, &third), S_OK);
    reportTemplate = third;
    Text("third");
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_EQ(folder.Entries(), WithButtons({"Report.htm", "Repo1.htm", "Repo2.htm"}));
    EXPECT_TRUE(Holds(Read("Repo2.htm"), "third"));
    EXPECT_TRUE(Holds(Read("Repo1.htm"), "<a href=\"Repo2.htm\"><img border=\"0\" src=\"btnnext.jpg\""));
}

TEST_F(SRptHtmlDeviceRun, AParagraphBreakBeforeStartsANewPage) {
    PlainReport();
    Text("before");
    SComWrap<ISRptText> after = Text("after");
    ParaOf(after.Get(), 0)->PutFlow(RPT_PARA_FLOW_PAGEBREAKBEFORE);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_EQ(folder.Entries(), WithButtons({"Report.htm", "Repo1.htm", "Repo2.htm"}));
    EXPECT_TRUE(Holds(Read("Repo1.htm"), "before"));
    EXPECT_FALSE(Holds(Read("Repo1.htm"), "after"));
    EXPECT_TRUE(Holds(Read("Repo2.htm"), "after"));
    EXPECT_TRUE(Holds(Read("Repo1.htm"), "<a href=\"Repo2.htm\"><img border=\"0\" src=\"btnnext.jpg\""));
}

TEST_F(SRptHtmlDeviceRun, TheButtonsAreJpegPicturesOfTheButtonSize) {
    PlainReport();
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    for (const std::string& name : kButtons) {
        const std::string bytes = Read(name);
        ASSERT_GT(bytes.size(), 4u) << name;
        EXPECT_EQ(bytes.substr(0, 3), "\xFF\xD8\xFF") << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\xFF\xD9") << name;
        // The frame header gives the height and the width (36 and 101).
        const size_t frame = bytes.find("\xFF\xC0");
        ASSERT_NE(frame, std::string::npos) << name;
        EXPECT_EQ(static_cast<uint8_t>(bytes[frame + 5]) * 256 + static_cast<uint8_t>(bytes[frame + 6]), 36);
        EXPECT_EQ(static_cast<uint8_t>(bytes[frame + 7]) * 256 + static_cast<uint8_t>(bytes[frame + 8]), 101);
    }
}

TEST_F(SRptHtmlDeviceRun, AnEmptyReportWritesOnlyTheContentsPageWithAnEmptyBar) {
    PlainReport();
    report->PutName("Q3");
    reportTemplate.Clear();
    ASSERT_EQ(report->DeleteTemplateAtPos(0), S_OK);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_EQ(folder.Entries(), WithButtons({"Report.htm"}));
    EXPECT_TRUE(Holds(Read("Report.htm"),
                      "<p align=\"center\"><font face=\"Arial\" size=\"2\"><hr /></font></p>\r\n<br />\r\n"));
}

TEST_F(SRptHtmlDeviceRun, EveryFileOfTheSetIsWrittenInTheChosenFolderNotTheCurrentOne) {
    PlainReport();
    Text("here");
    const std::filesystem::path current = std::filesystem::current_path();
    STestTempFolder elsewhere;
    std::filesystem::current_path(elsewhere.path());
    const HRESULT hr = Generate(folder.PathOf("Report.htm"));
    std::filesystem::current_path(current);
    ASSERT_EQ(hr, S_OK);
    EXPECT_TRUE(elsewhere.Entries().empty());
    EXPECT_EQ(folder.Entries(), WithButtons({"Report.htm", "Repo1.htm"}));
    // Links keep the bare names.
    EXPECT_TRUE(Holds(Read("Report.htm"), "<a href=\"Repo1.htm\"><img"));
}

TEST_F(SRptHtmlDeviceRun, AChosenNameThatIsAPageNameMovesThePagesAside) {
    PlainReport();
    Text("one");
    AddItem("PAGEBREAK");
    Text("two");
    ASSERT_EQ(Generate(folder.PathOf("Repo1.htm")), S_OK);
    EXPECT_EQ(folder.Entries(), WithButtons({"Repo1.htm", "Repo1_1.htm", "Repo1_2.htm"}));
    EXPECT_TRUE(Holds(Read("Repo1_1.htm"), "one"));
    EXPECT_TRUE(Holds(Read("Repo1.htm"), "<a href=\"Repo1_1.htm\"><img"));
}

TEST_F(SRptHtmlDeviceRun, AChosenNameWithoutExtensionIsTheHomeNameAsItStands) {
    PlainReport();
    Text("one");
    ASSERT_EQ(Generate(folder.PathOf("ab")), S_OK);
    EXPECT_EQ(folder.Entries(), WithButtons({"ab", "ab1.htm"}));
    EXPECT_TRUE(Holds(Read("ab1.htm"), "<a href=\"ab\"><img border=\"0\" src=\"btnhome.jpg\""));
}

TEST_F(SRptHtmlDeviceRun, APageThatCannotBeWrittenFailsTheRunAndLeavesNoPageOpen) {
    PlainReport();
    Text("one");
    // A folder where the first page should go.
    std::filesystem::create_directory(folder.path() / "Repo1.htm");
    EXPECT_EQ(Generate(folder.PathOf("Report.htm")), static_cast<HRESULT>(0x80030019));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Report.htm"));
    // Refused before anything is written, the buttons included, and the page is named.
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Repo1.htm"});
    EXPECT_TRUE(Holds(html->GetFault().str(), "'" + folder.PathOf("Repo1.htm").str() + "'")) << html->GetFault().str();
    EXPECT_TRUE(Holds(html->GetFault().str(), "is a folder")) << html->GetFault().str();
}

TEST_F(SRptHtmlDeviceRun, ARunStoppedPartWayLeavesThePreviousSetAsItWas) {
    report->PutName("First");
    PlainReport();
    Text("one");
    AddItem("PAGEBREAK");
    Text("two");
    AddItem("PAGEBREAK");
    Text("three");
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    const std::vector<std::string> pages = {"Report.htm", "Repo1.htm", "Repo2.htm"};
    std::vector<std::string> previous;
    for (const std::string& page : pages) previous.push_back(Read(page));

    // The next run cannot put its last page in place: a folder stands where it goes.
    std::filesystem::remove(folder.path() / "Repo3.htm");
    std::filesystem::create_directory(folder.path() / "Repo3.htm");
    report->PutName("Second");
    EXPECT_EQ(Generate(folder.PathOf("Report.htm")), static_cast<HRESULT>(0x80030019));
    // No page of the new set stands beside the old contents page, and nothing is left over.
    for (size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(Read(pages[i]), previous[i]) << pages[i];
    EXPECT_EQ(folder.Entries(), WithButtons({"Report.htm", "Repo1.htm", "Repo2.htm", "Repo3.htm"}));
}

TEST_F(SRptHtmlDeviceRun, ASetThatWouldReplaceAPageOfAnotherSetIsRefusedBeforeAnythingIsWritten) {
    PlainReport();
    Text("one");
    AddItem("PAGEBREAK");
    Text("two");
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    // A file of a name that the sets write but that is no page of a set.
    STestTempFolder::WriteFile(folder.PathOf("Repo7.htm"), "<html>mine</html>");
    // Each file of the folder by its size and a hash of its bytes.
    const auto files = [this] {
        std::map<std::string, std::pair<size_t, size_t>> read;
        for (const std::string& name : folder.Entries()) {
            const std::string bytes = Read(name);
            read[name] = {bytes.size(), std::hash<std::string>()(bytes)};
        }
        return read;
    };
    const auto before = files();
    // Reports.htm names its pages from the same four letters as Report.htm, and a set chosen under
    // the name of a page of Report.htm would put its contents page there.
    for (const char* chosen : {"Reports.htm", "Repo2.htm"}) {
        SCOPED_TRACE(chosen);
        EXPECT_EQ(Generate(folder.PathOf(chosen)), static_cast<HRESULT>(0x80030019));
        EXPECT_EQ(files(), before);
    }
    // The set's own earlier pages are replaced as before; a file that is no page of a set does not
    // stop it.
    report->PutName("Again");
    Text("three");
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_TRUE(Holds(Read("Repo2.htm"), "three"));
    EXPECT_EQ(folder.Entries(), WithButtons({"Report.htm", "Repo1.htm", "Repo2.htm", "Repo7.htm"}));
}

// A page set whose pages all lead to others: the contents page to the pages of its entries and
// to the first page, each page to the ones beside it and home, and the slices of a paged list to
// each other.
class SRptHtmlSetCommit : public SRptHtmlModuleTest {
protected:
    void SetUp() override {
        SRptHtmlModuleTest::SetUp();
        procs->begin = [this](RPTPROCCONTEXT&) {
            fetched = 0;
            return 1;
        };
        procs->process = [](RPTPROCCONTEXT& record) {
            record.Text2 = "Parts";
            return 1;
        };
        procs->fetch = [this](RPTPROCCONTEXT&) { return fetched < rows ? (++fetched, 1) : 0; };
        procs->getValue = [](RPTPROCCONTEXT& record) {
            record.CellText = SString("Part ") + std::to_string(record.RowCursor + 1).c_str();
            return S_OK;
        };
        static const RPTTABLECELLDEF cells[] = {SRptHtmlCell("Part", 1)};
        static const RPTTABLEROWDEF row = SRptHtmlRow(cells);
        Register("LIST", RPT_ITEMKIND_LIST, 1, &row, 1);
        Renew();
        Title("Opening");
        Text("Before");
        AddItem<ISRptItem>("LIST")->PutTOCEntry(true);
        Text("After");
        AddItem("PAGEBREAK");
        Title("Closing");
    }
    // The set of the run `name`, with a list of `count` rows, written as Report.htm in `where`.
    bool Run(const char* name, int32_t count, const STestTempFolder& where) {
        report->PutName(name);
        rows = count;
        return Generate(where.PathOf("Report.htm")) == S_OK;
    }
    // The run that wrote a page: the report's name in its head.
    static std::string RunOf(const std::string& page) {
        const std::string head = "<title>\r\n";
        const size_t start = page.find(head);
        const size_t end = page.find("</title>");
        if (start == std::string::npos || end == std::string::npos || end < start) return "";
        return page.substr(start + head.size(), end - start - head.size());
    }
    // The pages that a page leads to, by their names in the folder.
    static std::vector<std::string> LinkedPages(const std::string& page) {
        std::vector<std::string> pages;
        for (size_t at = page.find("href=\""); at != std::string::npos; at = page.find("href=\"", at + 1)) {
            const size_t start = at + 6;
            const std::string link = page.substr(start, page.find('"', start) - start);
            pages.push_back(link.substr(0, link.find('#')));
        }
        return pages;
    }
    static bool IsPage(const std::string& name) { return name[0] != '.' && name.ends_with(".htm"); }

    int32_t rows = 0;
    int32_t fetched = 0;
};

TEST_F(SRptHtmlSetCommit, AStopWhileTheSetTakesItsPlaceLeavesNoPageLeadingToAPageOfAnotherRun) {
    // What a whole run of the new set writes, undisturbed.
    STestTempFolder whole;
    ASSERT_TRUE(Run("New", 170, whole));
    int stops = 0;
    for (int step = 1; step < 100; ++step) {
        // The previous set alone in the folder: a longer list's further pages stay beside a set
        // that does not write them again.
        for (const std::string& name : folder.Entries()) std::filesystem::remove_all(folder.path() / name);
        ASSERT_TRUE(Run("Old", 120, folder));
        if (!SetCommitStoppedAfterStep(step, [&] { return Run("New", 170, folder); })) break;
        ++stops;
        for (const std::string& name : folder.Entries()) {
            if (!IsPage(name)) continue;
            const std::string page = Read(name);
            for (const std::string& target : LinkedPages(page)) {
                // Every page it leads to is of its own run, or not there yet; the contents page
                // comes only with all of them.
                if (Exists(target))
                    EXPECT_EQ(RunOf(Read(target)), RunOf(page)) << name << " -> " << target << " after step " << step;
                else
                    EXPECT_NE(name, "Report.htm") << "missing " << target << " after step " << step;
            }
        }
        // The next run writes the whole set over what the stopped one left.
        ASSERT_TRUE(Run("New", 170, folder));
        ASSERT_EQ(folder.Entries(), whole.Entries()) << "after step " << step;
        for (const std::string& name : whole.Entries())
            EXPECT_EQ(Read(name), STestTempFolder::ReadFile(whole.PathOf(name))) << name << " after step " << step;
    }
    // The set holds its contents page, four pages and three further list pages.
    EXPECT_GE(stops, 8);
}

TEST_F(SRptHtmlDeviceRun, TheWaitsForTheDiskDoNotGrowWithThePages) {
    PlainReport();
    Text("one");
    const int64_t start = SOutputFileTestAccess::DiskWaits();
    ASSERT_EQ(Generate(folder.PathOf("Small.htm")), S_OK);
    const int64_t small = SOutputFileTestAccess::DiskWaits() - start;
    for (const char* text : {"two", "three", "four", "five", "six", "seven"}) {
        AddItem("PAGEBREAK");
        Text(text);
    }
    const int64_t middle = SOutputFileTestAccess::DiskWaits();
    ASSERT_EQ(Generate(folder.PathOf("Large.htm")), S_OK);
    EXPECT_TRUE(Exists("Larg7.htm"));
    EXPECT_EQ(SOutputFileTestAccess::DiskWaits() - middle, small);
}

TEST_F(SRptHtmlDeviceRun, AButtonThatCannotBeWrittenFailsTheRun) {
    PlainReport();
    std::filesystem::create_directory(folder.path() / "btnprev.jpg");
    EXPECT_EQ(Generate(folder.PathOf("Report.htm")), static_cast<HRESULT>(0x80030019));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Report.htm"));
}

TEST_F(SRptHtmlDeviceRun, UsersTextsAreEscapedWhereTheyLand) {
    report->PutName("A<B & \"C\"");
    PlainReport();
    Title("</title><script>");
    ParaOf(Text("x").Get(), 0)->PutFontName("Ar\"ial");
    ASSERT_EQ(Generate(folder.PathOf("My Report.htm")), S_OK);
    EXPECT_EQ(folder.Entries(), WithButtons({"My R1.htm", "My Report.htm"}));
    const std::string page = Read("My R1.htm");
    const std::string contents = Read("My Report.htm");
    for (const std::string& written : {page, contents}) {
        EXPECT_TRUE(Holds(written, "<head><title>\r\nA&lt;B &amp; &quot;C&quot;</title></head>\r\n")) << written;
        EXPECT_FALSE(Holds(written, "<script>")) << written;
        EXPECT_FALSE(Holds(written, "A<B")) << written;
    }
    EXPECT_TRUE(Holds(page, "&lt;/title&gt;&lt;script&gt;</a> "));
    EXPECT_TRUE(Holds(page, "<font face=\"Ar&quot;ial\" size=\"2\">"));
    EXPECT_TRUE(Holds(page, "<a href=\"My%20Report.htm\"><img border=\"0\" src=\"btnhome.jpg\""));
    EXPECT_TRUE(Holds(contents, "<a href=\"My%20R1.htm#2\">&lt;/title&gt;&lt;script&gt;</a> "));
    EXPECT_TRUE(Holds(contents, "<a href=\"My%20R1.htm\"><img border=\"0\" src=\"btnnext.jpg\""));
}

TEST_F(SRptHtmlDeviceRun, CharactersBeyondAsciiAreWrittenAsCharacterReferences) {
    report->PutName("Caf\xC3\xA9");
    PlainReport();
    Text("10 \xE2\x82\xAC");
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    const std::string page = Read("Repo1.htm");
    EXPECT_TRUE(Holds(page, "Caf&#233;</title>"));
    EXPECT_TRUE(Holds(page, "10 &#8364;"));
    for (char c : page) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

class SRptHtmlSettings : public SRptHtmlTest {
protected:
    void SetValue(HKEY root, const char* name, const char* value) {
        SRegistry key(root, SUserRegistry::sApplicationGeneral, 1);
        ASSERT_TRUE(key.WriteProfile(name, SString(value)));
    }
    void Read() {
        NewDevice(folder.PathOf("Report.htm"));
        SRptHtmlDeviceTestAccess::ReadListSettings(html);
    }
};

TEST_F(SRptHtmlSettings, WithoutValuesListsArePagedByFiftyRowsAndTwentyPages) {
    Read();
    EXPECT_EQ(html->GetRowsPerListPage(), 50);
    EXPECT_EQ(html->GetListPagesPerGroup(), 20);
}

TEST_F(SRptHtmlSettings, TheUsersValuesComeFirstThenTheMachines) {
    SetValue(HKEY_CURRENT_USER, "NbRowInHtmlList", "10");
    SetValue(HKEY_LOCAL_MACHINE, "NbRowInHtmlList", "99");
    SetValue(HKEY_LOCAL_MACHINE, "NbSubPageInHtmlList", "3");
    Read();
    EXPECT_EQ(html->GetRowsPerListPage(), 10);
    EXPECT_EQ(html->GetListPagesPerGroup(), 3);
}

TEST_F(SRptHtmlSettings, ValuesThatDoNotParseOrAreBelowOneTakeTheDefaults) {
    for (const char* bad : {"abc", "0", "-4", "12x", ""}) {
        SetValue(HKEY_CURRENT_USER, "NbRowInHtmlList", bad);
        SetValue(HKEY_CURRENT_USER, "NbSubPageInHtmlList", bad);
        Read();
        EXPECT_EQ(html->GetRowsPerListPage(), 50) << bad;
        EXPECT_EQ(html->GetListPagesPerGroup(), 20) << bad;
        html->Release();
        html = nullptr;
    }
}
