#include "rpt/objs/items/SRptItemEditor.h"

#include "platform/ui/SInteraction.h"
#include "rpt/editor/SRptBrowserNodeFactory.h"
#include "rpt/editor/SRptBrowserNodeItem.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptTblCts.h"
#include "varod9/ISRptUserGraphic.h"

namespace {

// Every item node is bound with this value in place of the browser's drag flag.
constexpr uint32_t kNodeDragValue = 2;
// A zoom that is no positive number.
constexpr int16_t kDefaultZoom = 100;
// The levels a table of contents can list.
constexpr int32_t kMinLevels = 1;
constexpr int32_t kMaxLevels = 9;

SRptItemEditor* gEditor = nullptr;

// The editor's own node of a kind.
SRptBrowserNodeItem* NewNode(SRptBrowserNodeKind kind, ISBrowserView* browser, bool isTemplateEditor) {
    return SRptBrowserNodeFactory::New(kind, browser, isTemplateEditor ? RPT_EDITOR_TEMPLATE : RPT_EDITOR_REPORT);
}

// A dialog without the editor: the prompt itself, answered by the interaction script.
SAnswer AskDialog(const char* caption, uint32_t dialogId) {
    SPrompt prompt;
    prompt.kind = SPrompt::Dialog;
    prompt.caption = caption;
    prompt.text = SString::FromInt(dialogId);
    return SInteraction::Ask(prompt);
}

const SString* ControlValue(const SAnswer& answer, int32_t controlId) {
    auto it = answer.controlValues.find(controlId);
    return it == answer.controlValues.end() ? nullptr : &it->second;
}

bool IsChecked(const SAnswer& answer, int32_t controlId) {
    const SString* value = ControlValue(answer, controlId);
    return value && value->ToInt() != 0;
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
    // The sheet edits the paragraphs itself; without it there is nothing to read back.
    AskDialog("Format", dialogId);
}

void SRptItemEditor::LevelFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag) {
    if (gEditor) {
        gEditor->RunLevelFormatDialog(objects, flag);
        return;
    }
    const SAnswer answer = AskDialog("Format", IDD_RPT_FORMAT_LEVELS);
    if (answer.button != IDOK || objects.IsEmpty()) return;
    const SString* levels = ControlValue(answer, IDC_RPT_FORMAT_LEVELS);
    if (!levels) return;
    const int32_t count = levels->ToInt();
    if (count < kMinLevels || count > kMaxLevels) return;
    // The sheet's current object is the first of the selection.
    SComWrap<ISRptTblCts> contents;
    contents = static_cast<IUnknown*>(objects.GetAt(0));
    if (contents) contents->PutNbParagraphs(count);
}

void SRptItemEditor::LayoutDialog(ISRepSession* session, ISRptTable* table, uint32_t dialogId) {
    if (gEditor) {
        gEditor->RunLayoutDialog(session, table, dialogId);
        return;
    }
    AskLayout(dialogId);
}

void SRptItemEditor::AskLayout(uint32_t dialogId) {
    // The grid edits the rows or columns itself; without it there is nothing to read back.
    AskDialog(dialogId == IDD_RPT_FORM_LAYOUT ? "Card Layout" : "List Layout", dialogId);
}

int32_t SRptItemEditor::TextEditDialog(ISRptItem* item, SRptTextEdit& edit) {
    if (gEditor) return gEditor->RunTextEditDialog(item, edit);
    const SAnswer answer = AskDialog("Editor", IDD_RPT_TEXT_EDITOR);
    if (answer.button != IDOK) return IDCANCEL;
    const SString* text = ControlValue(answer, IDC_RPT_TEXT_EDITOR_TEXT);
    const SString* checked = ControlValue(answer, IDC_RPT_TEXT_EDITOR_USERDEF);
    edit.text = text ? *text : edit.InitialText();
    // The check box is shown only when there is a default to choose instead; hidden, it is clear.
    if (!edit.enableUserDefined)
        edit.userDefined = 0;
    else if (checked)
        edit.userDefined = checked->ToInt() != 0 ? 1 : 0;
    return IDOK;
}

void SRptItemEditor::GraphFormatDialog(const SComTable<ISRepObject>& objects) {
    if (gEditor) {
        gEditor->RunGraphFormatDialog(objects);
        return;
    }
    AskGraphFormat(objects);
}

void SRptItemEditor::AskGraphFormat(const SComTable<ISRepObject>& objects) {
    const SAnswer answer = AskDialog("Graph Format", IDD_RPT_GRAPH_FORMAT);
    if (answer.button != IDOK) return;
    // A choice the answer leaves out is as the dialog opened it: undecided where the selected
    // graphics differ, their common value where they agree; either way nothing changes.
    const SString* zoomText = ControlValue(answer, IDC_RPT_GRAPH_ZOOM);
    for (int32_t i = 0; i < objects.GetSize(); ++i) {
        // Every object of the selection must be a user graphic.
        SComWrap<ISRptUserGraphic> graphic;
        graphic = static_cast<IUnknown*>(objects.GetAt(i));
        if (zoomText && !zoomText->IsEmpty()) {
            const int16_t zoom = static_cast<int16_t>(zoomText->ToInt());
            graphic->PutZoomPerct(zoom < 1 ? kDefaultZoom : zoom);
        }
        if (IsChecked(answer, IDC_RPT_GRAPH_CENTERED))
            graphic->PutOnePageType(RPTGRAPH_1PAGE_CENTER);
        else if (IsChecked(answer, IDC_RPT_GRAPH_AS_PARAGRAPH))
            graphic->PutOnePageType(RPTGRAPH_1PAGE_PARAGRAPH);
        if (IsChecked(answer, IDC_RPT_GRAPH_ONE_PAGE))
            graphic->PutUseZoom(false);
        else if (IsChecked(answer, IDC_RPT_GRAPH_SEVERAL_PAGES))
            graphic->PutUseZoom(true);
    }
}
