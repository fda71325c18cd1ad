#pragma once
// Message maps: each class's static array of entries (message, notification code, first and last
// control id, handler kind, handler), closed by an entry of zeros, with a function that gives the
// base class's map. Lookup runs through a class's entries in order, then through the base maps;
// the first entry that matches handles the message.
#include <cstdint>

#include "platform/ui/SWinDefs.h"

class SCmdTarget;
class SCmdUI;

// A handler as the map stores it; the kind says how it is called back.
using SPMsg = void (SCmdTarget::*)();

// Handler kinds: what a handler takes.
enum SMsgSig : int32_t {
    SigEnd = 0,
    SigClose = 14,     // void ()       WM_CLOSE
    SigVoid = 15,      // void ()       commands and messages without arguments
    SigCmdId = 16,     // void (id)     commands of a range
    SigKey = 19,       // void (key, repeat, flags)
    SigSize = 20,      // void (type, cx, cy)
    SigNotify = 41,    // void (NMHDR*, LRESULT*)
    SigMouse = 52,     // void (flags, point)
    SigCmdUI = 60,     // void (SCmdUI*) command-update handlers
};

// The handler, read as the member that its kind names.
union SMsgHandler {
    SPMsg pfn = nullptr;
    void (SCmdTarget::*pfnId)(uint32_t);
    void (SCmdTarget::*pfnKey)(uint32_t, uint32_t, uint32_t);
    void (SCmdTarget::*pfnSize)(uint32_t, int32_t, int32_t);
    void (SCmdTarget::*pfnNotify)(NMHDR*, LRESULT*);
    void (SCmdTarget::*pfnMouse)(uint32_t, POINT);
    void (SCmdTarget::*pfnCmdUI)(SCmdUI*);
};

struct SMsgMapEntry {
    uint32_t message = 0;
    int32_t code = 0;
    uint32_t firstId = 0;
    uint32_t lastId = 0;
    int32_t sig = SigEnd;
    SMsgHandler handler;
};

struct SMsgMap {
    const SMsgMap* (*getBaseMap)() = nullptr;
    const SMsgMapEntry* entries = nullptr;
};

// Entry builders, one per kind of entry. A handler of a derived class is stored as one of
// SCmdTarget and called back on the object whose map holds it.
namespace SMsgEntry {
inline SMsgMapEntry Make(uint32_t message, int32_t code, uint32_t first, uint32_t last, int32_t sig) {
    SMsgMapEntry entry;
    entry.message = message;
    entry.code = code;
    entry.firstId = first;
    entry.lastId = last;
    entry.sig = sig;
    return entry;
}
template <class T>
SMsgMapEntry Command(uint32_t id, void (T::*pfn)()) {
    SMsgMapEntry entry = Make(WM_COMMAND, CN_COMMAND, id, id, SigVoid);
    entry.handler.pfn = static_cast<SPMsg>(pfn);
    return entry;
}
// A control's notification by WM_COMMAND (BN_CLICKED, EN_CHANGE, CBN_SELCHANGE ...).
template <class T>
SMsgMapEntry Control(int32_t code, uint32_t id, void (T::*pfn)()) {
    SMsgMapEntry entry = Make(WM_COMMAND, code, id, id, SigVoid);
    entry.handler.pfn = static_cast<SPMsg>(pfn);
    return entry;
}
template <class T>
SMsgMapEntry CommandRange(uint32_t first, uint32_t last, void (T::*pfn)(uint32_t)) {
    SMsgMapEntry entry = Make(WM_COMMAND, CN_COMMAND, first, last, SigCmdId);
    entry.handler.pfnId = static_cast<void (SCmdTarget::*)(uint32_t)>(pfn);
    return entry;
}
template <class T>
SMsgMapEntry ControlRange(int32_t code, uint32_t first, uint32_t last, void (T::*pfn)(uint32_t)) {
    SMsgMapEntry entry = Make(WM_COMMAND, code, first, last, SigCmdId);
    entry.handler.pfnId = static_cast<void (SCmdTarget::*)(uint32_t)>(pfn);
    return entry;
}
template <class T>
SMsgMapEntry UpdateUIRange(uint32_t first, uint32_t last, void (T::*pfn)(SCmdUI*)) {
    SMsgMapEntry entry = Make(WM_COMMAND, CN_UPDATE_COMMAND_UI, first, last, SigCmdUI);
    entry.handler.pfnCmdUI = static_cast<void (SCmdTarget::*)(SCmdUI*)>(pfn);
    return entry;
}
template <class T>
SMsgMapEntry UpdateUI(uint32_t id, void (T::*pfn)(SCmdUI*)) {
    return UpdateUIRange(id, id, pfn);
}
template <class T>
SMsgMapEntry Notify(int32_t code, uint32_t id, void (T::*pfn)(NMHDR*, LRESULT*)) {
    SMsgMapEntry entry = Make(WM_NOTIFY, code, id, id, SigNotify);
    entry.handler.pfnNotify = static_cast<void (SCmdTarget::*)(NMHDR*, LRESULT*)>(pfn);
    return entry;
}
template <class T>
SMsgMapEntry Message(uint32_t message, void (T::*pfn)()) {
    SMsgMapEntry entry = Make(message, 0, 0, 0, message == WM_CLOSE ? SigClose : SigVoid);
    entry.handler.pfn = static_cast<SPMsg>(pfn);
    return entry;
}
template <class T>
SMsgMapEntry Size(void (T::*pfn)(uint32_t, int32_t, int32_t)) {
    SMsgMapEntry entry = Make(WM_SIZE, 0, 0, 0, SigSize);
    entry.handler.pfnSize = static_cast<void (SCmdTarget::*)(uint32_t, int32_t, int32_t)>(pfn);
    return entry;
}
template <class T>
SMsgMapEntry Mouse(uint32_t message, void (T::*pfn)(uint32_t, POINT)) {
    SMsgMapEntry entry = Make(message, 0, 0, 0, SigMouse);
    entry.handler.pfnMouse = static_cast<void (SCmdTarget::*)(uint32_t, POINT)>(pfn);
    return entry;
}
template <class T>
SMsgMapEntry Key(uint32_t message, void (T::*pfn)(uint32_t, uint32_t, uint32_t)) {
    SMsgMapEntry entry = Make(message, 0, 0, 0, SigKey);
    entry.handler.pfnKey = static_cast<void (SCmdTarget::*)(uint32_t, uint32_t, uint32_t)>(pfn);
    return entry;
}
inline SMsgMapEntry End() { return {}; }
}  // namespace SMsgEntry

// Declares a class's map (in the class) and defines it (in its source file):
//   S_BEGIN_MESSAGE_MAP(SMyDlg, SDlg)
//       SMsgEntry::Control(BN_CLICKED, 1046, &SMyDlg::OnNoTitleCheck),
//   S_END_MESSAGE_MAP()
#define S_DECLARE_MESSAGE_MAP()                          \
public:                                                  \
    static const SMsgMap msgMap;                         \
    const SMsgMap* GetMessageMap() const override;       \
                                                         \
private:                                                 \
    static const SMsgMapEntry msgEntries[];

#define S_BEGIN_MESSAGE_MAP(theClass, baseClass)                                           \
    const SMsgMap* theClass::GetMessageMap() const { return &theClass::msgMap; }          \
    const SMsgMap theClass::msgMap = {[]() -> const SMsgMap* { return &baseClass::msgMap; }, \
                                      theClass::msgEntries};                               \
    const SMsgMapEntry theClass::msgEntries[] = {

#define S_END_MESSAGE_MAP() \
    SMsgEntry::End()        \
    }                       \
    ;
