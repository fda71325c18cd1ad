#include "rpt/resources/SRptStringTable.h"

#include <iterator>
#include <utility>

namespace {
const std::pair<uint32_t, const char*> kStrings[] = {
    {200, "Report Editor"},
    // Classes, attributes and collections of the paragraphs and their containers.
    {4999, "Paragraph container\nPARACONTAINER"},
    {5001, "Paragraph\nPARA"},
    {5003, "Title Paragraph\nPARATITLE"},
    {5004, "Header Paragraph\nPARAHEADER"},
    {5005, "Item Paragraph\nPARAITEM"},
    {5006, "Footer Paragraph\nPARAFOOTER"},
    {5035, "Alignment\nALIGNMENT"},
    {5036, "Font name\nFONTNAME"},
    {5037, "Font height\nFONTHEIGHT"},
    {5038, "Left\nLEFT"},
    {5039, "Right\nRIGHT"},
    {5040, "First\nFIRST"},
    {5041, "Space before\nSPBEFORE"},
    {5042, "Space after\nSPAFTER"},
    {5043, "Space between\nSPBETWEEN"},
    {5044, "Border\nBORDER"},
    {5045, "Border width\nBORDERWIDTH"},
    {5091, "Font style\nFONTSTYLE"},
    {5092, "Font family\nFONTFAMILY"},
    {5093, "Font pitch\nFONTPITCH"},
    {5094, "Font charset\nFONTCHARSET"},
    {5095, "Flow\nFLOW"},
    {5129, "Date"},
    {5130, "Time"},
    {5131, "Page"},
    {5193, "Text Paragraph"},
    {5206, "Spacing type\nSPTYPE"},
    {5207, "Space between text and top border\nSPTXTBORDERTOP"},
    {5208, "Space between text and bottom border\nSPTXTBORDERBOTTOM"},
    {5209, "Space between text and left border\nSPTXTBORDERLEFT"},
    {5210, "Space between text and right border\nSPTXTBORDERRIGHT"},
    {5240, "Default tab size\nDEFAULTTABSIZE"},
    {5255, "Fill the tabs\nFILLTABS"},
    {5256, "Is the paragraph in a table\nINTABLE"},
    {5528, "Tab parent paragraph\nTABPARENTPARA"},
    {5529, "Tab position\nTABPOSITION"},
    {5530, "Tab alignment\nTABALIGNMENT"},
    {5531, "Tab\nTABULATION"},
    {5534, "Name\nDISPNAME"},
    {5558, "Box\nBOX"},
    {5559, "Box width\nBOXWIDTH"},
    {6004, "Paragraphs"},
    {6006, "Tabs"},
    {6017, "Font ID\nFONTID"},
};
}  // namespace

void SRptStringTable::Install(SModuleState& state) {
    state.AddStrings(kStrings, std::size(kStrings));
}
