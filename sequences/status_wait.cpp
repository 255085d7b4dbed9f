// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "sequences/status_wait.h"

#include <string>
#include <utility>

#include "ttl/errors.h"

namespace helio {

namespace {

void tell_ended(const sequence_context& context, const status_wait& wait, clock::duration took,
                bool arrived) {
    context.tell({.kind = event_kind::wait_ended,
                  .value = wait.bit,
                  .text = wait.mechanism,
                  .took = took,
                  .arrived = arrived});
}

}  // namespace

void wait_for_status(sequence_context& context, const status_wait& wait) {
    const clock::time_point start = context.time.now();
    clock::time_point last_keep_alive = start;
    context.tell({.kind = event_kind::wait_began, .value = wait.bit, .text = wait.mechanism});
    for (;;) {
        const std::int32_t input_byte = context.port.get_ttl();
        const clock::time_point now = context.time.now();
        if (status_set(input_byte, wait.status_value)) {
            tell_ended(context, wait, now - start, true);
            return;
        }
        if (now - start >= status_wait_limit) {
            tell_ended(context, wait, now - start, false);
            throw timeout_error(std::string(wait.mechanism), wait.bit, status_wait_limit);
        }
        if (now - last_keep_alive >= keep_alive_interval) {
            last_keep_alive = now;
            context.tell({.kind = event_kind::still_waiting});
        }
    }
}

timeout_error::timeout_error(std::string mechanism, int bit, std::chrono::seconds limit)
    : heliograph_error(mechanism + ": input bit " + std::to_string(bit) + " not set after " +
                       std::to_string(limit.count()) + " s"),
      mechanism_(std::move(mechanism)),
      bit_(bit),
      limit_(limit) {}

}  // namespace helio
