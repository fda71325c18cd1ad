#include <gtest/gtest.h>

#include "platform/base/SECOMException.h"
#include "platform/com/SComCheck.h"

TEST(SComCheck, AFailureGoesOnAsItsCodeAndEverySuccessAsItIs) {
    EXPECT_NO_THROW(SComCheck(S_OK));
    EXPECT_NO_THROW(SComCheck(S_FALSE));  // a success that says "no" is still a success
    for (HRESULT code : {E_FAIL, E_POINTER, static_cast<HRESULT>(0x80030019)}) {
        try {
            SComCheck(code);
            ADD_FAILURE() << "no exception for " << std::hex << code;
        } catch (const SECOMException& e) {
            EXPECT_EQ(e.GetHResult(), code);
        }
    }
}
