#pragma once
// A set of item ids in the order of the multibyte comparison (byte order, case-sensitive): the
// ids on the way from a dropped item up to the ancestor that a template takes in its place.
#include <set>

#include "platform/base/SMbcs.h"
#include "platform/base/SString.h"

struct SRptItemIdLess {
    bool operator()(const SString& a, const SString& b) const { return _mbscmp(a.c_str(), b.c_str()) < 0; }
};

using SRptItemIdSet = std::set<SString, SRptItemIdLess>;
