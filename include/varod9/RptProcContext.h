#pragma once
// The record exchanged with a host module's procedures for its items (ISRptUserProcs and the
// procedures of each kind): what the library tells the module about the item and the run, and
// what the module answers. The part up to UserParam is the same for every kind; after it each
// kind has words of its own, and a kind leaves the others' words as they were built. A fresh
// record has every word zero, the texts empty, the sort columns none and the GUID null.
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"
#include "platform/com/GUID.h"
#include "platform/gdi/SDC.h"
#include "varod9/RptExport.h"

struct ISRptGenerationClient;
struct ISRptItem;

struct RPT_EXPORT RPTPROCCONTEXT {
    ISRptGenerationClient* GenerationClient = nullptr;  // the run's client, or null
    int32_t ModuleCursor = 0;  // the module's own
    // While a report is generated, the element a group title, folder or group text fetches; while
    // it is laid out, a list's data row (0 for the first); 0 otherwise.
    int32_t RowCursor = 0;
    // While a report is laid out, the element of a group title's, folder's or group text's calls;
    // 0 otherwise, and 0 in every call of a list, a form or a user graphic.
    int32_t Occurrence = 0;
    int32_t ItemParam = 0;     // the item's ItemParam
    SString Text1;             // the item's displayed title
    SString Text2;             // the title or text that the module returns
    SString Text3;
    GUID ObjectID{};           // the model object that the module returns
    ISRptItem* TargetItem = nullptr;  // returned by the module for a table cell
    int32_t UserParam = 0;     // a group's own word, carried between member calls

    // Group text.
    int32_t DisplayIfEmpty = 0;  // 0 or 1
    // Group text, group title and folder: a text the module may fill; sent empty.
    SString EmptyText;
    // Group title: whether the user orders the elements (0 or 1); the module may answer another.
    int32_t UserOrder = 0;
    // Folder: the depth limit of recursive folders, whole (-1 is no limit).
    int32_t NbMaxLevels = 0;

    // Form and list: the cell asked for and the text the module returns for it.
    int32_t CellID = 0;
    SString CellText;
    // List: the CellID of each sorted column of the first row, in cell order; empty unsorted. A
    // plain vector, so that hosts reading the record need none of the library's containers.
    std::vector<int32_t> SortColumns;
    // List: the list's DisplayFlag (all elements or only the modified ones).
    int32_t DisplayFlag = 0;

    // User graphic: two marker words, set to kUserGraphicMarker; their meaning is the module's.
    int32_t GraphicMarker1 = 0;
    int32_t GraphicMarker2 = 0;
    int32_t UseZoom = 0;       // 0 or 1
    int16_t OnePageType = 0;
    int32_t ZoomPerct = 0;     // the attribute's 16 bits, sign-extended
    int16_t GraphicWord2 = 0;  // set to 2
    int32_t GraphicWord1 = 0;  // set to 1
    SDC* DrawingDC = nullptr;  // where the module draws the picture
    int32_t PictureWidth = 0;  // returned by the module
    int32_t PictureHeight = 0;
    int32_t PictureWords[4]{};  // returned by the module
    SString PictureText;       // returned by the module
    void* HotZones = nullptr;  // the drawing helper's hot-zone map, or null

    static constexpr int32_t kUserGraphicMarker = 0x002D82D8;
};
