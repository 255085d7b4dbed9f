// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/management.h"

namespace helio::alpaca {

namespace {

constexpr std::string_view server_name = "Console de tests TTL de l'héliographe";
constexpr std::string_view manufacturer = "Heliograph console developers";
constexpr std::string_view manufacturer_version = "1.0.0";

std::string html_escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '&':
                escaped += "&amp;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

/// A page of the server's, which says who makes it.
std::string page(std::string_view title, const std::string& body) {
    return "<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"utf-8\"><title>" +
           html_escaped(title) + "</title></head><body><h1>" + html_escaped(title) + "</h1>" +
           body + "<p>Fabricant : " + html_escaped(manufacturer) + "</p></body></html>\n";
}

std::string device_line(const device_identity& device) {
    return "<li><a href=\"/setup/v1/" + std::string(device.url_name) + "/0/setup\">" +
           std::string(device.device_type) + " 0</a> : " + html_escaped(device.description) +
           "</li>";
}

}  // namespace

nlohmann::json api_versions() {
    return nlohmann::json::array({1});
}

nlohmann::json server_description(std::string_view location) {
    return {{"ServerName", server_name},
            {"Manufacturer", manufacturer},
            {"ManufacturerVersion", manufacturer_version},
            {"Location", location}};
}

nlohmann::json configured_devices(const std::vector<served_device>& devices) {
    nlohmann::json list = nlohmann::json::array();
    for (const served_device& device : devices) {
        list.push_back({{"DeviceName", device.identity.name},
                        {"DeviceType", device.identity.device_type},
                        {"DeviceNumber", 0},
                        {"UniqueID", device.unique_id}});
    }
    return list;
}

std::optional<std::string> setup_page(std::string_view path,
                                      const std::vector<served_device>& devices) {
    if (path == "/setup") {
        std::string list =
            "<p>Rien à régler ici : les appareils suivent la console et "
            "l'instrument qu'elle pilote.</p><ul>";
        for (const served_device& device : devices) {
            list += device_line(device.identity);
        }
        return page(server_name, list + "</ul>");
    }
    for (const served_device& device : devices) {
        if (path == "/setup/v1/" + std::string(device.identity.url_name) + "/0/setup") {
            return page(device.identity.name, "<p>" + html_escaped(device.identity.description) +
                                                  "</p><p>Cet appareil n'a aucun réglage.</p>");
        }
    }
    return std::nullopt;
}

}  // namespace helio::alpaca
