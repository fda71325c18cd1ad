#include "platform/repo/SRepSpecificMenuCmdClass.h"

#include <iterator>

#include "platform/base/CopyToHostBuffer.h"
#include "platform/ui/SSysCmdUI.h"

const SClassInfo SRepSpecificMenuCmdClass::classSRepSpecificMenuCmdClass = {"SRepSpecificMenuCmdClass",
                                                                              &SCmdTarget::classSCmdTarget};

SRepSpecificMenuCmdClass::~SRepSpecificMenuCmdClass() {
    for (auto& [key, entries] : m_menus) entries.clear();
    m_menus.clear();
}

HRESULT SRepSpecificMenuCmdClass::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IUnknown::iid || riid == ISShellCommandClass::iid)
        *out = static_cast<ISShellCommandClass*>(this);
    else if (riid == ISShellCommandTarget::iid)
        *out = static_cast<ISShellCommandTarget*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

uint32_t SRepSpecificMenuCmdClass::Release() {
    if (--m_refCount == 0) {
        delete this;
        return 0;
    }
    return static_cast<uint32_t>(m_refCount);
}

const SString* SRepSpecificMenuCmdClass::FindCommandText(uint32_t id) const {
    for (const auto& [key, entries] : m_menus) {
        const auto found = entries.find(static_cast<int32_t>(id));
        if (found != entries.end()) return &found->second;
    }
    return nullptr;
}

HRESULT SRepSpecificMenuCmdClass::OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) {
    if (!buffer || size == 0) return E_POINTER;
    buffer[0] = u'\0';
    const SString* declared = FindCommandText(id);
    if (!declared) return S_FALSE;
    const std::string& text = declared->str();
    const size_t feed = text.find('\n');
    std::string part;
    if (which == 1)
        part = feed == std::string::npos ? text : text.substr(feed + 1);
    else
        part = text.substr(0, feed);
    CopyToHostBuffer(SString(part), buffer, size);
    return S_OK;
}

HRESULT SRepSpecificMenuCmdClass::QueryCommandSupport(uint32_t id, ISShellCommandClass*) {
    SCmdHandlerInfo info;
    return OnCmdMsg(id, CN_COMMAND, nullptr, &info) ? S_OK : S_FALSE;
}

HRESULT SRepSpecificMenuCmdClass::OnCommand(uint32_t id, ISShellCommandClass*) {
    return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr) ? S_OK : S_FALSE;
}

HRESULT SRepSpecificMenuCmdClass::OnCommandUI(uint32_t id, ISShellCommandClass*, uint32_t* state, char16_t* text,
                                              uint32_t cch) {
    if (!state) return E_POINTER;
    SSysCmdUI ui(text, static_cast<int32_t>(cch));
    ui.m_nID = id;
    const int32_t answered = ui.DoUpdate(this, 1);
    *state = ui.GetFlags();
    return answered ? S_OK : S_FALSE;
}

HRESULT SRepSpecificMenuCmdClass::OnControlNotify(uint32_t, ISShellCommandClass*, MSG*, int32_t*) {
    return S_FALSE;
}

HRESULT SRepSpecificMenuCmdClass::OnInitialize(ISShellHostFrame* hostFrame) {
    if (hostFrame != m_hostFrame.Get()) m_hostFrame.Reset(hostFrame);
    // The menus are declared once, however often the host initialises the class.
    if (m_initialised) return S_OK;
    m_initialised = true;
    return InitSpecificMenus();
}

HRESULT SRepSpecificMenuCmdClass::EnumMenu(int32_t key, int32_t* position, int32_t* id, SString* text) {
    if (!position || !id || !text) return E_POINTER;
    const auto menu = m_menus.find(key);
    if (menu == m_menus.end() || *position < 0 || static_cast<size_t>(*position) >= menu->second.size()) return S_FALSE;
    auto entry = menu->second.begin();
    std::advance(entry, *position);
    *id = entry->first;
    *text = entry->second;
    ++*position;
    return S_OK;
}
