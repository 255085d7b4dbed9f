// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "alpaca/device_member.h"
#include "alpaca/http_exchange.h"
#include "alpaca/transaction.h"
#include "alpaca/unique_ids.h"

namespace helio::alpaca {

/// Maps each request of the device API (/api/v1/...), the management API (/management/...)
/// and the browser pages (/setup...) to its answer, as the Alpaca reference has it:
///  - a request it cannot make sense of (a path outside the API, an unknown device or member,
///    a missing parameter, a value of the wrong type, a malformed form or transaction
///    number) gets HTTP 400 and a plain-text reason, and nothing reaches the instrument;
///  - every other gets HTTP 200 and a JSON answer whose ErrorNumber says how it went.
/// Parameter names match in any case in a GET query string, exactly in a PUT form body.
/// No sockets here: the server hands each request in and sends back what comes out.
class request_router {
  public:
    /// Serves the devices of `where`, which their UniqueIDs tell apart from any other's.
    request_router(served_state& state, console_link& console, std::string location,
                   const installation& where);

    request_router(const request_router&) = delete;
    request_router& operator=(const request_router&) = delete;

    /// Answers `request` through `sink`, now or (for what the console must do) later.
    void handle(const http_request& request, const reply_sink& sink);

    const std::vector<served_device>& devices() const { return devices_; }

  private:
    void handle_device(const http_request& request, const request_parameters& parameters,
                       transaction_ids ids, const reply_sink& sink);
    void handle_management(const http_request& request, transaction_ids ids,
                           const reply_sink& sink);
    void answer(const member_result& result, transaction_ids ids, const reply_sink& sink);

    device_context context_;
    std::vector<served_device> devices_;
    std::string location_;
    server_transactions transactions_;
};

}  // namespace helio::alpaca
