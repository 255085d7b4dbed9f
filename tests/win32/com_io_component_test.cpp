// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/win32/com_io_component.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "standin/standin_library.h"
#include "support/failed_access.h"
#include "ttl/errors.h"
#include "ttl/port_access.h"
#include "ttl/win32/class_registration.h"
#include "ttl/win32/system_text.h"
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
        return port.get_ttl();
    }

    test::standin_library standin;
    win32::com_io_factory factory;
    port_access port{factory};
};

/// A numeric variant of the given type (the value exact in that type).
VARIANT number(VARTYPE type, double value) {
    VARIANT real{};  // empty, as VariantInit leaves it
    real.vt = VT_R8;
    real.dblVal = value;
    VARIANT typed{};
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

/// The creation_error a write through `port` ends in; none if it passes or fails otherwise.
std::optional<creation_error> creation_failure(port_access& port) {
    try {
        port.write_output(8);
    } catch (const creation_error& error) {
        return error;
    }
    return std::nullopt;
}

TEST_F(ComIoTest, RefusedTheClassObjectEveryAccessGoesThroughCoCreateInstanceAndSaysSoOnce) {
    std::vector<std::string> told;
    factory.on_fallback([&](const io_error& why) {
        told.push_back(why.operation() + " " + status_hex(why.code()));
    });
    standin.refuse_class_object(1, E_NOINTERFACE);
    port.write_output(8);
    port.write_output(8);
    EXPECT_EQ(factory.path(), win32::com_io_factory::creation_path::create_instance);
    EXPECT_THAT(told, ElementsAre("CoGetClassObject 0x80004002")) << "once, not per access";
    ASSERT_FALSE(standin.journal().empty());
    EXPECT_EQ(standin.journal().front(), "class-object-refused");
    EXPECT_THAT(standin.object_journal(), ElementsAre("new 1", "write 1 91 8", "release 1", "new 2",
                                                      "write 2 91 8", "release 2"));
    const std::vector<standin_call> calls = standin.calls();
    EXPECT_EQ(std::ranges::find(calls, int{standin_write}, &standin_call::kind)->type,
              VT_BYREF | VT_I4)
        << "the same write as through the class object";
    EXPECT_EQ(standin.live_objects(), 0);

    standin.fail_creation(1, E_OUTOFMEMORY);
    const std::optional<creation_error> error = creation_failure(port);
    ASSERT_TRUE(error) << "no object, no access";
    EXPECT_EQ(error->operation(), "CoCreateInstance") << "the call the access made";
    EXPECT_TRUE(error->registration()) << "the class is found on every access this way";
}

TEST_F(ComIoTest, AClassObjectThatCannotBeHadAtAllFailsTheAccessAndIsAskedForAgain) {
    standin.refuse_class_object(2, E_UNEXPECTED);  // and CoCreateInstance's own request
    const std::optional<creation_error> error = creation_failure(port);
    ASSERT_TRUE(error) << "no object, no access";
    EXPECT_EQ(static_cast<HRESULT>(error->code()), E_UNEXPECTED);
    EXPECT_EQ(error->operation(), "CoGetClassObject");
    ASSERT_TRUE(error->registration());
    EXPECT_EQ(problem_of(*error->registration()), registration_problem::none);
    EXPECT_EQ(factory.path(), win32::com_io_factory::creation_path::class_object_pending);
    port.write_output(8);
    EXPECT_EQ(factory.path(), win32::com_io_factory::creation_path::class_object);
    EXPECT_THAT(standin.journal(),
                ElementsAre("class-object-refused", "class-object-refused", "class-object", "new 1",
                            "write 1 91 8", "release 1"));
}

TEST_F(ComIoTest, WritePortIsHandedTheCallersOwnIntegerByReference) {
    std::unique_ptr<io_component> instance;
    ASSERT_EQ(factory.create_instance(instance), S_OK);
    std::int32_t value = 129;
    std::int32_t status = -1;
    EXPECT_EQ(instance->WritePort(91, value, status), S_OK);
    const standin_call write = standin.calls().at(2);  // after the class object and "new"
    EXPECT_EQ(write.kind, standin_write);
    EXPECT_EQ(write.type, VT_BYREF | VT_I4);
    EXPECT_EQ(write.address, &value) << "a pointer to a copy would not be the caller's integer";
    EXPECT_EQ(write.value, 129);
    EXPECT_EQ(standin.output_lines(), 129);
    instance.reset();
    EXPECT_EQ(standin.live_objects(), 0);
}

TEST_F(ComIoTest, ReadPortAnswersGoThroughTheSystemsConversionAndNoIntegerAbandonsTheRead) {
    EXPECT_EQ(read_answering(number(VT_I2, -1)), 255) << "VT_I2 -1, bit 15 set";
    EXPECT_EQ(read_answering(number(VT_I2, -32768)), 0);
    EXPECT_EQ(read_answering(number(VT_I4, 300)), 44);
    EXPECT_EQ(read_answering(number(VT_R8, 2.5)), 2) << "a half rounds to the even neighbour";
    EXPECT_EQ(read_answering(number(VT_R8, 3.5)), 4);
    EXPECT_EQ(read_answering(*text_variant(L" 13 ")), 13);
    EXPECT_EQ(read_answering(VARIANT{}), 0) << "empty";
    try {
        read_answering(*text_variant(L"\u00E0bc"));
        ADD_FAILURE() << "text that is no number must not pass";
    } catch (const conversion_error& error) {
        EXPECT_EQ(error.value_text(), "àbc") << "the text it was, from UTF-16 to UTF-8";
    }
    VARIANT null{};
    null.vt = VT_NULL;
    EXPECT_THROW(read_answering(null), conversion_error);
    EXPECT_THROW(read_answering(number(VT_R8, 1e12)), overflow_error) << "beyond 32 bits";
    EXPECT_THROW(read_answering(number(VT_I4, 2147483647)), overflow_error) << "raw + 65536";
    EXPECT_EQ(standin.live_objects(), 0) << "the objects of abandoned reads released too";
    EXPECT_EQ(standin.calls().back().kind, standin_released);
}

TEST_F(ComIoTest, AFailingStatusIsAnIoErrorWithTheSystemsTextAndTheObjectIsReleased) {
    for (const bool on_write : {true, false}) {
        standin.reset();
        standin.fail_call(1, E_ACCESSDENIED);
        test::expect_io_error(port, on_write, static_cast<status_code>(E_ACCESSDENIED),
                              win32::system_text(E_ACCESSDENIED));
        EXPECT_THAT(standin.object_journal(), ElementsAre("new 1", "release 1"));
    }
}

TEST_F(ComIoTest, AnObjectTheClassObjectCannotMakeIsACreationErrorAndNoCallIsMade) {
    standin.fail_creation(1, E_OUTOFMEMORY);
    const std::optional<creation_error> error = creation_failure(port);
    ASSERT_TRUE(error) << "a failed creation must not pass silently";
    EXPECT_EQ(static_cast<HRESULT>(error->code()), E_OUTOFMEMORY);
    EXPECT_EQ(error->operation(), "IClassFactory::CreateInstance") << "not WritePort";
    EXPECT_EQ(error->system_text(), win32::system_text(E_OUTOFMEMORY));
    EXPECT_FALSE(error->registration()) << "the class was found and loaded already";
    EXPECT_THAT(standin.journal(), ElementsAre("class-object", "creation-failed"));
    port.write_output(8);
    EXPECT_THAT(standin.journal(), ElementsAre("class-object", "creation-failed", "new 1",
                                               "write 1 91 8", "release 1"));
}

// The COM benchmark runs millions of accesses with the stand-in's record off.
TEST_F(ComIoTest, WithRecordingOffTheComponentStillWorksAndKeepsNothingUntilReset) {
    port.write_output(8);
    standin.set_recording(false);
    port.write_output(10);
    EXPECT_EQ(standin.output_lines(), 10) << "the write must still reach the heliograph";
    for (const bool pressed : {false, true}) {
        standin.set_sighting_button(pressed);
        EXPECT_EQ(port.get_ttl() & 1, pressed ? 1 : 0) << "the read must come from the heliograph";
    }
    EXPECT_THAT(standin.journal(),
                ElementsAre("class-object", "new 1", "write 1 91 8", "release 1"));
    EXPECT_EQ(standin.live_objects(), 0);
    standin.reset();
    port.write_output(0);
    EXPECT_THAT(standin.journal(), ElementsAre("new 1", "write 1 91 0", "release 1"))
        << "reset turns the record back on";
}

// Text with accents, both ways, is checked where the windows show it and where the
// component's answers are read.
TEST(WideText, AnEmptyTextIsAnEmptyString) {
    EXPECT_EQ(win32::to_utf8(L""), "");
}

TEST(SystemText, TheSystemsWordsWithoutTheLineBreakOrFullStop) {
    const std::string text = win32::system_text(E_ACCESSDENIED);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '.');
    EXPECT_NE(text.back(), ' ');
}

}  // namespace
}  // namespace helio
