#pragma once
// The browser node of a report template: the root of a contents browser. Its menu and command
// range are the same wherever the template is; it renames the template in place (45100), shows
// its items under their labels in the template, and refreshes after an insertion.
#include "platform/ui/SMsgMap.h"
#include "rpt/editor/SRptBrowserNodeItem.h"

inline constexpr uint32_t IDM_RPT_TEMPLATE_NODE = 329;
inline constexpr uint32_t ID_RPT_TEMPLATE_NODE_FIRST = 45620;
inline constexpr uint32_t ID_RPT_TEMPLATE_NODE_LAST = 45629;

class SRptBrowserNodeTemplate final : public SRptBrowserNodeItem {
public:
    using SRptBrowserNodeItem::SRptBrowserNodeItem;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeTemplate; }
    static const SClassInfo classSRptBrowserNodeTemplate;

    int32_t InitNode(ISRepObject* object, uint32_t flags, ISBrowserNode* parent, ISBrowserNode* after,
                     int32_t labelAttribute) override;
    uint32_t GetContextMenuID() override;
    uint32_t GetFirstCommandID() override;
    uint32_t GetLastCommandID() override;
    // The items are labelled as in a template, whatever label the caller asked for.
    ISBrowserNode* CreateChildNode(ISRepObject* child, ISBrowserNode* after, int32_t labelAttribute) override;
    HRESULT OnObjColInsert(ISRepClassCol* collection, ISRepObject* object, int32_t position) override;
    // A new label renames the template (its Name), whatever attribute labels the node: 1 when
    // the template took it.
    int32_t OnEndLabelEdit(const SString& label) override;

    // Command 45100: the template's name is edited in place; the browser takes the new one.
    void OnRename();

private:
    // A template's value whatever its state; 0 for an object that is no item.
    uint32_t ForTemplate(uint32_t value) const { return GetItem() ? value : 0; }

    S_DECLARE_MESSAGE_MAP()
};
