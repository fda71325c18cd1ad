#pragma once
// Makes the browser node of each kind of report object, for the objects' own node factories.
#include <cstdint>

#include "rpt/objs/items/SRptItemEditor.h"

class SRptBrowserNodeFactory {
public:
    // A new node of `kind` on `view` for a kind of editor (1 a template editor), not yet
    // initialised; the caller initialises it, after which its tree owns it.
    static SRptBrowserNodeItem* New(SRptBrowserNodeKind kind, ISBrowserView* view, int32_t editorKind);
};
