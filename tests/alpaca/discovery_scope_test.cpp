// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// Which discovery datagrams get an answer: those whose sender can reach the HTTP server, by
// the address the server listens on and the interface the datagram came in on.
#include <gtest/gtest.h>

#include "alpaca/discovery_scope.h"

namespace helio::alpaca {
namespace {

namespace ip = boost::asio::ip;

/// A machine with the loopback (1), an Ethernet interface on two IPv4 networks and IPv6
/// (2), and a second one (3).
const std::vector<interface_address> interfaces{
    {1, ip::make_address("127.0.0.1"), 8},     {1, ip::make_address("::1"), 128},
    {2, ip::make_address("192.168.1.10"), 24}, {2, ip::make_address("10.0.0.5"), 8},
    {2, ip::make_address("fd00::10"), 64},     {2, ip::make_address("fe80::10"), 64},
    {3, ip::make_address("172.16.0.1"), 16},
};

TEST(DiscoveryScope, OnlyClientsThatReachTheServerAreAnswered) {
    const struct {
        const char* server;
        const char* destination;
        unsigned arrived_on;
        bool answered;
    } cases[] = {
        {"0.0.0.0", "255.255.255.255", 3, true},  // every address: every network
        {"::", "ff12::a1:9aca", 2, true},
        {"127.77.1.2", "127.255.255.255", 1, true},   // the loopback's network is 127/8
        {"127.77.1.2", "255.255.255.255", 2, false},  // a broadcast from the Ethernet
        {"127.77.1.2", "127.77.1.2", 1, true},
        {"192.168.1.10", "192.168.1.255", 2, true},
        {"192.168.1.10", "255.255.255.255", 3, false},  // another network
        {"192.168.1.10", "192.168.1.10", 1, true},      // sent to it from this computer
        {"10.0.0.5", "255.255.255.255", 2, true},       // the interface's second network
        {"::1", "ff12::a1:9aca", 1, true},
        {"::1", "ff12::a1:9aca", 2, false},
        {"fd00::10", "ff12::a1:9aca", 2, true},
        {"fd00::10", "ff12::a1:9aca", 3, false},
        {"fe80::10%2", "ff12::a1:9aca", 2, true},  // link-local: its own link only
        {"fe80::10%2", "ff12::a1:9aca", 1, false},
    };
    for (const auto& [server, destination, arrived_on, answered] : cases) {
        SCOPED_TRACE(std::string(server) + " " + destination + " on " + std::to_string(arrived_on));
        EXPECT_EQ(reaches_server(ip::make_address(server),
                                 {ip::make_address(destination), arrived_on}, interfaces),
                  answered);
    }
}

}  // namespace
}  // namespace helio::alpaca
