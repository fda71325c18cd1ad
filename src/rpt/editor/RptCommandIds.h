#pragma once
// The command ids of the editor, in one table: the host's standard commands that the editor's
// views, browsers and items take part in, the editor's own commands, and the ranges by which the
// menus are stamped with their command class. The menus, accelerators and command texts in the
// library's resources carry the same numbers.
#include <cstdint>

// The host's standard commands (1 to 300 are the host's).
inline constexpr uint32_t ID_HELP_CONTENTS = 66;
inline constexpr uint32_t ID_FILE_CLOSE = 102;
inline constexpr uint32_t ID_FILE_PAGE_SETUP = 103;  // "Page &Setup..." (a template's)
inline constexpr uint32_t ID_EDIT_CUT = 109;
inline constexpr uint32_t ID_EDIT_DELETE = 115;
// The host's command that moves the focus to the other side of an editor (the Tab accelerator).
inline constexpr uint32_t ID_TOGGLE_ACTIVE_PANE = 6101;

// The editor's own commands, with their menu texts.
inline constexpr uint32_t ID_RPT_ITEM_UP = 45001;               // "&Up"
inline constexpr uint32_t ID_RPT_ITEM_DOWN = 45002;             // "&Down"
inline constexpr uint32_t ID_RPT_ITEM_RAISE = 45003;            // "&Raise Level"
inline constexpr uint32_t ID_RPT_ITEM_LOWER = 45004;            // "&Lower Level"
inline constexpr uint32_t ID_RPT_ITEM_ADD = 45005;              // "&Add"
inline constexpr uint32_t ID_RPT_ITEM_FORMAT = 45006;           // "&Format..."
inline constexpr uint32_t ID_RPT_ITEM_LAYOUT = 45007;           // "La&yout..."
inline constexpr uint32_t ID_RPT_ITEM_EDIT = 45008;             // "&Edit..."
inline constexpr uint32_t ID_RPT_ITEM_HEADER_FOOTER = 45009;    // "&Header/Footer..." (a template's)
inline constexpr uint32_t ID_RPT_CHANGE_FONTS = 45010;          // "&Change Fonts..."
inline constexpr uint32_t ID_RPT_DISPLAY_ALL = 45011;           // "&All"
inline constexpr uint32_t ID_RPT_DISPLAY_MODIFIED = 45012;      // "Only &modified ones"
inline constexpr uint32_t ID_RPT_DISPLAY_PATH = 45013;          // "File &path only"
inline constexpr uint32_t ID_RPT_DISPLAY_CONTENT = 45014;       // "File &content only"
inline constexpr uint32_t ID_RPT_DISPLAY_USER_ORDER = 45015;    // "&User" (group title, "Display &Order")
inline constexpr uint32_t ID_RPT_DISPLAY_ALPHA_ORDER = 45016;   // "&Alphabetical"
inline constexpr uint32_t ID_RPT_RENAME = 45100;                // "&Rename" (a template's)

// The browser nodes' commands, ten per kind of item: those of an available item from 45200,
// those of an item in a template from 45500.
inline constexpr uint32_t ID_RPT_PAGEBREAK_HTMLGEN_AV = 45260;  // "&Generate in HTML" (an available item)
inline constexpr uint32_t ID_RPT_PAGEBREAK_HTMLGEN = 45560;     // "&Generate in HTML" (an item in a template)
inline constexpr uint32_t ID_RPT_GRAPHICFILE_SELECT = 45581;    // "&Select File..."
inline constexpr uint32_t ID_RPT_TEXTFILE_SELECT = 45591;       // "&Select File..."

// The ranges by command class: the host's standard commands and the editor's own carry the
// browser command class, the node commands the command face of the editor's view class.
inline constexpr uint32_t ID_RPT_STANDARD_COMMAND_FIRST = 1;
inline constexpr uint32_t ID_RPT_STANDARD_COMMAND_LAST = 300;
inline constexpr uint32_t ID_RPT_EDITOR_COMMAND_FIRST = 45000;
inline constexpr uint32_t ID_RPT_EDITOR_COMMAND_LAST = 45101;
inline constexpr uint32_t ID_RPT_NODE_COMMAND_FIRST = 45102;
inline constexpr uint32_t ID_RPT_NODE_COMMAND_LAST = 45999;
