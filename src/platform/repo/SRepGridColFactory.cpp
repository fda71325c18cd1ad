#include "platform/repo/SRepGridColFactory.h"

#include <algorithm>

#include "platform/repo/SRepListControler.h"
#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepTypeLibManager.h"

int32_t SRepGridColFactory::ShowGridColumn(const SRepMetaAttribute&) {
    return 1;
}

int32_t SRepGridColFactory::ShowListed(const SRepMetaAttribute& attribute, std::initializer_list<uint32_t> shown) {
    for (uint32_t id : shown)
        if (attribute.GetId() == id) return SRepGridColFactory::ShowGridColumn(attribute);
    return 0;
}

std::vector<const SRepMetaAttribute*> SRepGridColFactory::GetColumns() {
    std::vector<const SRepMetaAttribute*> columns;
    SRepTypeLibManager* manager = GetTypeLibManager();
    // The columns are the attributes of the objects listed, which the controller names; the class
    // the factory was given is the root's.
    const SRepMetaClass* metaClass = manager ? manager->FindMetaClass(m_controler.GetClassId()) : nullptr;
    std::vector<const SRepMetaClass*> chain;
    for (const SRepMetaClass* c = metaClass; c; c = c->GetBaseClass()) chain.push_back(c);
    // From the root class down, each class's attributes in their declared order; an attribute
    // that a class declares again is the nearest declaration's, as look-ups find it.
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (const SRepMetaAttribute& attribute : (*it)->GetAttributes())
            if (metaClass->FindAttribute(attribute.GetId()) == &attribute && ShowGridColumn(attribute))
                columns.push_back(&attribute);
    std::stable_partition(columns.begin(), columns.end(),
                          [](const SRepMetaAttribute* attribute) { return attribute->IsComputed(); });
    return columns;
}

SString SRepGridColFactory::GetColumnTitle(const SRepMetaAttribute& attribute) {
    SString text;
    if (!attribute.GetStringId() || !text.LoadString(attribute.GetStringId()) || text.IsEmpty())
        return attribute.GetDisplayName();
    const int32_t lineFeed = text.Find('\n');
    return lineFeed < 0 ? text : text.Left(lineFeed);
}
