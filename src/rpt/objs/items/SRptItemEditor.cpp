#include "rpt/objs/items/SRptItemEditor.h"

#include <exception>

#include "platform/base/SECOMException.h"
#include "rpt/dialogs/SRptDlgGraphFormat.h"
#include "rpt/dialogs/SRptDlgFormLayout.h"
#include "rpt/dialogs/SRptDlgListLayout.h"
#include "rpt/dialogs/SRptDlgMultiFormat.h"
#include "rpt/dialogs/SRptDlgMultiFormatEx.h"
#include "rpt/dialogs/SRptDlgMultiLevelForm.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/dialogs/SRptDlgTxtEdit.h"
#include "rpt/editor/SRptBrowserNodeFactory.h"
#include "rpt/editor/SRptBrowserNodeItem.h"
#include "varod9/ISRptItem.h"

namespace {

// Every item node is bound with this value in place of the browser's drag flag.
constexpr uint32_t kNodeDragValue = 2;

SRptItemEditor* gEditor = nullptr;

// The editor's own node of a kind.
SRptBrowserNodeItem* NewNode(SRptBrowserNodeKind kind, ISBrowserView* browser, bool isTemplateEditor) {
    return SRptBrowserNodeFactory::New(kind, browser, isTemplateEditor ? RPT_EDITOR_TEMPLATE : RPT_EDITOR_REPORT);
}

// Runs a format sheet to its end. The sheet answers a failure that stopped it as a code; the
// command that opened it fails with it as it would have inside the sheet, so that the command's
// caller reports it rather than taking the command for done.
template <class Sheet, class... Args>
void RunSheet(const Args&... args) {
    int32_t button = 0;
    const HRESULT hr = SRptDlgMultiPages::RunModal<Sheet>(&button, args...);
    if (FAILED(hr)) throw SECOMException(hr);
}

}  // namespace

SRptItemEditor* SRptItemEditor::Install(SRptItemEditor* editor) {
    SRptItemEditor* previous = gEditor;
    gEditor = editor;
    return previous;
}

SRptItemEditor* SRptItemEditor::GetInstalled() {
    return gEditor;
}

SRptBrowserNodeItem* SRptItemEditor::NewBrowserNode(SRptBrowserNodeKind kind, ISBrowserView* browser,
                                                    bool isTemplateEditor) {
    return NewNode(kind, browser, isTemplateEditor);
}

void SRptItemEditor::BindBrowserNode(SRptBrowserNodeItem* node, ISRepObject* item, uint32_t draggable,
                                     ISBrowserNode* parent, ISBrowserNode* previous, int32_t dispid) {
    // Whether the menu could be installed does not matter to the item.
    node->InitNode(item, draggable, parent, previous, dispid);
}

HRESULT SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind kind, ISRepObject* item, ISBrowserView* browser,
                                          ISBrowserNode* parent, ISBrowserNode* previous, int32_t dispid,
                                          bool isTemplateEditor, SRptBrowserNodeItem** node) {
    if (!node) return E_POINTER;
    // A caller that goes on after a failure finds no node rather than what it held before.
    *node = nullptr;
    SRptBrowserNodeItem* made =
        gEditor ? gEditor->NewBrowserNode(kind, browser, isTemplateEditor) : NewNode(kind, browser, isTemplateEditor);
    if (!made) return E_OUTOFMEMORY;
    if (gEditor) {
        gEditor->BindBrowserNode(made, item, kNodeDragValue, parent, previous, dispid);
    } else {
        made->InitNode(item, kNodeDragValue, parent, previous, dispid);
        if (!made->IsPlaced()) {
            // Nothing owns a node without a place: it would be lost.
            delete made;
            return E_FAIL;
        }
    }
    *node = made;
    return S_OK;
}

void SRptItemEditor::FormatDialog(const SComTable<ISRepObject>& objects, int32_t flag, uint32_t dialogId) {
    if (gEditor) {
        gEditor->RunFormatDialog(objects, flag, dialogId);
        return;
    }
    // The sheet writes the paragraphs itself; nothing is read back from it.
    RunSheet<SRptDlgMultiFormat>(objects, flag, dialogId);
}

void SRptItemEditor::LevelFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag) {
    if (gEditor) {
        gEditor->RunLevelFormatDialog(objects, flag);
        return;
    }
    // The sheet also puts the chosen level count into the tables of contents on OK.
    RunSheet<SRptDlgMultiLevelForm>(objects, flag);
}

void SRptItemEditor::RunMixedFormatDialog(const SComTable<ISRepObject>& objects) {
    RunFormatDialog(objects, 0, SRptDlgMultiPages::IDD_FORMAT_ITEMS);
}

void SRptItemEditor::MixedFormatDialog(const SComTable<ISRepObject>& objects) {
    if (gEditor) {
        gEditor->RunMixedFormatDialog(objects);
        return;
    }
    RunSheet<SRptDlgMultiFormatEx>(objects);
}

void SRptItemEditor::LayoutDialog(ISRepSession* session, ISRptTable* table, uint32_t dialogId) {
    if (gEditor) {
        gEditor->RunLayoutDialog(session, table, dialogId);
        return;
    }
    ShowLayout(session, table, dialogId);
}

void SRptItemEditor::ShowLayout(ISRepSession* session, ISRptTable* table, uint32_t dialogId) {
    // The dialog edits the rows or columns itself; its result does not matter to the command,
    // and a failure inside it leaves the item as it was without failing the command.
    try {
        if (dialogId == SRptDlgFormLayout::IDD) {
            SComWrap<ISRptForm> form;
            form = static_cast<IUnknown*>(table);
            SRptDlgFormLayout dialog(session, form.Get());
            dialog.DoModal();
        } else {
            SComWrap<ISRptList> list;
            list = static_cast<IUnknown*>(table);
            SRptDlgListLayout dialog(session, list.Get());
            dialog.DoModal();
        }
    } catch (const SException&) {
    } catch (const std::exception&) {
    }
}

int32_t SRptItemEditor::TextEditDialog(ISRptItem* item, SRptTextEdit& edit) {
    if (gEditor) return gEditor->RunTextEditDialog(item, edit);
    SRptDlgTxtEdit dialog(item, edit.text, edit.enableInsert, edit.enableUserDefined, edit.defaultText,
                          edit.userDefined);
    if (dialog.DoModal() != IDOK) return IDCANCEL;
    edit.text = dialog.GetText();
    edit.userDefined = dialog.GetUserDef();
    return IDOK;
}

void SRptItemEditor::GraphFormatDialog(const SComTable<ISRepObject>& objects) {
    // The dialog shows and edits its first object; without one there is nothing to show.
    if (objects.IsEmpty()) return;
    if (gEditor) {
        gEditor->RunGraphFormatDialog(objects);
        return;
    }
    RunGraphFormat(objects);
}

void SRptItemEditor::RunGraphFormat(const SComTable<ISRepObject>& objects) {
    // The dialog puts the placement itself; what the user chose matters to no one else.
    SRptDlgGraphFormat dialog(objects);
    dialog.DoModal();
}
