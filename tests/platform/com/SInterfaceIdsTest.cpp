// The interfaces of the repository framework and the host shell carry the ids those publish, so
// that a host or a framework asking by id finds them.
#include <gtest/gtest.h>

#include <utility>

#include "platform/host/ISShellCommandClass.h"
#include "platform/host/ISShellCommandTarget.h"
#include "platform/host/ISShellEvents.h"
#include "platform/host/ISShellModule.h"
#include "platform/host/ISShellModuleExt.h"
#include "platform/host/ISShellPreview.h"
#include "platform/host/ISShellProgress.h"
#include "platform/host/ISShellView.h"
#include "platform/repo/ISLoadSaveManager.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/ISRepColSink.h"
#include "platform/repo/ISRepCommandTarget.h"
#include "platform/repo/ISRepDispatch.h"
#include "platform/repo/ISRepObjSink.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/ISRepObjectInit.h"
#include "platform/repo/ISRepSessionExtern.h"
#include "platform/repo/ISRepSessionView.h"

TEST(SInterfaceIds, TheFrameworksInterfacesCarryThePublishedIds) {
    const std::pair<GUID, const char*> published[] = {
        {IUnknown::iid, "{00000000-0000-0000-C000-000000000046}"},
        {ISRepDispatch::iid, "{00020400-0000-0000-C000-000000000046}"},
        {ISRepObject::iid, "{96381B60-1253-11D1-83D9-444553540000}"},
        {ISRepObjectInit::iid, "{96381B61-1253-11D1-83D9-444553540000}"},
        {ISRepObjSink::iid, "{96381B63-1253-11D1-83D9-444553540000}"},
        {ISRepClassCol::iid, "{96381B6A-1253-11D1-83D9-444553540000}"},
        {ISRepColSink::iid, "{96381B6C-1253-11D1-83D9-444553540000}"},
        {IID_ISRepObjectBase, "{96381B6F-1253-11D1-83D9-444553540000}"},
        {ISRepSessionExtern::iid, "{96381B73-1253-11D1-83D9-444553540000}"},
        {ISLoadSaveManager::iid, "{CD012761-3B37-11D1-83D9-444553540000}"},
        {ISRepSessionView::iid, "{CD012762-3B37-11D1-83D9-444553540000}"},
        {ISRepCommandTarget::iid, "{4FADD6E2-4EF2-11D1-83D9-444553540000}"},
        {ISShellModule::iid, "{C69CBB83-6A51-11D0-90A3-444553540000}"},
        {ISShellCommandClass::iid, "{C69CBB84-6A51-11D0-90A3-444553540000}"},
        {ISShellView::iid, "{C69CBB86-6A51-11D0-90A3-444553540000}"},
        {ISShellProgress::iid, "{C69CBB8A-6A51-11D0-90A3-444553540000}"},
        {ISShellEvents::iid, "{C69CBB91-6A51-11D0-90A3-444553540000}"},
        {ISShellCommandTarget::iid, "{C69CBB93-6A51-11D0-90A3-444553540000}"},
        {ISShellPreview::iid, "{C69CBB94-6A51-11D0-90A3-444553540000}"},
        {ISShellModuleExt::iid, "{C69CBB95-6A51-11D0-90A3-444553540000}"},
    };
    for (const auto& [iid, text] : published) EXPECT_EQ(GUIDToString(iid), text);
}
