#pragma once
// Walks the objects of a collection in order, as SRepColIterator does (it survives changes of the
// collection), handing each one out in a smart pointer of the interface the caller wants.
#include <cstdint>

#include "platform/com/SComThrow.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/SRepColIterator.h"

class SRepObjIterator {
public:
    SRepObjIterator(ISRepObject* object, int32_t id) : m_iterator(object, id) {}
    explicit SRepObjIterator(ISRepClassCol* collection) : m_iterator(collection) {}

    // The next object, false at the end.
    bool Next(SComWrap<ISRepObject>& object);
    // The next object asked for the wrapper's interface by the callers' rule: an object without
    // it leaves the wrapper empty (and true is still returned), another failure is thrown.
    template <class I, const GUID* piid>
    bool Next(SComWrap<I, piid>& object) {
        SComWrap<ISRepObject> element;
        if (!Next(element)) {
            object.Clear();
            return false;
        }
        object = static_cast<IUnknown*>(element.Get());
        return true;
    }
    void Reset() { m_iterator.Reset(); }

private:
    SRepColIterator m_iterator;
};
