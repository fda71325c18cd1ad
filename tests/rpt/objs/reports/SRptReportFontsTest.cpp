// Resetting the fonts of a report, of one of its templates or of any paragraph container to the
// user's default font of each paragraph's font kind, and the report's display name following its
// name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/SSettingsStore.h"
#include "platform/repo/SRepSession.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/reports/SRptReportWithTemplateFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTemplate.h"

namespace {

constexpr HRESULT kPointer = static_cast<HRESULT>(0x80004003);
constexpr int32_t kKinds = 27;
const char* const kScrambled = "Scrambled";

// A report of its own session with a template for module "Sales" (so that the report holds a copy
// of the module's available items, the built-in graphic file among them), over report fonts whose
// defaults the test chose: kind k is "Face k", k + 100 high, style k % 4.
class SRptReportFonts : public SRptReportWithTemplateFixture {
protected:
    void SetUp() override {
        SRptReportWithTemplateFixture::SetUp();
        SSettingsStore::Get().Clear();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        SRptFont::InitFonts();
        for (int32_t kind = 0; kind < kKinds; ++kind) {
            SRptFont::SetDefaultFontName(kind, Face(kind));
            SRptFont::SetDefaultFontHeight(kind, kind + 100);
            SRptFont::SetDefaultFontStyle(kind, kind % 4);
        }
        // Registered once the template is there: the template brings the module's items in.
        Register("Sales", "Sales model");
        ASSERT_EQ(report->SyncTemplatesWithAvailableItems(), S_OK);
        SComWrap<ISRptAvailableItems> available;
        ASSERT_EQ(report->GetAvailableItemsAtPos(0, &available), S_OK);
        for (const char* id : {"TITLE", "TEXT"}) {
            SComWrap<ISRptItem> placed;
            ASSERT_EQ(templ->AddTemplateItem(Child(available.Get(), id).Get(), templ.Get(), -1, &placed), S_OK);
        }
    }
    void TearDown() override {
        SRptReportWithTemplateFixture::TearDown();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        SSettingsStore::Get().Clear();
    }

    static SString Face(int32_t kind) { return SString("Face ") + SString::FromInt(kind); }
    static SComWrap<ISRptReport> NewReport(ISRepSession* in) {
        SComWrap<ISRptReport> made;
        EXPECT_EQ(in->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&made), ISRptReport::iid), S_OK);
        return made;
    }
    static SComWrap<ISRptItem> Child(ISRptItem* parent, const char* itemId) {
        SRepClassColPtr items = parent->Items();
        for (int32_t i = 0; i < items.GetCount(); ++i) {
            SComWrap<ISRptItem> item;
            item = static_cast<IUnknown*>(items.Item(i).Get());
            if (item && item->GetItemID() == itemId) return item;
        }
        ADD_FAILURE() << "no " << itemId;
        return SComWrap<ISRptItem>();
    }
    // Every paragraph of a container and, for an item, of everything under it.
    static void Collect(ISRptParaContainer* container, std::vector<SComWrap<ISRptPara>>& paragraphs) {
        SRepClassColPtr own = container->Paragraphs();
        for (int32_t i = 0; i < own.GetCount(); ++i) {
            SComWrap<ISRptPara> para;
            para = static_cast<IUnknown*>(own.Item(i).Get());
            paragraphs.push_back(para);
        }
        SComWrap<ISRptItem> item;
        item = static_cast<IUnknown*>(container);
        if (!item) return;
        SRepClassColPtr children = item->Items();
        for (int32_t i = 0; i < children.GetCount(); ++i) {
            SComWrap<ISRptParaContainer> child;
            child = static_cast<IUnknown*>(children.Item(i).Get());
            Collect(child.Get(), paragraphs);
        }
    }
    // The report's paragraphs, then those under its available items and its templates.
    static std::vector<SComWrap<ISRptPara>> AllParagraphs(ISRptReport* of) {
        std::vector<SComWrap<ISRptPara>> paragraphs;
        Collect(of, paragraphs);
        for (SRepClassColPtr collection : {of->Availables(), of->Templates()})
            for (int32_t i = 0; i < collection.GetCount(); ++i) {
                SComWrap<ISRptParaContainer> container;
                container = static_cast<IUnknown*>(collection.Item(i).Get());
                Collect(container.Get(), paragraphs);
            }
        return paragraphs;
    }
    // A font no default has, with a family, pitch and character set of its own.
    static void Scramble(const std::vector<SComWrap<ISRptPara>>& paragraphs) {
        for (const auto& para : paragraphs) {
            para->PutFontName(kScrambled);
            para->PutFontHeight(1);
            para->PutFontStyle(8);
            para->PutFontFamily(3);
            para->PutFontPitch(2);
            para->PutFontCharSet(77);
        }
    }
    // "name/height/style/family/pitch/charset" of a paragraph.
    static std::string Font(ISRptPara* para) {
        return para->GetFontName().str() + "/" + std::to_string(para->GetFontHeight()) + "/" +
               std::to_string(para->GetFontStyle()) + "/" + std::to_string(para->GetFontFamily()) + "/" +
               std::to_string(para->GetFontPitch()) + "/" + std::to_string(para->GetFontCharSet());
    }
    // What a paragraph of a kind holds after the change: the kind's default face, height and
    // style, its own family, pitch and character set; the scrambled font for no kind.
    static std::string Expected(int32_t kind) {
        if (kind < 0 || kind >= kKinds) return std::string(kScrambled) + "/1/8/3/2/77";
        return Face(kind).str() + "/" + std::to_string(kind + 100) + "/" + std::to_string(kind % 4) + "/3/2/77";
    }
};

}  // namespace

TEST_F(SRptReportFonts, EveryParagraphOfAWholeReportTakesItsKindsDefaultFont) {
    const auto paragraphs = AllParagraphs(report.Get());
    // The built-in graphic file of the available items has a paragraph of no font kind.
    SComWrap<ISRptAvailableItems> available;
    ASSERT_EQ(report->GetAvailableItemsAtPos(0, &available), S_OK);
    SComWrap<ISRptPara> graphicFile;
    ASSERT_EQ(Child(available.Get(), "GRAPHICFILE")->GetParaAtPos(0, &graphicFile), S_OK);
    ASSERT_EQ(graphicFile->GetParaFontID(), -1);
    for (int32_t changeOthers : {0, 1}) {
        Scramble(paragraphs);
        EXPECT_EQ(report->ChangeAllFonts(changeOthers), S_OK);
        int32_t withKind = 0;
        for (const auto& para : paragraphs) {
            const int32_t kind = para->GetParaFontID();
            EXPECT_EQ(Font(para.Get()), Expected(kind)) << para->GetParaName().str();
            if (kind >= 0) ++withKind;
        }
        // The report's title and optional fields, the header and footer, the placed title and text.
        EXPECT_GE(withKind, 6);
    }
    // The report's own two paragraphs are those of kinds 2 and 3.
    EXPECT_EQ(Font(paragraphs[0].Get()), Expected(2));
    EXPECT_EQ(Font(paragraphs[1].Get()), Expected(3));
    EXPECT_EQ(Font(graphicFile.Get()), Expected(-1));
}

TEST_F(SRptReportFonts, ChangingATemplatesFontsLeavesTheRestOfTheReportAndOtherReports) {
    SComWrap<ISRepSession> otherSession;
    ASSERT_EQ(SRepSession::Create("other", &otherSession), S_OK);
    SComWrap<ISRptReport> other = NewReport(otherSession.Get());
    const auto others = AllParagraphs(other.Get());
    const auto all = AllParagraphs(report.Get());
    std::vector<SComWrap<ISRptPara>> inTemplate;
    Collect(templ.Get(), inTemplate);
    Scramble(all);
    Scramble(others);

    EXPECT_EQ(report->ChangeFonts(nullptr), kPointer);
    EXPECT_EQ(report->ChangeFonts(templ.Get()), S_OK);
    ASSERT_GE(inTemplate.size(), 4u);
    for (const auto& para : inTemplate) EXPECT_EQ(Font(para.Get()), Expected(para->GetParaFontID()));
    EXPECT_EQ(Font(all[0].Get()), Expected(-1));

    EXPECT_EQ(report->ChangeAllFonts(1), S_OK);
    for (const auto& para : others) EXPECT_EQ(Font(para.Get()), Expected(-1));
    other.Clear();
    otherSession->Close();
}

TEST_F(SRptReportFonts, ANewNameIsAnnouncedAsANewDisplayNameFirst) {
    SComWrap<STestChangeSink> sink(new STestChangeSink);
    ASSERT_EQ(report->Advise(SREP_NOTIFY_CHANGE, sink.Get()), S_OK);
    ASSERT_EQ(report->PutName("Yearly"), S_OK);
    EXPECT_EQ(sink->changes, (std::vector<int32_t>{0x0100000B, 0x01000002}));
    report->Unadvise(sink.Get());
}
