#pragma once
// The repository context of a dialog: every attribute the dialog changes goes through it, which
// keeps the value from before the dialog's first change. Commit keeps the changes; Rollback puts
// every changed attribute back as it was, the latest change first.
#include <cstdint>
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/SRepVariant.h"

class SRepDialogContext {
public:
    // Sets the attribute, keeping its value from before the first change; the object's answer.
    HRESULT SetAttribute(ISRepObject* object, int32_t id, const SRepVariant& value);
    // Keeps the value of an attribute that something else is about to change.
    void Track(ISRepObject* object, int32_t id);
    void Commit();
    // The first failure of putting a value back, S_OK when all went back.
    HRESULT Rollback();
    bool HasChanges() const { return !m_saved.empty(); }

private:
    struct Saved {
        SComWrap<ISRepObject> object;
        int32_t id;
        SRepVariant value;
    };
    std::vector<Saved> m_saved;
};
