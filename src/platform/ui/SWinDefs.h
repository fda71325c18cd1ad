#pragma once
// The window system's vocabulary: handles (opaque integers, 0 for none), message parameters,
// messages, notification codes, styles and the records that travel with messages.
#include <cstdint>

#include "platform/base/POINT.h"
#include "platform/base/RECT.h"

using HWND = uint32_t;
using HMENU = uint32_t;
using HACCEL = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

constexpr uint16_t LOWORD(uintptr_t value) { return static_cast<uint16_t>(value & 0xFFFF); }
constexpr uint16_t HIWORD(uintptr_t value) { return static_cast<uint16_t>((value >> 16) & 0xFFFF); }
constexpr uint32_t MAKELONG(uint16_t low, uint16_t high) { return static_cast<uint32_t>(low) | (static_cast<uint32_t>(high) << 16); }
constexpr WPARAM MAKEWPARAM(uint16_t low, uint16_t high) { return MAKELONG(low, high); }
constexpr LPARAM MAKELPARAM(uint16_t low, uint16_t high) { return static_cast<LPARAM>(MAKELONG(low, high)); }

// Window messages.
inline constexpr uint32_t WM_CREATE = 0x0001;
inline constexpr uint32_t WM_DESTROY = 0x0002;
inline constexpr uint32_t WM_SIZE = 0x0005;
inline constexpr uint32_t WM_SETFOCUS = 0x0007;
inline constexpr uint32_t WM_KILLFOCUS = 0x0008;
inline constexpr uint32_t WM_SETTEXT = 0x000C;
inline constexpr uint32_t WM_GETTEXT = 0x000D;
inline constexpr uint32_t WM_GETTEXTLENGTH = 0x000E;
inline constexpr uint32_t WM_CLOSE = 0x0010;
inline constexpr uint32_t WM_SETFONT = 0x0030;
inline constexpr uint32_t WM_NOTIFY = 0x004E;
inline constexpr uint32_t WM_NCDESTROY = 0x0082;
inline constexpr uint32_t WM_KEYDOWN = 0x0100;
inline constexpr uint32_t WM_KEYUP = 0x0101;
inline constexpr uint32_t WM_CHAR = 0x0102;
inline constexpr uint32_t WM_INITDIALOG = 0x0110;
inline constexpr uint32_t WM_COMMAND = 0x0111;
inline constexpr uint32_t WM_VSCROLL = 0x0115;
inline constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr uint32_t WM_USER = 0x0400;

// A user's choice on a control, as the interaction script makes it: the control's value given as
// text (lParam a const char*). Check boxes and radio buttons take "1" or "0" (a three-state box
// also "2") and are clicked until they show it; edit boxes take the text; combo and list boxes
// select the item of that text (an editable combo box takes the text when no item has it) and
// tell their parent as a user's change would.
inline constexpr uint32_t SWM_USERVALUE = 0x7F00;

// Command routing: the code of a command-update query, and of a plain command.
inline constexpr int32_t CN_COMMAND = 0;
inline constexpr int32_t CN_UPDATE_COMMAND_UI = -1;

// Notification codes.
inline constexpr int32_t BN_CLICKED = 0;
inline constexpr int32_t EN_CHANGE = 0x300;
inline constexpr int32_t EN_UPDATE = 0x400;
inline constexpr int32_t CBN_SELCHANGE = 1;
inline constexpr int32_t CBN_EDITCHANGE = 5;
inline constexpr int32_t LBN_SELCHANGE = 1;
inline constexpr int32_t LBN_DBLCLK = 2;
inline constexpr int32_t UDN_DELTAPOS = -722;
inline constexpr int32_t TCN_SELCHANGE = -551;

// Control messages.
inline constexpr uint32_t BM_GETCHECK = 0x00F0;
inline constexpr uint32_t BM_SETCHECK = 0x00F1;
inline constexpr uint32_t BM_CLICK = 0x00F5;
inline constexpr uint32_t EM_GETSEL = 0x00B0;
inline constexpr uint32_t EM_SETSEL = 0x00B1;
inline constexpr uint32_t EM_SCROLLCARET = 0x00B7;
inline constexpr uint32_t EM_LINELENGTH = 0x00C1;
inline constexpr uint32_t EM_REPLACESEL = 0x00C2;
inline constexpr uint32_t LB_ADDSTRING = 0x0180;
inline constexpr uint32_t LB_INSERTSTRING = 0x0181;
inline constexpr uint32_t LB_DELETESTRING = 0x0182;
inline constexpr uint32_t LB_RESETCONTENT = 0x0184;
inline constexpr uint32_t LB_SETSEL = 0x0185;
inline constexpr uint32_t LB_SETCURSEL = 0x0186;
inline constexpr uint32_t LB_GETSEL = 0x0187;
inline constexpr uint32_t LB_GETCURSEL = 0x0188;
inline constexpr uint32_t LB_GETTEXT = 0x0189;
inline constexpr uint32_t LB_GETTEXTLEN = 0x018A;
inline constexpr uint32_t LB_GETCOUNT = 0x018B;
inline constexpr uint32_t LB_SELECTSTRING = 0x018C;
inline constexpr uint32_t LB_GETSELCOUNT = 0x0190;
inline constexpr uint32_t LB_GETSELITEMS = 0x0191;
inline constexpr uint32_t LB_GETITEMDATA = 0x0199;
inline constexpr uint32_t LB_SETITEMDATA = 0x019A;
inline constexpr uint32_t LB_SETCARETINDEX = 0x019E;
inline constexpr uint32_t LB_GETCARETINDEX = 0x019F;
inline constexpr uint32_t LB_FINDSTRINGEXACT = 0x01A2;
inline constexpr uint32_t CB_GETEDITSEL = 0x0140;
inline constexpr uint32_t CB_ADDSTRING = 0x0143;
inline constexpr uint32_t CB_DELETESTRING = 0x0144;
inline constexpr uint32_t CB_GETCOUNT = 0x0146;
inline constexpr uint32_t CB_GETCURSEL = 0x0147;
inline constexpr uint32_t CB_GETLBTEXT = 0x0148;
inline constexpr uint32_t CB_GETLBTEXTLEN = 0x0149;
inline constexpr uint32_t CB_INSERTSTRING = 0x014A;
inline constexpr uint32_t CB_RESETCONTENT = 0x014B;
inline constexpr uint32_t CB_SELECTSTRING = 0x014D;
inline constexpr uint32_t CB_SETCURSEL = 0x014E;
inline constexpr uint32_t CB_GETITEMDATA = 0x0150;
inline constexpr uint32_t CB_SETITEMDATA = 0x0151;
inline constexpr uint32_t CB_FINDSTRINGEXACT = 0x0158;
inline constexpr int32_t LB_ERR = -1;
inline constexpr int32_t CB_ERR = -1;

// The id of a dialog's Help button.
inline constexpr int32_t IDHELP = 9;

// Check states of buttons.
inline constexpr int32_t BST_UNCHECKED = 0;
inline constexpr int32_t BST_CHECKED = 1;
inline constexpr int32_t BST_INDETERMINATE = 2;

// Virtual keys and mouse flags.
inline constexpr uint32_t VK_TAB = 0x09;
inline constexpr uint32_t VK_RETURN = 0x0D;
inline constexpr uint32_t VK_SHIFT = 0x10;
inline constexpr uint32_t VK_CONTROL = 0x11;
inline constexpr uint32_t VK_MENU = 0x12;
inline constexpr uint32_t VK_ESCAPE = 0x1B;
inline constexpr uint32_t VK_PRIOR = 0x21;
inline constexpr uint32_t VK_NEXT = 0x22;
inline constexpr uint32_t VK_END = 0x23;
inline constexpr uint32_t VK_HOME = 0x24;
inline constexpr uint32_t VK_UP = 0x26;
inline constexpr uint32_t VK_DOWN = 0x28;
inline constexpr uint32_t VK_F1 = 0x70;
inline constexpr uint32_t VK_F4 = 0x73;
inline constexpr uint32_t MK_SHIFT = 0x0004;
inline constexpr uint32_t MK_CONTROL = 0x0008;

// Window styles.
inline constexpr uint32_t WS_POPUP = 0x80000000;
inline constexpr uint32_t WS_CHILD = 0x40000000;
inline constexpr uint32_t WS_VISIBLE = 0x10000000;
inline constexpr uint32_t WS_DISABLED = 0x08000000;
inline constexpr uint32_t WS_BORDER = 0x00800000;
inline constexpr uint32_t WS_VSCROLL = 0x00200000;
inline constexpr uint32_t WS_TABSTOP = 0x00010000;
inline constexpr uint32_t WS_CAPTION = 0x00C00000;
inline constexpr uint32_t WS_HSCROLL = 0x00100000;
inline constexpr uint32_t WS_SYSMENU = 0x00080000;
inline constexpr uint32_t WS_THICKFRAME = 0x00040000;
inline constexpr uint32_t WS_GROUP = 0x00020000;
inline constexpr uint32_t DS_SETFONT = 0x0040;
inline constexpr uint32_t DS_MODALFRAME = 0x0080;
inline constexpr uint32_t BS_PUSHBUTTON = 0x0000;
inline constexpr uint32_t BS_DEFPUSHBUTTON = 0x0001;
inline constexpr uint32_t ES_MULTILINE = 0x0004;
inline constexpr uint32_t ES_AUTOVSCROLL = 0x0040;
inline constexpr uint32_t ES_AUTOHSCROLL = 0x0080;
inline constexpr uint32_t ES_READONLY = 0x0800;
inline constexpr uint32_t ES_WANTRETURN = 0x1000;
inline constexpr uint32_t SS_LEFT = 0x0000;
inline constexpr uint32_t CBS_AUTOHSCROLL = 0x0040;
inline constexpr uint32_t LBS_NOINTEGRALHEIGHT = 0x0100;
inline constexpr uint32_t ACS_TRANSPARENT = 0x0002;
inline constexpr uint32_t ACS_AUTOPLAY = 0x0004;
inline constexpr uint32_t BS_CHECKBOX = 0x0002;
inline constexpr uint32_t BS_AUTOCHECKBOX = 0x0003;
inline constexpr uint32_t BS_RADIOBUTTON = 0x0004;
inline constexpr uint32_t BS_3STATE = 0x0005;
inline constexpr uint32_t BS_AUTO3STATE = 0x0006;
inline constexpr uint32_t BS_GROUPBOX = 0x0007;
inline constexpr uint32_t BS_AUTORADIOBUTTON = 0x0009;
inline constexpr uint32_t BS_TYPEMASK = 0x000F;
inline constexpr uint32_t LBS_NOTIFY = 0x0001;
inline constexpr uint32_t LBS_SORT = 0x0002;
inline constexpr uint32_t LBS_MULTIPLESEL = 0x0008;
inline constexpr uint32_t LBS_EXTENDEDSEL = 0x0800;
inline constexpr uint32_t CBS_DROPDOWN = 0x0002;
inline constexpr uint32_t CBS_DROPDOWNLIST = 0x0003;
inline constexpr uint32_t CBS_SORT = 0x0100;

// Show commands.
inline constexpr int32_t SW_HIDE = 0;
inline constexpr int32_t SW_SHOW = 5;

// Size types of WM_SIZE.
inline constexpr uint32_t SIZE_RESTORED = 0;
inline constexpr uint32_t SIZE_MINIMIZED = 1;
inline constexpr uint32_t SIZE_MAXIMIZED = 2;

// The header of every WM_NOTIFY record.
struct NMHDR {
    HWND hwndFrom = 0;
    uintptr_t idFrom = 0;
    int32_t code = 0;
};

// A spin control's notification: the position and the change asked for.
struct NMUPDOWN {
    NMHDR hdr;
    int32_t iPos = 0;
    int32_t iDelta = 0;
};

// A message as a host hands it over.
struct MSG {
    HWND hwnd = 0;
    uint32_t message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    uint32_t time = 0;
    POINT pt;
};
