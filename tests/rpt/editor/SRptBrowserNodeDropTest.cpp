// Dropping report items on a node of a template: what may be dropped where, where the copies go
// (into a container or after the target, Alt changing it), the order of several items, and the
// effect the drag's source is told.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ui/SKeyState.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/editor/SRptBrowserNodeTestFixture.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "rpt/objs/paras/SRptParaMem.h"

using testing::ElementsAre;

namespace {

constexpr HRESULT kPointer = static_cast<HRESULT>(0x80004003);
constexpr uint32_t kCallerChoosesPlace = 0x1;

// A template holding "A", the container "Chapter" with "C1", "C2", then "B", shown in the browser.
class SRptBrowserNodeDropTest : public SRptBrowserNodeTestFixture {
protected:
    void SetUp() override {
        SRptBrowserNodeTestFixture::SetUp();
        Place(Free(CLSID_SRptText, "A").Get());
        chapter = Place(Free(CLSID_SRptTitle, "Chapter").Get());
        Place(Free(CLSID_SRptText, "C1").Get(), chapter.Get());
        Place(Free(CLSID_SRptText, "C2").Get(), chapter.Get());
        Place(Free(CLSID_SRptText, "B").Get());
        root = ShowTemplate();
    }
    void TearDown() override {
        chapter.Clear();
        SRptBrowserNodeTestFixture::TearDown();
    }

    SRptBrowserNodeItem* NodeA() { return Child(root, 0); }
    SRptBrowserNodeItem* NodeChapter() { return Child(root, 1); }

    // The drop test's effect on `target` for `effect`.
    uint32_t Accepts(SRptBrowserNodeItem* target, SOleDataObject& data, uint32_t effect = DROPEFFECT_COPY,
                     uint32_t flags = 0, int32_t position = -1) {
        uint32_t result = 0xFFFF;
        EXPECT_EQ(target->CanDrop(target, data, flags, position, effect, &result), S_OK);
        return result;
    }

    SComWrap<ISRptItem> chapter;
    SRptBrowserNodeItem* root = nullptr;
};

}  // namespace

TEST_F(SRptBrowserNodeDropTest, ItemsOfTheTemplatesModuleMayBeDroppedWhereTheirKindAllows) {
    SComWrap<ISRptItem> text = Free(CLSID_SRptText, "New");
    SComWrap<ISRptItem> foreign = Free(CLSID_SRptText, "Foreign", "Stock");
    SOleDataObject ours = Dragging({text.Get()});
    EXPECT_EQ(Accepts(NodeA(), ours, DROPEFFECT_COPY), DROPEFFECT_COPY);
    EXPECT_EQ(Accepts(NodeA(), ours, DROPEFFECT_MOVE), DROPEFFECT_MOVE);
    EXPECT_EQ(Accepts(root, ours), DROPEFFECT_COPY);

    // One item of another module refuses the whole drag.
    SOleDataObject mixed = Dragging({text.Get(), foreign.Get()});
    EXPECT_EQ(Accepts(NodeA(), mixed), DROPEFFECT_NONE);
    // So does anything that is no report item, and a drag without repository objects.
    SComWrap<ISRepObject> para;
    ASSERT_EQ(session->CreateObject(CLSID_SRptPara, reinterpret_cast<void**>(&para), ISRepObject::iid), S_OK);
    SOleDataObject notAnItem(SRepDataSrc::Create({para.Get()}).Get());
    EXPECT_EQ(Accepts(NodeA(), notAnItem), DROPEFFECT_NONE);
    SOleDataObject nothing;
    EXPECT_EQ(Accepts(NodeA(), nothing), DROPEFFECT_NONE);

    // A container may not go into itself or below itself; the caller's own place is tested too.
    SOleDataObject itself = Dragging({chapter.Get()});
    EXPECT_EQ(Accepts(NodeChapter(), itself, DROPEFFECT_MOVE), DROPEFFECT_NONE);
    EXPECT_EQ(Accepts(Child(NodeChapter(), 0), itself, DROPEFFECT_MOVE, kCallerChoosesPlace, 0), DROPEFFECT_NONE);
    EXPECT_EQ(Accepts(NodeA(), ours, DROPEFFECT_COPY, kCallerChoosesPlace, 0), DROPEFFECT_NONE);  // no container
    EXPECT_EQ(Accepts(NodeChapter(), ours, DROPEFFECT_COPY, kCallerChoosesPlace, 0), DROPEFFECT_COPY);
}

TEST_F(SRptBrowserNodeDropTest, AnItemDroppedOnAContainerGoesInUnlessAltIsHeld) {
    SOleDataObject data = Dragging({Free(CLSID_SRptText, "New").Get()});
    EXPECT_EQ(browser.Drop(data, NodeChapter(), DROPEFFECT_COPY), DROPEFFECT_COPY);
    EXPECT_THAT(Labels(chapter.Get()), ElementsAre("C1", "C2", "New"));
    // The container's node shows it at once.
    EXPECT_EQ(NodeChapter()->GetLastRefresh(), 22);
    EXPECT_EQ(NodeChapter()->GetChildCount(), 3);

    SKeyDownScope alt(VK_MENU);
    SOleDataObject after = Dragging({Free(CLSID_SRptText, "After").Get()});
    EXPECT_EQ(browser.Drop(after, NodeChapter(), DROPEFFECT_COPY), DROPEFFECT_COPY);
    EXPECT_THAT(Labels(TemplateItem().Get()), ElementsAre("A", "Chapter", "After", "B"));
    EXPECT_EQ(root->GetLastRefresh(), 22);
    EXPECT_EQ(root->GetChildCount(), 4);
}

TEST_F(SRptBrowserNodeDropTest, SeveralItemsDroppedAfterAnItemFollowItInTheirOrder) {
    SOleDataObject data =
        Dragging({Free(CLSID_SRptText, "X").Get(), Free(CLSID_SRptText, "Y").Get(), Free(CLSID_SRptText, "Z").Get()});
    uint32_t effect = 0;
    EXPECT_EQ(NodeA()->Drop(NodeA(), data, 0, -1, DROPEFFECT_MOVE, &effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_THAT(Labels(TemplateItem().Get()), ElementsAre("A", "X", "Y", "Z", "Chapter", "B"));
    // The copies are the template's own; the dragged items stay where they were.
    SComWrap<ISRepObject> first;
    ASSERT_EQ(TemplateItem()->GetChildItemAtPos(1, &first), S_OK);
    SComWrap<ISRptItem> copy;
    copy = static_cast<IUnknown*>(first.Get());
    EXPECT_TRUE(copy->GetInTemplate());
}

TEST_F(SRptBrowserNodeDropTest, SeveralItemsDroppedAtTheEndOfAParentKeepTheirOrder) {
    SOleDataObject data =
        Dragging({Free(CLSID_SRptText, "X").Get(), Free(CLSID_SRptText, "Y").Get(), Free(CLSID_SRptText, "Z").Get()});
    uint32_t effect = 0;
    EXPECT_EQ(NodeChapter()->Drop(NodeChapter(), data, 0, -1, DROPEFFECT_COPY, &effect), S_OK);
    EXPECT_THAT(Labels(chapter.Get()), ElementsAre("C1", "C2", "X", "Y", "Z"));

    // Onto the template: after its last item, in order too.
    SOleDataObject more = Dragging({Free(CLSID_SRptText, "P").Get(), Free(CLSID_SRptText, "Q").Get()});
    EXPECT_EQ(root->Drop(root, more, 0, -1, DROPEFFECT_COPY, &effect), S_OK);
    EXPECT_THAT(Labels(TemplateItem().Get()), ElementsAre("A", "Chapter", "B", "P", "Q"));
}

TEST_F(SRptBrowserNodeDropTest, ACallerThatChoosesThePlaceGetsItsPosition) {
    SOleDataObject data = Dragging({Free(CLSID_SRptText, "X").Get(), Free(CLSID_SRptText, "Y").Get()});
    uint32_t effect = 0;
    EXPECT_EQ(NodeChapter()->Drop(NodeChapter(), data, kCallerChoosesPlace, 1, DROPEFFECT_COPY, &effect), S_OK);
    EXPECT_THAT(Labels(chapter.Get()), ElementsAre("C1", "X", "Y", "C2"));
}

TEST_F(SRptBrowserNodeDropTest, ADropOutsideATemplatePlacesNothing) {
    SComWrap<ISRptItem> available = Free(CLSID_SRptTitle, "Available");
    SRptBrowserNodeItem* availableNode = NodeOf(available.Get(), false);
    SOleDataObject data = Dragging({Free(CLSID_SRptText, "X").Get()});
    uint32_t effect = 0;
    EXPECT_EQ(availableNode->Drop(availableNode, data, 0, -1, DROPEFFECT_MOVE, &effect), S_OK);
    // The move is the source's to finish: the item leaves its template.
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_TRUE(Labels(available.Get()).empty());
    EXPECT_THAT(Labels(TemplateItem().Get()), ElementsAre("A", "Chapter", "B"));
}

TEST_F(SRptBrowserNodeDropTest, AnItemThatCannotBePlacedStopsTheDropAndTakesBackTheMove) {
    SComWrap<ISRepObject> para;
    ASSERT_EQ(session->CreateObject(CLSID_SRptPara, reinterpret_cast<void**>(&para), ISRepObject::iid), S_OK);
    SComWrap<ISRptItem> x = Free(CLSID_SRptText, "X");
    SOleDataObject data(SRepDataSrc::Create({static_cast<ISRepObject*>(x.Get()), para.Get()}).Get());
    uint32_t effect = 0xFF;
    EXPECT_EQ(NodeA()->Drop(NodeA(), data, 0, -1, DROPEFFECT_MOVE, &effect), kPointer);
    // The source must keep what it dragged: nothing tells it to remove the originals.
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_THAT(Labels(TemplateItem().Get()), ElementsAre("A", "X", "Chapter", "B"));
}
