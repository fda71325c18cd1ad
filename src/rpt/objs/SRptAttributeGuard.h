#pragma once
// The catch ladder of the attribute protocol. GetAttribute, SetAttribute and GetAttributeDefault
// of every report class run their body through it: id -1 is refused with E_FAIL (and a null out
// value with E_POINTER) before the body runs; an exception from the body becomes the code that
// SExceptionResult gives it (SEIOAbortedException E_ABORT, SEIOException 0x80030019,
// SECOMException its code, SException E_UNEXPECTED, a failed allocation E_OUTOFMEMORY, anything
// else E_UNEXPECTED) and one report through SExceptionDialog_ naming the class's source file,
// the line of the operation, the class, the operation, the attribute id and the exception's
// full text ("SEOutOfMemory" for a failed allocation, "unknow" for what is no SException).
// STargetedException with a target goes on to the caller unreported.
// Each class's attribute table holds its guard (SRptAttributeTable); a class that writes its
// protocol by hand keeps one in its .cpp:
//     constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptTestSampleMem", "SRptTestSampleMem");
//     HRESULT SRptTestSampleMem::GetAttribute(int32_t id, SRepVariant* value) {
//         return kGuard.Get(id, value, [&]() -> HRESULT { switch (id) { ... } });
//     }
#include <cstdint>
#include <utility>

// The exceptions of the ladder, for the classes that throw them through a guard.
#include "platform/base/SECOMException.h"
#include "platform/base/SEIOAbortedException.h"
#include "platform/base/STargetedException.h"
#include "platform/com/HRESULT.h"

class SRepVariant;

class SRptAttributeGuard {
public:
    constexpr SRptAttributeGuard(const char* sourceFile, const char* className)
        : m_sourceFile(sourceFile), m_className(className) {}

    template <class F>
    HRESULT Get(int32_t id, SRepVariant* value, F&& body,
                int32_t line = __builtin_LINE()) const {
        if (id == -1) return E_FAIL;
        if (!value) return E_POINTER;
        return Run("%s::GetAttribute(dispid = 0x%0.8X, ...)\n (%s)", id, std::forward<F>(body), line);
    }
    template <class F>
    HRESULT Set(int32_t id, F&& body, int32_t line = __builtin_LINE()) const {
        if (id == -1) return E_FAIL;
        return Run("%s::SetAttribute(dispid = 0x%0.8X, ...)\n (%s)", id, std::forward<F>(body), line);
    }
    template <class F>
    HRESULT Default(int32_t id, SRepVariant* value, F&& body,
                    int32_t line = __builtin_LINE()) const {
        if (id == -1) return E_FAIL;
        if (!value) return E_POINTER;
        return Run("%s::GetAttributeDefault(dispid = 0x%0.8X, ...)\n (%s)", id, std::forward<F>(body), line);
    }

    const char* GetSourceFile() const { return m_sourceFile; }
    const char* GetClassName() const { return m_className; }

private:
    template <class F>
    HRESULT Run(const char* format, int32_t id, F&& body, int32_t line) const {
        try {
            return std::forward<F>(body)();
        } catch (const STargetedException& e) {
            // Addressed to a frame further up: it goes on, unreported.
            if (e.HasTarget()) throw;
            return Fail(format, id, line);
        } catch (...) {
            return Fail(format, id, line);
        }
    }
    // Inside a handler: the exception's code, after its one report.
    HRESULT Fail(const char* format, int32_t id, int32_t line) const;
    void Report(const char* format, int32_t id, const SString& text, int32_t line) const;

    const char* m_sourceFile;
    const char* m_className;
};
