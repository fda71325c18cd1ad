#include <gtest/gtest.h>

#include "platform/base/SECOMException.h"
#include "platform/com/SComTable.h"
#include "platform/com/SComWrap.h"

namespace {

struct IFoo : IUnknown {
    static constexpr GUID iid = MakeGUID("{11111111-2222-3333-4444-555555555555}");
    virtual int Value() = 0;
};

// A counted object that answers IFoo, or fails its queries with a chosen code.
class Counted : public IFoo {
public:
    explicit Counted(HRESULT queryResult = S_OK) : m_queryResult(queryResult) {}
    HRESULT QueryInterface(const GUID& riid, void** ppv) override {
        *ppv = nullptr;
        if (FAILED(m_queryResult)) return m_queryResult;
        if (riid == IFoo::iid || riid == IUnknown::iid) {
            *ppv = static_cast<IFoo*>(this);
            AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    uint32_t AddRef() override { return ++refs; }
    uint32_t Release() override { return --refs; }
    int Value() override { return 42; }
    uint32_t refs = 0;

private:
    HRESULT m_queryResult;
};

struct IBar : IUnknown {
    static constexpr GUID iid = MakeGUID("{99999999-2222-3333-4444-555555555555}");
};

}  // namespace

TEST(SComWrap, QueryAssignmentTakesOneReferenceAndReleasesOnDestruction) {
    Counted object;
    {
        SComWrap<IFoo> foo;
        EXPECT_EQ(foo.Assign(&object), S_OK);
        EXPECT_EQ(object.refs, 1u);
        EXPECT_EQ(foo->Value(), 42);
        SComWrap<IFoo> copy(foo);
        EXPECT_EQ(object.refs, 2u);
    }
    EXPECT_EQ(object.refs, 0u);
}

TEST(SComWrap, NullSourceEmptiesAndReleasesWithNoInterface) {
    Counted object;
    SComWrap<IFoo> foo;
    foo.Assign(&object);
    EXPECT_EQ(foo.Assign(nullptr), E_NOINTERFACE);
    EXPECT_TRUE(foo.IsEmpty());
    EXPECT_EQ(object.refs, 0u);
}

TEST(SComWrap, UnsupportedInterfaceLeavesItEmptyAndReleasesPrevious) {
    Counted held;
    Counted other;
    SComWrap<IBar> bar;
    SComWrap<IFoo> foo;
    foo.Assign(&held);
    // IBar is not answered: the assignment operator goes on with an empty wrapper.
    bar = static_cast<IUnknown*>(&other);
    EXPECT_TRUE(bar.IsEmpty());
    EXPECT_EQ(other.refs, 0u);
    EXPECT_EQ(foo.Assign(static_cast<IUnknown*>(static_cast<IFoo*>(&other))), S_OK);
    EXPECT_EQ(held.refs, 0u);
    EXPECT_EQ(other.refs, 1u);
}

TEST(SComWrap, OtherQueryFailureThrowsItsCode) {
    Counted failing(E_INVALIDARG);
    SComWrap<IFoo> foo;
    try {
        foo = static_cast<IUnknown*>(static_cast<IFoo*>(&failing));
        FAIL() << "expected SECOMException";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_INVALIDARG);
    }
    EXPECT_TRUE(foo.IsEmpty());
    EXPECT_EQ(foo.Assign(static_cast<IFoo*>(&failing)), E_INVALIDARG);
}

TEST(SComWrap, DereferencingAnEmptyOneThrowsEPointer) {
    SComWrap<IFoo> foo;
    try {
        foo->Value();
        FAIL() << "expected SECOMException";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_POINTER);
    }
    EXPECT_EQ(foo.Get(), nullptr);
}

TEST(SComTable, HoldsOneReferencePerEntry) {
    Counted a, b;
    {
        SComTable<IFoo> table;
        table.Add(&a);
        table.Add(&b);
        table.Add(&a);
        EXPECT_EQ(a.refs, 2u);
        table.RemoveAt(0);
        EXPECT_EQ(a.refs, 1u);
        EXPECT_EQ(table.GetAt(0), &b);
        EXPECT_EQ(table.Find(&a), 1);
        SComTable<IFoo> copy(table);
        EXPECT_EQ(b.refs, 2u);
        EXPECT_THROW(table.GetAt(5), SECOMException);
    }
    EXPECT_EQ(a.refs, 0u);
    EXPECT_EQ(b.refs, 0u);
}

TEST(GUID, TextRoundTripOrderAndHash) {
    GUID g;
    ASSERT_TRUE(GUIDFromString("{a552e368-e3ad-452b-a703-9a2199b008d9}", g));
    EXPECT_EQ(GUIDToString(g), "{A552E368-E3AD-452B-A703-9A2199B008D9}");
    EXPECT_EQ(g, MakeGUID("{A552E368-E3AD-452B-A703-9A2199B008D9}"));
    EXPECT_FALSE(GUIDFromString("{A552E368-E3AD-452B-A703-9A2199B008D}", g));
    EXPECT_FALSE(GUIDFromString("{A552E368-E3AD-452B-A703-9A2199B008DZ}", g));
    EXPECT_LT(MakeGUID("{A6BAC8CF-B730-11D1-8898-00A02455633B}"), MakeGUID("{A6BAC8D0-B730-11D1-8898-00A02455633B}"));
    EXPECT_EQ(std::hash<GUID>()(g), std::hash<GUID>()(MakeGUID("{A552E368-E3AD-452B-A703-9A2199B008D9}")));
    uint8_t bytes[16];
    GUIDToBytes(MakeGUID("{362D41E4-9D82-11D1-8E5D-444553540000}"), bytes);
    EXPECT_EQ(bytes[0], 0xE4);
    EXPECT_EQ(bytes[3], 0x36);
    EXPECT_EQ(bytes[4], 0x82);
    EXPECT_EQ(bytes[8], 0x8E);
    EXPECT_EQ(GUIDFromBytes(bytes), MakeGUID("{362D41E4-9D82-11D1-8E5D-444553540000}"));
}
