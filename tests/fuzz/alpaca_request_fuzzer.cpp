// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The Alpaca request mapping on whatever a client may send. The first byte picks the HTTP
// method, the connections and the outcome the console gives; the rest is the target, then
// after a line feed the Content-Type, then after another the body.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "alpaca/request_router.h"
#include "alpaca/served_state.h"

namespace {

using namespace helio::alpaca;

/// The console as a fuzzed client meets it: every command ends at once, the way the first
/// byte says; every command is counted.
class instant_console final : public console_link {
  public:
    void submit(client_request request) override {
        ++submitted;
        command_outcome outcome;
        if (failing) {
            outcome.error = {error_numbers::io_failure, "échec"};
        } else if (request.what.kind == helio::action_kind::read_inputs) {
            outcome.input_byte = input_byte;
        }
        request.done(outcome);
    }

    int submitted = 0;
    bool failing = false;
    std::int32_t input_byte = 0;
};

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

std::string_view take_line(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return line;
}

/// What every answer must be: 200 with the JSON envelope, or a status with a reason.
void check_reply(const http_reply& reply) {
    if (reply.status != 200) {
        check(reply.status == 400 || reply.status == 403, "status");
        check(!reply.body.empty(), "a refusal says why");
        return;
    }
    if (reply.content_type.starts_with("text/html")) {
        return;  // a setup page
    }
    const nlohmann::json answer = nlohmann::json::parse(reply.body);  // throws if not JSON
    check(answer.at("ClientTransactionID").is_number_unsigned(), "ClientTransactionID");
    check(answer.at("ServerTransactionID").get<std::uint32_t>() >= 1, "ServerTransactionID");
    const int number = answer.at("ErrorNumber").get<int>();
    check(number == 0 || (number >= 0x400 && number <= 0xFFF), "ErrorNumber range");
    check((number == 0) == answer.at("ErrorMessage").get<std::string>().empty(),
          "a message exactly with an error");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t flags = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string_view target = take_line(rest);
    const std::string_view content_type = take_line(rest);

    served_state state;
    state.set_connected(device_kind::filter_wheel, (flags & 4) != 0);
    state.set_connected(device_kind::switch_bank, (flags & 8) != 0);
    instant_console console;
    console.failing = (flags & 16) != 0;
    console.input_byte = flags >> 5;
    request_router router(state, console, "fuzz", {"fuzz", true});

    const std::size_t question = target.find('?');
    http_request request;
    request.method = static_cast<http_method>(flags % 3);
    request.path = target.substr(0, question);
    request.query =
        question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
    request.content_type = content_type;
    request.body = rest;

    int replies = 0;
    router.handle(request, [&](const http_reply& reply) {
        ++replies;
        check_reply(reply);
        check(reply.status == 200 || console.submitted == 0, "a refused request reaches nothing");
    });
    check(replies == 1, "exactly one answer");
    return 0;
}
