#include <utility>

#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/ISRepDispatch.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepVariant.h"

namespace {

// The repository's operations answer every failure with a code ...
static_assert(noexcept(std::declval<ISRepObject&>().Delete()));
static_assert(noexcept(std::declval<ISRepObject&>().CreateObject(GUID{}, nullptr, GUID{})));
static_assert(noexcept(std::declval<ISRepObject&>().Duplicate(nullptr, 0, nullptr, nullptr)));
static_assert(noexcept(std::declval<ISRepObject&>().SetSysCreationInfo(std::declval<const SString&>(), 0)));
static_assert(noexcept(std::declval<ISRepObject&>().Advise(0, nullptr)));
static_assert(noexcept(std::declval<ISRepClassCol&>().Insert(-1, nullptr)));
static_assert(noexcept(std::declval<ISRepClassCol&>().DeleteAll()));
static_assert(noexcept(std::declval<ISRepSession&>().SetName(std::declval<const SString&>())));
static_assert(noexcept(std::declval<ISRepSession&>().Close()));
static_assert(noexcept(std::declval<ISRepDispatch&>().LockObject()));
// ... but the attribute protocol lets an exception addressed further up go on. What the guards
// turn into codes is checked on the report objects, whose puts and creation records announce.
static_assert(!noexcept(std::declval<ISRepObject&>().GetAttribute(0, nullptr)));
static_assert(!noexcept(std::declval<ISRepObject&>().SetAttribute(0, std::declval<const SRepVariant&>())));

}  // namespace
