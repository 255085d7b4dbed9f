// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/datagram_arrival.h"

#include <sys/socket.h>

#include <cerrno>

#include "alpaca/socket_records.h"

namespace helio::alpaca {

std::optional<received_datagram> next_datagram(boost::asio::ip::udp::socket& socket,
                                               std::span<char> buffer) {
    for (;;) {
        received_datagram datagram;
        iovec part{buffer.data(), buffer.size()};
        alignas(cmsghdr) unsigned char control[256];
        msghdr message{};
        message.msg_name = datagram.sender.data();
        message.msg_namelen = static_cast<socklen_t>(datagram.sender.capacity());
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        const ssize_t size = recvmsg(socket.native_handle(), &message, MSG_DONTWAIT);
        if (size < 0 && errno == EINTR) {
            continue;
        }
        if (size < 0) {
            return std::nullopt;  // nothing waits, or the socket is being closed
        }
        datagram.sender.resize(message.msg_namelen);
        datagram.size = static_cast<std::size_t>(size);
        for (cmsghdr* record = CMSG_FIRSTHDR(&message); record != nullptr;
             record = CMSG_NXTHDR(&message, record)) {
            read_arrival_record(record->cmsg_level, record->cmsg_type, CMSG_DATA(record),
                                datagram.where);
        }
        return datagram;
    }
}

}  // namespace helio::alpaca
