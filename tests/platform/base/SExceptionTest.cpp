#include <gtest/gtest.h>

#include "platform/base/SEIOAbortedException.h"
#include "platform/base/SEOutOfMemory.h"
#include "platform/base/SExceptionDialog.h"
#include "platform/base/STargetedException.h"

TEST(SException, FullTextIsClassNameThenMessage) {
    EXPECT_EQ(SException("abc").GetFullText(), "SException: abc");
    EXPECT_EQ(SException().GetFullText(), "SException");
    EXPECT_EQ(SECOMException(E_INVALIDARG).GetFullText(), "SECOMException");
    EXPECT_EQ(SECOMException(E_FAIL, "no luck").GetFullText(), "SECOMException: no luck");
    EXPECT_EQ(SEOutOfMemory().GetFullText(), "SEOutOfMemory");
    EXPECT_EQ(SEOutOfMemory().GetHResult(), E_OUTOFMEMORY);
    EXPECT_EQ(SEIOException("cannot open x").GetFullText(), "SEIOException: cannot open x");
    EXPECT_EQ(SEIOAbortedException().GetFullText(), "SEIOAbortedException");
    EXPECT_EQ(STargetedException(nullptr, "t").GetFullText(), "STargetedException: t");
}

TEST(SException, CopiesKeepMessageAndCode) {
    SECOMException original(E_ABORT, "stop");
    SECOMException copy(original);
    EXPECT_EQ(copy.GetHResult(), E_ABORT);
    EXPECT_EQ(copy.GetMessage(), "stop");
    // Derived classes are caught by their bases, aborted I/O first of all as I/O.
    try {
        throw SEIOAbortedException();
    } catch (const SEIOException& e) {
        EXPECT_EQ(e.GetCause(), SEIOException::aborted);
    }
}

TEST(SException, TargetedExceptionIsNotAnSException) {
    bool caughtAsTargeted = false;
    try {
        try {
            throw STargetedException(&caughtAsTargeted);
        } catch (const SException&) {
            FAIL() << "a targeted exception must pass SException handlers";
        }
    } catch (const STargetedException& e) {
        caughtAsTargeted = e.HasTarget();
    }
    EXPECT_TRUE(caughtAsTargeted);
    EXPECT_FALSE(STargetedException().HasTarget());
}

TEST(SExceptionDialog, RecordsFileLineAndFormattedText) {
    SExceptionDialog::ClearReports();
    SExceptionDialog_("RPT/Objs/SRptBaseMem", 120, "%s::GetAttribute(dispid = 0x%0.8X, ...)\n (%s)", "SRptBaseMem",
                      0x02006090, "unknow");
    ASSERT_EQ(SExceptionDialog::GetReports().size(), 1u);
    const SExceptionReport& report = SExceptionDialog::GetReports()[0];
    EXPECT_EQ(report.file, "RPT/Objs/SRptBaseMem");
    EXPECT_EQ(report.line, 120);
    EXPECT_EQ(report.text, "SRptBaseMem::GetAttribute(dispid = 0x02006090, ...)\n (unknow)");
    SExceptionDialog::ClearReports();
    EXPECT_TRUE(SExceptionDialog::GetReports().empty());
}
