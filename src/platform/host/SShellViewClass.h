#pragma once
// The base of a kind of editor view as the host shell knows it: a command target that is also a
// counted object with two host faces, ISShellViewClass (the kind of view) and
// ISShellCommandClass (who answers for the kind's commands). It holds the host frame, the shell
// module that registered it and the list of its open shell views, and hands the host its menus,
// toolbars and accelerators, every command of them marked with its command-class face.
#include <cstdint>
#include <vector>

#include "platform/base/HINSTANCE.h"
#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/host/ISShellCommandBars.h"
#include "platform/host/ISShellCommandClass.h"
#include "platform/host/ISShellHostFrame.h"
#include "platform/host/ISShellView.h"
#include "platform/host/ISShellViewClass.h"
#include "platform/host/SHELLACCEL.h"
#include "platform/host/SHELLTOOLBARBUTTON.h"
#include "platform/host/SHELLTOOLBARITEM.h"
#include "platform/host/SHELLVIEWTBBUTTON.h"
#include "platform/ui/SCmdTarget.h"
#include "platform/ui/SWinDefs.h"

class SModuleState;
class SShellModule;

class SShellViewClass : public SCmdTarget, public ISShellViewClass, public ISShellCommandClass {
public:
    // Takes a reference on the host frame when one is given. The count starts at 0.
    explicit SShellViewClass(ISShellHostFrame* hostFrame = nullptr);

    // IUnknown of both faces: IUnknown and ISShellViewClass give the view-class face,
    // ISShellCommandClass the command-class face, each with a reference; E_POINTER for a null
    // out-pointer, E_NOINTERFACE (out-pointer cleared) for anything else. At 0 the object goes.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    // ISShellViewClass: nothing is implemented here; a kind of view gives its id.
    HRESULT GetViewClassName(char16_t*, uint32_t) override { return E_NOTIMPL; }
    HRESULT GetViewClassID(GUID*) override { return E_NOTIMPL; }
    // ISShellCommandClass: no command class id here. The texts of a command: the standard text
    // of the host's docking commands when there is one, else GetCommandText's answer.
    HRESULT GetCommandClassID(GUID*) override { return E_NOTIMPL; }
    HRESULT OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) override;

    ISShellViewClass* GetViewClassFace() { return this; }
    ISShellCommandClass* GetCommandClassFace() { return this; }
    int32_t GetRefCount() const { return m_refCount; }

    // Remembers the module; a class without a host frame takes the module's. Always 1.
    int32_t AttachModule(SShellModule* module);
    SShellModule* GetModule() const { return m_module; }
    ISShellHostFrame* GetHostFrame() const { return m_hostFrame.Get(); }

    // The open shell views of the kind, oldest first, each held by a reference.
    int32_t AddView(ISShellView* view);
    // 1 when the view was in the list (its reference is given back), else 0.
    int32_t RemoveView(ISShellView* view);
    const std::vector<ISShellView*>& GetViews() const { return m_views; }

    // The prompt (tooltip 0) or tooltip of command `id` from the kind's string table: 0 when
    // written (bounded by `size` units), 1 when there is no such string, E_POINTER for a null
    // buffer. The two words are not used.
    virtual int32_t GetCommandText(uint32_t id, uint32_t, uint32_t, char16_t* buffer, uint32_t size, int32_t tooltip);
    // The text of one of the host's standard commands that the kind words itself; 1 when written.
    // None here.
    virtual int32_t GetStandardCommandHelp(uint32_t id, char16_t* buffer, uint32_t size, int32_t tooltip);
    // The part of a command's text that the host shows: before the first line feed (the whole
    // text without one) as the prompt, after it (empty without one) as the tooltip.
    static SString CommandTextPart(const SString& text, int32_t tooltip);

    // Command bars. Each gives 1 when the host accepted what it was given, else 0; without a host
    // frame nothing is handed over. A host frame that refuses the command-bar interface with
    // E_NOINTERFACE gives 0; any other refusal throws SECOMException with its code.
    int32_t AddToolbar(uint32_t flags, const SString& name, const SHELLTOOLBARBUTTON* buttons, uint32_t count,
                       uint32_t bitmapId, uint32_t maskColour);
    int32_t AddResourceToolbar(uint32_t flags, const SString& name, HINSTANCE instance, uint32_t id, uint32_t maskColour,
                               uint32_t kind);
    int32_t AddViewToolbar(const SString& name, HINSTANCE instance, uint32_t id, uint32_t maskColour,
                           const SHELLVIEWTBBUTTON* buttons, uint32_t count, uint32_t kind);
    int32_t AddResourceViewToolbar(const SString& name, HINSTANCE instance, uint32_t id, uint32_t maskColour,
                                   uint32_t kind);
    int32_t RegisterMenu(HMENU menu);
    int32_t RegisterAccelerators(HACCEL table);

    // Every item of the menu tree but the host's own commands (1 to 300) gets `commandClass` as
    // its item data; submenus first.
    static void StampMenuCommandClass(HMENU menu, ISShellCommandClass* commandClass);
    // The records of toolbar resource `id` (type 241) of `instance`: one per entry, separators
    // included, or one per button for the items; the host's own commands carry no command class.
    // Empty when the resource is missing. The mask colour is not used.
    static void LoadToolbarButtons(HINSTANCE instance, uint32_t id, uint32_t maskColour,
                                   std::vector<SHELLTOOLBARBUTTON>& buttons, ISShellCommandClass* commandClass,
                                   uint32_t kind);
    static void LoadViewToolbarButtons(HINSTANCE instance, uint32_t id, std::vector<SHELLVIEWTBBUTTON>& buttons,
                                       ISShellCommandClass* commandClass);
    static void LoadToolbarItems(HINSTANCE instance, uint32_t id, std::vector<SHELLTOOLBARITEM>& items, void* value);
    // The accelerator table's entries as the host's records; 1 when the host accepted them.
    static int32_t CopyAcceleratorsToHost(ISShellCommandBars* bars, ISShellCommandClass* commandClass, HACCEL table);

protected:
    // The views still listed are not released: each holds a reference on its class, so a class
    // goes only after its views have left the list.
    ~SShellViewClass() override;

    // Where the kind's command texts are; the current module state here.
    virtual SModuleState* GetResourceState() const;

    SComWrap<ISShellHostFrame> m_hostFrame;

private:
    template <class I>
    SComWrap<I> AskHost() const;

    int32_t m_refCount = 0;
    SShellModule* m_module = nullptr;
    std::vector<ISShellView*> m_views;
};
