#include "rpt/editor/SRptBrowserNodeFactory.h"

#include "rpt/editor/SRptBrowserNodeAvailable.h"
#include "rpt/editor/SRptBrowserNodeFolder.h"
#include "rpt/editor/SRptBrowserNodeForm.h"
#include "rpt/editor/SRptBrowserNodeGraphicFile.h"
#include "rpt/editor/SRptBrowserNodeGrpText.h"
#include "rpt/editor/SRptBrowserNodeGrpTitle.h"
#include "rpt/editor/SRptBrowserNodeList.h"
#include "rpt/editor/SRptBrowserNodePageBreak.h"
#include "rpt/editor/SRptBrowserNodeTblCts.h"
#include "rpt/editor/SRptBrowserNodeTemplate.h"
#include "rpt/editor/SRptBrowserNodeText.h"
#include "rpt/editor/SRptBrowserNodeTextFile.h"
#include "rpt/editor/SRptBrowserNodeTitle.h"
#include "rpt/editor/SRptBrowserNodeUserGraphic.h"

SRptBrowserNodeItem* SRptBrowserNodeFactory::New(SRptBrowserNodeKind kind, ISBrowserView* view, int32_t editorKind) {
    switch (kind) {
        case SRptBrowserNodeKind::Text: return new SRptBrowserNodeText(view, editorKind);
        case SRptBrowserNodeKind::Title: return new SRptBrowserNodeTitle(view, editorKind);
        case SRptBrowserNodeKind::PageBreak: return new SRptBrowserNodePageBreak(view, editorKind);
        case SRptBrowserNodeKind::GraphicFile: return new SRptBrowserNodeGraphicFile(view, editorKind);
        case SRptBrowserNodeKind::TextFile: return new SRptBrowserNodeTextFile(view, editorKind);
        case SRptBrowserNodeKind::TblCts: return new SRptBrowserNodeTblCts(view, editorKind);
        case SRptBrowserNodeKind::Folder: return new SRptBrowserNodeFolder(view, editorKind);
        case SRptBrowserNodeKind::GrpText: return new SRptBrowserNodeGrpText(view, editorKind);
        case SRptBrowserNodeKind::GrpTitle: return new SRptBrowserNodeGrpTitle(view, editorKind);
        case SRptBrowserNodeKind::Form: return new SRptBrowserNodeForm(view, editorKind);
        case SRptBrowserNodeKind::List: return new SRptBrowserNodeList(view, editorKind);
        case SRptBrowserNodeKind::UserGraphic: return new SRptBrowserNodeUserGraphic(view, editorKind);
        case SRptBrowserNodeKind::Available: return new SRptBrowserNodeAvailable(view, editorKind);
        case SRptBrowserNodeKind::Template: return new SRptBrowserNodeTemplate(view, editorKind);
    }
    return nullptr;
}
