// The width editor of table cells: widths shown in millimetres or per cent, typed text read back
// into the stored 16-bit value, and numbers that do not fit kept within their kind.
#include <gtest/gtest.h>

#include <memory>

#include "platform/repo/SRepRegistry.h"
#include "rpt/editor/SRptAttrEditorTableCellWidth.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "support/SRptItemTestFixture.h"
#include "varod9/ISRptTableCell.h"

namespace {

class SRptAttrEditorTableCellWidthTest : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SRptItemTestFixture::SetUp();
        cell = Make<ISRepObject>(CLSID_SRptListCell);
        // The editor is made as the grids make it: from the record that the cell's map names.
        editor = SRepAttrEditor::Create(SRepRegistry::Find(CLSID_SRptListCell)->GetAttrEditorMap()->FindEditor(RPTTABLECELL_WIDTH));
        ASSERT_TRUE(editor);
    }
    void TearDown() override {
        cell.Clear();
        SRptItemTestFixture::TearDown();
    }

    SString Shown(int16_t width) {
        SRepVariant value;
        value.SetShort(width);
        SString text;
        EXPECT_EQ(editor->GetText(value, &text), S_OK);
        return text;
    }
    // The value stored for a typed text; -1 marks a refused text.
    int32_t Stored(const char* typed) {
        SRepVariant value;
        value.SetShort(-1);
        SString message("left over");
        const HRESULT hr = editor->GetVariant(cell.Get(), typed, &value, &message);
        EXPECT_TRUE(message.IsEmpty());
        if (FAILED(hr)) return -1;
        EXPECT_EQ(value.GetType(), SREP_VT_SHORT);
        return value.GetShort();
    }

    SComWrap<ISRepObject> cell;
    std::unique_ptr<SRepAttrEditor> editor;
};

TEST_F(SRptAttrEditorTableCellWidthTest, ShowsWholeMillimetresOrPerCent) {
    EXPECT_TRUE(editor->GetClassInfo()->HasName("SRptAttrEditorTableCellWidth"));
    EXPECT_EQ(Shown(2500), "25 mm");
    EXPECT_EQ(Shown(150), "1 mm");
    EXPECT_EQ(Shown(50), "0 mm");
    EXPECT_EQ(Shown(0), "0 %");
    EXPECT_EQ(Shown(-30), "30 %");
    EXPECT_EQ(Shown(-32768), "32768 %");
    SRepVariant value;
    EXPECT_EQ(editor->GetText(value, nullptr), E_POINTER);
}

TEST_F(SRptAttrEditorTableCellWidthTest, ReadsMillimetresIntoHundredths) {
    EXPECT_EQ(Stored("25 mm"), 2500);
    EXPECT_EQ(Stored("25"), 2500);
    EXPECT_EQ(Stored(" \t25\t \r\n"), 2500);
    EXPECT_EQ(Stored("12.7 mm"), 1200);
    EXPECT_EQ(Stored("-25"), 2500);
    EXPECT_EQ(Stored("327"), 32700);
    EXPECT_EQ(Stored("400"), 32767);
    EXPECT_EQ(Stored("letters"), 0);
}

TEST_F(SRptAttrEditorTableCellWidthTest, ReadsPercentagesNegated) {
    EXPECT_EQ(Stored("30%"), -30);
    EXPECT_EQ(Stored("30 %"), -30);
    EXPECT_EQ(Stored("-30 %"), -30);
    EXPECT_EQ(Stored("%"), 0);
    // A sign first is no percentage, and no number stands before it.
    EXPECT_EQ(Stored("%30"), 0);
}

TEST_F(SRptAttrEditorTableCellWidthTest, NumbersTooLargeStayWithinTheirKind) {
    // Millimetres never wrap round into a percentage ...
    EXPECT_EQ(Stored("40000"), 32767);
    EXPECT_EQ(Stored("4294967296"), 32767);
    EXPECT_EQ(Stored("99999999999999999999"), 32767);
    // ... and percentages never into a width: the most a 16-bit field holds negated.
    EXPECT_EQ(Stored("32768 %"), -32768);
    EXPECT_EQ(Stored("40000 %"), -32768);
    EXPECT_EQ(Stored("-4294967296%"), -32768);
    // The most negative number has no magnitude to take: it is refused and the value kept.
    SRepVariant value;
    value.SetShort(1234);
    EXPECT_EQ(editor->GetVariant(cell.Get(), "-9223372036854775808", &value, nullptr), E_INVALIDARG);
    EXPECT_EQ(value.GetShort(), 1234);
}

TEST_F(SRptAttrEditorTableCellWidthTest, NullObjectOrValueIsRefused) {
    SRepVariant value;
    SString message("left over");
    EXPECT_EQ(editor->GetVariant(nullptr, "25", &value, &message), E_POINTER);
    EXPECT_TRUE(message.IsEmpty());
    EXPECT_EQ(editor->GetVariant(cell.Get(), "25", nullptr, nullptr), E_POINTER);
}

}  // namespace
