// The element names of template files written by older versions, each bound to the id of the
// current member it stands for; a class block lists its attributes by ascending id, then its
// collections by ascending id. Generated from the name lists of those versions; do not edit.
#include "rpt/legacy/SRptLegacyNameTables.h"

namespace {
const RPTDTDENTRY k7_0_0_SSymPolyline_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"},
    {0x02010003, 0x00100000, "a:ListPt"}, {0x02010004, 0x00030000, "a:LineStyle"}, {0x02010008, 0x00030000, "a:Arrows"},
    {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymRectangle_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"},
    {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymEllipse_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"},
    {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymText_A[] = {
    {0x01000009, 0x000A0000, "a:Text"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010006, 0x00030000, "a:Font"}, {0x02010007, 0x00030000, "a:Style"}, {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymLinkSym_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"},
    {0x02010003, 0x00100000, "a:ListPt"}, {0x02010004, 0x00030000, "a:LineStyle"}, {0x02010008, 0x00030000, "a:Arrows"},
    {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymLinkSym_C[] = {
    {0x0201000E, 0x00000000, "c:LinkSrc"}, {0x0201000F, 0x00000000, "c:LinkDst"},
};
const RPTDTDENTRY k7_0_0_SSymBitmap_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymMetafile_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymGroup_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymGroup_C[] = {
    {0x02010011, 0x00000000, "c:COMPOSITE.Symbols"},
};
const RPTDTDENTRY k7_0_0_SSymOle_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymPolygon_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"},
    {0x02010003, 0x00100000, "a:ListPt"}, {0x02010004, 0x00030000, "a:LineStyle"}, {0x02010008, 0x00030000, "a:Arrows"},
    {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymRoundRect_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"},
    {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymComposite_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymComposite_C[] = {
    {0x02010011, 0x00000000, "c:COMPOSITE.Symbols"},
};
const RPTDTDENTRY k7_0_0_SSymArrow_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"},
    {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymDiagram_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x0100000A, 0x80030000, "a:Parent"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02010021, 0x000A0000, "a:Comment"}, {0x02010022, 0x000A0000, "a:DispPrefSave"},
    {0x02010023, 0x000E0000, "a:PaperSize"}, {0x02010024, 0x000F0000, "a:Margins"}, {0x02010025, 0x00030000, "a:Scale"},
    {0x02010026, 0x00030000, "a:PgSize"}, {0x02010027, 0x00030000, "a:PgOrientation"}, {0x02010038, 0x00060000, "a:Flags"},
};
const RPTDTDENTRY k7_0_0_SSymDiagram_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02010015, 0x00000000, "c:DIAG.Symbols"},
};
const RPTDTDENTRY k7_0_0_SSymArc_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"},
    {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymBase_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymStd_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"},
    {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SSymSolid_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"},
    {0x0201000A, 0x000B0000, "a:BlobData"},
};
const RPTDTDENTRY k7_0_0_SRptBase_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k7_0_0_SRptBase_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_0_SRptReport_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000B, 0x000900FE, "a:DispName"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02000001, 0x000A0000, "a:Labl"}, {0x02006500, 0x00030000, "a:LangID"}, {0x02006503, 0x000A0000, "a:FirstPageTitle"},
    {0x02006504, 0x000A0000, "a:FirstPageAuthor"}, {0x02006505, 0x000A0000, "a:FirstPageVersion"}, {0x02006506, 0x000A0000, "a:FirstPageDate"},
    {0x02006507, 0x000A0000, "a:FirstPageSummary"}, {0x02006508, 0x00040000, "a:HasFirstPage"}, {0x02006509, 0x00040000, "a:HasFirstPageTitle"},
    {0x0200650A, 0x00040000, "a:HasFirstPageAuthor"}, {0x0200650B, 0x00040000, "a:HasFirstPageVersion"}, {0x0200650C, 0x00040000, "a:HasFirstPageDate"},
    {0x0200650D, 0x00040000, "a:HasFirstPageSummary"},
};
const RPTDTDENTRY k7_0_0_SRptReport_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006550, 0x00000000, "c:Templates"},
    {0x02006551, 0x00000000, "c:Availables"}, {0x04800199, 0x00000000, "c:ExtSess"},
};
const RPTDTDENTRY k7_0_0_SRptCustom_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k7_0_0_SRptCustom_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptParaContainer_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k7_0_0_SRptParaContainer_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptField_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006801, 0x000A0000, "a:FIELD.ModuleID"}, {0x02006802, 0x000A0000, "a:FieldName"}, {0x02006803, 0x000A0000, "a:Descr"},
    {0x02006804, 0x000A0000, "a:Value"}, {0x02006805, 0x00030000, "a:PresenceFlag"},
};
const RPTDTDENTRY k7_0_0_SRptField_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_0_SRptFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"}, {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k7_0_0_SRptFile_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptFolder_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006320, 0x00040000, "a:Valid"},
    {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"}, {0x02006323, 0x00030000, "a:UserParam"},
    {0x02006380, 0x000A0000, "a:RPTFOLDER.Text"}, {0x02006381, 0x00030000, "a:NbMaxLevels"},
};
const RPTDTDENTRY k7_0_0_SRptFolder_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptForm_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k7_0_0_SRptForm_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
    {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k7_0_0_SRptFormCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006940, 0x00040000, "a:Enabled"}, {0x02006941, 0x00030000, "a:CellResID"}, {0x02006942, 0x000A0000, "a:DefaultText"},
    {0x02006943, 0x000A0000, "a:TextFromRes"}, {0x02006944, 0x00030000, "a:CellID"}, {0x02006945, 0x00020000, "a:Width"},
    {0x02006946, 0x00040000, "a:Keyword"}, {0x02006947, 0x00040000, "a:TABLECELL.Title"}, {0x02006948, 0x00020000, "a:VertAlign"},
    {0x02006949, 0x00020000, "a:TABLECELL.Border"}, {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k7_0_0_SRptFormCell_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_0_SRptFormRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006930, 0x000A0000, "a:RowFields"}, {0x02006960, 0x00020000, "a:HeightType"}, {0x02006961, 0x00030000, "a:Height"},
    {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"}, {0x02006964, 0x00020000, "a:TABLEROW.Alignment"},
    {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"}, {0x02006967, 0x00040000, "a:FootingRow"},
    {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k7_0_0_SRptFormRow_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k7_0_0_SRptUserGraphic_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006460, 0x00020000, "a:Format"},
    {0x02006461, 0x00040000, "a:UseZoom"}, {0x02006462, 0x00020000, "a:OnePageType"}, {0x02006463, 0x00020000, "a:ZoomPerct"},
};
const RPTDTDENTRY k7_0_0_SRptUserGraphic_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptGroup_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006320, 0x00040000, "a:Valid"},
    {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"}, {0x02006323, 0x00030000, "a:UserParam"},
};
const RPTDTDENTRY k7_0_0_SRptGroup_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptGraphicFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"}, {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k7_0_0_SRptGraphicFile_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRepObject_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"},
};
const RPTDTDENTRY k7_0_0_SRptGrpMember_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
};
const RPTDTDENTRY k7_0_0_SRptGrpMember_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptGrpText_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006361, 0x00040000, "a:DisplayIfEmpty"},
};
const RPTDTDENTRY k7_0_0_SRptGrpText_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptGrpTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006320, 0x00040000, "a:Valid"},
    {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"}, {0x02006323, 0x00030000, "a:UserParam"},
    {0x02006340, 0x000A0000, "a:GRPTL.Text"},
};
const RPTDTDENTRY k7_0_0_SRptGrpTitle_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptItem_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
};
const RPTDTDENTRY k7_0_0_SRptItem_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptList_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006920, 0x00040000, "a:LIST.Sorted"},
};
const RPTDTDENTRY k7_0_0_SRptList_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
    {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k7_0_0_SRptListRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006960, 0x00020000, "a:HeightType"}, {0x02006961, 0x00030000, "a:Height"}, {0x02006962, 0x00030000, "a:TABLEROW.Left"},
    {0x02006963, 0x00040000, "a:RowBreak"}, {0x02006964, 0x00020000, "a:TABLEROW.Alignment"}, {0x02006965, 0x00020000, "a:SpBetweenCells"},
    {0x02006966, 0x00040000, "a:HeadingRow"}, {0x02006967, 0x00040000, "a:FootingRow"}, {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k7_0_0_SRptListRow_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k7_0_0_SRptListCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006900, 0x00040000, "a:Sortable"}, {0x02006901, 0x00040000, "a:Sorted"}, {0x02006940, 0x00040000, "a:Enabled"},
    {0x02006941, 0x00030000, "a:CellResID"}, {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"},
    {0x02006944, 0x00030000, "a:CellID"}, {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"},
    {0x02006947, 0x00040000, "a:TABLECELL.Title"}, {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"},
    {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k7_0_0_SRptListCell_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_0_SRptPara_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"},
    {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"},
    {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"},
    {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"},
    {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"},
    {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"},
    {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"},
    {0x02006016, 0x000A0000, "a:ParaName"}, {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"},
    {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_0_0_SRptPara_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_0_0_SRepObjectBase_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k7_0_0_SRepObjectBase_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_0_SRptParaFooter_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"},
    {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"},
    {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"},
    {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"},
    {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"},
    {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"},
    {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"},
    {0x02006016, 0x000A0000, "a:ParaName"}, {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"},
    {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_0_0_SRptParaFooter_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_0_0_SRptParaHeader_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"},
    {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"},
    {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"},
    {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"},
    {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"},
    {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"},
    {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"},
    {0x02006016, 0x000A0000, "a:ParaName"}, {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"},
    {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_0_0_SRptParaHeader_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_0_0_SRepShortcut_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x0100000A, 0x80030000, "a:ParentShct"}, {0x0100000B, 0x000900FE, "a:DispName"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x04000180, 0x000A0000, "a:Type"}, {0x04000181, 0x80030000, "a:TrgtModl"}, {0x04000182, 0x80030000, "a:TrgtFold"},
    {0x04000183, 0x000A0000, "a:Status"}, {0x04000184, 0x80030000, "a:Object"}, {0x04000185, 0x00010000, "a:ExtOID"},
    {0x04000186, 0x00010000, "a:ExtCLSID"}, {0x0400018C, 0x00040000, "a:External"},
};
const RPTDTDENTRY k7_0_0_SRepShortcut_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x04000087, 0x00000000, "c:Symbols"}, {0x04000188, 0x00000000, "c:LinkedShct"},
};
const RPTDTDENTRY k7_0_0_SRptParaItem_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"},
    {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"},
    {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"},
    {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"},
    {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"},
    {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"},
    {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"},
    {0x02006016, 0x000A0000, "a:ParaName"}, {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"},
    {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_0_0_SRptParaItem_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_0_0_SRepSessionExtern_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x04000190, 0x000A0000, "a:EMODL.Type"},
    {0x04000191, 0x000A0000, "a:FileName"}, {0x04000193, 0x000A0000, "a:EMODL.Status"}, {0x04000194, 0x00040000, "a:Used"},
    {0x04000195, 0x000A0000, "a:ModelURL"}, {0x04000196, 0x00010000, "a:ModelID"}, {0x04000197, 0x00010000, "a:ModelCLSID"},
};
const RPTDTDENTRY k7_0_0_SRepSessionExtern_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x04000198, 0x00000000, "c:Shortcuts"},
};
const RPTDTDENTRY k7_0_0_SRptParaTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"},
    {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"},
    {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"},
    {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"},
    {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"},
    {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"},
    {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"},
    {0x02006016, 0x000A0000, "a:ParaName"}, {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"},
    {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_0_0_SRptParaTitle_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_0_0_SRepRootObject_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"},
};
const RPTDTDENTRY k7_0_0_SRepRootObject_C[] = {
    {0x02000022, 0x00000000, "c:SubFolders"}, {0x02000023, 0x00000000, "c:Objects"},
};
const RPTDTDENTRY k7_0_0_SRptPageBreak_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006420, 0x00040000, "a:HtmlGen"},
};
const RPTDTDENTRY k7_0_0_SRptPageBreak_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptTable_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k7_0_0_SRptTable_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
    {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k7_0_0_SRptTableCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006940, 0x00040000, "a:Enabled"}, {0x02006941, 0x00030000, "a:CellResID"}, {0x02006942, 0x000A0000, "a:DefaultText"},
    {0x02006943, 0x000A0000, "a:TextFromRes"}, {0x02006944, 0x00030000, "a:CellID"}, {0x02006945, 0x00020000, "a:Width"},
    {0x02006946, 0x00040000, "a:Keyword"}, {0x02006947, 0x00040000, "a:TABLECELL.Title"}, {0x02006948, 0x00020000, "a:VertAlign"},
    {0x02006949, 0x00020000, "a:TABLECELL.Border"}, {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k7_0_0_SRptTableCell_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_0_SRptTableRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006960, 0x00020000, "a:HeightType"}, {0x02006961, 0x00030000, "a:Height"}, {0x02006962, 0x00030000, "a:TABLEROW.Left"},
    {0x02006963, 0x00040000, "a:RowBreak"}, {0x02006964, 0x00020000, "a:TABLEROW.Alignment"}, {0x02006965, 0x00020000, "a:SpBetweenCells"},
    {0x02006966, 0x00040000, "a:HeadingRow"}, {0x02006967, 0x00040000, "a:FootingRow"}, {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k7_0_0_SRptTableRow_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k7_0_0_SRptTblCts_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006480, 0x000A0000, "a:TBLCTS.Title"},
};
const RPTDTDENTRY k7_0_0_SRptTblCts_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptTemplate_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"},
    {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"},
    {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"},
    {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"}, {0x02006200, 0x000A0000, "a:Header"},
    {0x02006201, 0x000A0000, "a:ExpHeader"}, {0x02006202, 0x00040000, "a:HeaderNeedExpand"}, {0x02006203, 0x00040000, "a:HasHeaderBorder"},
    {0x02006204, 0x000A0000, "a:Footer"}, {0x02006205, 0x000A0000, "a:ExpFooter"}, {0x02006206, 0x00040000, "a:FooterNeedExpand"},
    {0x02006207, 0x00040000, "a:HasFooterBorder"}, {0x02006208, 0x000F0000, "a:Margin"}, {0x02006209, 0x000F0000, "a:MinMargin"},
    {0x0200620A, 0x000E0000, "a:TMPLT.PaperSize"}, {0x0200620B, 0x00030000, "a:Orientation"}, {0x0200620C, 0x00030000, "a:PaperFormat"},
    {0x02006217, 0x80030000, "a:ParentReport"},
};
const RPTDTDENTRY k7_0_0_SRptTemplate_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptText_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x020063E0, 0x000A0000, "a:RPTTEXT.Text"},
};
const RPTDTDENTRY k7_0_0_SRptText_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptTextFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"}, {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k7_0_0_SRptTextFile_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006400, 0x00020000, "a:Level"}, {0x02006401, 0x000A0000, "a:TITLE.Text"},
};
const RPTDTDENTRY k7_0_0_SRptTitle_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_0_SRptTabulation_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006050, 0x80030000, "a:ParentPara"}, {0x02006051, 0x00030000, "a:Position"}, {0x02006052, 0x00030000, "a:Alignment"},
};
const RPTDTDENTRY k7_0_0_SRptTabulation_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDCLASS k7_0_0[] = {
    {MakeGUID("{36083F60-1A49-11D1-83D9-444553540000}"), "o:SSymPolyline", k7_0_0_SSymPolyline_A, 7, nullptr, 0},
    {MakeGUID("{36083F61-1A49-11D1-83D9-444553540000}"), "o:SSymRectangle", k7_0_0_SSymRectangle_A, 4, nullptr, 0},
    {MakeGUID("{36083F62-1A49-11D1-83D9-444553540000}"), "o:SSymEllipse", k7_0_0_SSymEllipse_A, 4, nullptr, 0},
    {MakeGUID("{36083F63-1A49-11D1-83D9-444553540000}"), "o:SSymText", k7_0_0_SSymText_A, 6, nullptr, 0},
    {MakeGUID("{36083F64-1A49-11D1-83D9-444553540000}"), "o:SSymLinkSym", k7_0_0_SSymLinkSym_A, 7, k7_0_0_SSymLinkSym_C, 2},
    {MakeGUID("{36083F65-1A49-11D1-83D9-444553540000}"), "o:SSymBitmap", k7_0_0_SSymBitmap_A, 3, nullptr, 0},
    {MakeGUID("{36083F66-1A49-11D1-83D9-444553540000}"), "o:SSymMetafile", k7_0_0_SSymMetafile_A, 3, nullptr, 0},
    {MakeGUID("{36083F67-1A49-11D1-83D9-444553540000}"), "o:SSymGroup", k7_0_0_SSymGroup_A, 3, k7_0_0_SSymGroup_C, 1},
    {MakeGUID("{36083F68-1A49-11D1-83D9-444553540000}"), "o:SSymOle", k7_0_0_SSymOle_A, 3, nullptr, 0},
    {MakeGUID("{36083F69-1A49-11D1-83D9-444553540000}"), "o:SSymPolygon", k7_0_0_SSymPolygon_A, 7, nullptr, 0},
    {MakeGUID("{36083F6A-1A49-11D1-83D9-444553540000}"), "o:SSymRoundRect", k7_0_0_SSymRoundRect_A, 4, nullptr, 0},
    {MakeGUID("{36083F6B-1A49-11D1-83D9-444553540000}"), "o:SSymComposite", k7_0_0_SSymComposite_A, 3, k7_0_0_SSymComposite_C, 1},
    {MakeGUID("{36083F6C-1A49-11D1-83D9-444553540000}"), "o:SSymArrow", k7_0_0_SSymArrow_A, 4, nullptr, 0},
    {MakeGUID("{36083F6D-1A49-11D1-83D9-444553540000}"), "o:SSymDiagram", k7_0_0_SSymDiagram_A, 15, k7_0_0_SSymDiagram_C, 2},
    {MakeGUID("{36083F6F-1A49-11D1-83D9-444553540000}"), "o:SSymArc", k7_0_0_SSymArc_A, 4, nullptr, 0},
    {MakeGUID("{36083F70-1A49-11D1-83D9-444553540000}"), "o:SSymBase", k7_0_0_SSymBase_A, 3, nullptr, 0},
    {MakeGUID("{36083F71-1A49-11D1-83D9-444553540000}"), "o:SSymStd", k7_0_0_SSymStd_A, 4, nullptr, 0},
    {MakeGUID("{36083F72-1A49-11D1-83D9-444553540000}"), "o:SSymSolid", k7_0_0_SSymSolid_A, 4, nullptr, 0},
    {MakeGUID("{A6BAC8D0-B730-11D1-8898-00A02455633B}"), "o:SRptBase", k7_0_0_SRptBase_A, 6, k7_0_0_SRptBase_C, 1},
    {MakeGUID("{A6BAC8D1-B730-11D1-8898-00A02455633B}"), "o:SRptReport", k7_0_0_SRptReport_A, 22, k7_0_0_SRptReport_C, 5},
    {MakeGUID("{A6BAC8D2-B730-11D1-8898-00A02455633B}"), "o:SRptCustom", k7_0_0_SRptCustom_A, 23, k7_0_0_SRptCustom_C, 3},
    {MakeGUID("{A6BAC8D3-B730-11D1-8898-00A02455633B}"), "o:SRptParaContainer", k7_0_0_SRptParaContainer_A, 6, k7_0_0_SRptParaContainer_C, 2},
    {MakeGUID("{A6BAC8D4-B730-11D1-8898-00A02455633B}"), "o:SRptField", k7_0_0_SRptField_A, 11, k7_0_0_SRptField_C, 1},
    {MakeGUID("{A6BAC8D5-B730-11D1-8898-00A02455633B}"), "o:SRptFile", k7_0_0_SRptFile_A, 21, k7_0_0_SRptFile_C, 3},
    {MakeGUID("{A6BAC8D6-B730-11D1-8898-00A02455633B}"), "o:SRptFolder", k7_0_0_SRptFolder_A, 29, k7_0_0_SRptFolder_C, 3},
    {MakeGUID("{A6BAC8D7-B730-11D1-8898-00A02455633B}"), "o:SRptForm", k7_0_0_SRptForm_A, 23, k7_0_0_SRptForm_C, 4},
    {MakeGUID("{A6BAC8D8-B730-11D1-8898-00A02455633B}"), "o:SRptFormCell", k7_0_0_SRptFormCell_A, 17, k7_0_0_SRptFormCell_C, 1},
    {MakeGUID("{A6BAC8D9-B730-11D1-8898-00A02455633B}"), "o:SRptFormRow", k7_0_0_SRptFormRow_A, 16, k7_0_0_SRptFormRow_C, 2},
    {MakeGUID("{A6BAC8DD-B730-11D1-8898-00A02455633B}"), "o:SRptUserGraphic", k7_0_0_SRptUserGraphic_A, 27, k7_0_0_SRptUserGraphic_C, 3},
    {MakeGUID("{A6BAC8DE-B730-11D1-8898-00A02455633B}"), "o:SRptGroup", k7_0_0_SRptGroup_A, 27, k7_0_0_SRptGroup_C, 3},
    {MakeGUID("{A6BAC8DF-B730-11D1-8898-00A02455633B}"), "o:SRptGraphicFile", k7_0_0_SRptGraphicFile_A, 21, k7_0_0_SRptGraphicFile_C, 3},
    {MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}"), "o:SRepObject", k7_0_0_SRepObject_A, 1, nullptr, 0},
    {MakeGUID("{A6BAC8E0-B730-11D1-8898-00A02455633B}"), "o:SRptGrpMember", k7_0_0_SRptGrpMember_A, 18, k7_0_0_SRptGrpMember_C, 3},
    {MakeGUID("{A6BAC8E1-B730-11D1-8898-00A02455633B}"), "o:SRptGrpText", k7_0_0_SRptGrpText_A, 24, k7_0_0_SRptGrpText_C, 3},
    {MakeGUID("{A6BAC8E2-B730-11D1-8898-00A02455633B}"), "o:SRptGrpTitle", k7_0_0_SRptGrpTitle_A, 28, k7_0_0_SRptGrpTitle_C, 3},
    {MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}"), "o:SRptItem", k7_0_0_SRptItem_A, 18, k7_0_0_SRptItem_C, 3},
    {MakeGUID("{A6BAC8E4-B730-11D1-8898-00A02455633B}"), "o:SRptList", k7_0_0_SRptList_A, 24, k7_0_0_SRptList_C, 4},
    {MakeGUID("{A6BAC8E5-B730-11D1-8898-00A02455633B}"), "o:SRptListRow", k7_0_0_SRptListRow_A, 15, k7_0_0_SRptListRow_C, 2},
    {MakeGUID("{A6BAC8E6-B730-11D1-8898-00A02455633B}"), "o:SRptListCell", k7_0_0_SRptListCell_A, 19, k7_0_0_SRptListCell_C, 1},
    {MakeGUID("{A6BAC8E9-B730-11D1-8898-00A02455633B}"), "o:SRptPara", k7_0_0_SRptPara_A, 31, k7_0_0_SRptPara_C, 2},
    {MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}"), "o:SRepObjectBase", k7_0_0_SRepObjectBase_A, 6, k7_0_0_SRepObjectBase_C, 1},
    {MakeGUID("{A6BAC8EA-B730-11D1-8898-00A02455633B}"), "o:SRptParaFooter", k7_0_0_SRptParaFooter_A, 31, k7_0_0_SRptParaFooter_C, 2},
    {MakeGUID("{A6BAC8EB-B730-11D1-8898-00A02455633B}"), "o:SRptParaHeader", k7_0_0_SRptParaHeader_A, 31, k7_0_0_SRptParaHeader_C, 2},
    {MakeGUID("{362D41EC-9D82-11D1-8E5D-444553540000}"), "o:SRepShortcut", k7_0_0_SRepShortcut_A, 17, k7_0_0_SRepShortcut_C, 3},
    {MakeGUID("{A6BAC8EC-B730-11D1-8898-00A02455633B}"), "o:SRptParaItem", k7_0_0_SRptParaItem_A, 31, k7_0_0_SRptParaItem_C, 2},
    {MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}"), "o:SRepSessionExtern", k7_0_0_SRepSessionExtern_A, 15, k7_0_0_SRepSessionExtern_C, 2},
    {MakeGUID("{A6BAC8ED-B730-11D1-8898-00A02455633B}"), "o:SRptParaTitle", k7_0_0_SRptParaTitle_A, 31, k7_0_0_SRptParaTitle_C, 2},
    {MakeGUID("{362D41EE-9D82-11D1-8E5D-444553540000}"), "o:SRepRootObject", k7_0_0_SRepRootObject_A, 1, k7_0_0_SRepRootObject_C, 2},
    {MakeGUID("{A6BAC8EE-B730-11D1-8898-00A02455633B}"), "o:SRptPageBreak", k7_0_0_SRptPageBreak_A, 19, k7_0_0_SRptPageBreak_C, 3},
    {MakeGUID("{A6BAC8F2-B730-11D1-8898-00A02455633B}"), "o:SRptTable", k7_0_0_SRptTable_A, 23, k7_0_0_SRptTable_C, 4},
    {MakeGUID("{A6BAC8F3-B730-11D1-8898-00A02455633B}"), "o:SRptTableCell", k7_0_0_SRptTableCell_A, 17, k7_0_0_SRptTableCell_C, 1},
    {MakeGUID("{A6BAC8F4-B730-11D1-8898-00A02455633B}"), "o:SRptTableRow", k7_0_0_SRptTableRow_A, 15, k7_0_0_SRptTableRow_C, 2},
    {MakeGUID("{A6BAC8F5-B730-11D1-8898-00A02455633B}"), "o:SRptTblCts", k7_0_0_SRptTblCts_A, 19, k7_0_0_SRptTblCts_C, 3},
    {MakeGUID("{A6BAC8F6-B730-11D1-8898-00A02455633B}"), "o:SRptTemplate", k7_0_0_SRptTemplate_A, 34, k7_0_0_SRptTemplate_C, 3},
    {MakeGUID("{A6BAC8F7-B730-11D1-8898-00A02455633B}"), "o:SRptText", k7_0_0_SRptText_A, 19, k7_0_0_SRptText_C, 3},
    {MakeGUID("{A6BAC8F8-B730-11D1-8898-00A02455633B}"), "o:SRptTextFile", k7_0_0_SRptTextFile_A, 21, k7_0_0_SRptTextFile_C, 3},
    {MakeGUID("{A6BAC8F9-B730-11D1-8898-00A02455633B}"), "o:SRptTitle", k7_0_0_SRptTitle_A, 20, k7_0_0_SRptTitle_C, 3},
    {MakeGUID("{A6BAC8FA-B730-11D1-8898-00A02455633B}"), "o:SRptTabulation", k7_0_0_SRptTabulation_A, 9, k7_0_0_SRptTabulation_C, 1},
};
const RPTDTDENTRY k7_0_3_SSymPolyline_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00100000, "a:ListPt"}, {0x02010004, 0x00030000, "a:LineStyle"},
    {0x02010008, 0x00030000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymRectangle_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymEllipse_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymText_A[] = {
    {0x01000009, 0x000A0000, "a:Text"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010006, 0x00030000, "a:Font"}, {0x02010007, 0x00030000, "a:Style"},
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymLinkSym_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00100000, "a:ListPt"}, {0x02010004, 0x00030000, "a:LineStyle"},
    {0x02010008, 0x00030000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymLinkSym_C[] = {
    {0x0201000E, 0x00000000, "c:LinkSrc"}, {0x0201000F, 0x00000000, "c:LinkDst"},
};
const RPTDTDENTRY k7_0_3_SSymBitmap_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymMetafile_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymGroup_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymGroup_C[] = {
    {0x02010011, 0x00000000, "c:COMPOSITE.Symbols"},
};
const RPTDTDENTRY k7_0_3_SSymOle_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymPolygon_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00100000, "a:ListPt"}, {0x02010004, 0x00030000, "a:LineStyle"},
    {0x02010008, 0x00030000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymRoundRect_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymComposite_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymComposite_C[] = {
    {0x02010011, 0x00000000, "c:COMPOSITE.Symbols"},
};
const RPTDTDENTRY k7_0_3_SSymArrow_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymDiagram_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x0100000A, 0x80030000, "a:Parent"},
    {0x0100000C, 0x000A0000, "a:ClssName"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02010021, 0x000A0000, "a:Comment"},
    {0x02010022, 0x000A0000, "a:DispPrefSave"}, {0x02010023, 0x000E0000, "a:PaperSize"}, {0x02010024, 0x000F0000, "a:Margins"},
    {0x02010025, 0x00030000, "a:Scale"}, {0x02010026, 0x00030000, "a:PgSize"}, {0x02010027, 0x00030000, "a:PgOrientation"},
    {0x02010038, 0x00060000, "a:Flags"},
};
const RPTDTDENTRY k7_0_3_SSymDiagram_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02010015, 0x00000000, "c:DIAG.Symbols"},
};
const RPTDTDENTRY k7_0_3_SSymArc_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymBase_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymStd_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SSymSolid_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x02010001, 0x000F0000, "a:ClipRect"},
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_0_3_SRptBase_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k7_0_3_SRptBase_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_3_SRptReport_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000B, 0x000900FE, "a:DispName"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02000001, 0x000A0000, "a:Labl"}, {0x02006500, 0x00030000, "a:LangID"},
    {0x02006503, 0x000A0000, "a:FirstPageTitle"}, {0x02006504, 0x000A0000, "a:FirstPageAuthor"}, {0x02006505, 0x000A0000, "a:FirstPageVersion"},
    {0x02006506, 0x000A0000, "a:FirstPageDate"}, {0x02006507, 0x000A0000, "a:FirstPageSummary"}, {0x02006508, 0x00040000, "a:HasFirstPage"},
    {0x02006509, 0x00040000, "a:HasFirstPageTitle"}, {0x0200650A, 0x00040000, "a:HasFirstPageAuthor"}, {0x0200650B, 0x00040000, "a:HasFirstPageVersion"},
    {0x0200650C, 0x00040000, "a:HasFirstPageDate"}, {0x0200650D, 0x00040000, "a:HasFirstPageSummary"},
};
const RPTDTDENTRY k7_0_3_SRptReport_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006550, 0x00000000, "c:Templates"},
    {0x02006551, 0x00000000, "c:Availables"}, {0x04800199, 0x00000000, "c:ExtSess"},
};
const RPTDTDENTRY k7_0_3_SRptCustom_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k7_0_3_SRptCustom_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptParaContainer_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k7_0_3_SRptParaContainer_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptField_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006801, 0x000A0000, "a:FIELD.ModuleID"}, {0x02006802, 0x000A0000, "a:FieldName"},
    {0x02006803, 0x000A0000, "a:Descr"}, {0x02006804, 0x000A0000, "a:Value"}, {0x02006805, 0x00030000, "a:PresenceFlag"},
};
const RPTDTDENTRY k7_0_3_SRptField_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_3_SRptFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"},
    {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k7_0_3_SRptFile_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptFolder_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006320, 0x00040000, "a:Valid"}, {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"},
    {0x02006323, 0x00030000, "a:UserParam"}, {0x02006380, 0x000A0000, "a:RPTFOLDER.Text"}, {0x02006381, 0x00030000, "a:NbMaxLevels"},
};
const RPTDTDENTRY k7_0_3_SRptFolder_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptForm_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k7_0_3_SRptForm_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
    {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k7_0_3_SRptFormCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006940, 0x00040000, "a:Enabled"}, {0x02006941, 0x00030000, "a:CellResID"},
    {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"}, {0x02006944, 0x00030000, "a:CellID"},
    {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"}, {0x02006947, 0x00040000, "a:TABLECELL.Title"},
    {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"}, {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k7_0_3_SRptFormCell_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_3_SRptFormRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006930, 0x000A0000, "a:RowFields"}, {0x02006960, 0x00020000, "a:HeightType"},
    {0x02006961, 0x00030000, "a:Height"}, {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"},
    {0x02006964, 0x00020000, "a:TABLEROW.Alignment"}, {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"},
    {0x02006967, 0x00040000, "a:FootingRow"}, {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k7_0_3_SRptFormRow_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k7_0_3_SRptUserGraphic_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006460, 0x00020000, "a:Format"}, {0x02006461, 0x00040000, "a:UseZoom"}, {0x02006462, 0x00020000, "a:OnePageType"},
    {0x02006463, 0x00020000, "a:ZoomPerct"},
};
const RPTDTDENTRY k7_0_3_SRptUserGraphic_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptGroup_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006320, 0x00040000, "a:Valid"}, {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"},
    {0x02006323, 0x00030000, "a:UserParam"},
};
const RPTDTDENTRY k7_0_3_SRptGroup_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptGraphicFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"},
    {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k7_0_3_SRptGraphicFile_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRepObject_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
};
const RPTDTDENTRY k7_0_3_SRptGrpMember_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"},
};
const RPTDTDENTRY k7_0_3_SRptGrpMember_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptGrpText_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006361, 0x00040000, "a:DisplayIfEmpty"},
};
const RPTDTDENTRY k7_0_3_SRptGrpText_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptGrpTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006320, 0x00040000, "a:Valid"}, {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"},
    {0x02006323, 0x00030000, "a:UserParam"}, {0x02006340, 0x000A0000, "a:GRPTL.Text"},
};
const RPTDTDENTRY k7_0_3_SRptGrpTitle_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptItem_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"},
};
const RPTDTDENTRY k7_0_3_SRptItem_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptList_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006920, 0x00040000, "a:LIST.Sorted"},
};
const RPTDTDENTRY k7_0_3_SRptList_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
    {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k7_0_3_SRptListRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"}, {0x02006961, 0x00030000, "a:Height"},
    {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"}, {0x02006964, 0x00020000, "a:TABLEROW.Alignment"},
    {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"}, {0x02006967, 0x00040000, "a:FootingRow"},
    {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k7_0_3_SRptListRow_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k7_0_3_SRptListCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006900, 0x00040000, "a:Sortable"}, {0x02006901, 0x00040000, "a:Sorted"},
    {0x02006940, 0x00040000, "a:Enabled"}, {0x02006941, 0x00030000, "a:CellResID"}, {0x02006942, 0x000A0000, "a:DefaultText"},
    {0x02006943, 0x000A0000, "a:TextFromRes"}, {0x02006944, 0x00030000, "a:CellID"}, {0x02006945, 0x00020000, "a:Width"},
    {0x02006946, 0x00040000, "a:Keyword"}, {0x02006947, 0x00040000, "a:TABLECELL.Title"}, {0x02006948, 0x00020000, "a:VertAlign"},
    {0x02006949, 0x00020000, "a:TABLECELL.Border"}, {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k7_0_3_SRptListCell_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_3_SRptPara_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"},
    {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"},
    {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"},
    {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"},
    {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"},
    {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"},
    {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"},
    {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"}, {0x02006019, 0x00020000, "a:DefaultTabSize"},
    {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_0_3_SRptPara_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_0_3_SRepObjectBase_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k7_0_3_SRepObjectBase_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_3_SRptParaFooter_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"},
    {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"},
    {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"},
    {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"},
    {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"},
    {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"},
    {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"},
    {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"}, {0x02006019, 0x00020000, "a:DefaultTabSize"},
    {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_0_3_SRptParaFooter_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_0_3_SRptParaHeader_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"},
    {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"},
    {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"},
    {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"},
    {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"},
    {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"},
    {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"},
    {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"}, {0x02006019, 0x00020000, "a:DefaultTabSize"},
    {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_0_3_SRptParaHeader_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_0_3_SRepShortcut_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x0100000A, 0x80030000, "a:ParentShct"}, {0x0100000B, 0x000900FE, "a:DispName"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x04000180, 0x000A0000, "a:Type"}, {0x04000181, 0x80030000, "a:TrgtModl"},
    {0x04000182, 0x80030000, "a:TrgtFold"}, {0x04000183, 0x000A0000, "a:Status"}, {0x04000184, 0x80030000, "a:Object"},
    {0x04000185, 0x00010000, "a:ExtOID"}, {0x04000186, 0x00010000, "a:ExtCLSID"}, {0x0400018C, 0x00040000, "a:External"},
};
const RPTDTDENTRY k7_0_3_SRepShortcut_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x04000087, 0x00000000, "c:Symbols"}, {0x04000188, 0x00000000, "c:LinkedShct"},
};
const RPTDTDENTRY k7_0_3_SRptParaItem_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"},
    {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"},
    {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"},
    {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"},
    {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"},
    {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"},
    {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"},
    {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"}, {0x02006019, 0x00020000, "a:DefaultTabSize"},
    {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_0_3_SRptParaItem_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_0_3_SRepSessionExtern_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x04000190, 0x000A0000, "a:EMODL.Type"}, {0x04000191, 0x000A0000, "a:FileName"}, {0x04000193, 0x000A0000, "a:EMODL.Status"},
    {0x04000194, 0x00040000, "a:Used"}, {0x04000195, 0x000A0000, "a:ModelURL"}, {0x04000196, 0x00010000, "a:ModelID"},
    {0x04000197, 0x00010000, "a:ModelCLSID"},
};
const RPTDTDENTRY k7_0_3_SRepSessionExtern_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x04000198, 0x00000000, "c:Shortcuts"},
};
const RPTDTDENTRY k7_0_3_SRptParaTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"},
    {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"},
    {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"},
    {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"},
    {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"},
    {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"},
    {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"},
    {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"}, {0x02006019, 0x00020000, "a:DefaultTabSize"},
    {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_0_3_SRptParaTitle_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_0_3_SRepRootObject_A[] = {
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
};
const RPTDTDENTRY k7_0_3_SRepRootObject_C[] = {
    {0x02000022, 0x00000000, "c:SubFolders"}, {0x02000023, 0x00000000, "c:Objects"},
};
const RPTDTDENTRY k7_0_3_SRptPageBreak_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006420, 0x00040000, "a:HtmlGen"},
};
const RPTDTDENTRY k7_0_3_SRptPageBreak_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptTable_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k7_0_3_SRptTable_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
    {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k7_0_3_SRptTableCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006940, 0x00040000, "a:Enabled"}, {0x02006941, 0x00030000, "a:CellResID"},
    {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"}, {0x02006944, 0x00030000, "a:CellID"},
    {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"}, {0x02006947, 0x00040000, "a:TABLECELL.Title"},
    {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"}, {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k7_0_3_SRptTableCell_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDENTRY k7_0_3_SRptTableRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"}, {0x02006961, 0x00030000, "a:Height"},
    {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"}, {0x02006964, 0x00020000, "a:TABLEROW.Alignment"},
    {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"}, {0x02006967, 0x00040000, "a:FootingRow"},
    {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k7_0_3_SRptTableRow_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k7_0_3_SRptTblCts_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006480, 0x000A0000, "a:TBLCTS.Title"},
};
const RPTDTDENTRY k7_0_3_SRptTblCts_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptTemplate_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"}, {0x0200610C, 0x000A0000, "a:Label"},
    {0x02006200, 0x000A0000, "a:Header"}, {0x02006201, 0x000A0000, "a:ExpHeader"}, {0x02006202, 0x00040000, "a:HeaderNeedExpand"},
    {0x02006203, 0x00040000, "a:HasHeaderBorder"}, {0x02006204, 0x000A0000, "a:Footer"}, {0x02006205, 0x000A0000, "a:ExpFooter"},
    {0x02006206, 0x00040000, "a:FooterNeedExpand"}, {0x02006207, 0x00040000, "a:HasFooterBorder"}, {0x02006208, 0x000F0000, "a:Margin"},
    {0x02006209, 0x000F0000, "a:MinMargin"}, {0x0200620A, 0x000E0000, "a:TMPLT.PaperSize"}, {0x0200620B, 0x00030000, "a:Orientation"},
    {0x0200620C, 0x00030000, "a:PaperFormat"}, {0x02006217, 0x80030000, "a:ParentReport"},
};
const RPTDTDENTRY k7_0_3_SRptTemplate_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptText_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x020063E0, 0x000A0000, "a:RPTTEXT.Text"},
};
const RPTDTDENTRY k7_0_3_SRptText_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptTextFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"},
    {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k7_0_3_SRptTextFile_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006103, 0x00040000, "a:Container"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x0200610A, 0x000A0000, "a:LabelInAvailable"}, {0x0200610B, 0x000A0000, "a:LabelInTemplate"},
    {0x0200610C, 0x000A0000, "a:Label"}, {0x02006400, 0x00020000, "a:Level"}, {0x02006401, 0x000A0000, "a:TITLE.Text"},
};
const RPTDTDENTRY k7_0_3_SRptTitle_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"}, {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_0_3_SRptTabulation_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x0100000A, 0x80030000, "a:Parent"}, {0x0100000C, 0x000A0000, "a:ClssName"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006050, 0x80030000, "a:ParentPara"}, {0x02006051, 0x00030000, "a:Position"},
    {0x02006052, 0x00030000, "a:Alignment"},
};
const RPTDTDENTRY k7_0_3_SRptTabulation_C[] = {
    {0x01000014, 0x00000000, "c:ObjShortcuts"},
};
const RPTDTDCLASS k7_0_3[] = {
    {MakeGUID("{36083F60-1A49-11D1-83D9-444553540000}"), "o:SSymPolyline", k7_0_3_SSymPolyline_A, 9, nullptr, 0},
    {MakeGUID("{36083F61-1A49-11D1-83D9-444553540000}"), "o:SSymRectangle", k7_0_3_SSymRectangle_A, 6, nullptr, 0},
    {MakeGUID("{36083F62-1A49-11D1-83D9-444553540000}"), "o:SSymEllipse", k7_0_3_SSymEllipse_A, 6, nullptr, 0},
    {MakeGUID("{36083F63-1A49-11D1-83D9-444553540000}"), "o:SSymText", k7_0_3_SSymText_A, 8, nullptr, 0},
    {MakeGUID("{36083F64-1A49-11D1-83D9-444553540000}"), "o:SSymLinkSym", k7_0_3_SSymLinkSym_A, 9, k7_0_3_SSymLinkSym_C, 2},
    {MakeGUID("{36083F65-1A49-11D1-83D9-444553540000}"), "o:SSymBitmap", k7_0_3_SSymBitmap_A, 5, nullptr, 0},
    {MakeGUID("{36083F66-1A49-11D1-83D9-444553540000}"), "o:SSymMetafile", k7_0_3_SSymMetafile_A, 5, nullptr, 0},
    {MakeGUID("{36083F67-1A49-11D1-83D9-444553540000}"), "o:SSymGroup", k7_0_3_SSymGroup_A, 5, k7_0_3_SSymGroup_C, 1},
    {MakeGUID("{36083F68-1A49-11D1-83D9-444553540000}"), "o:SSymOle", k7_0_3_SSymOle_A, 5, nullptr, 0},
    {MakeGUID("{36083F69-1A49-11D1-83D9-444553540000}"), "o:SSymPolygon", k7_0_3_SSymPolygon_A, 9, nullptr, 0},
    {MakeGUID("{36083F6A-1A49-11D1-83D9-444553540000}"), "o:SSymRoundRect", k7_0_3_SSymRoundRect_A, 6, nullptr, 0},
    {MakeGUID("{36083F6B-1A49-11D1-83D9-444553540000}"), "o:SSymComposite", k7_0_3_SSymComposite_A, 5, k7_0_3_SSymComposite_C, 1},
    {MakeGUID("{36083F6C-1A49-11D1-83D9-444553540000}"), "o:SSymArrow", k7_0_3_SSymArrow_A, 6, nullptr, 0},
    {MakeGUID("{36083F6D-1A49-11D1-83D9-444553540000}"), "o:SSymDiagram", k7_0_3_SSymDiagram_A, 16, k7_0_3_SSymDiagram_C, 2},
    {MakeGUID("{36083F6F-1A49-11D1-83D9-444553540000}"), "o:SSymArc", k7_0_3_SSymArc_A, 6, nullptr, 0},
    {MakeGUID("{36083F70-1A49-11D1-83D9-444553540000}"), "o:SSymBase", k7_0_3_SSymBase_A, 5, nullptr, 0},
    {MakeGUID("{36083F71-1A49-11D1-83D9-444553540000}"), "o:SSymStd", k7_0_3_SSymStd_A, 6, nullptr, 0},
    {MakeGUID("{36083F72-1A49-11D1-83D9-444553540000}"), "o:SSymSolid", k7_0_3_SSymSolid_A, 6, nullptr, 0},
    {MakeGUID("{A6BAC8D0-B730-11D1-8898-00A02455633B}"), "o:SRptBase", k7_0_3_SRptBase_A, 7, k7_0_3_SRptBase_C, 1},
    {MakeGUID("{A6BAC8D1-B730-11D1-8898-00A02455633B}"), "o:SRptReport", k7_0_3_SRptReport_A, 23, k7_0_3_SRptReport_C, 5},
    {MakeGUID("{A6BAC8D2-B730-11D1-8898-00A02455633B}"), "o:SRptCustom", k7_0_3_SRptCustom_A, 24, k7_0_3_SRptCustom_C, 3},
    {MakeGUID("{A6BAC8D3-B730-11D1-8898-00A02455633B}"), "o:SRptParaContainer", k7_0_3_SRptParaContainer_A, 7, k7_0_3_SRptParaContainer_C, 2},
    {MakeGUID("{A6BAC8D4-B730-11D1-8898-00A02455633B}"), "o:SRptField", k7_0_3_SRptField_A, 12, k7_0_3_SRptField_C, 1},
    {MakeGUID("{A6BAC8D5-B730-11D1-8898-00A02455633B}"), "o:SRptFile", k7_0_3_SRptFile_A, 22, k7_0_3_SRptFile_C, 3},
    {MakeGUID("{A6BAC8D6-B730-11D1-8898-00A02455633B}"), "o:SRptFolder", k7_0_3_SRptFolder_A, 30, k7_0_3_SRptFolder_C, 3},
    {MakeGUID("{A6BAC8D7-B730-11D1-8898-00A02455633B}"), "o:SRptForm", k7_0_3_SRptForm_A, 24, k7_0_3_SRptForm_C, 4},
    {MakeGUID("{A6BAC8D8-B730-11D1-8898-00A02455633B}"), "o:SRptFormCell", k7_0_3_SRptFormCell_A, 18, k7_0_3_SRptFormCell_C, 1},
    {MakeGUID("{A6BAC8D9-B730-11D1-8898-00A02455633B}"), "o:SRptFormRow", k7_0_3_SRptFormRow_A, 17, k7_0_3_SRptFormRow_C, 2},
    {MakeGUID("{A6BAC8DD-B730-11D1-8898-00A02455633B}"), "o:SRptUserGraphic", k7_0_3_SRptUserGraphic_A, 28, k7_0_3_SRptUserGraphic_C, 3},
    {MakeGUID("{A6BAC8DE-B730-11D1-8898-00A02455633B}"), "o:SRptGroup", k7_0_3_SRptGroup_A, 28, k7_0_3_SRptGroup_C, 3},
    {MakeGUID("{A6BAC8DF-B730-11D1-8898-00A02455633B}"), "o:SRptGraphicFile", k7_0_3_SRptGraphicFile_A, 22, k7_0_3_SRptGraphicFile_C, 3},
    {MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}"), "o:SRepObject", k7_0_3_SRepObject_A, 2, nullptr, 0},
    {MakeGUID("{A6BAC8E0-B730-11D1-8898-00A02455633B}"), "o:SRptGrpMember", k7_0_3_SRptGrpMember_A, 19, k7_0_3_SRptGrpMember_C, 3},
    {MakeGUID("{A6BAC8E1-B730-11D1-8898-00A02455633B}"), "o:SRptGrpText", k7_0_3_SRptGrpText_A, 25, k7_0_3_SRptGrpText_C, 3},
    {MakeGUID("{A6BAC8E2-B730-11D1-8898-00A02455633B}"), "o:SRptGrpTitle", k7_0_3_SRptGrpTitle_A, 29, k7_0_3_SRptGrpTitle_C, 3},
    {MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}"), "o:SRptItem", k7_0_3_SRptItem_A, 19, k7_0_3_SRptItem_C, 3},
    {MakeGUID("{A6BAC8E4-B730-11D1-8898-00A02455633B}"), "o:SRptList", k7_0_3_SRptList_A, 25, k7_0_3_SRptList_C, 4},
    {MakeGUID("{A6BAC8E5-B730-11D1-8898-00A02455633B}"), "o:SRptListRow", k7_0_3_SRptListRow_A, 16, k7_0_3_SRptListRow_C, 2},
    {MakeGUID("{A6BAC8E6-B730-11D1-8898-00A02455633B}"), "o:SRptListCell", k7_0_3_SRptListCell_A, 20, k7_0_3_SRptListCell_C, 1},
    {MakeGUID("{A6BAC8E9-B730-11D1-8898-00A02455633B}"), "o:SRptPara", k7_0_3_SRptPara_A, 32, k7_0_3_SRptPara_C, 2},
    {MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}"), "o:SRepObjectBase", k7_0_3_SRepObjectBase_A, 7, k7_0_3_SRepObjectBase_C, 1},
    {MakeGUID("{A6BAC8EA-B730-11D1-8898-00A02455633B}"), "o:SRptParaFooter", k7_0_3_SRptParaFooter_A, 32, k7_0_3_SRptParaFooter_C, 2},
    {MakeGUID("{A6BAC8EB-B730-11D1-8898-00A02455633B}"), "o:SRptParaHeader", k7_0_3_SRptParaHeader_A, 32, k7_0_3_SRptParaHeader_C, 2},
    {MakeGUID("{362D41EC-9D82-11D1-8E5D-444553540000}"), "o:SRepShortcut", k7_0_3_SRepShortcut_A, 18, k7_0_3_SRepShortcut_C, 3},
    {MakeGUID("{A6BAC8EC-B730-11D1-8898-00A02455633B}"), "o:SRptParaItem", k7_0_3_SRptParaItem_A, 32, k7_0_3_SRptParaItem_C, 2},
    {MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}"), "o:SRepSessionExtern", k7_0_3_SRepSessionExtern_A, 16, k7_0_3_SRepSessionExtern_C, 2},
    {MakeGUID("{A6BAC8ED-B730-11D1-8898-00A02455633B}"), "o:SRptParaTitle", k7_0_3_SRptParaTitle_A, 32, k7_0_3_SRptParaTitle_C, 2},
    {MakeGUID("{362D41EE-9D82-11D1-8E5D-444553540000}"), "o:SRepRootObject", k7_0_3_SRepRootObject_A, 2, k7_0_3_SRepRootObject_C, 2},
    {MakeGUID("{A6BAC8EE-B730-11D1-8898-00A02455633B}"), "o:SRptPageBreak", k7_0_3_SRptPageBreak_A, 20, k7_0_3_SRptPageBreak_C, 3},
    {MakeGUID("{A6BAC8F2-B730-11D1-8898-00A02455633B}"), "o:SRptTable", k7_0_3_SRptTable_A, 24, k7_0_3_SRptTable_C, 4},
    {MakeGUID("{A6BAC8F3-B730-11D1-8898-00A02455633B}"), "o:SRptTableCell", k7_0_3_SRptTableCell_A, 18, k7_0_3_SRptTableCell_C, 1},
    {MakeGUID("{A6BAC8F4-B730-11D1-8898-00A02455633B}"), "o:SRptTableRow", k7_0_3_SRptTableRow_A, 16, k7_0_3_SRptTableRow_C, 2},
    {MakeGUID("{A6BAC8F5-B730-11D1-8898-00A02455633B}"), "o:SRptTblCts", k7_0_3_SRptTblCts_A, 20, k7_0_3_SRptTblCts_C, 3},
    {MakeGUID("{A6BAC8F6-B730-11D1-8898-00A02455633B}"), "o:SRptTemplate", k7_0_3_SRptTemplate_A, 35, k7_0_3_SRptTemplate_C, 3},
    {MakeGUID("{A6BAC8F7-B730-11D1-8898-00A02455633B}"), "o:SRptText", k7_0_3_SRptText_A, 20, k7_0_3_SRptText_C, 3},
    {MakeGUID("{A6BAC8F8-B730-11D1-8898-00A02455633B}"), "o:SRptTextFile", k7_0_3_SRptTextFile_A, 22, k7_0_3_SRptTextFile_C, 3},
    {MakeGUID("{A6BAC8F9-B730-11D1-8898-00A02455633B}"), "o:SRptTitle", k7_0_3_SRptTitle_A, 21, k7_0_3_SRptTitle_C, 3},
    {MakeGUID("{A6BAC8FA-B730-11D1-8898-00A02455633B}"), "o:SRptTabulation", k7_0_3_SRptTabulation_A, 10, k7_0_3_SRptTabulation_C, 1},
};
const RPTDTDENTRY k7_5_0_SSymPolyline_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00000000, "a:ListPt"},
    {0x02010004, 0x00000000, "a:LineStyle"}, {0x02010008, 0x00000000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymRectangle_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymEllipse_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymText_A[] = {
    {0x01000009, 0x00000000, "a:Text"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010006, 0x00000000, "a:Font"},
    {0x02010007, 0x00000000, "a:Style"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymLinkSym_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00000000, "a:ListPt"},
    {0x02010004, 0x00000000, "a:LineStyle"}, {0x02010008, 0x00000000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymLinkSym_C[] = {
    {0x0201000E, 0x00000000, "c:LinkSrc"}, {0x0201000F, 0x00000000, "c:LinkDst"},
};
const RPTDTDENTRY k7_5_0_SSymBitmap_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymMetafile_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymGroup_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymGroup_C[] = {
    {0x02010011, 0x00000000, "c:COMPOSITE.Symbols"},
};
const RPTDTDENTRY k7_5_0_SSymOle_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymPolygon_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00000000, "a:ListPt"},
    {0x02010004, 0x00000000, "a:LineStyle"}, {0x02010008, 0x00000000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymRoundRect_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymComposite_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymComposite_C[] = {
    {0x02010011, 0x00000000, "c:COMPOSITE.Symbols"},
};
const RPTDTDENTRY k7_5_0_SSymArrow_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymDiagram_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02010021, 0x00000000, "a:Comment"}, {0x02010022, 0x00000000, "a:DispPrefSave"}, {0x02010023, 0x00000000, "a:PaperSize"},
    {0x02010024, 0x00000000, "a:Margins"}, {0x02010025, 0x00000000, "a:Scale"}, {0x02010026, 0x00000000, "a:PgSize"},
    {0x02010027, 0x00000000, "a:PgOrientation"}, {0x02010038, 0x00060000, "a:Flags"},
};
const RPTDTDENTRY k7_5_0_SSymDiagram_C[] = {
    {0x02010015, 0x00000000, "c:Symbols"},
};
const RPTDTDENTRY k7_5_0_SSymArc_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymBase_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymStd_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SSymSolid_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k7_5_0_SRptBase_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k7_5_0_SRptReport_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02000001, 0x000A0000, "a:Labl"}, {0x02006500, 0x00030000, "a:LangID"},
    {0x02006503, 0x000A0000, "a:FirstPageTitle"}, {0x02006504, 0x000A0000, "a:FirstPageAuthor"}, {0x02006505, 0x000A0000, "a:FirstPageVersion"},
    {0x02006506, 0x000A0000, "a:FirstPageDate"}, {0x02006507, 0x000A0000, "a:FirstPageSummary"}, {0x02006508, 0x00040000, "a:HasFirstPage"},
    {0x02006509, 0x00040000, "a:HasFirstPageTitle"}, {0x0200650A, 0x00040000, "a:HasFirstPageAuthor"}, {0x0200650B, 0x00040000, "a:HasFirstPageVersion"},
    {0x0200650C, 0x00040000, "a:HasFirstPageDate"}, {0x0200650D, 0x00040000, "a:HasFirstPageSummary"},
};
const RPTDTDENTRY k7_5_0_SRptReport_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006550, 0x00000000, "c:Templates"},
};
const RPTDTDENTRY k7_5_0_SRptCustom_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k7_5_0_SRptCustom_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptParaContainer_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k7_5_0_SRptParaContainer_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptField_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006801, 0x000A0000, "a:FIELD.ModuleID"},
    {0x02006802, 0x000A0000, "a:FieldName"}, {0x02006803, 0x000A0000, "a:Descr"}, {0x02006804, 0x000A0000, "a:Value"},
    {0x02006805, 0x00030000, "a:PresenceFlag"},
};
const RPTDTDENTRY k7_5_0_SRptFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"},
    {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k7_5_0_SRptFile_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptFolder_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006320, 0x00040000, "a:Valid"}, {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"},
    {0x02006323, 0x00030000, "a:UserParam"}, {0x02006380, 0x000A0000, "a:RPTFOLDER.Text"}, {0x02006381, 0x00030000, "a:NbMaxLevels"},
};
const RPTDTDENTRY k7_5_0_SRptFolder_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptForm_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k7_5_0_SRptForm_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k7_5_0_SRptFormCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006940, 0x00040000, "a:Enabled"},
    {0x02006941, 0x00030000, "a:CellResID"}, {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"},
    {0x02006944, 0x00030000, "a:CellID"}, {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"},
    {0x02006947, 0x00040000, "a:TABLECELL.Title"}, {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"},
    {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k7_5_0_SRptFormRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"},
    {0x02006961, 0x00030000, "a:Height"}, {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"},
    {0x02006964, 0x00020000, "a:TABLEROW.Alignment"}, {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"},
    {0x02006967, 0x00040000, "a:FootingRow"}, {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k7_5_0_SRptFormRow_C[] = {
    {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k7_5_0_SRptUserGraphic_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006460, 0x00020000, "a:Format"}, {0x02006461, 0x00040000, "a:UseZoom"}, {0x02006462, 0x00020000, "a:OnePageType"},
    {0x02006463, 0x00020000, "a:ZoomPerct"},
};
const RPTDTDENTRY k7_5_0_SRptUserGraphic_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptGroup_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006320, 0x00040000, "a:Valid"}, {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"},
    {0x02006323, 0x00030000, "a:UserParam"},
};
const RPTDTDENTRY k7_5_0_SRptGroup_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptGraphicFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"},
    {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k7_5_0_SRptGraphicFile_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptGrpMember_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"},
};
const RPTDTDENTRY k7_5_0_SRptGrpMember_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptGrpText_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006361, 0x00040000, "a:DisplayIfEmpty"},
};
const RPTDTDENTRY k7_5_0_SRptGrpText_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptGrpTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006320, 0x00040000, "a:Valid"}, {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"},
    {0x02006323, 0x00030000, "a:UserParam"}, {0x02006340, 0x000A0000, "a:GRPTL.Text"},
};
const RPTDTDENTRY k7_5_0_SRptGrpTitle_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptItem_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"},
};
const RPTDTDENTRY k7_5_0_SRptItem_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptList_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006920, 0x00040000, "a:LIST.Sorted"},
};
const RPTDTDENTRY k7_5_0_SRptList_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k7_5_0_SRptListRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"},
    {0x02006961, 0x00030000, "a:Height"}, {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"},
    {0x02006964, 0x00020000, "a:TABLEROW.Alignment"}, {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"},
    {0x02006967, 0x00040000, "a:FootingRow"}, {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k7_5_0_SRptListRow_C[] = {
    {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k7_5_0_SRptListCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006900, 0x00040000, "a:Sortable"},
    {0x02006901, 0x00040000, "a:Sorted"}, {0x02006940, 0x00040000, "a:Enabled"}, {0x02006941, 0x00030000, "a:CellResID"},
    {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"}, {0x02006944, 0x00030000, "a:CellID"},
    {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"}, {0x02006947, 0x00040000, "a:TABLECELL.Title"},
    {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"}, {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k7_5_0_SRptPara_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"},
    {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"},
    {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"},
    {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"},
    {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"},
    {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"},
    {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"},
    {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"},
    {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_5_0_SRptPara_C[] = {
    {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_5_0_SRepObjectBase_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k7_5_0_SRptParaFooter_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"},
    {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"},
    {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"},
    {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"},
    {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"},
    {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"},
    {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"},
    {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"},
    {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_5_0_SRptParaFooter_C[] = {
    {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_5_0_SRptParaHeader_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"},
    {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"},
    {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"},
    {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"},
    {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"},
    {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"},
    {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"},
    {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"},
    {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_5_0_SRptParaHeader_C[] = {
    {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_5_0_SRepShortcut_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x04000185, 0x00010000, "a:ExtOID"}, {0x04000186, 0x00010000, "a:ExtCLSID"},
};
const RPTDTDENTRY k7_5_0_SRepShortcut_C[] = {
    {0x0200018D, 0x00000000, "c:SubShortcut"}, {0x04000188, 0x00000000, "c:LinkedShct"},
};
const RPTDTDENTRY k7_5_0_SRptParaItem_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"},
    {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"},
    {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"},
    {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"},
    {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"},
    {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"},
    {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"},
    {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"},
    {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_5_0_SRptParaItem_C[] = {
    {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_5_0_SRepSessionExtern_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x04000195, 0x000A0000, "a:ModelURL"}, {0x04000196, 0x00010000, "a:ModelID"},
    {0x04000197, 0x00010000, "a:ModelCLSID"},
};
const RPTDTDENTRY k7_5_0_SRepSessionExtern_C[] = {
    {0x04000198, 0x00000000, "c:Shortcuts"},
};
const RPTDTDENTRY k7_5_0_SRptParaTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"},
    {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"},
    {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"},
    {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"},
    {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"},
    {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"},
    {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"},
    {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"},
    {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
};
const RPTDTDENTRY k7_5_0_SRptParaTitle_C[] = {
    {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k7_5_0_SRepRootObject_C[] = {
    {0x02000022, 0x00000000, "c:SubFolders"}, {0x02000023, 0x00000000, "c:Objects"},
};
const RPTDTDENTRY k7_5_0_SRptPageBreak_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006420, 0x00040000, "a:HtmlGen"},
};
const RPTDTDENTRY k7_5_0_SRptPageBreak_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptTable_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k7_5_0_SRptTable_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k7_5_0_SRptTableCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006940, 0x00040000, "a:Enabled"},
    {0x02006941, 0x00030000, "a:CellResID"}, {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"},
    {0x02006944, 0x00030000, "a:CellID"}, {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"},
    {0x02006947, 0x00040000, "a:TABLECELL.Title"}, {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"},
    {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k7_5_0_SRptTableRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"},
    {0x02006961, 0x00030000, "a:Height"}, {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"},
    {0x02006964, 0x00020000, "a:TABLEROW.Alignment"}, {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"},
    {0x02006967, 0x00040000, "a:FootingRow"}, {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k7_5_0_SRptTableRow_C[] = {
    {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k7_5_0_SRptTblCts_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x0200609A, 0x00030000, "a:NbParagraphs"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"},
    {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006480, 0x000A0000, "a:TBLCTS.Title"},
};
const RPTDTDENTRY k7_5_0_SRptTblCts_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptTemplate_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006200, 0x000A0000, "a:Header"}, {0x02006201, 0x000A0000, "a:ExpHeader"}, {0x02006202, 0x00040000, "a:HeaderNeedExpand"},
    {0x02006203, 0x00040000, "a:HasHeaderBorder"}, {0x02006204, 0x000A0000, "a:Footer"}, {0x02006205, 0x000A0000, "a:ExpFooter"},
    {0x02006206, 0x00040000, "a:FooterNeedExpand"}, {0x02006207, 0x00040000, "a:HasFooterBorder"}, {0x02006208, 0x000F0000, "a:Margin"},
    {0x02006209, 0x000F0000, "a:MinMargin"}, {0x0200620A, 0x000E0000, "a:TMPLT.PaperSize"}, {0x0200620B, 0x00030000, "a:Orientation"},
    {0x0200620C, 0x00030000, "a:PaperFormat"},
};
const RPTDTDENTRY k7_5_0_SRptTemplate_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptText_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x020063E0, 0x000A0000, "a:RPTTEXT.Text"},
};
const RPTDTDENTRY k7_5_0_SRptText_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptTextFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"},
    {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k7_5_0_SRptTextFile_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006400, 0x00020000, "a:Level"}, {0x02006401, 0x000A0000, "a:TITLE.Text"},
};
const RPTDTDENTRY k7_5_0_SRptTitle_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k7_5_0_SRptTabulation_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006051, 0x00030000, "a:Position"},
    {0x02006052, 0x00030000, "a:Alignment"},
};
const RPTDTDCLASS k7_5_0[] = {
    {MakeGUID("{36083F60-1A49-11D1-83D9-444553540000}"), "o:SSymPolyline", k7_5_0_SSymPolyline_A, 7, nullptr, 0},
    {MakeGUID("{36083F61-1A49-11D1-83D9-444553540000}"), "o:SSymRectangle", k7_5_0_SSymRectangle_A, 4, nullptr, 0},
    {MakeGUID("{36083F62-1A49-11D1-83D9-444553540000}"), "o:SSymEllipse", k7_5_0_SSymEllipse_A, 4, nullptr, 0},
    {MakeGUID("{36083F63-1A49-11D1-83D9-444553540000}"), "o:SSymText", k7_5_0_SSymText_A, 6, nullptr, 0},
    {MakeGUID("{36083F64-1A49-11D1-83D9-444553540000}"), "o:SSymLinkSym", k7_5_0_SSymLinkSym_A, 7, k7_5_0_SSymLinkSym_C, 2},
    {MakeGUID("{36083F65-1A49-11D1-83D9-444553540000}"), "o:SSymBitmap", k7_5_0_SSymBitmap_A, 3, nullptr, 0},
    {MakeGUID("{36083F66-1A49-11D1-83D9-444553540000}"), "o:SSymMetafile", k7_5_0_SSymMetafile_A, 3, nullptr, 0},
    {MakeGUID("{36083F67-1A49-11D1-83D9-444553540000}"), "o:SSymGroup", k7_5_0_SSymGroup_A, 3, k7_5_0_SSymGroup_C, 1},
    {MakeGUID("{36083F68-1A49-11D1-83D9-444553540000}"), "o:SSymOle", k7_5_0_SSymOle_A, 3, nullptr, 0},
    {MakeGUID("{36083F69-1A49-11D1-83D9-444553540000}"), "o:SSymPolygon", k7_5_0_SSymPolygon_A, 7, nullptr, 0},
    {MakeGUID("{36083F6A-1A49-11D1-83D9-444553540000}"), "o:SSymRoundRect", k7_5_0_SSymRoundRect_A, 4, nullptr, 0},
    {MakeGUID("{36083F6B-1A49-11D1-83D9-444553540000}"), "o:SSymComposite", k7_5_0_SSymComposite_A, 3, k7_5_0_SSymComposite_C, 1},
    {MakeGUID("{36083F6C-1A49-11D1-83D9-444553540000}"), "o:SSymArrow", k7_5_0_SSymArrow_A, 4, nullptr, 0},
    {MakeGUID("{36083F6D-1A49-11D1-83D9-444553540000}"), "o:SSymDiagram", k7_5_0_SSymDiagram_A, 14, k7_5_0_SSymDiagram_C, 1},
    {MakeGUID("{36083F6F-1A49-11D1-83D9-444553540000}"), "o:SSymArc", k7_5_0_SSymArc_A, 4, nullptr, 0},
    {MakeGUID("{36083F70-1A49-11D1-83D9-444553540000}"), "o:SSymBase", k7_5_0_SSymBase_A, 3, nullptr, 0},
    {MakeGUID("{36083F71-1A49-11D1-83D9-444553540000}"), "o:SSymStd", k7_5_0_SSymStd_A, 4, nullptr, 0},
    {MakeGUID("{36083F72-1A49-11D1-83D9-444553540000}"), "o:SSymSolid", k7_5_0_SSymSolid_A, 4, nullptr, 0},
    {MakeGUID("{A6BAC8D0-B730-11D1-8898-00A02455633B}"), "o:SRptBase", k7_5_0_SRptBase_A, 5, nullptr, 0},
    {MakeGUID("{A6BAC8D1-B730-11D1-8898-00A02455633B}"), "o:SRptReport", k7_5_0_SRptReport_A, 20, k7_5_0_SRptReport_C, 2},
    {MakeGUID("{A6BAC8D2-B730-11D1-8898-00A02455633B}"), "o:SRptCustom", k7_5_0_SRptCustom_A, 18, k7_5_0_SRptCustom_C, 2},
    {MakeGUID("{A6BAC8D3-B730-11D1-8898-00A02455633B}"), "o:SRptParaContainer", k7_5_0_SRptParaContainer_A, 5, k7_5_0_SRptParaContainer_C, 1},
    {MakeGUID("{A6BAC8D4-B730-11D1-8898-00A02455633B}"), "o:SRptField", k7_5_0_SRptField_A, 10, nullptr, 0},
    {MakeGUID("{A6BAC8D5-B730-11D1-8898-00A02455633B}"), "o:SRptFile", k7_5_0_SRptFile_A, 16, k7_5_0_SRptFile_C, 2},
    {MakeGUID("{A6BAC8D6-B730-11D1-8898-00A02455633B}"), "o:SRptFolder", k7_5_0_SRptFolder_A, 24, k7_5_0_SRptFolder_C, 2},
    {MakeGUID("{A6BAC8D7-B730-11D1-8898-00A02455633B}"), "o:SRptForm", k7_5_0_SRptForm_A, 18, k7_5_0_SRptForm_C, 3},
    {MakeGUID("{A6BAC8D8-B730-11D1-8898-00A02455633B}"), "o:SRptFormCell", k7_5_0_SRptFormCell_A, 16, nullptr, 0},
    {MakeGUID("{A6BAC8D9-B730-11D1-8898-00A02455633B}"), "o:SRptFormRow", k7_5_0_SRptFormRow_A, 14, k7_5_0_SRptFormRow_C, 1},
    {MakeGUID("{A6BAC8DD-B730-11D1-8898-00A02455633B}"), "o:SRptUserGraphic", k7_5_0_SRptUserGraphic_A, 22, k7_5_0_SRptUserGraphic_C, 2},
    {MakeGUID("{A6BAC8DE-B730-11D1-8898-00A02455633B}"), "o:SRptGroup", k7_5_0_SRptGroup_A, 22, k7_5_0_SRptGroup_C, 2},
    {MakeGUID("{A6BAC8DF-B730-11D1-8898-00A02455633B}"), "o:SRptGraphicFile", k7_5_0_SRptGraphicFile_A, 16, k7_5_0_SRptGraphicFile_C, 2},
    {MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}"), "o:SRepObject", nullptr, 0, nullptr, 0},
    {MakeGUID("{A6BAC8E0-B730-11D1-8898-00A02455633B}"), "o:SRptGrpMember", k7_5_0_SRptGrpMember_A, 13, k7_5_0_SRptGrpMember_C, 2},
    {MakeGUID("{A6BAC8E1-B730-11D1-8898-00A02455633B}"), "o:SRptGrpText", k7_5_0_SRptGrpText_A, 19, k7_5_0_SRptGrpText_C, 2},
    {MakeGUID("{A6BAC8E2-B730-11D1-8898-00A02455633B}"), "o:SRptGrpTitle", k7_5_0_SRptGrpTitle_A, 23, k7_5_0_SRptGrpTitle_C, 2},
    {MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}"), "o:SRptItem", k7_5_0_SRptItem_A, 13, k7_5_0_SRptItem_C, 2},
    {MakeGUID("{A6BAC8E4-B730-11D1-8898-00A02455633B}"), "o:SRptList", k7_5_0_SRptList_A, 19, k7_5_0_SRptList_C, 3},
    {MakeGUID("{A6BAC8E5-B730-11D1-8898-00A02455633B}"), "o:SRptListRow", k7_5_0_SRptListRow_A, 14, k7_5_0_SRptListRow_C, 1},
    {MakeGUID("{A6BAC8E6-B730-11D1-8898-00A02455633B}"), "o:SRptListCell", k7_5_0_SRptListCell_A, 18, nullptr, 0},
    {MakeGUID("{A6BAC8E9-B730-11D1-8898-00A02455633B}"), "o:SRptPara", k7_5_0_SRptPara_A, 30, k7_5_0_SRptPara_C, 1},
    {MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}"), "o:SRepObjectBase", k7_5_0_SRepObjectBase_A, 5, nullptr, 0},
    {MakeGUID("{A6BAC8EA-B730-11D1-8898-00A02455633B}"), "o:SRptParaFooter", k7_5_0_SRptParaFooter_A, 30, k7_5_0_SRptParaFooter_C, 1},
    {MakeGUID("{A6BAC8EB-B730-11D1-8898-00A02455633B}"), "o:SRptParaHeader", k7_5_0_SRptParaHeader_A, 30, k7_5_0_SRptParaHeader_C, 1},
    {MakeGUID("{362D41EC-9D82-11D1-8E5D-444553540000}"), "o:SRepShortcut", k7_5_0_SRepShortcut_A, 9, k7_5_0_SRepShortcut_C, 2},
    {MakeGUID("{A6BAC8EC-B730-11D1-8898-00A02455633B}"), "o:SRptParaItem", k7_5_0_SRptParaItem_A, 30, k7_5_0_SRptParaItem_C, 1},
    {MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}"), "o:SRepSessionExtern", k7_5_0_SRepSessionExtern_A, 10, k7_5_0_SRepSessionExtern_C, 1},
    {MakeGUID("{A6BAC8ED-B730-11D1-8898-00A02455633B}"), "o:SRptParaTitle", k7_5_0_SRptParaTitle_A, 30, k7_5_0_SRptParaTitle_C, 1},
    {MakeGUID("{362D41EE-9D82-11D1-8E5D-444553540000}"), "o:SRepRootObject", nullptr, 0, k7_5_0_SRepRootObject_C, 2},
    {MakeGUID("{A6BAC8EE-B730-11D1-8898-00A02455633B}"), "o:SRptPageBreak", k7_5_0_SRptPageBreak_A, 14, k7_5_0_SRptPageBreak_C, 2},
    {MakeGUID("{A6BAC8F2-B730-11D1-8898-00A02455633B}"), "o:SRptTable", k7_5_0_SRptTable_A, 18, k7_5_0_SRptTable_C, 3},
    {MakeGUID("{A6BAC8F3-B730-11D1-8898-00A02455633B}"), "o:SRptTableCell", k7_5_0_SRptTableCell_A, 16, nullptr, 0},
    {MakeGUID("{A6BAC8F4-B730-11D1-8898-00A02455633B}"), "o:SRptTableRow", k7_5_0_SRptTableRow_A, 14, k7_5_0_SRptTableRow_C, 1},
    {MakeGUID("{A6BAC8F5-B730-11D1-8898-00A02455633B}"), "o:SRptTblCts", k7_5_0_SRptTblCts_A, 15, k7_5_0_SRptTblCts_C, 2},
    {MakeGUID("{A6BAC8F6-B730-11D1-8898-00A02455633B}"), "o:SRptTemplate", k7_5_0_SRptTemplate_A, 28, k7_5_0_SRptTemplate_C, 2},
    {MakeGUID("{A6BAC8F7-B730-11D1-8898-00A02455633B}"), "o:SRptText", k7_5_0_SRptText_A, 14, k7_5_0_SRptText_C, 2},
    {MakeGUID("{A6BAC8F8-B730-11D1-8898-00A02455633B}"), "o:SRptTextFile", k7_5_0_SRptTextFile_A, 16, k7_5_0_SRptTextFile_C, 2},
    {MakeGUID("{A6BAC8F9-B730-11D1-8898-00A02455633B}"), "o:SRptTitle", k7_5_0_SRptTitle_A, 15, k7_5_0_SRptTitle_C, 2},
    {MakeGUID("{A6BAC8FA-B730-11D1-8898-00A02455633B}"), "o:SRptTabulation", k7_5_0_SRptTabulation_A, 7, nullptr, 0},
};
const RPTDTDENTRY k8_0_0_SSymPolyline_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00000000, "a:ListPt"},
    {0x02010004, 0x00000000, "a:LineStyle"}, {0x02010008, 0x00000000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymRectangle_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymEllipse_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymText_A[] = {
    {0x01000009, 0x00000000, "a:Text"}, {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010006, 0x00000000, "a:Font"},
    {0x02010007, 0x00000000, "a:Style"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymLinkSym_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00000000, "a:ListPt"},
    {0x02010004, 0x00000000, "a:LineStyle"}, {0x02010008, 0x00000000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymLinkSym_C[] = {
    {0x0201000E, 0x00000000, "c:LinkSrc"}, {0x0201000F, 0x00000000, "c:LinkDst"},
};
const RPTDTDENTRY k8_0_0_SSymBitmap_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymMetafile_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymGroup_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymGroup_C[] = {
    {0x02010015, 0x00000000, "c:Symbols"},
};
const RPTDTDENTRY k8_0_0_SSymOle_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymPolygon_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00000000, "a:ListPt"},
    {0x02010004, 0x00000000, "a:LineStyle"}, {0x02010008, 0x00000000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymRoundRect_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymComposite_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymComposite_C[] = {
    {0x02010015, 0x00000000, "c:Symbols"},
};
const RPTDTDENTRY k8_0_0_SSymArrow_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymDiagram_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02000001, 0x000A0000, "a:Comment"}, {0x02010022, 0x000A0000, "a:DispPrefSave"},
    {0x02010023, 0x000E0000, "a:PaperSize"}, {0x02010024, 0x000F0000, "a:Margins"}, {0x02010025, 0x00030000, "a:Scale"},
    {0x02010026, 0x00030000, "a:PgSize"}, {0x02010027, 0x00030000, "a:PgOrientation"}, {0x02010028, 0x00030000, "a:PaperSource"},
    {0x02010038, 0x00060000, "a:Flags"}, {0x04000001, 0x000A0000, "a:Desc"}, {0x04000002, 0x000A0000, "a:Note"},
};
const RPTDTDENTRY k8_0_0_SSymDiagram_C[] = {
    {0x02010015, 0x00000000, "c:Symbols"},
};
const RPTDTDENTRY k8_0_0_SSymArc_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymBase_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymStd_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SSymSolid_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"},
    {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_0_SRptBase_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k8_0_0_SRptReport_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02000001, 0x000A0000, "a:Labl"}, {0x02006500, 0x00030000, "a:LangID"},
    {0x02006503, 0x000A0000, "a:FirstPageTitle"}, {0x02006504, 0x000A0000, "a:FirstPageAuthor"}, {0x02006505, 0x000A0000, "a:FirstPageVersion"},
    {0x02006506, 0x000A0000, "a:FirstPageDate"}, {0x02006507, 0x000A0000, "a:FirstPageSummary"}, {0x02006508, 0x00040000, "a:HasFirstPage"},
    {0x02006509, 0x00040000, "a:HasFirstPageTitle"}, {0x0200650A, 0x00040000, "a:HasFirstPageAuthor"}, {0x0200650B, 0x00040000, "a:HasFirstPageVersion"},
    {0x0200650C, 0x00040000, "a:HasFirstPageDate"}, {0x0200650D, 0x00040000, "a:HasFirstPageSummary"}, {0x0200650E, 0x00040000, "a:SectNum"},
};
const RPTDTDENTRY k8_0_0_SRptReport_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006550, 0x00000000, "c:Templates"},
};
const RPTDTDENTRY k8_0_0_SRptCustom_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k8_0_0_SRptCustom_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptParaContainer_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k8_0_0_SRptParaContainer_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptField_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006801, 0x000A0000, "a:FIELD.ModuleID"},
    {0x02006802, 0x000A0000, "a:FieldName"}, {0x02006803, 0x000A0000, "a:Descr"}, {0x02006804, 0x000A0000, "a:Value"},
    {0x02006805, 0x00030000, "a:PresenceFlag"},
};
const RPTDTDENTRY k8_0_0_SRptFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"},
    {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k8_0_0_SRptFile_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptFolder_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006320, 0x00040000, "a:Valid"}, {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"},
    {0x02006323, 0x00030000, "a:UserParam"}, {0x02006380, 0x000A0000, "a:RPTFOLDER.Text"}, {0x02006381, 0x00030000, "a:NbMaxLevels"},
};
const RPTDTDENTRY k8_0_0_SRptFolder_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptForm_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k8_0_0_SRptForm_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k8_0_0_SRptFormCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006940, 0x00040000, "a:Enabled"},
    {0x02006941, 0x00030000, "a:CellResID"}, {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"},
    {0x02006944, 0x00030000, "a:CellID"}, {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"},
    {0x02006947, 0x00040000, "a:TABLECELL.Title"}, {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"},
    {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k8_0_0_SRptFormRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"},
    {0x02006961, 0x00030000, "a:Height"}, {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"},
    {0x02006964, 0x00020000, "a:TABLEROW.Alignment"}, {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"},
    {0x02006967, 0x00040000, "a:FootingRow"}, {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k8_0_0_SRptFormRow_C[] = {
    {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k8_0_0_SRptUserGraphic_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006460, 0x00020000, "a:Format"}, {0x02006461, 0x00040000, "a:UseZoom"}, {0x02006462, 0x00020000, "a:OnePageType"},
    {0x02006463, 0x00020000, "a:ZoomPerct"},
};
const RPTDTDENTRY k8_0_0_SRptUserGraphic_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptGroup_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006320, 0x00040000, "a:Valid"}, {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"},
    {0x02006323, 0x00030000, "a:UserParam"},
};
const RPTDTDENTRY k8_0_0_SRptGroup_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptGraphicFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"},
    {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k8_0_0_SRptGraphicFile_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptGrpMember_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"},
};
const RPTDTDENTRY k8_0_0_SRptGrpMember_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptGrpText_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006361, 0x00040000, "a:DisplayIfEmpty"},
};
const RPTDTDENTRY k8_0_0_SRptGrpText_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptGrpTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006320, 0x00040000, "a:Valid"}, {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"},
    {0x02006323, 0x00030000, "a:UserParam"}, {0x02006340, 0x000A0000, "a:GRPTL.Text"},
};
const RPTDTDENTRY k8_0_0_SRptGrpTitle_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptItem_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"},
};
const RPTDTDENTRY k8_0_0_SRptItem_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptList_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
    {0x02006920, 0x00040000, "a:LIST.Sorted"},
};
const RPTDTDENTRY k8_0_0_SRptList_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k8_0_0_SRptListRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"},
    {0x02006961, 0x00030000, "a:Height"}, {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"},
    {0x02006964, 0x00020000, "a:TABLEROW.Alignment"}, {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"},
    {0x02006967, 0x00040000, "a:FootingRow"}, {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k8_0_0_SRptListRow_C[] = {
    {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k8_0_0_SRptListCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006900, 0x00040000, "a:Sortable"},
    {0x02006901, 0x00040000, "a:Sorted"}, {0x02006940, 0x00040000, "a:Enabled"}, {0x02006941, 0x00030000, "a:CellResID"},
    {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"}, {0x02006944, 0x00030000, "a:CellID"},
    {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"}, {0x02006947, 0x00040000, "a:TABLECELL.Title"},
    {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"}, {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k8_0_0_SRptPara_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"},
    {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"},
    {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"},
    {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"},
    {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"},
    {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"},
    {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"},
    {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"},
    {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
    {0x0200601E, 0x00040000, "a:Box"}, {0x0200601F, 0x00020000, "a:BoxWidth"},
};
const RPTDTDENTRY k8_0_0_SRptPara_C[] = {
    {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k8_0_0_SRepObjectBase_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k8_0_0_SRptParaFooter_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"},
    {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"},
    {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"},
    {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"},
    {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"},
    {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"},
    {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"},
    {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"},
    {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
    {0x0200601E, 0x00040000, "a:Box"}, {0x0200601F, 0x00020000, "a:BoxWidth"},
};
const RPTDTDENTRY k8_0_0_SRptParaFooter_C[] = {
    {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k8_0_0_SRptParaHeader_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"},
    {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"},
    {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"},
    {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"},
    {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"},
    {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"},
    {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"},
    {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"},
    {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
    {0x0200601E, 0x00040000, "a:Box"}, {0x0200601F, 0x00020000, "a:BoxWidth"},
};
const RPTDTDENTRY k8_0_0_SRptParaHeader_C[] = {
    {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k8_0_0_SRepShortcut_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02000004, 0x000A0000, "a:Hist"}, {0x0200000F, 0x00040000, "a:Gene"},
    {0x04000185, 0x00010000, "a:ExtOID"}, {0x04000186, 0x00010000, "a:ExtCLSID"}, {0x0400019B, 0x00020000, "a:GeneType"},
    {0x0400019C, 0x000A0000, "a:TrgtLoct"},
};
const RPTDTDENTRY k8_0_0_SRepShortcut_C[] = {
    {0x0200018D, 0x00000000, "c:SubShortcut"}, {0x04000188, 0x00000000, "c:LinkedShct"},
};
const RPTDTDENTRY k8_0_0_SRptParaItem_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"},
    {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"},
    {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"},
    {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"},
    {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"},
    {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"},
    {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"},
    {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"},
    {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
    {0x0200601E, 0x00040000, "a:Box"}, {0x0200601F, 0x00020000, "a:BoxWidth"},
};
const RPTDTDENTRY k8_0_0_SRptParaItem_C[] = {
    {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k8_0_0_SRepSessionExtern_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x04000195, 0x000A0000, "a:ModelURL"}, {0x04000196, 0x00010000, "a:ModelID"},
    {0x04000197, 0x00010000, "a:ModelCLSID"},
};
const RPTDTDENTRY k8_0_0_SRepSessionExtern_C[] = {
    {0x04000198, 0x00000000, "c:Shortcuts"},
};
const RPTDTDENTRY k8_0_0_SRptParaTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"},
    {0x02006002, 0x00030000, "a:FontHeight"}, {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"},
    {0x02006005, 0x00020000, "a:FontPitch"}, {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"},
    {0x02006008, 0x00020000, "a:Left"}, {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"},
    {0x0200600B, 0x00020000, "a:SpBefore"}, {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"},
    {0x0200600E, 0x00020000, "a:SpType"}, {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"},
    {0x02006011, 0x00020000, "a:SpTxtBorderTop"}, {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"},
    {0x02006014, 0x00020000, "a:SpTxtBorderRight"}, {0x02006015, 0x00020000, "a:Flow"}, {0x02006016, 0x000A0000, "a:ParaName"},
    {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"}, {0x0200601B, 0x00040000, "a:InTable"},
    {0x0200601E, 0x00040000, "a:Box"}, {0x0200601F, 0x00020000, "a:BoxWidth"},
};
const RPTDTDENTRY k8_0_0_SRptParaTitle_C[] = {
    {0x02006030, 0x00000000, "c:Tabs"},
};
const RPTDTDENTRY k8_0_0_SRepRootObject_C[] = {
    {0x02000022, 0x00000000, "c:SubFolders"}, {0x02000023, 0x00000000, "c:Objects"},
};
const RPTDTDENTRY k8_0_0_SRptPageBreak_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006420, 0x00040000, "a:HtmlGen"},
};
const RPTDTDENTRY k8_0_0_SRptPageBreak_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptTable_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"},
    {0x02006302, 0x000A0000, "a:TitleFromRes"}, {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k8_0_0_SRptTable_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k8_0_0_SRptTableCell_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006940, 0x00040000, "a:Enabled"},
    {0x02006941, 0x00030000, "a:CellResID"}, {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"},
    {0x02006944, 0x00030000, "a:CellID"}, {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"},
    {0x02006947, 0x00040000, "a:TABLECELL.Title"}, {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"},
    {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k8_0_0_SRptTableRow_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"},
    {0x02006961, 0x00030000, "a:Height"}, {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"},
    {0x02006964, 0x00020000, "a:TABLEROW.Alignment"}, {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"},
    {0x02006967, 0x00040000, "a:FootingRow"}, {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k8_0_0_SRptTableRow_C[] = {
    {0x02006970, 0x00000000, "c:Cells"},
};
const RPTDTDENTRY k8_0_0_SRptTblCts_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x0200609A, 0x00030000, "a:NbParagraphs"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"},
    {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006480, 0x000A0000, "a:TBLCTS.Title"},
};
const RPTDTDENTRY k8_0_0_SRptTblCts_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptTemplate_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"},
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006200, 0x000A0000, "a:Header"}, {0x02006201, 0x000A0000, "a:ExpHeader"}, {0x02006202, 0x00040000, "a:HeaderNeedExpand"},
    {0x02006203, 0x00040000, "a:HasHeaderBorder"}, {0x02006204, 0x000A0000, "a:Footer"}, {0x02006205, 0x000A0000, "a:ExpFooter"},
    {0x02006206, 0x00040000, "a:FooterNeedExpand"}, {0x02006207, 0x00040000, "a:HasFooterBorder"}, {0x02006208, 0x000F0000, "a:Margin"},
    {0x02006209, 0x000F0000, "a:MinMargin"}, {0x0200620A, 0x000E0000, "a:TMPLT.PaperSize"}, {0x0200620B, 0x00030000, "a:Orientation"},
    {0x0200620C, 0x00030000, "a:PaperFormat"},
};
const RPTDTDENTRY k8_0_0_SRptTemplate_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptText_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x020063E0, 0x000A0000, "a:RPTTEXT.Text"},
};
const RPTDTDENTRY k8_0_0_SRptText_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptTextFile_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"},
    {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k8_0_0_SRptTextFile_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptTitle_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006400, 0x00020000, "a:Level"}, {0x02006401, 0x000A0000, "a:TITLE.Text"},
};
const RPTDTDENTRY k8_0_0_SRptTitle_C[] = {
    {0x02000151, 0x00000000, "c:Items"}, {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_0_SRptTabulation_A[] = {
    {0x01000001, 0x00010000, "a:OID"}, {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"},
    {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"}, {0x02006051, 0x00030000, "a:Position"},
    {0x02006052, 0x00030000, "a:Alignment"},
};
const RPTDTDCLASS k8_0_0[] = {
    {MakeGUID("{36083F60-1A49-11D1-83D9-444553540000}"), "o:SSymPolyline", k8_0_0_SSymPolyline_A, 7, nullptr, 0},
    {MakeGUID("{36083F61-1A49-11D1-83D9-444553540000}"), "o:SSymRectangle", k8_0_0_SSymRectangle_A, 4, nullptr, 0},
    {MakeGUID("{36083F62-1A49-11D1-83D9-444553540000}"), "o:SSymEllipse", k8_0_0_SSymEllipse_A, 4, nullptr, 0},
    {MakeGUID("{36083F63-1A49-11D1-83D9-444553540000}"), "o:SSymText", k8_0_0_SSymText_A, 6, nullptr, 0},
    {MakeGUID("{36083F64-1A49-11D1-83D9-444553540000}"), "o:SSymLinkSym", k8_0_0_SSymLinkSym_A, 7, k8_0_0_SSymLinkSym_C, 2},
    {MakeGUID("{36083F65-1A49-11D1-83D9-444553540000}"), "o:SSymBitmap", k8_0_0_SSymBitmap_A, 3, nullptr, 0},
    {MakeGUID("{36083F66-1A49-11D1-83D9-444553540000}"), "o:SSymMetafile", k8_0_0_SSymMetafile_A, 3, nullptr, 0},
    {MakeGUID("{36083F67-1A49-11D1-83D9-444553540000}"), "o:SSymGroup", k8_0_0_SSymGroup_A, 3, k8_0_0_SSymGroup_C, 1},
    {MakeGUID("{36083F68-1A49-11D1-83D9-444553540000}"), "o:SSymOle", k8_0_0_SSymOle_A, 3, nullptr, 0},
    {MakeGUID("{36083F69-1A49-11D1-83D9-444553540000}"), "o:SSymPolygon", k8_0_0_SSymPolygon_A, 7, nullptr, 0},
    {MakeGUID("{36083F6A-1A49-11D1-83D9-444553540000}"), "o:SSymRoundRect", k8_0_0_SSymRoundRect_A, 4, nullptr, 0},
    {MakeGUID("{36083F6B-1A49-11D1-83D9-444553540000}"), "o:SSymComposite", k8_0_0_SSymComposite_A, 3, k8_0_0_SSymComposite_C, 1},
    {MakeGUID("{36083F6C-1A49-11D1-83D9-444553540000}"), "o:SSymArrow", k8_0_0_SSymArrow_A, 4, nullptr, 0},
    {MakeGUID("{36083F6D-1A49-11D1-83D9-444553540000}"), "o:SSymDiagram", k8_0_0_SSymDiagram_A, 18, k8_0_0_SSymDiagram_C, 1},
    {MakeGUID("{36083F6F-1A49-11D1-83D9-444553540000}"), "o:SSymArc", k8_0_0_SSymArc_A, 4, nullptr, 0},
    {MakeGUID("{36083F70-1A49-11D1-83D9-444553540000}"), "o:SSymBase", k8_0_0_SSymBase_A, 3, nullptr, 0},
    {MakeGUID("{36083F71-1A49-11D1-83D9-444553540000}"), "o:SSymStd", k8_0_0_SSymStd_A, 4, nullptr, 0},
    {MakeGUID("{36083F72-1A49-11D1-83D9-444553540000}"), "o:SSymSolid", k8_0_0_SSymSolid_A, 4, nullptr, 0},
    {MakeGUID("{A6BAC8D0-B730-11D1-8898-00A02455633B}"), "o:SRptBase", k8_0_0_SRptBase_A, 5, nullptr, 0},
    {MakeGUID("{A6BAC8D1-B730-11D1-8898-00A02455633B}"), "o:SRptReport", k8_0_0_SRptReport_A, 21, k8_0_0_SRptReport_C, 2},
    {MakeGUID("{A6BAC8D2-B730-11D1-8898-00A02455633B}"), "o:SRptCustom", k8_0_0_SRptCustom_A, 18, k8_0_0_SRptCustom_C, 2},
    {MakeGUID("{A6BAC8D3-B730-11D1-8898-00A02455633B}"), "o:SRptParaContainer", k8_0_0_SRptParaContainer_A, 5, k8_0_0_SRptParaContainer_C, 1},
    {MakeGUID("{A6BAC8D4-B730-11D1-8898-00A02455633B}"), "o:SRptField", k8_0_0_SRptField_A, 10, nullptr, 0},
    {MakeGUID("{A6BAC8D5-B730-11D1-8898-00A02455633B}"), "o:SRptFile", k8_0_0_SRptFile_A, 16, k8_0_0_SRptFile_C, 2},
    {MakeGUID("{A6BAC8D6-B730-11D1-8898-00A02455633B}"), "o:SRptFolder", k8_0_0_SRptFolder_A, 24, k8_0_0_SRptFolder_C, 2},
    {MakeGUID("{A6BAC8D7-B730-11D1-8898-00A02455633B}"), "o:SRptForm", k8_0_0_SRptForm_A, 18, k8_0_0_SRptForm_C, 3},
    {MakeGUID("{A6BAC8D8-B730-11D1-8898-00A02455633B}"), "o:SRptFormCell", k8_0_0_SRptFormCell_A, 16, nullptr, 0},
    {MakeGUID("{A6BAC8D9-B730-11D1-8898-00A02455633B}"), "o:SRptFormRow", k8_0_0_SRptFormRow_A, 14, k8_0_0_SRptFormRow_C, 1},
    {MakeGUID("{A6BAC8DD-B730-11D1-8898-00A02455633B}"), "o:SRptUserGraphic", k8_0_0_SRptUserGraphic_A, 22, k8_0_0_SRptUserGraphic_C, 2},
    {MakeGUID("{A6BAC8DE-B730-11D1-8898-00A02455633B}"), "o:SRptGroup", k8_0_0_SRptGroup_A, 22, k8_0_0_SRptGroup_C, 2},
    {MakeGUID("{A6BAC8DF-B730-11D1-8898-00A02455633B}"), "o:SRptGraphicFile", k8_0_0_SRptGraphicFile_A, 16, k8_0_0_SRptGraphicFile_C, 2},
    {MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}"), "o:SRepObject", nullptr, 0, nullptr, 0},
    {MakeGUID("{A6BAC8E0-B730-11D1-8898-00A02455633B}"), "o:SRptGrpMember", k8_0_0_SRptGrpMember_A, 13, k8_0_0_SRptGrpMember_C, 2},
    {MakeGUID("{A6BAC8E1-B730-11D1-8898-00A02455633B}"), "o:SRptGrpText", k8_0_0_SRptGrpText_A, 19, k8_0_0_SRptGrpText_C, 2},
    {MakeGUID("{A6BAC8E2-B730-11D1-8898-00A02455633B}"), "o:SRptGrpTitle", k8_0_0_SRptGrpTitle_A, 23, k8_0_0_SRptGrpTitle_C, 2},
    {MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}"), "o:SRptItem", k8_0_0_SRptItem_A, 13, k8_0_0_SRptItem_C, 2},
    {MakeGUID("{A6BAC8E4-B730-11D1-8898-00A02455633B}"), "o:SRptList", k8_0_0_SRptList_A, 19, k8_0_0_SRptList_C, 3},
    {MakeGUID("{A6BAC8E5-B730-11D1-8898-00A02455633B}"), "o:SRptListRow", k8_0_0_SRptListRow_A, 14, k8_0_0_SRptListRow_C, 1},
    {MakeGUID("{A6BAC8E6-B730-11D1-8898-00A02455633B}"), "o:SRptListCell", k8_0_0_SRptListCell_A, 18, nullptr, 0},
    {MakeGUID("{A6BAC8E9-B730-11D1-8898-00A02455633B}"), "o:SRptPara", k8_0_0_SRptPara_A, 32, k8_0_0_SRptPara_C, 1},
    {MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}"), "o:SRepObjectBase", k8_0_0_SRepObjectBase_A, 5, nullptr, 0},
    {MakeGUID("{A6BAC8EA-B730-11D1-8898-00A02455633B}"), "o:SRptParaFooter", k8_0_0_SRptParaFooter_A, 32, k8_0_0_SRptParaFooter_C, 1},
    {MakeGUID("{A6BAC8EB-B730-11D1-8898-00A02455633B}"), "o:SRptParaHeader", k8_0_0_SRptParaHeader_A, 32, k8_0_0_SRptParaHeader_C, 1},
    {MakeGUID("{362D41EC-9D82-11D1-8E5D-444553540000}"), "o:SRepShortcut", k8_0_0_SRepShortcut_A, 13, k8_0_0_SRepShortcut_C, 2},
    {MakeGUID("{A6BAC8EC-B730-11D1-8898-00A02455633B}"), "o:SRptParaItem", k8_0_0_SRptParaItem_A, 32, k8_0_0_SRptParaItem_C, 1},
    {MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}"), "o:SRepSessionExtern", k8_0_0_SRepSessionExtern_A, 10, k8_0_0_SRepSessionExtern_C, 1},
    {MakeGUID("{A6BAC8ED-B730-11D1-8898-00A02455633B}"), "o:SRptParaTitle", k8_0_0_SRptParaTitle_A, 32, k8_0_0_SRptParaTitle_C, 1},
    {MakeGUID("{362D41EE-9D82-11D1-8E5D-444553540000}"), "o:SRepRootObject", nullptr, 0, k8_0_0_SRepRootObject_C, 2},
    {MakeGUID("{A6BAC8EE-B730-11D1-8898-00A02455633B}"), "o:SRptPageBreak", k8_0_0_SRptPageBreak_A, 14, k8_0_0_SRptPageBreak_C, 2},
    {MakeGUID("{A6BAC8F2-B730-11D1-8898-00A02455633B}"), "o:SRptTable", k8_0_0_SRptTable_A, 18, k8_0_0_SRptTable_C, 3},
    {MakeGUID("{A6BAC8F3-B730-11D1-8898-00A02455633B}"), "o:SRptTableCell", k8_0_0_SRptTableCell_A, 16, nullptr, 0},
    {MakeGUID("{A6BAC8F4-B730-11D1-8898-00A02455633B}"), "o:SRptTableRow", k8_0_0_SRptTableRow_A, 14, k8_0_0_SRptTableRow_C, 1},
    {MakeGUID("{A6BAC8F5-B730-11D1-8898-00A02455633B}"), "o:SRptTblCts", k8_0_0_SRptTblCts_A, 15, k8_0_0_SRptTblCts_C, 2},
    {MakeGUID("{A6BAC8F6-B730-11D1-8898-00A02455633B}"), "o:SRptTemplate", k8_0_0_SRptTemplate_A, 28, k8_0_0_SRptTemplate_C, 2},
    {MakeGUID("{A6BAC8F7-B730-11D1-8898-00A02455633B}"), "o:SRptText", k8_0_0_SRptText_A, 14, k8_0_0_SRptText_C, 2},
    {MakeGUID("{A6BAC8F8-B730-11D1-8898-00A02455633B}"), "o:SRptTextFile", k8_0_0_SRptTextFile_A, 16, k8_0_0_SRptTextFile_C, 2},
    {MakeGUID("{A6BAC8F9-B730-11D1-8898-00A02455633B}"), "o:SRptTitle", k8_0_0_SRptTitle_A, 15, k8_0_0_SRptTitle_C, 2},
    {MakeGUID("{A6BAC8FA-B730-11D1-8898-00A02455633B}"), "o:SRptTabulation", k8_0_0_SRptTabulation_A, 7, nullptr, 0},
};
const RPTDTDENTRY k8_0_1_SSymRectangle_A[] = {
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymEllipse_A[] = {
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymText_A[] = {
    {0x02010001, 0x000F0000, "a:ClipRect"}, {0x02010006, 0x00000000, "a:Font"}, {0x02010007, 0x00000000, "a:Style"},
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymLinkSym_A[] = {
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00000000, "a:ListPt"}, {0x02010004, 0x00000000, "a:LineStyle"},
    {0x02010008, 0x00000000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymLinkSym_C[] = {
    {0x0201000F, 0x00000000, "c:LinkDst"},
};
const RPTDTDENTRY k8_0_1_SSymBitmap_A[] = {
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymMetafile_A[] = {
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymGroup_A[] = {
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymOle_A[] = {
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymPolygon_A[] = {
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x02010003, 0x00000000, "a:ListPt"}, {0x02010004, 0x00000000, "a:LineStyle"},
    {0x02010008, 0x00000000, "a:Arrows"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymRoundRect_A[] = {
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymComposite_A[] = {
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymArrow_A[] = {
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymDiagram_A[] = {
    {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02000001, 0x000A0000, "a:Comment"}, {0x02010022, 0x000A0000, "a:DispPrefSave"}, {0x02010023, 0x000E0000, "a:PaperSize"},
    {0x02010024, 0x000F0000, "a:Margins"}, {0x02010025, 0x00030000, "a:Scale"}, {0x02010026, 0x00030000, "a:PgSize"},
    {0x02010027, 0x00030000, "a:PgOrientation"}, {0x02010028, 0x00030000, "a:PaperSource"}, {0x02010038, 0x00060000, "a:Flags"},
    {0x04000001, 0x000A0000, "a:Desc"}, {0x04000002, 0x000A0000, "a:Note"},
};
const RPTDTDENTRY k8_0_1_SSymArc_A[] = {
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymBase_A[] = {
    {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymStd_A[] = {
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SSymSolid_A[] = {
    {0x02010002, 0x00040000, "a:HasAShadow"}, {0x0201000A, 0x000B0000, "a:BlobData"}, {0x02010012, 0x00060000, "a:SYMBASE.Flags"},
};
const RPTDTDENTRY k8_0_1_SRptBase_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k8_0_1_SRptReport_A[] = {
    {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02000001, 0x000A0000, "a:Labl"}, {0x02006500, 0x00030000, "a:LangID"}, {0x02006503, 0x000A0000, "a:FirstPageTitle"},
    {0x02006504, 0x000A0000, "a:FirstPageAuthor"}, {0x02006505, 0x000A0000, "a:FirstPageVersion"}, {0x02006506, 0x000A0000, "a:FirstPageDate"},
    {0x02006507, 0x000A0000, "a:FirstPageSummary"}, {0x02006508, 0x00040000, "a:HasFirstPage"}, {0x02006509, 0x00040000, "a:HasFirstPageTitle"},
    {0x0200650A, 0x00040000, "a:HasFirstPageAuthor"}, {0x0200650B, 0x00040000, "a:HasFirstPageVersion"}, {0x0200650C, 0x00040000, "a:HasFirstPageDate"},
    {0x0200650D, 0x00040000, "a:HasFirstPageSummary"}, {0x0200650E, 0x00040000, "a:SectNum"},
};
const RPTDTDENTRY k8_0_1_SRptReport_C[] = {
    {0x02006550, 0x00000000, "c:Templates"},
};
const RPTDTDENTRY k8_0_1_SRptCustom_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k8_0_1_SRptCustom_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptParaContainer_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k8_0_1_SRptField_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006801, 0x000A0000, "a:FIELD.ModuleID"}, {0x02006802, 0x000A0000, "a:FieldName"},
    {0x02006803, 0x000A0000, "a:Descr"}, {0x02006804, 0x000A0000, "a:Value"}, {0x02006805, 0x00030000, "a:PresenceFlag"},
};
const RPTDTDENTRY k8_0_1_SRptFile_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"}, {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k8_0_1_SRptFile_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptFolder_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006320, 0x00040000, "a:Valid"},
    {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"}, {0x02006323, 0x00030000, "a:UserParam"},
    {0x02006380, 0x000A0000, "a:RPTFOLDER.Text"}, {0x02006381, 0x00030000, "a:NbMaxLevels"},
};
const RPTDTDENTRY k8_0_1_SRptFolder_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptForm_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k8_0_1_SRptForm_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k8_0_1_SRptFormCell_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006940, 0x00040000, "a:Enabled"}, {0x02006941, 0x00030000, "a:CellResID"},
    {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"}, {0x02006944, 0x00030000, "a:CellID"},
    {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"}, {0x02006947, 0x00040000, "a:TABLECELL.Title"},
    {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"}, {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k8_0_1_SRptFormRow_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"}, {0x02006961, 0x00030000, "a:Height"},
    {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"}, {0x02006964, 0x00020000, "a:TABLEROW.Alignment"},
    {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"}, {0x02006967, 0x00040000, "a:FootingRow"},
    {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k8_0_1_SRptUserGraphic_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006460, 0x00020000, "a:Format"},
    {0x02006461, 0x00040000, "a:UseZoom"}, {0x02006462, 0x00020000, "a:OnePageType"}, {0x02006463, 0x00020000, "a:ZoomPerct"},
};
const RPTDTDENTRY k8_0_1_SRptUserGraphic_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptGroup_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006320, 0x00040000, "a:Valid"},
    {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"}, {0x02006323, 0x00030000, "a:UserParam"},
};
const RPTDTDENTRY k8_0_1_SRptGroup_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptGraphicFile_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"}, {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k8_0_1_SRptGraphicFile_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptGrpMember_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
};
const RPTDTDENTRY k8_0_1_SRptGrpMember_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptGrpText_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006361, 0x00040000, "a:DisplayIfEmpty"},
};
const RPTDTDENTRY k8_0_1_SRptGrpText_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptGrpTitle_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006320, 0x00040000, "a:Valid"},
    {0x02006321, 0x00030000, "a:NbItems"}, {0x02006322, 0x00030000, "a:ItemIndex"}, {0x02006323, 0x00030000, "a:UserParam"},
    {0x02006340, 0x000A0000, "a:GRPTL.Text"}, {0x02006341, 0x00040000, "a:PhysOrder"},
};
const RPTDTDENTRY k8_0_1_SRptGrpTitle_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptItem_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
};
const RPTDTDENTRY k8_0_1_SRptItem_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptList_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"}, {0x02006920, 0x00040000, "a:LIST.Sorted"},
};
const RPTDTDENTRY k8_0_1_SRptList_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k8_0_1_SRptListRow_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"}, {0x02006961, 0x00030000, "a:Height"},
    {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"}, {0x02006964, 0x00020000, "a:TABLEROW.Alignment"},
    {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"}, {0x02006967, 0x00040000, "a:FootingRow"},
    {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k8_0_1_SRptListCell_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006900, 0x00040000, "a:Sortable"}, {0x02006901, 0x00040000, "a:Sorted"},
    {0x02006940, 0x00040000, "a:Enabled"}, {0x02006941, 0x00030000, "a:CellResID"}, {0x02006942, 0x000A0000, "a:DefaultText"},
    {0x02006943, 0x000A0000, "a:TextFromRes"}, {0x02006944, 0x00030000, "a:CellID"}, {0x02006945, 0x00020000, "a:Width"},
    {0x02006946, 0x00040000, "a:Keyword"}, {0x02006947, 0x00040000, "a:TABLECELL.Title"}, {0x02006948, 0x00020000, "a:VertAlign"},
    {0x02006949, 0x00020000, "a:TABLECELL.Border"}, {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k8_0_1_SRptPara_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"},
    {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"},
    {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"},
    {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"},
    {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"},
    {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"},
    {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"},
    {0x02006015, 0x00020000, "a:Flow"}, {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"},
    {0x0200601B, 0x00040000, "a:InTable"}, {0x0200601E, 0x00040000, "a:Box"}, {0x0200601F, 0x00020000, "a:BoxWidth"},
};
const RPTDTDENTRY k8_0_1_SRepObjectBase_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"},
};
const RPTDTDENTRY k8_0_1_SRptParaFooter_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"},
    {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"},
    {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"},
    {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"},
    {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"},
    {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"},
    {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"},
    {0x02006015, 0x00020000, "a:Flow"}, {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"},
    {0x0200601B, 0x00040000, "a:InTable"}, {0x0200601E, 0x00040000, "a:Box"}, {0x0200601F, 0x00020000, "a:BoxWidth"},
};
const RPTDTDENTRY k8_0_1_SRptParaHeader_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"},
    {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"},
    {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"},
    {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"},
    {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"},
    {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"},
    {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"},
    {0x02006015, 0x00020000, "a:Flow"}, {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"},
    {0x0200601B, 0x00040000, "a:InTable"}, {0x0200601E, 0x00040000, "a:Box"}, {0x0200601F, 0x00020000, "a:BoxWidth"},
};
const RPTDTDENTRY k8_0_1_SRepShortcut_A[] = {
    {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02000004, 0x000A0000, "a:Hist"}, {0x0200000F, 0x00040000, "a:Gene"}, {0x04000185, 0x00010000, "a:ExtOID"},
    {0x04000186, 0x00010000, "a:ExtCLSID"}, {0x0400019B, 0x00020000, "a:GeneType"}, {0x0400019C, 0x000A0000, "a:TrgtLoct"},
};
const RPTDTDENTRY k8_0_1_SRepShortcut_C[] = {
    {0x04000188, 0x00000000, "c:LinkedShct"},
};
const RPTDTDENTRY k8_0_1_SRptParaItem_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"},
    {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"},
    {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"},
    {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"},
    {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"},
    {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"},
    {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"},
    {0x02006015, 0x00020000, "a:Flow"}, {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"},
    {0x0200601B, 0x00040000, "a:InTable"}, {0x0200601E, 0x00040000, "a:Box"}, {0x0200601F, 0x00020000, "a:BoxWidth"},
};
const RPTDTDENTRY k8_0_1_SRepSessionExtern_A[] = {
    {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x04000195, 0x000A0000, "a:ModelURL"}, {0x04000196, 0x00010000, "a:ModelID"}, {0x04000197, 0x00010000, "a:ModelCLSID"},
};
const RPTDTDENTRY k8_0_1_SRptParaTitle_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006001, 0x000A0000, "a:FontName"}, {0x02006002, 0x00030000, "a:FontHeight"},
    {0x02006003, 0x00020000, "a:FontStyle"}, {0x02006004, 0x00020000, "a:FontFamily"}, {0x02006005, 0x00020000, "a:FontPitch"},
    {0x02006006, 0x00020000, "a:FontCharSet"}, {0x02006007, 0x00020000, "a:PARA.Alignment"}, {0x02006008, 0x00020000, "a:Left"},
    {0x02006009, 0x00020000, "a:Right"}, {0x0200600A, 0x00020000, "a:First"}, {0x0200600B, 0x00020000, "a:SpBefore"},
    {0x0200600C, 0x00020000, "a:SpAfter"}, {0x0200600D, 0x00020000, "a:SpBetween"}, {0x0200600E, 0x00020000, "a:SpType"},
    {0x0200600F, 0x00020000, "a:Border"}, {0x02006010, 0x00020000, "a:BorderWidth"}, {0x02006011, 0x00020000, "a:SpTxtBorderTop"},
    {0x02006012, 0x00020000, "a:SpTxtBorderBottom"}, {0x02006013, 0x00020000, "a:SpTxtBorderLeft"}, {0x02006014, 0x00020000, "a:SpTxtBorderRight"},
    {0x02006015, 0x00020000, "a:Flow"}, {0x02006019, 0x00020000, "a:DefaultTabSize"}, {0x0200601A, 0x00040000, "a:FillTabs"},
    {0x0200601B, 0x00040000, "a:InTable"}, {0x0200601E, 0x00040000, "a:Box"}, {0x0200601F, 0x00020000, "a:BoxWidth"},
};
const RPTDTDENTRY k8_0_1_SRepRootObject_C[] = {
    {0x02000023, 0x00000000, "c:Objects"},
};
const RPTDTDENTRY k8_0_1_SRptPageBreak_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006420, 0x00040000, "a:HtmlGen"},
};
const RPTDTDENTRY k8_0_1_SRptPageBreak_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptTable_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006300, 0x00030000, "a:TitleResID"}, {0x02006301, 0x000A0000, "a:DefaultTitle"}, {0x02006302, 0x000A0000, "a:TitleFromRes"},
    {0x02006303, 0x000A0000, "a:Title"}, {0x02006304, 0x00030000, "a:ItemParam"},
};
const RPTDTDENTRY k8_0_1_SRptTable_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"}, {0x02006990, 0x00000000, "c:Rows"},
};
const RPTDTDENTRY k8_0_1_SRptTableCell_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006940, 0x00040000, "a:Enabled"}, {0x02006941, 0x00030000, "a:CellResID"},
    {0x02006942, 0x000A0000, "a:DefaultText"}, {0x02006943, 0x000A0000, "a:TextFromRes"}, {0x02006944, 0x00030000, "a:CellID"},
    {0x02006945, 0x00020000, "a:Width"}, {0x02006946, 0x00040000, "a:Keyword"}, {0x02006947, 0x00040000, "a:TABLECELL.Title"},
    {0x02006948, 0x00020000, "a:VertAlign"}, {0x02006949, 0x00020000, "a:TABLECELL.Border"}, {0x0200694A, 0x00020000, "a:TABLECELL.BorderWidth"},
};
const RPTDTDENTRY k8_0_1_SRptTableRow_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006960, 0x00020000, "a:HeightType"}, {0x02006961, 0x00030000, "a:Height"},
    {0x02006962, 0x00030000, "a:TABLEROW.Left"}, {0x02006963, 0x00040000, "a:RowBreak"}, {0x02006964, 0x00020000, "a:TABLEROW.Alignment"},
    {0x02006965, 0x00020000, "a:SpBetweenCells"}, {0x02006966, 0x00040000, "a:HeadingRow"}, {0x02006967, 0x00040000, "a:FootingRow"},
    {0x02006968, 0x00040000, "a:TABLEROW.Enabled"},
};
const RPTDTDENTRY k8_0_1_SRptTblCts_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x0200609A, 0x00030000, "a:NbParagraphs"}, {0x02006100, 0x00020000, "a:LangSectn"},
    {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"},
    {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"},
    {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006480, 0x000A0000, "a:TBLCTS.Title"},
};
const RPTDTDENTRY k8_0_1_SRptTblCts_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptTemplate_A[] = {
    {0x01000002, 0x000900FE, "a:Name"}, {0x01000004, 0x000900FE, "a:Code"}, {0x01000010, 0x00080000, "a:CDAT"},
    {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"}, {0x01000013, 0x00090050, "a:MUSR"},
    {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"}, {0x02006102, 0x00030000, "a:ExpImage"},
    {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"}, {0x02006106, 0x00040000, "a:Modified"},
    {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"}, {0x02006200, 0x000A0000, "a:Header"},
    {0x02006201, 0x000A0000, "a:ExpHeader"}, {0x02006202, 0x00040000, "a:HeaderNeedExpand"}, {0x02006203, 0x00040000, "a:HasHeaderBorder"},
    {0x02006204, 0x000A0000, "a:Footer"}, {0x02006205, 0x000A0000, "a:ExpFooter"}, {0x02006206, 0x00040000, "a:FooterNeedExpand"},
    {0x02006207, 0x00040000, "a:HasFooterBorder"}, {0x02006208, 0x000F0000, "a:Margin"}, {0x02006209, 0x000F0000, "a:MinMargin"},
    {0x0200620A, 0x000E0000, "a:TMPLT.PaperSize"}, {0x0200620B, 0x00030000, "a:Orientation"}, {0x0200620C, 0x00030000, "a:PaperFormat"},
};
const RPTDTDENTRY k8_0_1_SRptTemplate_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptText_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x020063E0, 0x000A0000, "a:RPTTEXT.Text"},
};
const RPTDTDENTRY k8_0_1_SRptText_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptTextFile_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x020063C0, 0x000A0000, "a:AbsPath"}, {0x020063C1, 0x000A0000, "a:RelPath"}, {0x020063C2, 0x000A0000, "a:Filter"},
};
const RPTDTDENTRY k8_0_1_SRptTextFile_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptTitle_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006100, 0x00020000, "a:LangSectn"}, {0x02006101, 0x00030000, "a:Image"},
    {0x02006102, 0x00030000, "a:ExpImage"}, {0x02006104, 0x00040000, "a:TOCEntry"}, {0x02006105, 0x00040000, "a:InTemplate"},
    {0x02006106, 0x00040000, "a:Modified"}, {0x02006108, 0x000A0000, "a:ItemID"}, {0x02006109, 0x000A0000, "a:ModuleID"},
    {0x02006400, 0x00020000, "a:Level"}, {0x02006401, 0x000A0000, "a:TITLE.Text"},
};
const RPTDTDENTRY k8_0_1_SRptTitle_C[] = {
    {0x02006090, 0x00000000, "c:Paragraphs"},
};
const RPTDTDENTRY k8_0_1_SRptTabulation_A[] = {
    {0x01000010, 0x00080000, "a:CDAT"}, {0x01000011, 0x00090050, "a:CUSR"}, {0x01000012, 0x00080000, "a:MDAT"},
    {0x01000013, 0x00090050, "a:MUSR"}, {0x02006051, 0x00030000, "a:Position"}, {0x02006052, 0x00030000, "a:Alignment"},
};
const RPTDTDCLASS k8_0_1[] = {
    {MakeGUID("{36083F61-1A49-11D1-83D9-444553540000}"), "o:SSymRectangle", k8_0_1_SSymRectangle_A, 3, nullptr, 0},
    {MakeGUID("{36083F62-1A49-11D1-83D9-444553540000}"), "o:SSymEllipse", k8_0_1_SSymEllipse_A, 3, nullptr, 0},
    {MakeGUID("{36083F63-1A49-11D1-83D9-444553540000}"), "o:SSymText", k8_0_1_SSymText_A, 5, nullptr, 0},
    {MakeGUID("{36083F64-1A49-11D1-83D9-444553540000}"), "o:SSymLinkSym", k8_0_1_SSymLinkSym_A, 6, k8_0_1_SSymLinkSym_C, 1},
    {MakeGUID("{36083F65-1A49-11D1-83D9-444553540000}"), "o:SSymBitmap", k8_0_1_SSymBitmap_A, 2, nullptr, 0},
    {MakeGUID("{36083F66-1A49-11D1-83D9-444553540000}"), "o:SSymMetafile", k8_0_1_SSymMetafile_A, 2, nullptr, 0},
    {MakeGUID("{36083F67-1A49-11D1-83D9-444553540000}"), "o:SSymGroup", k8_0_1_SSymGroup_A, 2, nullptr, 0},
    {MakeGUID("{36083F68-1A49-11D1-83D9-444553540000}"), "o:SSymOle", k8_0_1_SSymOle_A, 2, nullptr, 0},
    {MakeGUID("{36083F69-1A49-11D1-83D9-444553540000}"), "o:SSymPolygon", k8_0_1_SSymPolygon_A, 6, nullptr, 0},
    {MakeGUID("{36083F6A-1A49-11D1-83D9-444553540000}"), "o:SSymRoundRect", k8_0_1_SSymRoundRect_A, 3, nullptr, 0},
    {MakeGUID("{36083F6B-1A49-11D1-83D9-444553540000}"), "o:SSymComposite", k8_0_1_SSymComposite_A, 2, nullptr, 0},
    {MakeGUID("{36083F6C-1A49-11D1-83D9-444553540000}"), "o:SSymArrow", k8_0_1_SSymArrow_A, 3, nullptr, 0},
    {MakeGUID("{36083F6D-1A49-11D1-83D9-444553540000}"), "o:SSymDiagram", k8_0_1_SSymDiagram_A, 17, nullptr, 0},
    {MakeGUID("{36083F6F-1A49-11D1-83D9-444553540000}"), "o:SSymArc", k8_0_1_SSymArc_A, 3, nullptr, 0},
    {MakeGUID("{36083F70-1A49-11D1-83D9-444553540000}"), "o:SSymBase", k8_0_1_SSymBase_A, 2, nullptr, 0},
    {MakeGUID("{36083F71-1A49-11D1-83D9-444553540000}"), "o:SSymStd", k8_0_1_SSymStd_A, 3, nullptr, 0},
    {MakeGUID("{36083F72-1A49-11D1-83D9-444553540000}"), "o:SSymSolid", k8_0_1_SSymSolid_A, 3, nullptr, 0},
    {MakeGUID("{A6BAC8D0-B730-11D1-8898-00A02455633B}"), "o:SRptBase", k8_0_1_SRptBase_A, 4, nullptr, 0},
    {MakeGUID("{A6BAC8D1-B730-11D1-8898-00A02455633B}"), "o:SRptReport", k8_0_1_SRptReport_A, 20, k8_0_1_SRptReport_C, 1},
    {MakeGUID("{A6BAC8D2-B730-11D1-8898-00A02455633B}"), "o:SRptCustom", k8_0_1_SRptCustom_A, 17, k8_0_1_SRptCustom_C, 1},
    {MakeGUID("{A6BAC8D3-B730-11D1-8898-00A02455633B}"), "o:SRptParaContainer", k8_0_1_SRptParaContainer_A, 4, nullptr, 0},
    {MakeGUID("{A6BAC8D4-B730-11D1-8898-00A02455633B}"), "o:SRptField", k8_0_1_SRptField_A, 9, nullptr, 0},
    {MakeGUID("{A6BAC8D5-B730-11D1-8898-00A02455633B}"), "o:SRptFile", k8_0_1_SRptFile_A, 15, k8_0_1_SRptFile_C, 1},
    {MakeGUID("{A6BAC8D6-B730-11D1-8898-00A02455633B}"), "o:SRptFolder", k8_0_1_SRptFolder_A, 23, k8_0_1_SRptFolder_C, 1},
    {MakeGUID("{A6BAC8D7-B730-11D1-8898-00A02455633B}"), "o:SRptForm", k8_0_1_SRptForm_A, 17, k8_0_1_SRptForm_C, 2},
    {MakeGUID("{A6BAC8D8-B730-11D1-8898-00A02455633B}"), "o:SRptFormCell", k8_0_1_SRptFormCell_A, 15, nullptr, 0},
    {MakeGUID("{A6BAC8D9-B730-11D1-8898-00A02455633B}"), "o:SRptFormRow", k8_0_1_SRptFormRow_A, 13, nullptr, 0},
    {MakeGUID("{A6BAC8DD-B730-11D1-8898-00A02455633B}"), "o:SRptUserGraphic", k8_0_1_SRptUserGraphic_A, 21, k8_0_1_SRptUserGraphic_C, 1},
    {MakeGUID("{A6BAC8DE-B730-11D1-8898-00A02455633B}"), "o:SRptGroup", k8_0_1_SRptGroup_A, 21, k8_0_1_SRptGroup_C, 1},
    {MakeGUID("{A6BAC8DF-B730-11D1-8898-00A02455633B}"), "o:SRptGraphicFile", k8_0_1_SRptGraphicFile_A, 15, k8_0_1_SRptGraphicFile_C, 1},
    {MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}"), "o:SRepObject", nullptr, 0, nullptr, 0},
    {MakeGUID("{A6BAC8E0-B730-11D1-8898-00A02455633B}"), "o:SRptGrpMember", k8_0_1_SRptGrpMember_A, 12, k8_0_1_SRptGrpMember_C, 1},
    {MakeGUID("{A6BAC8E1-B730-11D1-8898-00A02455633B}"), "o:SRptGrpText", k8_0_1_SRptGrpText_A, 18, k8_0_1_SRptGrpText_C, 1},
    {MakeGUID("{A6BAC8E2-B730-11D1-8898-00A02455633B}"), "o:SRptGrpTitle", k8_0_1_SRptGrpTitle_A, 23, k8_0_1_SRptGrpTitle_C, 1},
    {MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}"), "o:SRptItem", k8_0_1_SRptItem_A, 12, k8_0_1_SRptItem_C, 1},
    {MakeGUID("{A6BAC8E4-B730-11D1-8898-00A02455633B}"), "o:SRptList", k8_0_1_SRptList_A, 18, k8_0_1_SRptList_C, 2},
    {MakeGUID("{A6BAC8E5-B730-11D1-8898-00A02455633B}"), "o:SRptListRow", k8_0_1_SRptListRow_A, 13, nullptr, 0},
    {MakeGUID("{A6BAC8E6-B730-11D1-8898-00A02455633B}"), "o:SRptListCell", k8_0_1_SRptListCell_A, 17, nullptr, 0},
    {MakeGUID("{A6BAC8E9-B730-11D1-8898-00A02455633B}"), "o:SRptPara", k8_0_1_SRptPara_A, 30, nullptr, 0},
    {MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}"), "o:SRepObjectBase", k8_0_1_SRepObjectBase_A, 4, nullptr, 0},
    {MakeGUID("{A6BAC8EA-B730-11D1-8898-00A02455633B}"), "o:SRptParaFooter", k8_0_1_SRptParaFooter_A, 30, nullptr, 0},
    {MakeGUID("{A6BAC8EB-B730-11D1-8898-00A02455633B}"), "o:SRptParaHeader", k8_0_1_SRptParaHeader_A, 30, nullptr, 0},
    {MakeGUID("{362D41EC-9D82-11D1-8E5D-444553540000}"), "o:SRepShortcut", k8_0_1_SRepShortcut_A, 12, k8_0_1_SRepShortcut_C, 1},
    {MakeGUID("{A6BAC8EC-B730-11D1-8898-00A02455633B}"), "o:SRptParaItem", k8_0_1_SRptParaItem_A, 30, nullptr, 0},
    {MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}"), "o:SRepSessionExtern", k8_0_1_SRepSessionExtern_A, 9, nullptr, 0},
    {MakeGUID("{A6BAC8ED-B730-11D1-8898-00A02455633B}"), "o:SRptParaTitle", k8_0_1_SRptParaTitle_A, 30, nullptr, 0},
    {MakeGUID("{362D41EE-9D82-11D1-8E5D-444553540000}"), "o:SRepRootObject", nullptr, 0, k8_0_1_SRepRootObject_C, 1},
    {MakeGUID("{A6BAC8EE-B730-11D1-8898-00A02455633B}"), "o:SRptPageBreak", k8_0_1_SRptPageBreak_A, 13, k8_0_1_SRptPageBreak_C, 1},
    {MakeGUID("{A6BAC8F2-B730-11D1-8898-00A02455633B}"), "o:SRptTable", k8_0_1_SRptTable_A, 17, k8_0_1_SRptTable_C, 2},
    {MakeGUID("{A6BAC8F3-B730-11D1-8898-00A02455633B}"), "o:SRptTableCell", k8_0_1_SRptTableCell_A, 15, nullptr, 0},
    {MakeGUID("{A6BAC8F4-B730-11D1-8898-00A02455633B}"), "o:SRptTableRow", k8_0_1_SRptTableRow_A, 13, nullptr, 0},
    {MakeGUID("{A6BAC8F5-B730-11D1-8898-00A02455633B}"), "o:SRptTblCts", k8_0_1_SRptTblCts_A, 14, k8_0_1_SRptTblCts_C, 1},
    {MakeGUID("{A6BAC8F6-B730-11D1-8898-00A02455633B}"), "o:SRptTemplate", k8_0_1_SRptTemplate_A, 27, k8_0_1_SRptTemplate_C, 1},
    {MakeGUID("{A6BAC8F7-B730-11D1-8898-00A02455633B}"), "o:SRptText", k8_0_1_SRptText_A, 13, k8_0_1_SRptText_C, 1},
    {MakeGUID("{A6BAC8F8-B730-11D1-8898-00A02455633B}"), "o:SRptTextFile", k8_0_1_SRptTextFile_A, 15, k8_0_1_SRptTextFile_C, 1},
    {MakeGUID("{A6BAC8F9-B730-11D1-8898-00A02455633B}"), "o:SRptTitle", k8_0_1_SRptTitle_A, 14, k8_0_1_SRptTitle_C, 1},
    {MakeGUID("{A6BAC8FA-B730-11D1-8898-00A02455633B}"), "o:SRptTabulation", k8_0_1_SRptTabulation_A, 6, nullptr, 0},
};
const RPTDTDVERSION kVersions[] = {
    {"7.0.0", k7_0_0, 58},
    {"7.0.3", k7_0_3, 58},
    {"7.5.0", k7_5_0, 58},
    {"8.0.0", k8_0_0, 58},
    {"8.0.1", k8_0_1, 57},
};
}  // namespace

const RPTDTDVERSION* SRptLegacyNameTables::GetVersions(int32_t* count) {
    if (count) *count = static_cast<int32_t>(sizeof kVersions / sizeof kVersions[0]);
    return kVersions;
}
