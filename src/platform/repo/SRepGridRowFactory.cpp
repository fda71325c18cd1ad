#include "platform/repo/SRepGridRowFactory.h"

#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/SRepListControler.h"

std::vector<SComWrap<ISRepObject>> SRepGridRowFactory::GetRows() {
    std::vector<SComWrap<ISRepObject>> rows;
    SComWrap<ISRepClassCol> collection;
    if (!m_root || FAILED(m_root->GetCollection(m_controler.GetCollectionId(), &collection)) || !collection)
        return rows;
    int32_t count = 0;
    if (FAILED(collection->GetCount(&count))) return rows;
    for (int32_t position = 0; position < count; ++position) {
        SComWrap<ISRepObject> object;
        if (FAILED(collection->Item(position, &object)) || !object) continue;
        if (object->IsKindOf(m_controler.GetClassId())) rows.push_back(std::move(object));
    }
    return rows;
}
