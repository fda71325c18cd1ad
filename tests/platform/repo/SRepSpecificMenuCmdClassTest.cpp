// A module's specific menus: declared once into the menu table, enumerated for the host, their
// commands' texts and states answered and their commands dispatched through the message map; the
// repository shell module makes the command class on the host's first request.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/SModuleState.h"
#include "platform/repo/SRepModuleState.h"
#include "platform/repo/SRepShellModule.h"
#include "platform/repo/SRepSpecificMenuCmdClass.h"
#include "platform/host/SStandInHost.h"

namespace {

constexpr GUID kCommandClassId = MakeGUID("{9D5BD2C5-E853-11D2-B696-0008C7EA924D}");

// Declares command 6100 in a popup 2811 of menu group 4, as a module does.
class STestMenuCmdClass final : public SRepSpecificMenuCmdClass {
public:
    const SClassInfo* GetClassInfo() const override { return &classSTestMenuCmdClass; }
    static const SClassInfo classSTestMenuCmdClass;
    S_DECLARE_MESSAGE_MAP()

public:
    explicit STestMenuCmdClass(int32_t* alive = nullptr) : m_alive(alive) {
        if (m_alive) ++*m_alive;
    }
    HRESULT GetCommandClassID(GUID* id) override {
        *id = kCommandClassId;
        return S_OK;
    }
    HRESULT InitSpecificMenus() override {
        ++declared;
        SString caption;
        {
            SModuleStateGuard framework(SRepGetModuleState());
            caption.LoadString(2811);
        }
        GetMenuTable()[4][2811] = caption;
        GetMenuTable()[2811][6100] = "Manage Report Templates\nReport &Templates...";
        return S_OK;
    }
    void OnTemplatesEditor() { ++opened; }

    int32_t declared = 0;
    int32_t opened = 0;

private:
    ~STestMenuCmdClass() override {
        if (m_alive) --*m_alive;
    }
    int32_t* m_alive;
};

const SClassInfo STestMenuCmdClass::classSTestMenuCmdClass = {"STestMenuCmdClass",
                                                                &SRepSpecificMenuCmdClass::classSRepSpecificMenuCmdClass};

S_BEGIN_MESSAGE_MAP(STestMenuCmdClass, SRepSpecificMenuCmdClass)
    SMsgEntry::Command(6100, &STestMenuCmdClass::OnTemplatesEditor),
S_END_MESSAGE_MAP()

// A repository shell module that makes the command class above when asked (or none).
class STestRepModule final : public SRepShellModule {
public:
    explicit STestRepModule(bool withMenus, int32_t* alive = nullptr)
        : SRepShellModule(GUID{}), m_withMenus(withMenus), m_alive(alive) {}
    HRESULT OnInitialize(int32_t) override { return S_OK; }
    HRESULT OnAction(uint32_t, IUnknown*, uint32_t, SShellView**, SProgressIndicatorEx*, IUnknown**) override {
        return E_NOTIMPL;
    }
    HRESULT OnAction(uint32_t, const char16_t* path, uint32_t, SShellView**, SProgressIndicatorEx*, IUnknown**) override {
        GetActionArgs().SetPath(path);
        return S_OK;
    }
    HRESULT GetLoadSaveManager(ISLoadSaveManager**) override { return E_NOTIMPL; }
    HRESULT CreateSpecificMenuCmdClass() override {
        ++made;
        if (m_withMenus) SetSpecificMenuCmdClass(new STestMenuCmdClass(m_alive));
        return S_OK;
    }
    STestMenuCmdClass* Menus() const { return static_cast<STestMenuCmdClass*>(GetSpecificMenuCmdClassObject()); }

    int32_t made = 0;

private:
    bool m_withMenus;
    int32_t* m_alive;
};

std::u16string Help(ISShellCommandClass* commandClass, uint32_t id, uint32_t which, uint32_t size = 64) {
    char16_t buffer[64] = {u'x'};
    commandClass->OnCommandHelp(id, which, buffer, size);
    return buffer;
}

}  // namespace

TEST(SRepSpecificMenuCmdClass, TheMenusAreDeclaredOnceAndEnumeratedKeyByKey) {
    SComWrap<STestMenuCmdClass> menus;
    menus.Attach(new STestMenuCmdClass);
    auto frame = SStandInHost::Create();
    EXPECT_EQ(menus->OnInitialize(frame.Get()), S_OK);
    EXPECT_EQ(menus->OnInitialize(frame.Get()), S_OK);
    EXPECT_EQ(menus->declared, 1);
    EXPECT_EQ(menus->GetHostFrame(), frame.Get());
    frame->AddRef();
    EXPECT_EQ(frame->Release(), 2u);  // the class holds the frame

    // Exactly group 4 with the popup 2811, and the popup with command 6100.
    const auto& table = menus->GetMenuTable();
    ASSERT_EQ(table.size(), 2u);
    ASSERT_EQ(table.at(4).size(), 1u);
    EXPECT_EQ(table.at(4).at(2811), *SRepGetModuleState()->FindString(2811));
    ASSERT_EQ(table.at(2811).size(), 1u);
    EXPECT_EQ(table.at(2811).at(6100), SString("Manage Report Templates\nReport &Templates..."));

    int32_t position = 0, id = 0;
    SString text;
    EXPECT_EQ(menus->EnumMenu(2811, &position, &id, &text), S_OK);
    EXPECT_EQ(id, 6100);
    EXPECT_EQ(text, SString("Manage Report Templates\nReport &Templates..."));
    EXPECT_EQ(position, 1);
    EXPECT_EQ(menus->EnumMenu(2811, &position, &id, &text), S_FALSE);
    position = 0;
    EXPECT_EQ(menus->EnumMenu(5, &position, &id, &text), S_FALSE);
    EXPECT_EQ(menus->EnumMenu(4, &position, nullptr, &text), E_POINTER);
}

TEST(SRepSpecificMenuCmdClass, TheHostGetsTheCommandsTextsStateAndDispatch) {
    SComWrap<STestMenuCmdClass> menus;
    menus.Attach(new STestMenuCmdClass);
    menus->OnInitialize(nullptr);
    ISShellCommandClass* commandClass = menus.Get();

    GUID id{};
    EXPECT_EQ(commandClass->GetCommandClassID(&id), S_OK);
    EXPECT_EQ(id, kCommandClassId);
    EXPECT_EQ(Help(commandClass, 6100, 1), u"Report &Templates...");
    EXPECT_EQ(Help(commandClass, 6100, 0), u"Manage Report Templates");
    EXPECT_EQ(Help(commandClass, 6100, 1, 7), u"Report");  // cut to the buffer
    EXPECT_EQ(Help(commandClass, 6101, 1), u"");
    EXPECT_EQ(commandClass->OnCommandHelp(6101, 1, nullptr, 10), E_POINTER);

    SComWrap<ISShellCommandTarget> target;
    ASSERT_EQ(commandClass->QueryInterface(ISShellCommandTarget::iid, reinterpret_cast<void**>(&target)), S_OK);
    EXPECT_EQ(target->QueryCommandSupport(6100, commandClass), S_OK);
    EXPECT_EQ(target->QueryCommandSupport(6101, commandClass), S_FALSE);
    EXPECT_EQ(menus->opened, 0);
    EXPECT_EQ(target->OnCommand(6100, commandClass), S_OK);
    EXPECT_EQ(menus->opened, 1);
    EXPECT_EQ(target->OnCommand(6101, commandClass), S_FALSE);
    uint32_t state = 0;
    char16_t text[16] = {};
    EXPECT_EQ(target->OnCommandUI(6100, commandClass, &state, text, 16), S_OK);
    EXPECT_EQ(state, 1u);  // enabled: a handler exists
    EXPECT_EQ(target->OnCommandUI(6101, commandClass, &state, text, 16), S_FALSE);
    EXPECT_EQ(state, 0u);
    int32_t result = 0;
    EXPECT_EQ(target->OnControlNotify(6100, commandClass, nullptr, &result), S_FALSE);

    // Both faces are one object.
    SComWrap<IUnknown> unknown;
    EXPECT_EQ(target->QueryInterface(IUnknown::iid, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown.Get(), static_cast<IUnknown*>(commandClass));
    void* other = reinterpret_cast<void*>(0x10);
    EXPECT_EQ(commandClass->QueryInterface(MakeGUID("{C69CBB83-6A51-11D0-90A3-444553540000}"), &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
}

TEST(SRepShellModule, TheSpecificMenusAreMadeOnTheFirstRequestWithTheHostFrame) {
    int32_t alive = 0;
    SComWrap<STestRepModule> module(new STestRepModule(true, &alive));
    auto frame = SStandInHost::Create();
    module->Initialize(frame.Get());
    EXPECT_EQ(module->made, 0);

    int32_t position = 0, id = 0;
    SString text;
    EXPECT_EQ(module->EnumMenu(4, &position, &id, &text), S_OK);
    EXPECT_EQ(id, 2811);
    EXPECT_EQ(module->made, 1);
    EXPECT_EQ(module->Menus()->GetHostFrame(), frame.Get());

    SComWrap<ISShellCommandClass> commandClass;
    EXPECT_EQ(module->GetSpecificMenuCmdClass(&commandClass), S_OK);
    EXPECT_EQ(commandClass.Get(), static_cast<ISShellCommandClass*>(module->Menus()));
    EXPECT_EQ(module->made, 1);
    EXPECT_EQ(module->Menus()->declared, 1);
    EXPECT_EQ(module->GetSpecificMenuCmdClass(nullptr), E_POINTER);

    // The module gives its reference back when it goes; the host's keeps the class alive.
    EXPECT_EQ(alive, 1);
    module.Clear();
    EXPECT_EQ(alive, 1);
    commandClass.Clear();
    EXPECT_EQ(alive, 0);
}

TEST(SRepShellModule, AModuleWithoutSpecificMenusAnswersEmptyAndKeepsTheActionsPath) {
    SComWrap<STestRepModule> module(new STestRepModule(false));
    SComWrap<ISShellCommandClass> commandClass;
    EXPECT_EQ(module->GetSpecificMenuCmdClass(&commandClass), S_FALSE);
    EXPECT_EQ(commandClass.Get(), nullptr);
    int32_t position = 0, id = 0;
    SString text;
    EXPECT_EQ(module->EnumMenu(4, &position, &id, &text), S_FALSE);
    EXPECT_EQ(module->made, 1);  // asked once only

    EXPECT_EQ(module->OnActionPathFromHost(2, u"/templates/été.rtp", 0, nullptr), S_OK);
    EXPECT_EQ(module->GetActionArgs().GetPath(), SString("/templates/été.rtp"));
    module->OnActionPathFromHost(1, nullptr, 0, nullptr);
    EXPECT_TRUE(module->GetActionArgs().GetPath().IsEmpty());
}
