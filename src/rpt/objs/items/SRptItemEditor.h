#pragma once
// The editor as the item kinds meet it: the command ids of the items' context menus, the browser
// node that each kind makes for the editor's browsers, and the dialogs that the kinds' commands
// open. An installed editor (Install) runs every dialog itself. Without one, the "Format" sheets
// are the library's own (they are scripted dialogs like any other), and each other dialog is put
// to the interaction script as it stands: a Dialog prompt with the dialog's caption and id, whose
// answer's control values (the dialog's control ids) are what the user left in the dialog at OK.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/SComTable.h"
#include "platform/repo/ISRepObject.h"
#include "varod9/SInteraction.h"

struct ISBrowserView;
struct ISBrowserNode;
struct ISRptItem;
struct ISRepSession;
struct ISRptTable;
class SRptBrowserNodeItem;

// Commands of the items' context menus, with their menu texts.
inline constexpr uint32_t ID_RPT_ITEM_FORMAT = 45006;           // "&Format..."
inline constexpr uint32_t ID_RPT_ITEM_LAYOUT = 45007;           // "La&yout..."
inline constexpr uint32_t ID_RPT_ITEM_EDIT = 45008;             // "&Edit..."
inline constexpr uint32_t ID_RPT_DISPLAY_ALL = 45011;           // "&All"
inline constexpr uint32_t ID_RPT_DISPLAY_MODIFIED = 45012;      // "Only &modified ones"
inline constexpr uint32_t ID_RPT_DISPLAY_PATH = 45013;          // "File &path only"
inline constexpr uint32_t ID_RPT_DISPLAY_CONTENT = 45014;       // "File &content only"
inline constexpr uint32_t ID_RPT_DISPLAY_USER_ORDER = 45015;    // "&User" (group title, "Display &Order")
inline constexpr uint32_t ID_RPT_DISPLAY_ALPHA_ORDER = 45016;   // "&Alphabetical"
inline constexpr uint32_t ID_RPT_PAGEBREAK_HTMLGEN_AV = 45260;  // "&Generate in HTML" (an available item)
inline constexpr uint32_t ID_RPT_PAGEBREAK_HTMLGEN = 45560;     // "&Generate in HTML" (an item in a template)
inline constexpr uint32_t ID_RPT_GRAPHICFILE_SELECT = 45581;    // "&Select File..."
inline constexpr uint32_t ID_RPT_TEXTFILE_SELECT = 45591;       // "&Select File..."
inline constexpr uint32_t ID_RPT_TEMPLATE_PAGESETUP = 103;      // "Page &Setup..." (a template's)

// The dialogs, with the controls whose values the items read back.
inline constexpr uint32_t IDD_RPT_GRAPH_FORMAT = 209;         // "Graph Format"
inline constexpr int32_t IDC_RPT_GRAPH_ZOOM = 1005;           //   the zoom in percent
inline constexpr int32_t IDC_RPT_GRAPH_CENTERED = 1009;       //   "&Centered", "1" checked
inline constexpr int32_t IDC_RPT_GRAPH_AS_PARAGRAPH = 1010;   //   "As &paragraph", "1" checked
inline constexpr int32_t IDC_RPT_GRAPH_ONE_PAGE = 1139;       //   "&One page", "1" checked
inline constexpr int32_t IDC_RPT_GRAPH_SEVERAL_PAGES = 1140;  //   "&Several pages", "1" checked
inline constexpr uint32_t IDD_RPT_TEXT_EDITOR = 210;          // "Editor"
inline constexpr int32_t IDC_RPT_TEXT_EDITOR_TEXT = 1005;     //   the text
inline constexpr int32_t IDC_RPT_TEXT_EDITOR_USERDEF = 13005; //   "&User-defined", "1" checked
inline constexpr uint32_t IDD_RPT_FORMAT_ITEMS = 213;         // "Format" with "Available &items:"
inline constexpr uint32_t IDD_RPT_FORMAT = 229;               // "Format"
inline constexpr uint32_t IDD_RPT_FORMAT_LEVELS = 237;        // "Format" with "Show &levels to:"
inline constexpr int32_t IDC_RPT_FORMAT_LEVELS = 1152;        //   "Show &levels to:": the last paragraph listed
inline constexpr uint32_t IDD_RPT_LIST_LAYOUT = 235;          // "List Layout": a grid of the columns
inline constexpr uint32_t IDD_RPT_FORM_LAYOUT = 236;          // "Card Layout": a grid of the rows
inline constexpr uint32_t IDD_RPT_HEADER_FOOTER = 228;        // "Header and Footer"
inline constexpr int32_t IDC_RPT_HEADER_TEXT = 1113;          //   the header's text
inline constexpr int32_t IDC_RPT_FOOTER_TEXT = 1114;          //   the footer's text
inline constexpr int32_t IDC_RPT_HEADER_USERDEF = 1159;       //   "User Defined Header", "1" checked
inline constexpr int32_t IDC_RPT_FOOTER_USERDEF = 1160;       //   "User Defined Footer", "1" checked

// The browser node of each kind of item.
enum class SRptBrowserNodeKind : int32_t {
    Text,
    Title,
    PageBreak,
    GraphicFile,
    TextFile,
    TblCts,
    Folder,
    GrpText,
    GrpTitle,
    Form,
    List,
    UserGraphic,
    Available,  // an available-items container
    Template,
};

// What the text editor starts with and, after OK, what the user left in it.
struct SRptTextEdit {
    SString text;
    int32_t enableInsert = 0;       // non-zero: the fields may be inserted
    int32_t enableUserDefined = 0;  // non-zero: the item has a default text to choose instead
    SString defaultText;
    int32_t userDefined = 0;        // non-zero: the user's own text rather than the default

    // The text the editor shows first: the default while the default is chosen.
    const SString& InitialText() const { return enableUserDefined && !userDefined ? defaultText : text; }
};

class SRptItemEditor {
public:
    virtual ~SRptItemEditor() = default;

    // A new node of a kind for a browser, owned by the caller; null when none could be made. The
    // editor's own node of the kind unless an installed editor makes another.
    virtual SRptBrowserNodeItem* NewBrowserNode(SRptBrowserNodeKind kind, ISBrowserView* browser,
                                                bool isTemplateEditor);
    // Attaches a new node to its item and to its place in the browser: the node's initialisation.
    virtual void BindBrowserNode(SRptBrowserNodeItem* node, ISRepObject* item, uint32_t draggable,
                                 ISBrowserNode* parent, ISBrowserNode* previous, int32_t dispid);
    // The "Format" sheet over the selected objects; it edits their paragraphs itself.
    virtual void RunFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag, uint32_t dialogId) = 0;
    // The "Format" sheet of a table of contents; on OK it puts the chosen level count.
    virtual void RunLevelFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag) = 0;
    // The "Format" sheet over a selection that mixes classes of items, which lists each class's
    // paragraphs once. An editor without a sheet of its own for it runs its ordinary one (213).
    virtual void RunMixedFormatDialog(const SComTable<ISRepObject>& objects) {
        RunFormatDialog(objects, 0, IDD_RPT_FORMAT_ITEMS);
    }
    // The text editor on an item; IDOK (with `edit` holding the text and the user-defined state at
    // OK) or IDCANCEL (with `edit` unchanged).
    virtual int32_t RunTextEditDialog(ISRptItem* item, SRptTextEdit& edit) = 0;
    // The layout grid of a form (IDD_RPT_FORM_LAYOUT) or a list (IDD_RPT_LIST_LAYOUT), which edits
    // the rows or columns in place. An editor without a grid of its own runs the library's
    // layout dialog, as is done without an editor.
    virtual void RunLayoutDialog(ISRepSession* session, ISRptTable* table, uint32_t dialogId) {
        ShowLayout(session, table, dialogId);
    }
    // The "Graph Format" dialog over the selected user graphics, which puts their placement on
    // OK: the library's own unless the editor gives another.
    virtual void RunGraphFormatDialog(const SComTable<ISRepObject>& objects) { RunGraphFormat(objects); }

    // Installs the editor's implementation (null: none) and returns the previous one.
    static SRptItemEditor* Install(SRptItemEditor* editor);
    static SRptItemEditor* GetInstalled();

    // What the item kinds call. A node: E_POINTER for a null out-pointer, E_OUTOFMEMORY when none
    // could be made, and without an installed editor E_FAIL when the node found no place in the
    // browser (a root without a browser to hold it; the node is let go), all with a null node;
    // else the node bound to `item` (with the value 2, whatever the browser asked for), owned by
    // its tree, and S_OK.
    static HRESULT CreateBrowserNode(SRptBrowserNodeKind kind, ISRepObject* item, ISBrowserView* browser,
                                     ISBrowserNode* parent, ISBrowserNode* previous, int32_t dispid,
                                     bool isTemplateEditor, SRptBrowserNodeItem** node);
    // The format sheets: `flag` is the list entry selected when the sheet opens, `dialogId` the
    // template (IDD_RPT_FORMAT or IDD_RPT_FORMAT_ITEMS). A failure that stopped a sheet (an object
    // without paragraphs, a table of contents that is none ...) is thrown as SECOMException with
    // its code, for the command's caller to report.
    static void FormatDialog(const SComTable<ISRepObject>& objects, int32_t flag, uint32_t dialogId);
    static void LevelFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag);
    static void MixedFormatDialog(const SComTable<ISRepObject>& objects);
    static int32_t TextEditDialog(ISRptItem* item, SRptTextEdit& edit);
    static void LayoutDialog(ISRepSession* session, ISRptTable* table, uint32_t dialogId);
    // The "Graph Format" dialog over the user graphics of `objects`; over nothing it does not open.
    static void GraphFormatDialog(const SComTable<ISRepObject>& objects);
    // The text editor on the title of an item that may show a default title instead of its own
    // (`I` answers GetDispTitle, GetExDefTitle, GetUserDefined, PutTitle and PutUserDefined): it
    // starts from the title shown and, on OK, puts the text into Title and the user's choice
    // into UserDefined.
    template <class I>
    static void TitleEditDialog(I* item, int32_t enableInsert);
    // The Format and Edit commands of a module's item: the format sheet `formatDialogId` over the
    // selection, or the title editor on the item, with the fields to insert; S_OK whatever the
    // user chose. S_FALSE for any other command.
    template <class I>
    static HRESULT FormatOrEditTitle(I* item, uint32_t command, const SComTable<ISRepObject>& selection,
                                     uint32_t formatDialogId);

private:
    // The library's graph format dialog, run to its end.
    static void RunGraphFormat(const SComTable<ISRepObject>& objects);
    // The library's layout dialog of a form or a list, run to its end. A table of neither kind,
    // or one the dialog cannot lay out, shows nothing; nothing is thrown.
    static void ShowLayout(ISRepSession* session, ISRptTable* table, uint32_t dialogId);
};

template <class I>
void SRptItemEditor::TitleEditDialog(I* item, int32_t enableInsert) {
    SRptTextEdit edit;
    edit.defaultText = item->GetExDefTitle();
    edit.text = item->GetDispTitle();
    edit.userDefined = item->GetUserDefined() ? 1 : 0;
    edit.enableInsert = enableInsert;
    edit.enableUserDefined = 1;
    if (TextEditDialog(item, edit) != IDOK) return;
    item->PutTitle(edit.text);
    item->PutUserDefined(edit.userDefined != 0);
}

template <class I>
HRESULT SRptItemEditor::FormatOrEditTitle(I* item, uint32_t command, const SComTable<ISRepObject>& selection,
                                          uint32_t formatDialogId) {
    switch (command) {
        case ID_RPT_ITEM_FORMAT: FormatDialog(selection, 0, formatDialogId); return S_OK;
        case ID_RPT_ITEM_EDIT: TitleEditDialog(item, 1); return S_OK;
        default: return S_FALSE;
    }
}
