#pragma once
// A control of a repository dialog bound to an attribute of an object: it shows the attribute
// when the dialog starts and writes the control's value back through the dialog's context.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepObject.h"

class SDlg;
class SRepDialogContext;

class SRepDlgControl {
public:
    SRepDlgControl(int32_t controlId, ISRepObject* object, int32_t attributeId)
        : m_controlId(controlId), m_object(object), m_attributeId(attributeId) {}
    virtual ~SRepDlgControl() = default;

    virtual void Show(SDlg& dialog) = 0;
    // The control's value into the attribute; the object's answer (S_OK when unchanged).
    virtual HRESULT Save(SDlg& dialog, SRepDialogContext& context) = 0;

    int32_t GetControlID() const { return m_controlId; }
    ISRepObject* GetObject() const { return m_object.Get(); }
    int32_t GetAttributeID() const { return m_attributeId; }

protected:
    int32_t m_controlId;
    SComWrap<ISRepObject> m_object;
    int32_t m_attributeId;
};
