// Texts that reach the host: parts of the library's strings, and the command-update query that
// writes a command's text into the host's buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "rpt/editor/SRptSysCmdUI.h"
#include "rpt/resources/RptLoadStringPart.h"
#include "varod9/RptApi.h"

TEST(RptLoadStringPart, EachPartOfALineFeedSeparatedString) {
    SString part;
    // "Shows one page\nShow One Page" (2052).
    EXPECT_EQ(RptLoadStringPart(SRptGetModuleState(), 2052, 0, &part), 1);
    EXPECT_EQ(part, "Shows one page");
    EXPECT_EQ(RptLoadStringPart(SRptGetModuleState(), 2052, 1, &part), 1);
    EXPECT_EQ(part, "Show One Page");
    EXPECT_EQ(RptLoadStringPart(SRptGetModuleState(), 2052, 2, &part), 0);
    EXPECT_EQ(part, "Shows one page\nShow One Page");
    // "&Hide" (122) has no line feed.
    EXPECT_EQ(RptLoadStringPart(SRptGetModuleState(), 122, 0, &part), 1);
    EXPECT_EQ(part, "&Hide");
    EXPECT_EQ(RptLoadStringPart(SRptGetModuleState(), 122, 1, &part), 0);
    EXPECT_EQ(part, "&Hide");
    EXPECT_EQ(RptLoadStringPart(SRptGetModuleState(), 122, 2, &part), 0);
    EXPECT_EQ(RptLoadStringPart(SRptGetModuleState(), 122, 3, &part), 0);
    // A missing string or argument gives nothing.
    EXPECT_EQ(RptLoadStringPart(SRptGetModuleState(), 1, 0, &part), 0);
    EXPECT_EQ(part, "");
    EXPECT_EQ(RptLoadStringPart(nullptr, 122, 0, &part), 0);
    EXPECT_EQ(RptLoadStringPart(SRptGetModuleState(), 122, 0, nullptr), 0);
}

TEST(RptLoadStringPart, TheThirdPartIsTheTextAfterTheSecondLineFeed) {
    SString part;
    SModuleState table;
    table.AddString(5267, "Page %u\nPages %u-%u\n");
    table.AddString(7, "Report first page title\nFIRSTPAGETITLE\n\nFPTT");
    table.AddString(8, "a\nb\nthird\nfourth");
    SModuleState* before = &SModuleState::GetCurrent();
    EXPECT_EQ(RptLoadStringPart(&table, 5267, 1, &part), 1);
    EXPECT_EQ(part, "Pages %u-%u");
    EXPECT_EQ(RptLoadStringPart(&table, 5267, 2, &part), 1);  // ends in its second line feed
    EXPECT_EQ(part, "");
    EXPECT_EQ(RptLoadStringPart(&table, 8, 2, &part), 1);
    EXPECT_EQ(part, "third");
    EXPECT_EQ(RptLoadStringPart(&table, 7, 1, &part), 1);
    EXPECT_EQ(part, "FIRSTPAGETITLE");
    EXPECT_EQ(RptLoadStringPart(&table, 7, 2, &part), 1);
    EXPECT_EQ(part, "");
    // The caller's module state is current again.
    EXPECT_EQ(&SModuleState::GetCurrent(), before);
}

TEST(SRptSysCmdUI, StateFlagsAndATextBoundedByTheBuffer) {
    char16_t buffer[10];
    SRptSysCmdUI ui(buffer, 10);
    EXPECT_EQ(ui.GetFlags(), 0u);
    ui.Enable(1);
    EXPECT_TRUE(ui.m_bEnableChanged);
    ui.SetCheck(2);
    ui.SetRadio(1);
    EXPECT_EQ(ui.GetFlags(), 1u | 2u | 4u);
    ui.SetCheck(0);
    ui.Enable(0);
    EXPECT_EQ(ui.GetFlags(), 4u);
    ui.SetText("Show Multiple Pages");
    EXPECT_EQ(ui.GetFlags(), 4u | 8u);
    EXPECT_EQ(std::u16string(buffer), u"Show Mult");  // 9 characters and the terminator
}

TEST(SRptSysCmdUI, ATextIsNeverCutInsideASurrogatePairAndNoBufferTakesNothing) {
    // "Page " and a character outside the basic plane (two UTF-16 units), then more text.
    const char* text = "Page \xF0\x9D\x84\x9E end";
    char16_t buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    SRptSysCmdUI six(buffer, 7);
    six.SetText(text);
    // Six units would end in the first half of the pair: the pair is left out whole.
    EXPECT_EQ(std::u16string(buffer), u"Page ");
    EXPECT_EQ(buffer[7], u'#');
    SRptSysCmdUI seven(buffer, 8);
    seven.SetText(text);
    EXPECT_EQ(std::u16string(buffer), u"Page \U0001D11E");

    SRptSysCmdUI none(nullptr, 8);
    none.SetText(text);
    EXPECT_EQ(none.GetFlags(), 0u);
    buffer[0] = u'#';
    SRptSysCmdUI empty(buffer, 0);
    empty.SetText(text);
    EXPECT_EQ(buffer[0], u'#');
}
