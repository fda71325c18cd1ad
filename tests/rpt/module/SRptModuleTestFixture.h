#pragma once
// A test of the module registry and the exported functions, acting as a host module: a module
// client that records its calls and registers the items the test gives it, and a fixture that
// unregisters every module the test registered (the combined "ALL" one included) and then checks
// that the library's tables, module list and report objects are as the test found them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepObject.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptModuleList.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptModule.h"
#include "varod9/ISRptModuleClient.h"
#include "varod9/ISRptReport.h"
#include "varod9/RptApi.h"
#include "varod9/RptItemDef.h"

class STestModuleClient final : public STestRefCounted<ISRptModuleClient> {
public:
    HRESULT InitAvailableItems(ISRptModule* pModule) override {
        modules.push_back(pModule);
        if (onInit) onInit(pModule);
        return S_OK;
    }
    HRESULT GetReportLangName(SString& sLangName, ISRptReport*) override {
        sLangName = "Esperanto";
        return S_OK;
    }
    HRESULT ValidateReportLang(ISRptReport*) override { return S_OK; }
    HRESULT GetReportTitleText(SString& sTitle, ISRptReport*, SString sTitlePath) override {
        sTitle = SString("title of ") + sTitlePath;
        return S_OK;
    }
    // The languages offered for a new template, and the object that each of them stands for.
    HRESULT FillLanguageCombo(SComboBoxCtrl* pCombo) override {
        for (const auto& [name, object] : languages) pCombo->AddString(name.c_str());
        return S_OK;
    }
    HRESULT GetLanguageObject(ISRepObject** ppLanguage, const SString& sLangName) override {
        *ppLanguage = nullptr;
        for (const auto& [name, object] : languages) {
            if (name != sLangName || !object) continue;
            object->AddRef();
            *ppLanguage = object.Get();
            return S_OK;
        }
        return S_FALSE;
    }

    // What the client does when the module's items are first needed.
    std::function<void(ISRptModule*)> onInit;
    std::vector<ISRptModule*> modules;
    std::vector<std::pair<SString, SComWrap<ISRepObject>>> languages;
};

// A text of each of an item's children (their item ids unless said otherwise), in order.
inline std::vector<std::string> SRptChildTexts(ISRptItem* parent,
                                               SString (ISRptItem::*text)() = &ISRptItem::GetItemID) {
    std::vector<std::string> texts;
    SRepClassColPtr items = parent->Items();
    for (int32_t i = 0; i < items.GetCount(); ++i) {
        SComWrap<ISRptItem> item;
        item = static_cast<IUnknown*>(items.Item(i).Get());
        texts.push_back(item ? (item.Get()->*text)().str() : std::string("?"));
    }
    return texts;
}

class SRptModuleTestFixture : public testing::Test {
protected:
    void SetUp() override {
        globals = GetRptGlobalsContainer();
        ASSERT_NE(globals, nullptr);
        live = SRptGetModuleState()->LockCount();
        modulesBefore = globals->GetModuleList()->GetCount();
        itemRowsBefore = globals->GetModuleItemTable()->GetCount();
        fieldRowsBefore = globals->GetModuleFieldTable()->GetCount();
    }
    void TearDown() override {
        SRptModuleList* list = globals->GetModuleList();
        while (list->GetCount() > modulesBefore) {
            SComWrap<ISRptModule> last;
            list->Retrieve(list->GetCount() - 1, &last);
            ASSERT_EQ(RptUnregisterModule(last.Get()), S_OK);
        }
        EXPECT_EQ(globals->GetModuleItemTable()->GetCount(), itemRowsBefore);
        EXPECT_EQ(globals->GetModuleFieldTable()->GetCount(), fieldRowsBefore);
        EXPECT_EQ(SRptGetModuleState()->LockCount(), live) << "report objects left alive";
    }

    // A module registered with a client, or without one.
    static SComWrap<ISRptModule> Register(const char* id, const char* label, ISRptModuleClient* client = nullptr) {
        SComWrap<ISRptModule> module;
        EXPECT_EQ(RptRegisterModule(client, id, label, 1, &module), S_OK) << id;
        return module;
    }
    // An item description of a kind, of a module's.
    static RPTUSRITEMDEF Describe(const char* moduleId, const char* itemId, int32_t kind, const char* label = "") {
        RPTUSRITEMDEF def;
        def.ModuleID = moduleId;
        def.ItemID = itemId;
        def.Label = label;
        def.Kind = kind;
        return def;
    }
    static SComWrap<ISRptAvailableItems> ContainerOf(ISRptModule* module) {
        SComWrap<ISRptAvailableItems> container;
        EXPECT_EQ(module->GetAvailableItems(&container), S_OK);
        return container;
    }
    static std::vector<std::string> ChildIds(ISRptItem* parent) { return SRptChildTexts(parent); }
    // The module item table's keys as "module/item", in the table's order.
    std::vector<std::string> ItemKeys() const {
        std::vector<std::string> keys;
        for (SRptModuleItemTable::Iterator it(*globals->GetModuleItemTable()); !it.IsEnd(); it.Next())
            keys.push_back(it.GetKey().GetModuleID().str() + "/" + it.GetKey().GetItemID().str());
        return keys;
    }
    std::vector<std::string> FieldKeys() const {
        std::vector<std::string> keys;
        for (SRptModuleFieldTable::Iterator it(*globals->GetModuleFieldTable()); !it.IsEnd(); it.Next())
            keys.push_back(it.GetKey().GetModuleID().str() + "/" + it.GetKey().GetFieldName().str());
        return keys;
    }

    SRptGlobalsContainer* globals = nullptr;
    int32_t live = 0;
    int32_t modulesBefore = 0;
    int32_t itemRowsBefore = 0;
    int32_t fieldRowsBefore = 0;
};
