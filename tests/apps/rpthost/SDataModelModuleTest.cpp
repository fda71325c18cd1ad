// The stand-in host's data-model module run in this process: the model file read, refused when it
// is missing or malformed, the module's answers to the library, and a whole report generated.
#include <gtest/gtest.h>

#include <string>

#include "SDataModelHostFixture.h"
#include "SDataModelModule.h"
#include "SDataModelReader.h"
#include "platform/base/SException.h"
#include "platform/base/SFile.h"

TEST(SDataModelReader, AModelFileGivesItsEntitiesAttributesAndRelationships) {
    const SDataModel model = SDataModelReader::ReadText(kModel, "shop.xml");
    EXPECT_EQ(model.name, "Shop");
    EXPECT_EQ(model.author, "Ann");
    EXPECT_EQ(model.version, "2");
    ASSERT_EQ(model.entities.size(), 2u);
    EXPECT_EQ(model.entities[0].description, "Buys {things}");
    ASSERT_EQ(model.entities[0].attributes.size(), 2u);
    EXPECT_EQ(model.entities[0].attributes[1].type, "date");
    ASSERT_EQ(model.entities[0].relationships.size(), 1u);
    EXPECT_EQ(model.entities[0].relationships[0].target, "Order");
    EXPECT_EQ(model.CountAttributes(), 3u);
}

TEST(SDataModelReader, TheXmlDeclarationsEncodingDecidesHowTheTextIsRead) {
    const SDataModel latin1 = SDataModelReader::ReadText(
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<model name=\"Caf\xE9\" author=\"Ren\xE9" "e\"/>\n", "l.xml");
    EXPECT_EQ(latin1.name, "Caf\xC3\xA9");
    EXPECT_EQ(latin1.author, "Ren\xC3\xA9" "e");
    // Without a declaration the text is UTF-8.
    EXPECT_EQ(SDataModelReader::ReadText("<model name=\"Caf\xC3\xA9\"/>", "u.xml").name, "Caf\xC3\xA9");
}

TEST(SDataModelReader, MissingAndMalformedFilesAreRefusedWithTheirNameAndFault) {
    const auto messageOf = [](const char* text) {
        try {
            SDataModelReader::ReadText(text, "m.xml");
        } catch (const SException& e) {
            return e.GetText().str();
        }
        return std::string("no exception");
    };
    EXPECT_EQ(messageOf("<model><entity"), "m.xml:1: unclosed token");
    EXPECT_EQ(messageOf("<other/>"), "m.xml: no <model> element");
    EXPECT_EQ(messageOf("<model><entity/></model>"), "m.xml: an entity without a name");
    // The parser knows a few encodings only: the one it does not know is named.
    EXPECT_EQ(messageOf("<?xml version=\"1.0\" encoding=\"KOI9-Q\"?>\n<model/>"),
              "m.xml:1: unknown encoding 'KOI9-Q'");
    EXPECT_THROW(SDataModelReader::ReadFile("/nonexistent/model.xml"), SException);
}

TEST_F(SDataModelHost, TheModuleCountsAndNamesWhatItsItemsShow) {
    SComWrap<SDataModelModule> module;
    module.Attach(SDataModelModule::Create(SDataModelReader::ReadText(kModel, "shop.xml")));
    RPTPROCCONTEXT record;
    record.ItemParam = SDataModelModule::kEntityList;
    EXPECT_EQ(module->Begin(nullptr, &record), 2);
    record.RowCursor = 1;
    record.CellID = SDataModelModule::kListName;
    module->GetValue(nullptr, &record);
    EXPECT_EQ(record.CellText, "Order");
    record.RowCursor = 2;
    EXPECT_EQ(module->Fetch(nullptr, &record), 0);

    // A group member positions the module: the card and attribute list follow that entity.
    RPTPROCCONTEXT member;
    member.ItemParam = SDataModelModule::kEntityGroup;
    member.Occurrence = 0;
    EXPECT_EQ(module->GetMemberText(nullptr, &member), 1);
    EXPECT_EQ(member.Text2, "Customer");
    RPTPROCCONTEXT attributes;
    attributes.ItemParam = SDataModelModule::kAttributeList;
    EXPECT_EQ(module->Begin(nullptr, &attributes), 2);
    RPTPROCCONTEXT card;
    card.CellID = SDataModelModule::kCardRelationships;
    module->GetValue(nullptr, &card);
    EXPECT_EQ(card.CellText, "places -> Order (0..n)");
}

TEST_F(SDataModelHost, GenerateWritesTheReportAndSaysWhatItWrote) {
    const SString model = folder.PathOf("shop.xml");
    STestTempFolder::WriteFile(model, kModel);
    const SString output = folder.PathOf("shop.rtf");
    const std::string said = Run({"generate", "--model", model.str(), "-o", output.str()}, 0);
    EXPECT_NE(said.find("wrote " + output.str()), std::string::npos) << said;
    EXPECT_NE(said.find("2 entities, 3 attributes"), std::string::npos) << said;
    const std::string written = STestTempFolder::ReadFile(output);
    EXPECT_EQ(written.rfind("{\\rtf1", 0), 0u);
    for (const char* text : {"Shop", "Ann", "Customer", "Buys \\{things\\}", "places -> Order (0..n)", "decimal",
                             "\\trhdr", " TOC \\\\f "})
        EXPECT_NE(written.find(text), std::string::npos) << text;
}

TEST_F(SDataModelHost, FailuresEndWithAMessageAndANonZeroStatus) {
    EXPECT_NE(Run({"generate", "-o", "x.rtf"}, SRptHostCommand::kUsageError).find("--model is required"),
              std::string::npos);
    EXPECT_NE(Run({"generate", "--model", "m.xml", "--format", "docx", "-o", "x.rtf"}, SRptHostCommand::kUsageError)
                  .find("not supported"),
              std::string::npos);
    EXPECT_NE(Run({"generate", "--model", folder.PathOf("none.xml").str(), "-o", folder.PathOf("x.rtf").str()},
                  SRptHostCommand::kFailure)
                  .find("cannot read the model"),
              std::string::npos);
    const SString model = folder.PathOf("shop.xml");
    STestTempFolder::WriteFile(model, kModel);
    EXPECT_NE(Run({"generate", "--model", model.str(), "-o", folder.PathOf("no/dir/x.rtf").str()},
                  SRptHostCommand::kFailure)
                  .find("cannot write"),
              std::string::npos);
    EXPECT_TRUE(!SFile::Exists(folder.PathOf("x.rtf")));
}
