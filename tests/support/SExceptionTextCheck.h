#pragma once
// Checks that a statement throws an exception of a given type whose full text ("Class: message",
// as the exception reports carry it) is exactly the one expected:
//     EXPECT_THROW_MSG(stream.ReadByte(), SEIOException, "SEIOException: end of file");
// A statement that throws nothing, throws another type, or throws the type with another text
// fails the check and says which, with the text that was thrown.
#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <type_traits>

#include "platform/base/SException.h"

class SExceptionTextCheck {
public:
    template <class Exception, class Run>
    static testing::AssertionResult Throws(Run&& run, const char* statement, const char* type,
                                           const std::string& expected) {
        try {
            run();
        } catch (const Exception& e) {
            const std::string actual = TextOf(e);
            if (actual == expected) return testing::AssertionSuccess();
            return testing::AssertionFailure()
                   << "Expected: " << statement << " throws " << type << " with the text\n  \"" << expected
                   << "\"\n  Actual: the text\n  \"" << actual << "\"";
        } catch (...) {
            return testing::AssertionFailure()
                   << "Expected: " << statement << " throws " << type << ".\n  Actual: it throws " << DescribeCurrent();
        }
        return testing::AssertionFailure()
               << "Expected: " << statement << " throws " << type << ".\n  Actual: it throws nothing";
    }

    // What the exception being handled is, for a failure message.
    static std::string DescribeCurrent() {
        try {
            throw;
        } catch (const SException& e) {
            return "\"" + TextOf(e) + "\"";
        } catch (const std::exception& e) {
            return std::string("std::exception \"") + e.what() + "\"";
        } catch (...) {
            return "an exception of another type";
        }
    }

    // The text an exception reports: the class library's full text, or what() for the others.
    template <class Exception>
    static std::string TextOf(const Exception& e) {
        if constexpr (requires { e.GetFullText(); })
            return std::string(e.GetFullText().c_str());
        else if constexpr (std::is_base_of_v<std::exception, Exception>)
            return e.what();
        else
            return std::string();
    }
};

#define VAROD9_THROW_MSG_(statement, ExceptionType, expectedText, fail)                                               \
    GTEST_AMBIGUOUS_ELSE_BLOCKER_                                                                                     \
    if (const ::testing::AssertionResult varod9_throw_result =                                                        \
            SExceptionTextCheck::Throws<ExceptionType>([&] { statement; }, #statement, #ExceptionType, expectedText)) \
        ;                                                                                                             \
    else                                                                                                              \
        fail(varod9_throw_result.failure_message())

#define EXPECT_THROW_MSG(statement, ExceptionType, expectedText) \
    VAROD9_THROW_MSG_(statement, ExceptionType, expectedText, GTEST_NONFATAL_FAILURE_)
#define ASSERT_THROW_MSG(statement, ExceptionType, expectedText) \
    VAROD9_THROW_MSG_(statement, ExceptionType, expectedText, GTEST_FATAL_FAILURE_)
