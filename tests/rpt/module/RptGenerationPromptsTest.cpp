// The prompts a host's interaction script meets while a report is generated, in order, for each
// device: what a host must answer to get a report out of the library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/SNonInteractiveScript.h"
#include "rpt/devices/SRptRtfTestFixture.h"
#include "varod9/ISRptText.h"
#include "varod9/SInteraction.h"

namespace {

// A host's script as a server would write it: the print dialog confirmed with printing to a file,
// every file dialog answered with the one output path, questions answered as told, the rest left
// to the library's own answers.
class SOutputScript : public SInteractionScript {
public:
    SOutputScript(const SString& output, int32_t question) : m_output(output), m_question(question) {}
    SAnswer Answer(const SPrompt& prompt) override {
        SAnswer answer;
        if (prompt.kind == SPrompt::PrintDialog) {
            answer.button = IDOK;
            answer.controlValues[0x410] = "1";  // print to a file
        } else if (prompt.kind == SPrompt::FileDialog) {
            answer.button = IDOK;
            answer.path = m_output;
        } else if (prompt.kind == SPrompt::MessageBox && prompt.style == SPrompt::YesNo) {
            answer.button = m_question;
        } else {
            answer = m_otherwise.Answer(prompt);
        }
        return answer;
    }

private:
    SString m_output;
    int32_t m_question;
    SNonInteractiveScript m_otherwise;
};

// A prompt as "kind caption: text".
std::string Line(const SPrompt& prompt) {
    static const char* const kinds[] = {"MessageBox", "FileDialog", "FolderDialog", "PrintDialog",
                                        "PageSetupDialog", "Dialog", "Open", "Menu"};
    return std::string(kinds[prompt.kind]) + " " + prompt.caption.str() + ": " + prompt.text.str();
}

}  // namespace

class RptGenerationPrompts : public SRptRtfTest {
protected:
    // The prompts of one generation in `mode` whose script answers with `output` and the
    // question with `question`.
    std::vector<std::string> Generate(uint32_t mode, const SString& output, int32_t question, HRESULT expected = S_OK) {
        AddItem<ISRptText>("TEXT")->PutText("Net figures");
        SOutputScript host(output, question);
        SInteraction::ClearTranscript();
        {
            SInteractionScope hostScope(&host);
            EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, mode), expected);
        }
        std::vector<std::string> lines;
        for (const SPrompt& prompt : SInteraction::GetTranscript()) lines.push_back(Line(prompt));
        SInteraction::ClearTranscript();
        return lines;
    }
    // The question that ends a run writing a file, put to the user as a yes/no message box.
    static std::string Question(const SString& output, const char* program) {
        return "MessageBox  - : The report has been successfully generated in the file '" + output.str() +
               "'.\nDo you want to open it with your default " + program + " now?";
    }
};

TEST_F(RptGenerationPrompts, RtfAsksForTheFileThenWhetherToOpenIt) {
    const SString output = folder.PathOf("figures.rtf");
    const std::vector<std::string> expected = {"FileDialog Save As: Quarterly.rtf", Question(output, "RTF editor")};
    EXPECT_EQ(Generate(0, output, IDNO), expected);
    EXPECT_TRUE(STestTempFolder::ReadFile(output).rfind("{\\rtf1", 0) == 0);
}

TEST_F(RptGenerationPrompts, AYesOpensTheFileWithTheDesktopsProgram) {
    const SString output = folder.PathOf("figures.rtf");
    const std::vector<std::string> expected = {"FileDialog Save As: Quarterly.rtf", Question(output, "RTF editor"),
                                               "Open open: " + output.str()};
    EXPECT_EQ(Generate(0, output, IDYES), expected);
}

TEST_F(RptGenerationPrompts, HtmlAsksForTheContentsPageThenWhetherToOpenIt) {
    const SString output = folder.PathOf("figures.htm");
    const std::vector<std::string> expected = {"FileDialog Save As: Quarterly.htm", Question(output, "Web browser")};
    EXPECT_EQ(Generate(2, output, IDNO), expected);
    EXPECT_FALSE(STestTempFolder::ReadFile(output).empty());
}

TEST_F(RptGenerationPrompts, PrintingAsksForThePrinterThenForTheFileAndEndsWithoutAMessage) {
    const SString output = folder.PathOf("figures.pdf");
    // The progress window of the pagination, the file of a print to a file, the progress window
    // of the print job.
    const std::vector<std::string> expected = {"PrintDialog Print: Virtual Printer", "Dialog Report: 204",
                                               "FileDialog Save As: Output.prn", "Dialog Report: 204"};
    EXPECT_EQ(Generate(1, output, IDNO), expected);
    EXPECT_EQ(STestTempFolder::ReadFile(output).compare(0, 5, "%PDF-"), 0);
}

TEST_F(RptGenerationPrompts, WithoutAScriptTheSaveDialogIsCancelledAndNothingIsWritten) {
    SInteractionScope none(nullptr);
    SInteraction::ClearTranscript();
    EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, 0), 1);
    ASSERT_EQ(SInteraction::GetTranscript().size(), 1u);
    EXPECT_EQ(SInteraction::GetTranscript()[0].kind, SPrompt::FileDialog);
    SInteraction::ClearTranscript();
    EXPECT_TRUE(folder.Entries().empty());
}
