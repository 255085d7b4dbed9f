// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/socket_records.h"

#include <algorithm>
#include <cstring>

#include <boost/asio/detail/socket_option.hpp>
#include <boost/asio/ip/udp.hpp>

#include "alpaca/datagram_arrival.h"

namespace helio::alpaca {

namespace {

namespace ip = boost::asio::ip;
using boost::asio::detail::socket_option::boolean;

#ifdef IPV6_RECVPKTINFO
// Linux asks with this option, and tells with IPV6_PKTINFO.
constexpr int ipv6_arrival_option = IPV6_RECVPKTINFO;
#else
constexpr int ipv6_arrival_option = IPV6_PKTINFO;
#endif

/// A record's data, which the system aligns for its own header only.
template <class Record>
Record record_at(const unsigned char* data) {
    Record record;
    std::memcpy(&record, data, sizeof record);
    return record;
}

}  // namespace

void report_arrivals(ip::udp::socket& socket) {
    if (socket.local_endpoint().protocol() == ip::udp::v4()) {
        socket.set_option(boolean<IPPROTO_IP, IP_PKTINFO>(true));
    } else {
        socket.set_option(boolean<IPPROTO_IPV6, ipv6_arrival_option>(true));
    }
    socket.non_blocking(true);
}

void read_arrival_record(int level, int type, const unsigned char* data, arrival& where) {
    if (level == IPPROTO_IP && type == IP_PKTINFO) {
        const auto info = record_at<in_pktinfo>(data);
        where = {ip::address_v4(ntohl(info.ipi_addr.s_addr)),
                 static_cast<unsigned>(info.ipi_ifindex)};
    } else if (level == IPPROTO_IPV6 && type == IPV6_PKTINFO) {
        const auto info = record_at<in6_pktinfo>(data);
        ip::address_v6::bytes_type bytes;
        std::memcpy(bytes.data(), &info.ipi6_addr, bytes.size());
        where = {ip::address_v6(bytes), static_cast<unsigned>(info.ipi6_ifindex)};
    }
}

ip::address address_in(const boost::asio::detail::socket_addr_type* where) {
    ip::udp::endpoint endpoint;
    if (where->sa_family == AF_INET) {
        std::memcpy(endpoint.data(), where, sizeof(boost::asio::detail::sockaddr_in4_type));
    } else if (where->sa_family == AF_INET6) {
        std::memcpy(endpoint.data(), where, sizeof(boost::asio::detail::sockaddr_in6_type));
    } else {
        return {};
    }
    return endpoint.address();
}

}  // namespace helio::alpaca
