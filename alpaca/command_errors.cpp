// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/command_errors.h"

#include "sequences/status_wait.h"
#include "ttl/errors.h"

namespace helio::alpaca {

namespace {

int number_for(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const timeout_error&) {
        return error_numbers::mechanism_timeout;
    } catch (const io_error&) {
        return error_numbers::io_failure;
    } catch (const conversion_error&) {
        return error_numbers::port_value;
    } catch (const overflow_error&) {
        return error_numbers::port_value;
    } catch (...) {
        return error_numbers::console_failure;
    }
}

}  // namespace

alpaca_error error_for(const std::exception_ptr& failure, std::string message) {
    return {number_for(failure), std::move(message)};
}

}  // namespace helio::alpaca
