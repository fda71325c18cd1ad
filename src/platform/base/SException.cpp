#include "platform/base/SException.h"

SString SException::GetFullText() const {
    SString full = GetClassNameText();
    SString text = GetText();
    if (!text.IsEmpty()) full += ": " + text;
    return full;
}
