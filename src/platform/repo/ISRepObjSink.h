#pragma once
// What an advised party hears about one repository object. The object catches what a sink
// throws: the change or deletion has happened either way.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISRepObject;

// Notification kinds of ISRepObject::Advise.
inline constexpr uint32_t SREP_NOTIFY_CHANGE = 0x00000002;  // an attribute or collection changed
inline constexpr uint32_t SREP_NOTIFY_DELETE = 0x01000000;  // the object is being deleted
inline constexpr uint32_t SREP_NOTIFY_FLUSH = 0x20000000;   // the object's pending state is written

struct ISRepObjSink : IUnknown {
    static constexpr GUID iid = IID_ISRepObjSink;
    virtual HRESULT OnDelete(ISRepObject* object, int32_t reason) = 0;
    virtual HRESULT OnFlush(ISRepObject* object) = 0;
    virtual HRESULT OnChange(ISRepObject* object, int32_t id) = 0;

protected:
    ~ISRepObjSink() = default;
};
