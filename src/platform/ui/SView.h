#pragma once
// A view: a window that shows a document in pages; the preview shows a print view through it.
#include "platform/ui/SWnd.h"

class SView : public SWnd {
public:
    const SClassInfo* GetClassInfo() const override { return &classSView; }
    static const SClassInfo classSView;
    // The number of pages the view lays out; 0 when it has none.
    virtual int32_t GetPageCount() const { return 0; }
};
