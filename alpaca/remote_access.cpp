// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/remote_access.h"

#include "alpaca/machine_identity.h"

namespace helio::alpaca {

remote_access::remote_access(instrument& device, ui_poster& poster,
                             const service_settings& settings)
    : runner_(device, poster, state_),
      router_(state_, runner_, computer_name(), {machine_identity(), settings.simulated}),
      server_(settings.http, settings.discovery_port,
              [this](const http_request& request, const reply_sink& sink) {
                  router_.handle(request, sink);
              }) {}

std::string service_notice(const remote_access& access) {
    std::string notice =
        "heliograph-console: Alpaca device on http://" + endpoint_text(access.listening()) + "/\n";
    if (!access.discovery_problem().empty()) {
        notice += "heliograph-console: " + access.discovery_problem() + "\n";
    }
    return notice;
}

}  // namespace helio::alpaca
