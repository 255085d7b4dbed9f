// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/network_interfaces.h"

#include <iphlpapi.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <vector>

#include "alpaca/socket_records.h"

namespace helio::alpaca {

std::vector<interface_address> interface_addresses() {
    constexpr ULONG flags =
        GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    // The list may grow between the call that sizes it and the one that fills it.
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.resize(size);
        result =
            GetAdaptersAddresses(AF_UNSPEC, flags, nullptr,
                                 reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    std::vector<interface_address> addresses;
    if (result != NO_ERROR) {
        return addresses;
    }
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data());
         adapter != nullptr; adapter = adapter->Next) {
        if (adapter->OperStatus != IfOperStatusUp) {
            continue;
        }
        for (const IP_ADAPTER_UNICAST_ADDRESS* unicast = adapter->FirstUnicastAddress;
             unicast != nullptr; unicast = unicast->Next) {
            const boost::asio::ip::address address = address_in(unicast->Address.lpSockaddr);
            if (address.is_unspecified()) {
                continue;
            }
            // IPv4 and IPv6 may number the same adapter each in its own way; Wine leaves the
            // IPv6 number 0, and uses the other for both.
            const ULONG index = address.is_v6() && adapter->Ipv6IfIndex != 0 ? adapter->Ipv6IfIndex
                                                                             : adapter->IfIndex;
            addresses.push_back({index, address, unicast->OnLinkPrefixLength});
        }
    }
    return addresses;
}

}  // namespace helio::alpaca
