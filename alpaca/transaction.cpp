// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/transaction.h"

#include "alpaca/parameter_values.h"

namespace helio::alpaca {

namespace {

/// One of the two numbers: absent is 0, a value that is no uint32 is an error.
bool read_id(const request_parameters& parameters, const char* name, std::uint32_t& id,
             std::string& malformed) {
    const std::string* text = parameters.find(name);
    if (text == nullptr) {
        return true;
    }
    const std::optional<std::uint32_t> value = parse_uint32(*text);
    if (!value) {
        malformed =
            std::string(name) + " doit être un entier de 0 à 4294967295, pas « " + *text + " ».";
        return false;
    }
    id = *value;
    return true;
}

}  // namespace

transaction_reading read_transaction_ids(const request_parameters& parameters) {
    transaction_reading reading;
    if (read_id(parameters, "ClientID", reading.ids.client_id, reading.malformed)) {
        read_id(parameters, "ClientTransactionID", reading.ids.client_transaction_id,
                reading.malformed);
    }
    return reading;
}

std::uint32_t server_transactions::next() {
    for (;;) {
        const std::uint32_t number = last_.fetch_add(1, std::memory_order_relaxed) + 1;
        if (number != 0) {
            return number;
        }
    }
}

http_reply json_answer(const std::optional<nlohmann::json>& value, transaction_ids ids,
                       std::uint32_t server_transaction, const alpaca_error& error) {
    nlohmann::json answer = nlohmann::json::object();
    if (value) {
        answer["Value"] = *value;
    }
    answer["ClientTransactionID"] = ids.client_transaction_id;
    answer["ServerTransactionID"] = server_transaction;
    answer["ErrorNumber"] = error.number;
    answer["ErrorMessage"] = error.message;
    // Texts from the client are echoed in some messages: invalid UTF-8 becomes U+FFFD
    // rather than an exception.
    return {200, std::string(content_types::json),
            answer.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)};
}

}  // namespace helio::alpaca
