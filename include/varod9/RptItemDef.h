#pragma once
// The item description record that a host module fills to register or add a report item: who the
// item is (module, id, label), how it looks in the tree and in the table of contents, its title,
// and, for the module's own kinds of items, the module's group, procedures and resources. The
// library only reads the record and keeps none of it but the two interfaces, on which it takes
// references of its own.
//
// The item's title. The title an item shows (its displayed title, ISRptCustom::GetDispTitle: the
// Text1 its procedures get, from which they answer its heading, and the second part of its label
// in a template) is, while the item is in a template of a report and ResPath is not empty, the
// text that the first registered module's client gives for ResPath
// (ISRptModuleClient::GetReportTitleText); when that is empty, and everywhere else, DefaultTitle.
// The string TitleResID names in ResInstance (DefaultTitle when ResInstance has none) is loaded
// into the item's Title and TitleFromRes, and Title shows only once the item's UserDefined is set:
// by PutUserDefined (the report editor's, when the user makes the title their own), or by
// ISRptTemplate::UpdateUserDefinedItems (ISRptReport::SyncTemplatesWithExtendedResource), which
// sets it for an item of a report's template whose Title differs from its DefaultTitle.
#include <cstdint>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"
#include "platform/com/IUnknown.h"
#include "varod9/RptExport.h"
#include "varod9/RptTableDef.h"

struct ISRptGroup;

// The kind word: the item class that the registration creates. Other values create nothing.
inline constexpr int32_t RPT_ITEMKIND_FOLDER = 1;
inline constexpr int32_t RPT_ITEMKIND_USERGRAPHIC = 2;
inline constexpr int32_t RPT_ITEMKIND_LIST = 3;
inline constexpr int32_t RPT_ITEMKIND_FORM = 4;
inline constexpr int32_t RPT_ITEMKIND_GRPTEXT = 5;
inline constexpr int32_t RPT_ITEMKIND_GRPTITLE = 7;

// Size words, kept as version tags: a record without a kind-specific tail, a user graphic's
// record with its tail, and the tail word of a list's record that carries the sort flag.
inline constexpr uint32_t RPTUSRITEMDEF_SIZE = 64;
inline constexpr uint32_t RPTUSRITEMDEF_SIZE_USERGRAPHIC = 72;
inline constexpr uint32_t RPTTABLEDEF_SIZE_SORTED = 80;

// Kind-specific tail of a user graphic.
struct RPT_EXPORT RPTUSERGRAPHICDEF {
    int16_t Format;
    int16_t UseZoom;  // non-zero: true
    int16_t OnePageType;
    int16_t ZoomPerct;
};

// Kind-specific tail of a form or a list.
struct RPT_EXPORT RPTTABLEDEF {
    uint32_t Size;                // RPTTABLEDEF_SIZE_SORTED when Sorted is given (lists)
    int16_t NbRows;               // below 1: no rows
    const RPTTABLEROWDEF* Rows;   // NbRows consecutive row records
    int16_t Sorted;               // lists only: non-zero = true
};

struct RPT_EXPORT RPTUSRITEMDEF {
    uint32_t Size = RPTUSRITEMDEF_SIZE;
    uint32_t Reserved = 0;            // never read
    int32_t TOCEntry = 0;             // non-zero: the item enters the table of contents
    int32_t Kind = 0;                 // RPT_ITEMKIND_...
    SString ItemID;
    SString ModuleID;
    HINSTANCE ResInstance = nullptr;  // the module's resources (titles, cell texts)
    int16_t LangSectn = 0;
    SString Label;
    uint32_t TitleResID = 0;          // a string of ResInstance: the item's Title (see above)
    SString DefaultTitle;             // the title shown when the report gives none for ResPath
    SString ResPath;                  // the title path that the report turns into the title
    int32_t Image = 0;                // both the image and the expanded image
    int32_t ItemParam = 0;            // handed back to the module's procedures
    ISRptGroup* ParentGroup = nullptr;  // the group a sub-item belongs to; may be null
    IUnknown* UserProcs = nullptr;    // the module's ISRptUserProcs; may be null
    union {
        RPTTABLEDEF Table{};
        RPTUSERGRAPHICDEF UserGraphic;
    };
};
