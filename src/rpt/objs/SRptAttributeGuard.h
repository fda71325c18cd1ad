#pragma once
// The catch ladder of the attribute protocol. GetAttribute, SetAttribute and GetAttributeDefault
// of every report class run their body through it: id -1 is refused with E_FAIL (and a null out
// value with E_POINTER) before the body runs; an exception from the body becomes a result code
// and one report through SExceptionDialog_ naming the class's source file, the line of the
// operation, the class, the operation and the attribute id:
//     SEIOAbortedException E_ABORT, SEIOException 0x80030019, SECOMException its code,
//     SException E_UNEXPECTED (each with the exception's full text); a failed allocation
//     E_OUTOFMEMORY (text "SEOutOfMemory"); STargetedException with a target goes on to the
//     caller unreported; anything else E_UNEXPECTED with the text "unknow".
// One guard per class, in its .cpp:
//     constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptParaMem", "SRptParaMem");
//     HRESULT SRptParaMem::GetAttribute(int32_t id, SRepVariant* value) {
//         return kGuard.Get(id, value, [&]() -> HRESULT { switch (id) { ... } });
//     }
#include <cstdint>
#include <new>
#include <utility>

#include "platform/base/SECOMException.h"
#include "platform/base/SEIOAbortedException.h"
#include "platform/base/SEIOException.h"
#include "platform/base/SException.h"
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
        } catch (const SEIOAbortedException& e) {
            Report(format, id, e.GetFullText(), line);
            return E_ABORT;
        } catch (const SEIOException& e) {
            Report(format, id, e.GetFullText(), line);
            return E_IOFAILURE;
        } catch (const SECOMException& e) {
            Report(format, id, e.GetFullText(), line);
            return e.GetHResult();
        } catch (const SException& e) {
            Report(format, id, e.GetFullText(), line);
            return E_UNEXPECTED;
        } catch (const STargetedException& e) {
            if (e.HasTarget()) throw;
            Report(format, id, "unknow", line);
            return E_UNEXPECTED;
        } catch (const std::bad_alloc&) {
            // The language's allocation failure is the library's SEOutOfMemory.
            Report(format, id, "SEOutOfMemory", line);
            return E_OUTOFMEMORY;
        } catch (...) {
            Report(format, id, "unknow", line);
            return E_UNEXPECTED;
        }
    }
    void Report(const char* format, int32_t id, const SString& text, int32_t line) const;

    const char* m_sourceFile;
    const char* m_className;
};
