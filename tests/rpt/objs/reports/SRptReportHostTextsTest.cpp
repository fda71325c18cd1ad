// What a report asks the host about its language and its titles: only the first registered
// module's client is asked, with the report itself; without a client the texts are E_FAIL
// written as a number.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/repo/SRepSession.h"
#include "rpt/objs/reports/SRptReportTestFixture.h"
#include "support/STestRptProcs.h"

namespace {

constexpr HRESULT kFail = static_cast<HRESULT>(0x80004005);

// A module client that writes what it was asked and answers with its own name.
class SRecordingClient final : public STestRefCounted<ISRptModuleClient> {
public:
    explicit SRecordingClient(const char* name) : m_name(name) {}
    HRESULT InitAvailableItems(ISRptModule*) override { return S_OK; }
    HRESULT GetReportLangName(SString& sLangName, ISRptReport* pReport) override {
        asked.push_back("name");
        reports.push_back(pReport);
        sLangName = m_name + " language";
        return S_OK;
    }
    HRESULT ValidateReportLang(ISRptReport* pReport) override {
        asked.push_back("validate");
        reports.push_back(pReport);
        return verdict;
    }
    HRESULT GetReportTitleText(SString& sTitle, ISRptReport* pReport, SString sTitlePath) override {
        asked.push_back("title " + sTitlePath.str());
        reports.push_back(pReport);
        sTitle = m_name + sTitlePath;
        return S_OK;
    }
    HRESULT FillLanguageCombo(SComboBoxCtrl*) override { return S_OK; }
    HRESULT GetLanguageObject(ISRepObject** ppLanguage, const SString&) override {
        *ppLanguage = nullptr;
        return S_FALSE;
    }

    std::vector<std::string> asked;
    std::vector<ISRptReport*> reports;
    HRESULT verdict = S_OK;

private:
    SString m_name;
};

// A report, and a language object in a session of its own.
class SRptReportHostTexts : public SRptReportTestFixture {
protected:
    void SetUp() override {
        SRptReportTestFixture::SetUp();
        ASSERT_EQ(SRepSession::Create("languages", &languages), S_OK);
        ASSERT_EQ(languages->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&language), ISRepObject::iid),
                  S_OK);
    }
    void TearDown() override {
        language.Clear();
        languages->Close();
        languages.Clear();
        SRptReportTestFixture::TearDown();
    }
    SComWrap<ISRepSession> languages;
    SComWrap<ISRepObject> language;
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(SRptReportHostTexts, WithoutAModuleClientTheHostsTextsAreTheFailureCode) {
    EXPECT_EQ(report->GetLangName(), "-2147467259");
    EXPECT_EQ(report->ValidateLang(), kFail);
    EXPECT_EQ(report->GetTitleFromPath("\\Report Titles\\General\\Header"), "-2147467259");
    // A module without a client is no help either.
    Register("Sales", "Sales model");
    EXPECT_EQ(report->GetLangName(), "-2147467259");
    EXPECT_EQ(report->ValidateLang(), kFail);
    // Without a language the titles are the report's own defaults; with one, the host's.
    EXPECT_EQ(report->GetExTitle(1), "%MODULE%\t%MODELNAME%");
    ASSERT_EQ(report->PutLang(language.Get()), S_OK);
    for (uint32_t kind : {0u, 1u, 2u}) EXPECT_EQ(report->GetExTitle(kind), "-2147467259") << kind;
}

TEST_F(SRptReportHostTexts, OnlyTheFirstModulesClientIsAskedAndWithTheReportItself) {
    SComWrap<SRecordingClient> first(new SRecordingClient("First"));
    SComWrap<SRecordingClient> second(new SRecordingClient("Second"));
    Register("Sales", "Sales model", first.Get());
    Register("Stock", "Stock model", second.Get());

    EXPECT_EQ(report->GetLangName(), "First language");
    first->verdict = static_cast<HRESULT>(0x80040201);
    EXPECT_EQ(report->ValidateLang(), first->verdict);
    first->verdict = S_FALSE;
    EXPECT_EQ(report->ValidateLang(), S_FALSE);
    EXPECT_EQ(report->GetTitleFromPath("\\Any\\Path"), "First\\Any\\Path");
    EXPECT_TRUE(second->asked.empty());
    for (ISRptReport* asked : first->reports) EXPECT_TRUE(report.IsEqualObject(asked));
}

TEST_F(SRptReportHostTexts, AReportWithALanguageAsksTheHostForItsTitlesByPath) {
    SComWrap<SRecordingClient> client(new SRecordingClient("Host"));
    Register("Sales", "Sales model", client.Get());
    // Without a language the host is not asked.
    EXPECT_EQ(report->GetExTitle(0), "Table of contents");
    EXPECT_EQ(report->GetExTitle(2), "Report Editor\t%DATE%\tPage %PAGE%");
    EXPECT_TRUE(client->asked.empty());

    ASSERT_EQ(report->PutLang(language.Get()), S_OK);
    EXPECT_EQ(report->GetExTitle(0), "Host\\Report Titles\\General\\TOC");
    EXPECT_EQ(report->GetExTitle(1), "Host\\Report Titles\\General\\Header");
    EXPECT_EQ(report->GetExTitle(2), "Host\\Report Titles\\General\\Footer");
    // A kind of no title gives the path of no suffix.
    EXPECT_EQ(report->GetExTitle(7), "Host\\Report Titles\\General");
    EXPECT_EQ(client->asked, (Strings{"title \\Report Titles\\General\\TOC", "title \\Report Titles\\General\\Header",
                                      "title \\Report Titles\\General\\Footer", "title \\Report Titles\\General"}));
}
