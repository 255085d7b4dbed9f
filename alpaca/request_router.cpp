// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/request_router.h"

#include <algorithm>
#include <array>
#include <optional>

#include "alpaca/ascii_case.h"
#include "alpaca/error_values.h"
#include "alpaca/filter_wheel.h"
#include "alpaca/management.h"
#include "alpaca/parameter_values.h"
#include "alpaca/switch_bank.h"

namespace helio::alpaca {

namespace {

constexpr std::string_view api_prefix = "/api/";
constexpr std::string_view management_prefix = "/management/";
constexpr std::string_view form_type = "application/x-www-form-urlencoded";

/// The path's segments after `prefix`, split at '/'.
std::vector<std::string_view> segments_after(std::string_view path, std::string_view prefix) {
    std::vector<std::string_view> segments;
    std::string_view rest = path.substr(prefix.size());
    for (;;) {
        const std::size_t slash = rest.find('/');
        segments.push_back(rest.substr(0, slash));
        if (slash == std::string_view::npos || segments.size() > 8) {
            return segments;
        }
        rest = rest.substr(slash + 1);
    }
}

/// The parameters of a GET (the query string) or of a PUT (the form body), or why none.
std::optional<request_parameters> read_parameters(const http_request& request,
                                                  std::string& malformed) {
    if (request.method == http_method::put) {
        const std::string_view type = request.content_type.substr(0, form_type.size());
        if (!request.content_type.empty() && !equal_ignoring_case(type, form_type)) {
            malformed = "Les paramètres d'un PUT viennent en application/x-www-form-urlencoded.";
            return std::nullopt;
        }
    }
    const bool put = request.method == http_method::put;
    std::optional<std::vector<form_field>> fields = parse_form(put ? request.body : request.query);
    if (!fields) {
        malformed = "Paramètres illisibles (échappement % incorrect, ou plus de " +
                    std::to_string(max_form_fields) + " paramètres).";
        return std::nullopt;
    }
    return request_parameters(std::move(*fields),
                              put ? name_matching::exact : name_matching::any_case);
}

std::optional<argument> read_argument(const std::string& text, value_type type) {
    switch (type) {
        case value_type::integer:
            if (const auto value = parse_int32(text)) {
                return *value;
            }
            break;
        case value_type::boolean:
            if (const auto value = parse_bool(text)) {
                return *value;
            }
            break;
        case value_type::number:
            if (const auto value = parse_double(text)) {
                return *value;
            }
            break;
        case value_type::text:
            return text;
    }
    return std::nullopt;
}

constexpr std::array<std::string_view, 4> type_names{"un entier", "True ou False", "un nombre",
                                                     "un texte"};

/// The member's arguments in order, or why they cannot be read.
std::optional<std::vector<argument>> read_arguments(const device_member& member,
                                                    const request_parameters& parameters,
                                                    std::string& malformed) {
    std::vector<argument> arguments;
    for (const parameter_spec& spec : member.parameters) {
        const std::string* text = parameters.find(spec.name);
        if (text == nullptr) {
            malformed = "Paramètre " + std::string(spec.name) + " manquant.";
            return std::nullopt;
        }
        std::optional<argument> value = read_argument(*text, spec.type);
        if (!value) {
            malformed = "Paramètre " + std::string(spec.name) + " : « " + *text + " » n'est pas " +
                        std::string(type_names[static_cast<std::size_t>(spec.type)]) + ".";
            return std::nullopt;
        }
        arguments.push_back(std::move(*value));
    }
    return arguments;
}

const device_member* find_member(const served_device& device, std::string_view name,
                                 http_method method, std::string& malformed) {
    const verb wanted = method == http_method::put ? verb::put : verb::get;
    const device_member* other_verb = nullptr;
    for (const device_member& member : device.members) {
        if (member.name == name) {
            if (member.verb == wanted && method != http_method::other) {
                return &member;
            }
            other_verb = &member;
        }
    }
    malformed = other_verb != nullptr
                    ? "« " + std::string(name) + " » ne se prend pas avec cette méthode HTTP."
                    : "Membre « " + std::string(name) + " » inconnu de " +
                          std::string(device.identity.device_type) + ".";
    return nullptr;
}

}  // namespace

request_router::request_router(served_state& state, console_link& console, std::string location,
                               const installation& where)
    : context_{state, console}, location_(std::move(location)) {
    devices_.push_back(filter_wheel(context_));
    devices_.push_back(switch_bank(context_));
    for (served_device& device : devices_) {
        device.unique_id = unique_id(where, device.identity.device_type);
    }
}

void request_router::handle(const http_request& request, const reply_sink& sink) {
    const bool api = request.path.starts_with(api_prefix);
    const bool management = request.path.starts_with(management_prefix);
    if (!api && !management) {
        if (!request.path.starts_with("/setup")) {
            sink(text_reply(400,
                            "Chemin inconnu : l'API Alpaca est sous /api/v1/, sa gestion "
                            "sous /management/."));
        } else if (request.method != http_method::get) {
            sink(text_reply(400, "Les pages de réglage se lisent par GET."));
        } else if (std::optional<std::string> page = setup_page(request.path, devices_)) {
            sink({200, std::string(content_types::html), std::move(*page)});
        } else {
            sink({403, std::string(content_types::html), "<p>Page de réglage inconnue.</p>"});
        }
        return;
    }
    std::string malformed;
    const std::optional<request_parameters> parameters = read_parameters(request, malformed);
    if (!parameters) {
        sink(text_reply(400, malformed));
        return;
    }
    const transaction_reading transaction = read_transaction_ids(*parameters);
    if (!transaction.malformed.empty()) {
        sink(text_reply(400, transaction.malformed));
    } else if (api) {
        handle_device(request, *parameters, transaction.ids, sink);
    } else {
        handle_management(request, transaction.ids, sink);
    }
}

void request_router::handle_device(const http_request& request,
                                   const request_parameters& parameters, transaction_ids ids,
                                   const reply_sink& sink) {
    const std::vector<std::string_view> path = segments_after(request.path, api_prefix);
    if (path.size() != 4 || path[0] != "v1") {
        sink(text_reply(400, "Chemin attendu : /api/v1/{type}/{numéro}/{membre}."));
        return;
    }
    const auto device = std::ranges::find(
        devices_, path[1], [](const served_device& d) { return d.identity.url_name; });
    if (device == devices_.end() || parse_uint32(path[2]) != 0u) {
        sink(text_reply(400, "Appareil inconnu : ce serveur a filterwheel/0 et switch/0."));
        return;
    }
    std::string malformed;
    const device_member* member = find_member(*device, path[3], request.method, malformed);
    std::optional<std::vector<argument>> arguments;
    if (member != nullptr) {
        arguments = read_arguments(*member, parameters, malformed);
    }
    if (!arguments) {
        sink(text_reply(400, malformed));
        return;
    }
    // Numbered as it arrives, so that what it asks of the instrument carries the number.
    member_call call{std::move(*arguments), ids, transactions_.next()};
    // A GET member's error answer carries a Value too, of the member's type.
    const std::optional<nlohmann::json> on_error =
        member->verb == verb::get ? std::optional(value_of_error(member->name)) : std::nullopt;
    const member_answer reply = [ids, served = call.server_transaction, sink,
                                 on_error](member_result result) {
        if (result.error) {
            result.value = on_error;
        }
        sink(json_answer(result.value, ids, served, result.error));
    };
    if (member->needs_connection && !context_.state.connected(device->identity.kind)) {
        reply(failure(error_numbers::not_connected,
                      std::string(device->identity.device_type) +
                          " 0 n'est pas connecté : connectez-le d'abord (Connect)."));
        return;
    }
    member->run(call, reply);
}

void request_router::handle_management(const http_request& request, transaction_ids ids,
                                       const reply_sink& sink) {
    const std::string_view what = request.path.substr(management_prefix.size());
    std::optional<nlohmann::json> value;
    if (what == "apiversions") {
        value = api_versions();
    } else if (what == "v1/description") {
        value = server_description(location_);
    } else if (what == "v1/configureddevices") {
        value = configured_devices(devices_);
    }
    if (!value) {
        sink(text_reply(400,
                        "Inconnu de la gestion : /management/apiversions, "
                        "/management/v1/description, /management/v1/configureddevices."));
    } else if (request.method != http_method::get) {
        sink(text_reply(400, "La gestion se lit par GET."));
    } else {
        answer(value_of(std::move(*value)), ids, sink);
    }
}

void request_router::answer(const member_result& result, transaction_ids ids,
                            const reply_sink& sink) {
    sink(json_answer(result.value, ids, transactions_.next(), result.error));
}

}  // namespace helio::alpaca
