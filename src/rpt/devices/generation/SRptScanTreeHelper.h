#pragma once
// The one walk over the item tree of a report object (a template, an available-items container):
// depth first through the Items collections, calling back a scanner for every object it reaches
// with a record through which the scanner steers the walk. The walk shows the wait cursor while
// it runs. Kinds in use: 3 the search of an available-items container, 4 to 6 the template's own
// walks (1 and 2 the generation passes).
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepObject.h"
#include "varod9/ISRptItem.h"

// What the scanner leaves in the record's action after its call.
inline constexpr int32_t RPTSCAN_STOP = 0;            // ends the whole walk, which answers 1
inline constexpr int32_t RPTSCAN_DESCEND = 1;         // the children are walked (every other value too)
inline constexpr int32_t RPTSCAN_DESCEND_RECALL = 2;  // the children, then the object once more
inline constexpr int32_t RPTSCAN_SKIP_CHILDREN = 3;   // the object is done without its children

inline constexpr uint32_t RPTSCAN_KIND_FIND = 3;

// The record of a visited object. Siblings share one record: what a scanner writes into it
// reaches the later siblings and their children.
struct RPTSCANINFO {
    int32_t level = 0;       // 0 for the root, the parent's level + 1 for a child
    int32_t position = 0;    // 1-based among the siblings (1 for the root)
    int32_t action = 0;      // set by the scanner
    intptr_t inherited = 0;  // carried down the tree; the root's is the walk's value
};

class SRptScanTreeHelper {
public:
    class SScanner {
    public:
        virtual ~SScanner() = default;
        // Called for each visited object (null for an object that is no report item); a result
        // other than S_OK ends the walk with it.
        virtual HRESULT Dispatch(uint32_t kind, ISRptItem* object, RPTSCANINFO* info) = 0;
    };

    // Keeps the root with a reference of its own.
    SRptScanTreeHelper(uint32_t kind, ISRepObject* root, intptr_t value);
    virtual ~SRptScanTreeHelper() = default;
    SRptScanTreeHelper(const SRptScanTreeHelper&) = delete;
    SRptScanTreeHelper& operator=(const SRptScanTreeHelper&) = delete;

    // Runs the walk: S_OK when it ran to its end, S_FALSE when a scanner stopped it, else the
    // first other result of a scanner. A failed query of the repository other than
    // E_NOINTERFACE is thrown as SECOMException.
    HRESULT ScanTree(SScanner* scanner);

private:
    HRESULT Visit(ISRptItem* object, SScanner* scanner, RPTSCANINFO& record);

    uint32_t m_kind;
    SComWrap<ISRepObject> m_root;
    intptr_t m_value;
};
