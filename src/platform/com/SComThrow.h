#pragma once
// Turns a failed call into the library's exception carrying that code (SECOMException). Declared
// here so that the smart pointer can throw without the object model depending on the class library.
#include "platform/com/HRESULT.h"

[[noreturn]] void SComThrow(HRESULT hr);
