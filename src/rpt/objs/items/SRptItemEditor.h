#pragma once
// The editor as the item kinds meet it: the command ids of the items' context menus, the browser
// node that each kind makes for the editor's browsers, and the dialogs that the kinds' commands
// open. The editor installs its implementation (Install); until it does, no browser node can be
// made (E_NOTIMPL) and each dialog is put to the interaction script as it stands: a Dialog prompt
// with the dialog's caption and id, whose answer's control values (the dialog's control ids) are
// what the user left in the dialog at OK.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/SComTable.h"
#include "platform/repo/ISRepObject.h"

struct ISBrowserView;
struct ISBrowserNode;
struct ISRptItem;
class SRptBrowserNodeItem;

// Commands of the items' context menus, with their menu texts.
inline constexpr uint32_t ID_RPT_ITEM_FORMAT = 45006;           // "&Format..."
inline constexpr uint32_t ID_RPT_ITEM_LAYOUT = 45007;           // "La&yout..."
inline constexpr uint32_t ID_RPT_ITEM_EDIT = 45008;             // "&Edit..."
inline constexpr uint32_t ID_RPT_DISPLAY_ALL = 45011;           // "&All"
inline constexpr uint32_t ID_RPT_DISPLAY_MODIFIED = 45012;      // "Only &modified ones"
inline constexpr uint32_t ID_RPT_DISPLAY_PATH = 45013;          // "File &path only"
inline constexpr uint32_t ID_RPT_DISPLAY_CONTENT = 45014;       // "File &content only"
inline constexpr uint32_t ID_RPT_PAGEBREAK_HTMLGEN = 45260;     // "&Generate in HTML" (template editor)
inline constexpr uint32_t ID_RPT_PAGEBREAK_HTMLGEN_AV = 45560;  // "&Generate in HTML" (available items)
inline constexpr uint32_t ID_RPT_GRAPHICFILE_SELECT = 45581;    // "&Select File..."
inline constexpr uint32_t ID_RPT_TEXTFILE_SELECT = 45591;       // "&Select File..."

// The dialogs, with the controls whose values the items read back.
inline constexpr uint32_t IDD_RPT_TEXT_EDITOR = 210;          // "Editor"
inline constexpr int32_t IDC_RPT_TEXT_EDITOR_TEXT = 1005;     //   the text
inline constexpr int32_t IDC_RPT_TEXT_EDITOR_USERDEF = 13005; //   "&User-defined", "1" checked
inline constexpr uint32_t IDD_RPT_FORMAT_ITEMS = 213;         // "Format" with "Available &items:"
inline constexpr uint32_t IDD_RPT_FORMAT = 229;               // "Format"
inline constexpr uint32_t IDD_RPT_FORMAT_LEVELS = 237;        // "Format" with "Show &levels to:"
inline constexpr int32_t IDC_RPT_FORMAT_LEVELS = 1152;        //   the number of levels shown

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

    // A new node of a kind for a browser, owned by the caller; null when none could be made.
    virtual SRptBrowserNodeItem* NewBrowserNode(SRptBrowserNodeKind kind, ISBrowserView* browser,
                                                bool isTemplateEditor) = 0;
    // Attaches a new node to its item and to its place in the browser.
    virtual void BindBrowserNode(SRptBrowserNodeItem* node, ISRepObject* item, uint32_t draggable,
                                 ISBrowserNode* parent, ISBrowserNode* previous, int32_t dispid) = 0;
    // The "Format" sheet over the selected objects; it edits their paragraphs itself.
    virtual void RunFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag, uint32_t dialogId) = 0;
    // The "Format" sheet of a table of contents; on OK it puts the chosen level count.
    virtual void RunLevelFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag) = 0;
    // The text editor on an item; IDOK (with `edit` holding the text and the user-defined state at
    // OK) or IDCANCEL (with `edit` unchanged).
    virtual int32_t RunTextEditDialog(ISRptItem* item, SRptTextEdit& edit) = 0;

    // Installs the editor's implementation (null: none) and returns the previous one.
    static SRptItemEditor* Install(SRptItemEditor* editor);
    static SRptItemEditor* GetInstalled();

    // What the item kinds call. A node: E_POINTER for a null out-pointer, E_NOTIMPL without an
    // editor, E_OUTOFMEMORY when the editor made none (both with a null node), else the node bound
    // to `item` (with the drag value 2, whatever the browser asked for) and S_OK.
    static HRESULT CreateBrowserNode(SRptBrowserNodeKind kind, ISRepObject* item, ISBrowserView* browser,
                                     ISBrowserNode* parent, ISBrowserNode* previous, int32_t dispid,
                                     bool isTemplateEditor, SRptBrowserNodeItem** node);
    static void FormatDialog(const SComTable<ISRepObject>& objects, int32_t flag, uint32_t dialogId);
    static void LevelFormatDialog(const SComTable<ISRepObject>& objects, int32_t flag);
    static int32_t TextEditDialog(ISRptItem* item, SRptTextEdit& edit);
};
