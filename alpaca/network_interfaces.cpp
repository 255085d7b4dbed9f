// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/network_interfaces.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <bit>
#include <memory>

#include "alpaca/socket_records.h"

namespace helio::alpaca {

namespace {

namespace ip = boost::asio::ip;

/// The number of leading one bits of a netmask.
unsigned prefix_of(const ip::address& mask) {
    unsigned ones = 0;
    const auto count = [&ones](const auto& bytes) {
        for (const unsigned char byte : bytes) {
            ones += static_cast<unsigned>(std::popcount(byte));
        }
    };
    if (mask.is_v4()) {
        count(mask.to_v4().to_bytes());
    } else {
        count(mask.to_v6().to_bytes());
    }
    return ones;
}

}  // namespace

std::vector<interface_address> interface_addresses() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return {};
    }
    const std::unique_ptr<ifaddrs, decltype(&freeifaddrs)> owned(list, &freeifaddrs);
    std::vector<interface_address> addresses;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_netmask == nullptr ||
            (entry->ifa_flags & IFF_UP) == 0) {
            continue;
        }
        const ip::address address = address_in(entry->ifa_addr);
        if (!address.is_unspecified()) {
            addresses.push_back({if_nametoindex(entry->ifa_name), address,
                                 prefix_of(address_in(entry->ifa_netmask))});
        }
    }
    return addresses;
}

}  // namespace helio::alpaca
