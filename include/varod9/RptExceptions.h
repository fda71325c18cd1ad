#pragma once
// The exceptions a host meets. The exported functions let none out: they answer with codes. Two
// things do reach a host as exceptions:
// - the smart interface pointer (SComWrap) and the report interfaces' operations that say they
//   throw: SECOMException, whose GetHResult is the failed call's code (E_POINTER 0x80004003 for
//   an empty pointer used), or SEOutOfMemory, whose code is 0x8007000E;
// - the other way, a host's own stream (derived from SInputStream or SOutputStream) throws
//   SEIOException when it cannot read or write; the library's function that was reading or
//   writing answers 0x80030019.
// Each is an SException: GetText is its text, GetFullText its class name followed by ": " and
// the text when there is one ("SECOMException" for a failed call without a text).
#include "platform/base/SECOMException.h"
#include "platform/base/SEIOException.h"
#include "platform/base/SEOutOfMemory.h"
