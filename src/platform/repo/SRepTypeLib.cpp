#include "platform/repo/SRepTypeLib.h"

SRepTypeLib::SRepTypeLib(SString nameSpace, SString name, const GUID& libraryId)
    : m_namespace(std::move(nameSpace)), m_name(std::move(name)), m_libraryId(libraryId) {}

SRepMetaClass& SRepTypeLib::AddClass(SRepMetaClass::Record record) {
    m_classes.push_back(std::make_unique<SRepMetaClass>(this, std::move(record)));
    return *m_classes.back();
}
