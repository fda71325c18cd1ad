// The scripts of `rpthost edit`: actions as written, paths from the script's folder, and faults
// named by their line.
#include <gtest/gtest.h>

#include "SRptEditScript.h"
#include "platform/base/SException.h"
#include "varod9/SInteraction.h"

TEST(SRptEditScript, ActionsAreReadInOrderWithPathsFromTheScriptsFolder) {
    const SRptEditScript script = SRptEditScript::Parse(
        "# a comment\n"
        "model ../models/shop.xml\n"
        "\n"
        "add ENTITY/ENTITYCARD\n"
        "select ENTITY PAGEBREAK\n"
        "key tab\n"
        "fire 45006\n"
        "answer cancel\n"
        "answer 6003 1135=First path=out.rtf\n"
        "rename \"Shop catalogue\"\n"
        "answer ok page=1 1010=\"12 pt\"\n",
        "/work/scripts");
    EXPECT_EQ(script.GetModel(), "/work/scripts/../models/shop.xml");
    const std::vector<SRptEditStep>& steps = script.GetSteps();
    ASSERT_EQ(steps.size(), 8u);
    EXPECT_EQ(steps[0].kind, SRptEditStep::Add);
    EXPECT_EQ(steps[0].items, (std::vector<std::string>{"ENTITY/ENTITYCARD"}));
    EXPECT_EQ(steps[0].line, 4);
    EXPECT_EQ(steps[1].kind, SRptEditStep::Select);
    EXPECT_EQ(steps[1].items, (std::vector<std::string>{"ENTITY", "PAGEBREAK"}));
    EXPECT_EQ(steps[2].kind, SRptEditStep::Key);
    EXPECT_EQ(steps[2].id, 0x09u);
    EXPECT_EQ(steps[3].kind, SRptEditStep::Fire);
    EXPECT_EQ(steps[3].id, 45006u);
    EXPECT_EQ(steps[4].kind, SRptEditStep::Answer);
    EXPECT_EQ(steps[4].id, static_cast<uint32_t>(IDCANCEL));
    EXPECT_EQ(steps[5].id, 6003u);
    EXPECT_EQ(steps[5].values.at(1135), "First");
    EXPECT_EQ(steps[5].path, "/work/scripts/out.rtf");
    EXPECT_EQ(steps[5].page, -1);
    EXPECT_EQ(steps[6].kind, SRptEditStep::Rename);
    EXPECT_EQ(steps[6].name, "Shop catalogue");
    EXPECT_EQ(steps[6].line, 10);
    EXPECT_EQ(steps[7].kind, SRptEditStep::Answer);
    EXPECT_EQ(steps[7].page, 1);
    EXPECT_EQ(steps[7].values.at(1010), "12 pt");

    EXPECT_EQ(SRptEditScript::Parse("model /abs/shop.xml\n", "/work").GetModel(), "/abs/shop.xml");
}

TEST(SRptEditScript, AnswersHoldQuotedBlanksAndAControlGivenAgainTakesOneMoreLine) {
    const SRptEditScript script = SRptEditScript::Parse(
        "model shop.xml\n"
        "key esc\n"
        "answer ok 1137=\"0:Width=12.7 mm\" 1137=\"1:Enabled row=1\" 1135=\"say \\\"hi\\\"\" \"path=my out.rtf\"\n"
        "answer ok 1138=\"\"\n",
        "/work");
    const std::vector<SRptEditStep>& steps = script.GetSteps();
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].kind, SRptEditStep::Key);
    EXPECT_EQ(steps[0].id, 0x1Bu);
    // A grid takes one cell edit a line.
    EXPECT_EQ(steps[1].values.at(1137), "0:Width=12.7 mm\n1:Enabled row=1");
    EXPECT_EQ(steps[1].values.at(1135), "say \"hi\"");
    EXPECT_EQ(steps[1].path, "/work/my out.rtf");
    EXPECT_EQ(steps[2].values.at(1138), "");
}

TEST(SRptEditScript, FaultsNameTheirLine) {
    const std::pair<const char*, const char*> faults[] = {
        {"model a.xml\nfire twelve\n", "line 2: 'twelve' is not a number"},
        {"model a.xml\nkey enter\n", "line 2: the keys are tab and esc"},
        {"model a.xml\nanswer ok 1137=\"0:Width=1\n", "line 2: a quote is not closed"},
        {"model a.xml\nanswer ok path=a path=b\n", "line 2: the path is given twice"},
        {"model a.xml\nanswer ok page=1 page=2\n", "line 2: the page is given twice"},
        {"model a.xml\nanswer ok page=first\n", "line 2: 'first' is not a number"},
        {"model a.xml\nrename\n", "line 2: rename needs one name"},
        {"model a.xml\nrename Shop catalogue\n", "line 2: rename needs one name"},
        {"model a.xml\nadd A B\n", "line 2: add needs one item id"},
        {"model a.xml\nselect\n", "line 2: select needs item ids"},
        {"model a.xml\nanswer ok 12\n", "line 2: '12' is not NAME=VALUE"},
        {"model a.xml\ndrop A\n", "line 2: unknown action 'drop'"},
        {"model a.xml\nmodel b.xml\n", "line 2: the model is given twice"},
        {"fire 1\n", "line 1: the script names no model"},
    };
    for (const auto& [text, message] : faults) {
        try {
            SRptEditScript::Parse(text, "");
            ADD_FAILURE() << "no fault for: " << text;
        } catch (const SException& e) {
            EXPECT_EQ(e.GetText(), message) << text;
        }
    }
}
