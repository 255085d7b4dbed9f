#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
"""Discovery as clients on other networks see it: a client in a network namespace of its own,
linked to this machine by a veth pair, broadcasts (IPv4) and multicasts (IPv6) the discovery
message on its link; a client of this machine broadcasts it on the loopback. Consoles listen
on every IPv4 address, on the loopback, on the link's own address, on every IPv6 address and
on the IPv6 loopback. Each must answer the clients that can reach its server, and only them:
a client there connects to the address and port it is told.

    discovery_reach.py [--wine LOADER] CONSOLE

Needs root and ip (iproute2); says why and exits with 77 (skipped) otherwise. Run as
`discovery_reach.py --probe PORT ADDRESS [INTERFACE]`, it is the client: it prints the
answers, each with whether its server can be reached from there.
"""

import contextlib
import json
import os
import shutil
import socket
import subprocess
import sys

import conformance

SKIPPED = 77


def probe(address, interface=None):
    """The answers to a discovery datagram sent to `address`, each as [AlpacaPort, sender,
    whether the sender's server is reached at that port]."""
    return [[answer["AlpacaPort"], sender[0], reached(sender, answer["AlpacaPort"])]
            for answer, sender in conformance.probe(address, interface=interface)]


def reached(sender, port):
    """Whether a server answers at `port` of the address an answer came from (an IPv6 one
    with its flow and interface)."""
    family = socket.AF_INET6 if len(sender) == 4 else socket.AF_INET
    with socket.socket(family, socket.SOCK_STREAM) as tcp:
        tcp.settimeout(3)
        try:
            tcp.connect((sender[0], port) + tuple(sender[2:]))
            return True
        except OSError:
            return False


def run(*command):
    subprocess.run(command, check=True, capture_output=True)


@contextlib.contextmanager
def other_network():
    """A namespace with one link to this machine: (its name, this side's interface and
    addresses, the other side's interface). IPv6 addresses are usable at once (no duplicate
    address detection on either side)."""
    pid = os.getpid()  # runs side by side do not meet
    namespace, here, there = "helio-disc%d" % pid, "hd%dh" % pid, "hd%dn" % pid
    run("ip", "netns", "add", namespace)
    try:
        run("ip", "link", "add", here, "type", "veth", "peer", "name", there)
        run("ip", "link", "set", there, "netns", namespace)
        inside = ["ip", "netns", "exec", namespace]
        run(*inside, "sysctl", "-qw", "net.ipv6.conf.%s.accept_dad=0" % there)
        run("sysctl", "-qw", "net.ipv6.conf.%s.accept_dad=0" % here)
        v4 = "10.%d.%d" % (200 + pid // 250 % 50, pid % 250)
        v6 = "fd42:77:%x:%x:" % (pid >> 16, pid & 0xFFFF)
        run("ip", "addr", "add", v4 + ".1/24", "dev", here)
        run("ip", "addr", "add", v6 + ":1/64", "dev", here, "nodad")
        run("ip", "link", "set", here, "up")
        run(*inside, "ip", "addr", "add", v4 + ".2/24", "dev", there)
        run(*inside, "ip", "addr", "add", v6 + ":2/64", "dev", there, "nodad")
        run(*inside, "ip", "link", "set", there, "up")
        yield inside, v4, there
    finally:
        subprocess.run(["ip", "link", "delete", here], capture_output=True)
        run("ip", "netns", "delete", namespace)


def answers_from(inside, *probe_arguments):
    client = [sys.executable, os.path.abspath(__file__), "--probe",
              str(conformance.DISCOVERY_PORT)]
    done = subprocess.run(inside + client + list(probe_arguments), check=True,
                          capture_output=True, text=True)
    return json.loads(done.stdout)


def main():
    arguments = sys.argv[1:]
    if arguments[:1] == ["--probe"]:
        conformance.DISCOVERY_PORT = int(arguments[1])
        print(json.dumps(probe(*arguments[2:])))
        return 0
    if os.geteuid() != 0 or not shutil.which("ip"):
        print("skipped: a network namespace and a veth pair need root and ip (iproute2)")
        return SKIPPED
    conformance.UNDER_WINE = arguments[:1] == ["--wine"]
    conformance.COMMAND = arguments[1:] if conformance.UNDER_WINE else arguments
    with other_network() as (inside, v4, link), contextlib.ExitStack() as consoles:
        started = {name: consoles.enter_context(conformance.another_console(address=address))
                   for name, address in (("every IPv4 address", "0.0.0.0"),
                                         ("the loopback", "127.0.0.1"),
                                         ("the link's address", v4 + ".1"),
                                         ("every IPv6 address", "::"),
                                         ("the IPv6 loopback", "::1"))}
        everywhere = ["every IPv4 address", "every IPv6 address"]  # :: takes IPv4 too
        cases = (
            ("the link's broadcast", answers_from(inside, v4 + ".255"),
             everywhere + ["the link's address"]),
            ("the broadcast of all", answers_from(inside, "255.255.255.255", link),
             everywhere + ["the link's address"]),
            ("the link's multicast", answers_from(inside, "ff12::a1:9aca%" + link),
             ["every IPv6 address"]),
            ("the loopback's broadcast", probe("127.255.255.255"), everywhere + ["the loopback"]),
        )
        failures = []
        for probed, answers, expected in cases:
            ports = sorted(answer[0] for answer in answers)
            if ports != sorted(started[name].port for name in expected):
                failures.append("%s: answered by ports %s, not by the consoles on %s (%s)"
                                % (probed, ports, ", ".join(expected),
                                   {name: console.port for name, console in started.items()}))
            failures += ["%s: told %s:%d, which it cannot reach" % (probed, sender, told)
                         for told, sender, reachable in answers if not reachable]
    print("\n".join(failures) or "every probe answered by the consoles its client reaches")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
