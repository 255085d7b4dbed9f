// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "alpaca/error_numbers.h"
#include "alpaca/http_exchange.h"
#include "alpaca/request_parameters.h"

namespace helio::alpaca {

/// The numbers a client tags its request with; 0 when it sent none.
struct transaction_ids {
    std::uint32_t client_id = 0;
    std::uint32_t client_transaction_id = 0;
};

/// ClientID and ClientTransactionID of a request, or why the request is malformed.
struct transaction_reading {
    transaction_ids ids;
    std::string malformed;  ///< empty when both are absent or numbers from 0 to 4294967295
};

/// Reads them by the request's rule: in a PUT body a name cased otherwise is not them (the
/// client then sent none), whereas a value that is no 32-bit unsigned number is an error.
transaction_reading read_transaction_ids(const request_parameters& parameters);

/// The server's own transaction numbers: 1, 2, 3... for every answer, from any thread,
/// never 0 (after 4294967295 comes 1).
class server_transactions {
  public:
    std::uint32_t next();

  private:
    std::atomic<std::uint32_t> last_{0};
};

/// An answer of the device or management API: HTTP 200, a JSON object with the value (none
/// for a method; after an error, the one given for it, if any), ClientTransactionID,
/// ServerTransactionID, ErrorNumber and ErrorMessage.
http_reply json_answer(const std::optional<nlohmann::json>& value, transaction_ids ids,
                       std::uint32_t server_transaction, const alpaca_error& error);

}  // namespace helio::alpaca
