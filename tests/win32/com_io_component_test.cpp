// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/win32/com_io_component.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "standin/standin_library.h"
#include "ttl/errors.h"
#include "ttl/ttl_lines.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/unique_variant.h"
#include "ttl/win32/wide_text.h"

namespace helio {
namespace {

using ::testing::ElementsAre;

/// The adapter over the registered stand-in component, loaded by COM from the registry.
class ComIoTest : public ::testing::Test {
  protected:
    ComIoTest() { standin.reset(); }

    /// The next read answers `value`; get_ttl hands back what became of it.
    std::int32_t read_answering(const VARIANT& value) {
        standin.answer(1, value);
        return lines.get_ttl();
    }

    test::standin_library standin;
    win32::com_io_factory device;
    ttl_lines lines{device};
};

/// A numeric variant of the given type (the value exact in that type).
VARIANT number(VARTYPE type, double value) {
    VARIANT real;
    VariantInit(&real);
    real.vt = VT_R8;
    real.dblVal = value;
    VARIANT typed;
    VariantInit(&typed);
    VariantChangeType(&typed, &real, 0, type);
    return typed;
}

/// A string variant that frees its string.
class text_variant {
  public:
    explicit text_variant(const wchar_t* text) {
        VariantInit(&value_);
        value_.vt = VT_BSTR;
        value_.bstrVal = SysAllocString(text);
    }
    ~text_variant() { VariantClear(&value_); }
    const VARIANT& operator*() const { return value_; }

  private:
    VARIANT value_;
};

TEST_F(ComIoTest, EveryAccessIsOneObjectMakingOneCallOnPort91) {
    lines.write_output(8);
    lines.write_output(10);
    lines.get_ttl();
    lines.reset_outputs();
    EXPECT_THAT(
        standin.journal(),
        ElementsAre("new 1", "write 1 91 8", "release 1", "new 2", "write 2 91 10", "release 2",
                    "new 3", "read 3 91 aux 0", "release 3", "new 4", "write 4 91 0", "release 4"));
    EXPECT_EQ(standin.live_objects(), 0);
    EXPECT_EQ(standin.output_lines(), 0);
}

TEST_F(ComIoTest, WritePortIsHandedTheCallersOwnIntegerByReference) {
    std::unique_ptr<io_component> instance;
    ASSERT_EQ(device.create_instance(instance), S_OK);
    std::int32_t value = 129;
    std::int32_t status = -1;
    EXPECT_EQ(instance->WritePort(91, value, status), S_OK);
    const standin_call write = standin.calls().at(1);
    EXPECT_EQ(write.kind, standin_write);
    EXPECT_EQ(write.type, VT_BYREF | VT_I4);
    EXPECT_EQ(write.address, &value) << "a pointer to a copy would not be the caller's integer";
    EXPECT_EQ(write.value, 129);
    EXPECT_EQ(standin.output_lines(), 129);
    instance.reset();
    EXPECT_EQ(standin.live_objects(), 0);
}

TEST_F(ComIoTest, ReadPortAnswersGoThroughTheSystemsVariantConversion) {
    EXPECT_EQ(read_answering(number(VT_I2, -1)), 255) << "VT_I2 -1, bit 15 set";
    EXPECT_EQ(read_answering(number(VT_I2, -32768)), 0);
    EXPECT_EQ(read_answering(number(VT_I4, 300)), 44);
    EXPECT_EQ(read_answering(number(VT_R8, 2.5)), 2) << "a half rounds to the even neighbour";
    EXPECT_EQ(read_answering(number(VT_R8, 3.5)), 4);
    EXPECT_EQ(read_answering(*text_variant(L" 13 ")), 13);
    VARIANT empty;
    VariantInit(&empty);
    EXPECT_EQ(read_answering(empty), 0);
    EXPECT_EQ(standin.live_objects(), 0);
}

TEST_F(ComIoTest, AnswersThatAreNoIntegerAbandonTheReadAndReleaseTheObject) {
    try {
        read_answering(*text_variant(L"abc"));
        FAIL() << "text that is no number must not pass";
    } catch (const conversion_error& error) {
        EXPECT_EQ(error.value_text(), "abc");
    }
    VARIANT null;
    VariantInit(&null);
    null.vt = VT_NULL;
    EXPECT_THROW(read_answering(null), conversion_error);
    EXPECT_THROW(read_answering(number(VT_R8, 1e12)), overflow_error) << "beyond 32 bits";
    EXPECT_THROW(read_answering(number(VT_I4, 2147483647)), overflow_error) << "raw + 65536";
    EXPECT_EQ(standin.live_objects(), 0);
    EXPECT_EQ(standin.calls().back().kind, standin_released);
}

TEST_F(ComIoTest, AFailingStatusIsAnIoErrorWithTheSystemsTextAndTheObjectIsReleased) {
    for (const bool on_write : {true, false}) {
        standin.reset();
        standin.fail_call(1, E_ACCESSDENIED);
        try {
            if (on_write) {
                lines.write_output(3);
            } else {
                lines.get_ttl();
            }
            FAIL() << "a failing status must not pass silently";
        } catch (const io_error& error) {
            EXPECT_EQ(static_cast<HRESULT>(error.code()), E_ACCESSDENIED);
            EXPECT_EQ(error.operation(), on_write ? "WritePort" : "ReadPort");
            EXPECT_EQ(error.system_text(), win32::system_text(E_ACCESSDENIED));
        }
        EXPECT_THAT(standin.journal(), ElementsAre("new 1", "release 1"));
    }
}

TEST_F(ComIoTest, AFailedCreationIsAnIoErrorAndNoCallIsMade) {
    standin.fail_creation(1, REGDB_E_CLASSNOTREG);
    try {
        lines.write_output(0);
        FAIL() << "a failed creation must not pass silently";
    } catch (const io_error& error) {
        EXPECT_EQ(static_cast<HRESULT>(error.code()), REGDB_E_CLASSNOTREG);
        EXPECT_EQ(error.operation(), "WritePort");
    }
    EXPECT_THAT(standin.journal(), ElementsAre("creation failed"));
    lines.write_output(0);
    EXPECT_THAT(standin.journal(),
                ElementsAre("creation failed", "new 1", "write 1 91 0", "release 1"));
}

// The COM benchmark runs millions of accesses with the stand-in's record off.
TEST_F(ComIoTest, WithRecordingOffTheComponentStillWorksAndKeepsNothingUntilReset) {
    lines.write_output(8);
    standin.set_recording(false);
    lines.write_output(10);
    EXPECT_EQ(standin.output_lines(), 10) << "the write must still reach the heliograph";
    for (const bool pressed : {false, true}) {
        standin.set_sighting_button(pressed);
        EXPECT_EQ(lines.get_ttl() & 1, pressed ? 1 : 0) << "the read must come from the heliograph";
    }
    EXPECT_THAT(standin.journal(), ElementsAre("new 1", "write 1 91 8", "release 1"));
    EXPECT_EQ(standin.live_objects(), 0);
    standin.reset();
    lines.write_output(0);
    EXPECT_THAT(standin.journal(), ElementsAre("new 1", "write 1 91 0", "release 1"))
        << "reset turns the record back on";
}

TEST(SystemText, TheSystemsWordsWithoutTheLineBreakOrFullStop) {
    const std::string text = win32::system_text(E_ACCESSDENIED);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '.');
    EXPECT_NE(text.back(), ' ');
}

TEST(WideText, FrenchTextSurvivesTheTripThroughUtf16) {
    const std::string french = "Autre consigne (35 \xC3\xA0 231):";
    const std::wstring wide = win32::to_utf16(french);
    EXPECT_EQ(wide, L"Autre consigne (35 \u00E0 231):");
    EXPECT_EQ(win32::to_utf8(wide), french);
    EXPECT_EQ(win32::to_utf8(L""), "");
    EXPECT_EQ(win32::describe_variant(*text_variant(L"\u00E0")), "\xC3\xA0");
}

}  // namespace
}  // namespace helio
