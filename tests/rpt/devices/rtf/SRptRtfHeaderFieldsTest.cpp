// A module's fields in an RTF file: in the page header in place of their tokens, nowhere else; the
// default header's tokens printed until the module registers their fields; and the template's own
// header and footer shown only once the template says they are user-defined.
#include <gtest/gtest.h>

#include <string>

#include "rpt/devices/rtf/SRptRtfTestFixture.h"
#include "varod9/ISRptField.h"
#include "varod9/ISRptText.h"
#include "varod9/RptFieldDef.h"

class SRptRtfHeaderFields : public SRptRtfTest {
protected:
    void SetUp() override {
        SRptRtfTest::SetUp();
        report->PutHasFirstPage(false);
    }
    void RegisterField(const char* token, const char* value) {
        RPTFIELDDEF def;
        def.ModuleID = "Sales";
        def.FieldName = token;
        def.Value = value;
        SComWrap<ISRptField> field;
        ASSERT_EQ(RptRegisterField(module.Get(), &def, &field), S_OK) << token;
    }
    // The report written, and its page header's and footer's groups in it.
    void Generate() {
        written = GenerateFile(folder.PathOf("fields.rtf"));
        header = Group("{\\header ");
        footer = Group("{\\footer ");
    }
    std::string Group(const std::string& opening) const {
        const size_t start = written.find(opening);
        if (start == std::string::npos) return std::string();
        return written.substr(start, written.find('}', start) - start);
    }

    std::string written;
    std::string header;
    std::string footer;
};

TEST_F(SRptRtfHeaderFields, AFieldShowsInThePageHeaderButNotInAnItemsText) {
    RegisterField("%MODELNAME%", "Atlas");
    reportTemplate->PutHeader("%MODELNAME% %NOSUCH%");
    reportTemplate->PutHeadUserDef(true);
    AddItem<ISRptText>("TEXT")->PutText("Model %MODELNAME%");
    Generate();
    EXPECT_NE(header.find("Atlas %NOSUCH%"), std::string::npos) << header;
    EXPECT_NE(written.find("Model %MODELNAME%"), std::string::npos);
    EXPECT_EQ(written.find("Model Atlas"), std::string::npos);
}

TEST_F(SRptRtfHeaderFields, TheDefaultHeaderPrintsItsTokensUntilTheModuleRegistersTheirFields) {
    AddItem<ISRptText>("TEXT")->PutText("body");
    Generate();
    EXPECT_NE(header.find("%MODULE%\\tab %MODELNAME%"), std::string::npos) << header;

    RegisterField("%MODULE%", "Sales desk");
    RegisterField("%MODELNAME%", "Atlas");
    Generate();
    EXPECT_NE(header.find("Sales desk\\tab Atlas"), std::string::npos) << header;
    EXPECT_EQ(written.find("%MODULE%"), std::string::npos);
}

TEST_F(SRptRtfHeaderFields, TheTemplatesOwnTextsShowOnlyOnceTheyAreUserDefined) {
    AddItem<ISRptText>("TEXT")->PutText("body");
    RPTHEADERFOOTERDEF texts;
    texts.HeaderText = "Own header";
    texts.FooterText = "Own footer";
    ASSERT_EQ(reportTemplate->SetHeaderFooter(&texts), S_OK);
    Generate();
    EXPECT_NE(header.find("%MODULE%\\tab %MODELNAME%"), std::string::npos) << header;
    EXPECT_NE(footer.find("Report Editor\\tab \\chdate \\tab Page \\chpgn "), std::string::npos) << footer;

    reportTemplate->PutHeadUserDef(true);
    Generate();
    EXPECT_NE(header.find("Own header"), std::string::npos) << header;
    EXPECT_NE(footer.find("Report Editor"), std::string::npos) << footer;

    reportTemplate->PutFootUserDef(true);
    Generate();
    EXPECT_NE(footer.find("Own footer"), std::string::npos) << footer;
}
