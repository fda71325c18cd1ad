#pragma once
// The class library's map of named strings (a document's signature, a list of templates), in
// byte order of the names.
#include "platform/base/SMap.h"
#include "platform/base/SString.h"

using SStringMap = SMap<SString, SString>;
