#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
"""Conformance of the console's Alpaca device to the published ASCOM Alpaca reference, as
ASCOM's own checker holds it.

Written from the reference (the Alpaca device API v1 with the Platform 7 interfaces
IFilterWheelV3 and ISwitchV3, the management API v1 and the discovery protocol) and rule by
rule from ConformU's testers (DeviceTesterBaseClass, FilterWheelTester, SwitchTester and
AlpacaProtocolTestManager, in its strict mode): each test quotes the checks it follows. It
starts the console with --alpaca on a loopback address of its own, and discovery on a port
of its own, and checks every member of FilterWheel 0 and Switch 0 and of the management
API, the types of the values, the error numbers, the transaction numbers, the case rules for
parameter names, the UniqueIDs and discovery.

    conformance.py [--wine LOADER] CONSOLE [ARGUMENT...]

CONSOLE is heliograph-console (run on the simulator, Qt offscreen) or, with --wine, the
Windows heliograph-console.exe run by that Wine loader (on the I/O component of the Wine
prefix given by WINEPREFIX).
"""

import contextlib
import http.client
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.parse

NOT_IMPLEMENTED = 0x400
INVALID_VALUE = 0x401
NOT_CONNECTED = 0x407
ACTION_NOT_IMPLEMENTED = 0x40C
DRIVER_FIRST, DRIVER_LAST = 0x500, 0xFFF
BAD_PARAMETER_VALUE = "asduio6fghZZ"  # ConformU's
WHEEL_SLOTS = 21
DEVICES = ("filterwheel", "switch")

COMMAND = None  # how to start the console
CONSOLE = None  # the running console: address, port, process
UNDER_WINE = False
EXCHANGES = 0  # requests and probes sent, each checked


def free_udp_port():
    """A UDP port no program holds now, for this run's discovery."""
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as probe:
        probe.bind(("0.0.0.0", 0))
        return probe.getsockname()[1]


DISCOVERY_PORT = free_udp_port()


class Console:
    """The console under test. By default on a loopback address of its own, with discovery
    on this run's port, so that runs side by side do not meet: `arguments` may say
    otherwise, `wrapper` is a command to start it in."""

    def __init__(self, address=None, arguments=(), wrapper=()):
        self.address = address or "127.77.%d.%d" % (os.getpid() // 250 % 250 + 1,
                                                    os.getpid() % 250 + 1)
        environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        listen = "[%s]" % self.address if ":" in self.address else self.address
        self.process = subprocess.Popen(
            list(wrapper) + COMMAND + ["--alpaca", listen + ":0",
                                       "--alpaca-discovery", str(DISCOVERY_PORT)]
            + list(arguments),
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
            env=environment)
        self.reader = None
        self.port = self._announced_port()
        # What the console writes later must not fill the pipe and stop it.
        self.reader = threading.Thread(target=self.process.stderr.read, daemon=True)
        self.reader.start()

    def _announced_port(self):
        deadline = time.monotonic() + 90  # a fresh Wine prefix takes its time
        announcement = re.compile(r"Alpaca device on http://.+:(\d+)/")
        while time.monotonic() < deadline:
            line = self.process.stderr.readline().decode("utf-8", "replace")
            if not line and self.process.poll() is not None:
                break
            found = announcement.search(line)
            if found:
                return int(found.group(1))
        self.stop()
        raise RuntimeError("the console did not announce its Alpaca server")

    def stop(self):
        self.process.kill()
        self.process.wait()
        if self.reader:
            # Under Wine the processes it started may hold the pipe open a while longer.
            self.reader.join(timeout=5)
        if not (self.reader and self.reader.is_alive()):
            self.process.stderr.close()


@contextlib.contextmanager
def another_console(**settings):
    console = Console(**settings)
    try:
        yield console
    finally:
        console.stop()


def request(method, path, parameters=None, body=None, headers=None, console=None):
    """One HTTP request; parameters go in the query string of a GET and in the form body of
    a PUT, as the reference has them. Returns (status, content type, text)."""
    global EXCHANGES
    EXCHANGES += 1
    console = console or CONSOLE
    connection = http.client.HTTPConnection(console.address, console.port, timeout=90)
    encoded = urllib.parse.urlencode(parameters or [])
    headers = dict(headers or {})
    if method == "GET":
        path += "?" + encoded if encoded else ""
    elif body is None:
        body = encoded
        headers.setdefault("Content-Type", "application/x-www-form-urlencoded")
    connection.request(method, path, body=body, headers=headers)
    response = connection.getresponse()
    answer = (response.status, response.getheader("Content-Type", ""),
              response.read().decode("utf-8"))
    connection.close()
    return answer


def management(path, console=None):
    status, _, text = request("GET", path, console=console)
    assert status == 200, text
    return json.loads(text)["Value"]


class AlpacaCase(unittest.TestCase):
    """Calls to the device API and what every answer must hold."""

    transaction = 0

    def call(self, method, device, member, *parameters, status=200, path=None):
        """Calls `member` of `device` ("filterwheel", "switch") with (name, value) pairs;
        checks the envelope of a 200 answer and returns it as a dict.
        AlpacaProtocolTestManager: "An unexpected ClientTransactionID was returned", "An
        unexpected ServerTransactionID was returned ... Expected: 1 or greater", every key
        cased as the reference has it, and in strict mode a GET answer has a Value, error or
        not ("A JSON parameter of name Value was expected")."""
        AlpacaCase.transaction += 1
        ids = [("ClientID", "4242"), ("ClientTransactionID", str(AlpacaCase.transaction))]
        path = path or "/api/v1/%s/0/%s" % (device, member)
        got, content_type, text = request(method, path, list(parameters) + ids)
        self.assertEqual(got, status, "%s %s: %s" % (method, path, text))
        if status != 200:
            self.assertTrue(content_type.startswith("text/plain"), content_type)
            self.assertTrue(text, "a 400 says why")
            return text
        self.assertTrue(content_type.startswith("application/json"), content_type)
        answer = json.loads(text)
        self.assertEqual(answer["ClientTransactionID"], AlpacaCase.transaction)
        self.assertIsInstance(answer["ServerTransactionID"], int)
        self.assertGreaterEqual(answer["ServerTransactionID"], 1)
        self.assertIsInstance(answer["ErrorNumber"], int)
        self.assertIsInstance(answer["ErrorMessage"], str)
        self.assertEqual(answer["ErrorNumber"] == 0, answer["ErrorMessage"] == "", text)
        # Action returns a text: its Value comes with a PUT.
        with_value = method == "GET" or (member == "action" and answer["ErrorNumber"] == 0)
        self.assertEqual(with_value, "Value" in answer, text)
        return answer

    def value(self, method, device, member, *parameters, of_type=None):
        answer = self.call(method, device, member, *parameters)
        self.assertEqual(answer["ErrorNumber"], 0, answer["ErrorMessage"])
        if method == "GET":
            if of_type is not None:
                self.assertIs(type(answer["Value"]), of_type, member)
            return answer["Value"]
        return None

    def error(self, expected, method, device, member, *parameters):
        answer = self.call(method, device, member, *parameters)
        self.assertEqual(answer["ErrorNumber"], expected, answer)
        self.assertTrue(answer["ErrorMessage"])
        return answer

    def refused(self, method, device, member, *parameters):
        """AlpacaProtocolTestManager's bad values: HTTP 400, or 200 with InvalidValue
        ("acceptInvalidValueError")."""
        status, _, text = request(method, "/api/v1/%s/0/%s" % (device, member),
                                  list(parameters))
        if status == 200:
            self.assertEqual(json.loads(text)["ErrorNumber"], INVALID_VALUE, text)
        else:
            self.assertEqual(status, 400, text)

    def connect(self, device, connected=True):
        """Connected = connected, then, as ConformU's Connect does, waits while Connecting."""
        self.value("PUT", device, "connected", ("Connected", str(connected)))
        self.wait_for(lambda: self.value("GET", device, "connecting"), False)

    def wait_for(self, read, wanted, patience=30.0):
        deadline = time.monotonic() + patience
        while time.monotonic() < deadline:
            if read() == wanted:
                return
            time.sleep(0.05)
        self.fail("still not %r after %s s" % (wanted, patience))


class CommonMembers(AlpacaCase):
    """DeviceTesterBaseClass: what every device has (IFilterWheelV3 and ISwitchV3 are
    Platform 7 interfaces: Connect, Disconnect, Connecting and DeviceState are among
    them)."""

    def test_identity(self):
        # ValidateInterfaceVersion ("this is above the highest supported ASCOM interface
        # version"), "InterfaceVersion must be 1 or greater"; Description, DriverInfo,
        # DriverVersion, Name ("No description string"); SupportedActions: "Actions must be
        # strings", "Supported action {i} Is an empty string".
        for device in DEVICES:
            with self.subTest(device=device):
                for member in ("description", "driverinfo", "driverversion", "name"):
                    self.assertTrue(self.value("GET", device, member, of_type=str))
                self.assertRegex(self.value("GET", device, "driverversion"), r"^\d+\.\d+$")
                self.assertEqual(self.value("GET", device, "interfaceversion", of_type=int), 3)
                for action in self.value("GET", device, "supportedactions", of_type=list):
                    self.assertIsInstance(action, str)
                    self.assertTrue(action.strip())

    def test_connect_and_disconnect(self):
        # Connect(): "Set Connected True - The device connected without error but Connected
        # Get returned False", "Set Connected False - The device disconnected without error
        # but Connected Get returned True", then Connect() and Disconnect(), waiting while
        # Connecting; TestCommon: "Bad parameter value - Empty string / Number / Meaningless
        # string" refused.
        for device in DEVICES:
            with self.subTest(device=device):
                self.connect(device, True)
                self.assertIs(self.value("GET", device, "connected", of_type=bool), True)
                self.connect(device, False)
                self.assertIs(self.value("GET", device, "connected"), False)
                self.value("PUT", device, "connect")
                self.wait_for(lambda: self.value("GET", device, "connecting", of_type=bool),
                              False)
                self.assertIs(self.value("GET", device, "connected"), True)
                self.value("PUT", device, "disconnect")
                self.wait_for(lambda: self.value("GET", device, "connecting"), False)
                self.assertIs(self.value("GET", device, "connected"), False)
                for text in ("true", "FALSE", "True"):
                    self.connect(device, text)
                self.assertIs(self.value("GET", device, "connected"), True)
                for bad in ("", "123456", "asdqwe", "1", " True"):
                    self.refused("PUT", device, "connected", ("Connected", bad))

    def test_commands_are_not_implemented(self):
        # HandleException: "Received a NotImplementedException from an Alpaca device as
        # expected" for the optional members.
        for device in DEVICES:
            for command in ("commandblind", "commandbool", "commandstring"):
                self.error(NOT_IMPLEMENTED, "PUT", device, command, ("Command", "X"),
                           ("Raw", "True"))
            self.call("PUT", device, "action", ("Parameters", ""), status=400)

    def test_actions_are_the_supported_ones_in_any_case_and_no_other(self):
        # SupportedActions, and the reference's Action: "Action names are case insensitive",
        # an action not in SupportedActions raises ActionNotImplementedException; Action
        # returns a string.
        supported = {"filterwheel": [], "switch": ["Poussoir", "InitSortiesTTL"]}
        for device in DEVICES:
            with self.subTest(device=device):
                self.connect(device)
                self.assertEqual(self.value("GET", device, "supportedactions"),
                                 supported[device])
                for name in supported[device]:
                    for spelled in (name, name.upper(), name.lower()):
                        answer = self.call("PUT", device, "action", ("Action", spelled),
                                           ("Parameters", ""))
                        self.assertEqual(answer["ErrorNumber"], 0, answer)
                        self.assertIsInstance(answer["Value"], str)
                for unknown in ("Calibrate", "Poussoir2", ""):
                    self.error(ACTION_NOT_IMPLEMENTED, "PUT", device, "action",
                               ("Action", unknown), ("Parameters", ""))
                self.connect(device, False)
                self.error(NOT_CONNECTED, "PUT", device, "action", ("Action", "Calibrate"),
                           ("Parameters", ""))
                self.connect(device)

    def test_members_need_the_device_connected_and_their_errors_carry_a_value(self):
        # ConformU's strict mode: "A JSON parameter of name Value was expected, but was not
        # found in the JSON response", an error answer included; the value of the member's
        # own type.
        for device, member, parameters, of_type in (
                ("filterwheel", "position", [], int),
                ("filterwheel", "names", [], list),
                ("filterwheel", "focusoffsets", [], list),
                ("filterwheel", "devicestate", [], list),
                ("switch", "maxswitch", [], int),
                ("switch", "getswitch", [("Id", "1")], bool),
                ("switch", "getswitchvalue", [("Id", "1")], float),
                ("switch", "getswitchname", [("Id", "1")], str),
                ("switch", "canwrite", [("Id", "1")], bool),
                ("switch", "switchstep", [("Id", "1")], float),
                ("switch", "devicestate", [], list)):
            with self.subTest(member=member):
                self.connect(device, False)
                refused = self.error(NOT_CONNECTED, "GET", device, member, *parameters)
                self.assertIs(type(refused["Value"]), of_type)
                self.connect(device)
                answer = self.call("GET", device, member, *parameters)
                if answer["ErrorNumber"] == 0:
                    self.assertIs(type(answer["Value"]), of_type)

    def test_device_state_lists_operational_properties_only(self):
        # DeviceState: every entry's "Name" and "Value" cased so ("This test is case
        # sensitive"); "The {key} property name is mis-cased", "A non-operational property
        # was included in the DeviceState response"; the TimeStamp in ISO 8601.
        operational = {
            "filterwheel": {"Position"},
            "switch": {"%s%d" % (name, i) for i in range(2)
                       for name in ("GetSwitch", "GetSwitchValue", "StateChangeComplete")},
        }
        for device in DEVICES:
            with self.subTest(device=device):
                self.connect(device)
                for entry in self.value("GET", device, "devicestate", of_type=list):
                    self.assertEqual(sorted(entry), ["Name", "Value"])
                    self.assertIn(entry["Name"], operational[device] | {"TimeStamp"})
                    if entry["Name"] == "TimeStamp":
                        self.assertRegex(entry["Value"],
                                         r"^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}(\.\d+)?Z$")


class FilterWheel(AlpacaCase):
    """FilterWheelTester, FilterWheel 0: the H-alpha blades, 21 slots, -1.0 Å to +1.0 Å.
    The tests named a_ and b_ run first, on the wheel as the console started."""

    def setUp(self):
        self.connect("filterwheel")

    def position(self):
        return self.value("GET", "filterwheel", "position", of_type=int)

    def test_a_connected_wheel_is_at_a_slot_once_stationary(self):
        # PreRunCheck: "The filter wheel is still moving after {FilterWheelTimeout} seconds",
        # "Unable to determine that the Filter wheel is stationary" (any error); Position
        # Get: "Illegal filter position returned". Run first, on the wheel as the console
        # started: the connection of setUp has placed the blades, Connecting until then.
        self.wait_for(lambda: self.value("GET", "filterwheel", "connecting"), False)
        self.wait_for(lambda: self.position() != -1, True)
        self.assertIn(self.position(), range(WHEEL_SLOTS))
        # The reference's DeviceState: the operational properties whose value is known.
        state = self.value("GET", "filterwheel", "devicestate", of_type=list)
        self.assertEqual(state[0], {"Name": "Position", "Value": self.position()})

    def test_names_and_focus_offsets(self):
        # "Found no offset values in the returned array", "Filter {n} has a value of \"\"",
        # "Number of filter offsets and number of names are different".
        names = self.value("GET", "filterwheel", "names", of_type=list)
        self.assertEqual(len(names), WHEEL_SLOTS)
        self.assertTrue(all(isinstance(name, str) and name for name in names), names)
        self.assertEqual((names[0], names[7], names[10], names[20]),
                         ("H alpha -1.0 A", "H alpha -0.3 A", "Centre Raie", "H alpha +1.0 A"))
        self.assertEqual(self.value("GET", "filterwheel", "focusoffsets"), [0] * WHEEL_SLOTS)

    def test_every_slot_is_reached_up_down_and_far(self):
        # CheckProperties' moves: every slot ascending, then descending, then 0, the last,
        # the one before it, 0, the middle, 0. MoveToPosition: "The Position Set property
        # operated synchronously and should have operated asynchronously" (Position -1
        # while moving, never another slot), "The filter wheel did not reach specified
        # position".
        last = WHEEL_SLOTS - 1
        previous = None
        for slot in (list(range(WHEEL_SLOTS)) + list(range(last, -1, -1))
                     + [0, last, last - 1, 0, last // 2, 0, last]):
            with self.subTest(slot=slot):
                self.value("PUT", "filterwheel", "position", ("Position", str(slot)))
                # A move of half the travel or more takes long enough to be seen.
                far = previous is not None and abs(slot - previous) >= WHEEL_SLOTS // 2
                self.assertIn(self.position(), (-1,) if far else (-1, slot), "answered at once")
                self.wait_for(self.position, slot)
                previous = slot
        state = self.value("GET", "filterwheel", "devicestate", of_type=list)
        self.assertEqual(state[0], {"Name": "Position", "Value": last})
        self.assertEqual(state[-1]["Name"], "TimeStamp")

    def test_refused_positions(self):
        # "Failed to generate exception when selecting filter with negative filter number",
        # "... outside expected range": InvalidValue; PutOneParameter's bad values: 400.
        for value in (str(WHEEL_SLOTS), "-1", "100000"):
            self.error(INVALID_VALUE, "PUT", "filterwheel", "position", ("Position", value))
        for value in ("", "abc", "2.5", "0x3", " 3", BAD_PARAMETER_VALUE):
            self.call("PUT", "filterwheel", "position", ("Position", value), status=400)
        self.call("PUT", "filterwheel", "position", status=400)


class Switch(AlpacaCase):
    """SwitchTester, Switch 0: the mirror (0) and the sighting button (1), both latched."""

    def setUp(self):
        self.connect("switch")

    def switch(self, member, switch_id, *more, of_type=None):
        method = "PUT" if member.startswith(("set", "cancel")) else "GET"
        return self.value(method, "switch", member, ("Id", str(switch_id)), *more,
                          of_type=of_type)

    def test_what_each_switch_is(self):
        # MaxSwitch from 1 to 32767; for each switch: "MaxSwitchValue is less or equal to
        # MinSwitchValue", "Step size must be greater than zero", "Step size must be less
        # than the range of possible values", "The switch range must be an integer multiple
        # of the step size", "CanWrite is False but CanAsync is True", StateChangeComplete
        # "False but no async operation has been started".
        max_switch = self.value("GET", "switch", "maxswitch", of_type=int)
        self.assertEqual(max_switch, 2)
        writable = {0: True, 1: False}
        for switch_id in range(max_switch):
            with self.subTest(id=switch_id):
                self.assertTrue(self.switch("getswitchname", switch_id, of_type=str))
                self.assertTrue(self.switch("getswitchdescription", switch_id, of_type=str))
                can_write = self.switch("canwrite", switch_id, of_type=bool)
                self.assertIs(can_write, writable[switch_id])
                can_async = self.switch("canasync", switch_id, of_type=bool)
                self.assertTrue(can_write or not can_async)
                low = self.switch("minswitchvalue", switch_id, of_type=float)
                high = self.switch("maxswitchvalue", switch_id, of_type=float)
                step = self.switch("switchstep", switch_id, of_type=float)
                self.assertEqual((low, high, step), (0.0, 1.0, 1.0))
                self.assertGreater(high, low)
                self.assertTrue(0 < step <= high - low)
                self.assertEqual((high - low) % step, 0)
                self.assertIs(type(self.switch("getswitch", switch_id)), bool)
                self.assertIn(self.switch("getswitchvalue", switch_id, of_type=float),
                              (low, high))
                self.assertIs(self.switch("statechangecomplete", switch_id, of_type=bool), True)

    def test_switch_ids_out_of_range(self):
        # CheckInaccessibleOutOfRange, for -1 and MaxSwitch + 1: "Switch did not throw an
        # exception when a switch ID below 0 / above MaxSwitch was used in method"; the
        # extended range of GetSwitchName: "Usable switch found above MaxSwitch - 1!".
        for member, more in (("canwrite", []), ("getswitch", []), ("getswitchdescription", []),
                             ("getswitchname", []), ("getswitchvalue", []),
                             ("maxswitchvalue", []), ("minswitchvalue", []),
                             ("setswitch", [("State", "False")]),
                             ("setswitchvalue", [("Value", "0")]), ("switchstep", []),
                             ("canasync", []), ("cancelasync", []),
                             ("setasync", [("State", "False")]),
                             ("setasyncvalue", [("Value", "0")]), ("statechangecomplete", [])):
            method = "PUT" if member.startswith(("set", "cancel")) else "GET"
            for bad in ("-1", "2", "3"):
                with self.subTest(member=member, id=bad):
                    self.error(INVALID_VALUE, method, "switch", member, ("Id", bad), *more)
            self.refused(method, "switch", member, ("Id", BAD_PARAMETER_VALUE), *more)
            self.call(method, "switch", member, *more, status=400)

    def reads_back_what_was_set(self, switch_id):
        """CheckMethods for a writable switch: SetSwitch(False) then (True): "GetSwitch
        returned True after SetSwitch(False)", "GetSwitchValue did not return
        MINIMUM_VALUE after SetSwitch(False)", and so for True and MAXIMUM_VALUE;
        SetSwitchValue(MINIMUM_VALUE) and (MAXIMUM_VALUE) likewise, and at an offset of the
        step (0.75, the nearer stop: true); "Switch did not throw an exception when a value
        below SwitchMinimum / above SwitchMaximum was set"; SetAsync and SetAsyncValue the
        same, each waiting for StateChangeComplete."""
        for member, argument, state in (("setswitch", ("State", "False"), False),
                                        ("setswitch", ("State", "True"), True),
                                        ("setswitchvalue", ("Value", "0"), False),
                                        ("setswitchvalue", ("Value", "0.75"), True),
                                        ("setswitchvalue", ("Value", "1"), True),
                                        ("setasync", ("State", "False"), False),
                                        ("setasync", ("State", "True"), True),
                                        ("setasyncvalue", ("Value", "0"), False),
                                        ("setasyncvalue", ("Value", "1"), True)):
            with self.subTest(id=switch_id, member=member, argument=argument[1]):
                self.switch(member, switch_id, argument)
                self.wait_for(lambda: self.switch("statechangecomplete", switch_id), True)
                self.assertIs(self.switch("getswitch", switch_id), state)
                self.assertEqual(self.switch("getswitchvalue", switch_id), float(state))
        for member in ("setswitchvalue", "setasyncvalue"):
            for value in ("-1", "2"):
                self.error(INVALID_VALUE, "PUT", "switch", member, ("Id", str(switch_id)),
                           ("Value", value))

    def test_every_writable_switch_reads_back_what_was_set(self):
        for switch_id in range(self.value("GET", "switch", "maxswitch")):
            if self.switch("canwrite", switch_id):
                self.reads_back_what_was_set(switch_id)

    def test_a_set_switch_behind_long_moves_answers_in_time_and_completes(self):
        # SetSwitch is timed against TargetTime.Standard, and common clients give up on a
        # request after 5 s: behind moves that take longer, SetSwitch answers all the same,
        # and StateChangeComplete tells its end; the switch then reads what was set.
        self.connect("filterwheel")
        wanted = not self.switch("getswitch", 0)
        for slot in (0, WHEEL_SLOTS - 1, 0):
            self.value("PUT", "filterwheel", "position", ("Position", str(slot)))
        started = time.monotonic()
        self.switch("setswitch", 0, ("State", str(wanted)))
        self.assertLess(time.monotonic() - started, 5.0)
        self.wait_for(lambda: self.switch("statechangecomplete", 0), True, patience=60)
        self.assertIs(self.switch("getswitch", 0), wanted)

    def test_the_simulated_sighting_button_reads_active(self):
        self.assertIs(self.switch("getswitch", 1), True)

    def test_what_cannot_be_done(self):
        # A read-only switch: "CanWrite is False and a NotImplementedException was thrown";
        # SetSwitchName to its own name: optional ("Optional member returned a
        # NotImplementedException error"); CancelAsync likewise.
        for member, argument in (("setswitch", ("State", "True")),
                                 ("setasync", ("State", "True")),
                                 ("setswitchvalue", ("Value", "1")),
                                 ("setasyncvalue", ("Value", "1"))):
            self.error(NOT_IMPLEMENTED, "PUT", "switch", member, ("Id", "1"), argument)
        name = self.switch("getswitchname", 0)
        self.error(NOT_IMPLEMENTED, "PUT", "switch", "setswitchname", ("Id", "0"),
                   ("Name", name))
        self.error(NOT_IMPLEMENTED, "PUT", "switch", "cancelasync", ("Id", "0"))
        for value in ("nan", "inf", "", "1,0", BAD_PARAMETER_VALUE):
            self.call("PUT", "switch", "setswitchvalue", ("Id", "0"), ("Value", value),
                      status=400)
        for value in ("on", BAD_PARAMETER_VALUE):
            self.call("PUT", "switch", "setswitch", ("Id", "0"), ("State", value), status=400)

    def test_device_state(self):
        state = {entry["Name"]: entry["Value"]
                 for entry in self.value("GET", "switch", "devicestate", of_type=list)}
        for switch_id in range(2):
            self.assertIs(state["StateChangeComplete%d" % switch_id], True)
        self.assertIs(state["GetSwitch1"], True)
        self.assertEqual(state["GetSwitchValue1"], 1.0)
        self.assertIn("TimeStamp", state)


class Management(AlpacaCase):
    """The management API: versions, description, configured devices and their UniqueIDs;
    the setup pages."""

    def management(self, path):
        status, content_type, text = request("GET", path, [("ClientTransactionID", "77")])
        self.assertEqual(status, 200, text)
        self.assertTrue(content_type.startswith("application/json"))
        answer = json.loads(text)
        self.assertEqual(answer["ClientTransactionID"], 77)
        self.assertGreaterEqual(answer["ServerTransactionID"], 1)
        return answer["Value"]

    def test_versions_and_description(self):
        self.assertEqual(self.management("/management/apiversions"), [1])
        description = self.management("/management/v1/description")
        for field in ("ServerName", "Manufacturer", "ManufacturerVersion", "Location"):
            self.assertIsInstance(description[field], str)
        self.assertTrue(description["ServerName"])
        self.assertTrue(description["Manufacturer"])

    def test_configured_devices(self):
        devices = self.management("/management/v1/configureddevices")
        self.assertEqual(sorted((d["DeviceType"], d["DeviceNumber"]) for d in devices),
                         [("FilterWheel", 0), ("Switch", 0)])
        self.assertEqual(len({d["UniqueID"] for d in devices}), 2)
        for device in devices:
            self.assertRegex(device["UniqueID"], r"^[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}$")
            self.assertTrue(device["DeviceName"])

    def test_unique_ids_last_and_tell_installations_apart(self):
        # The reference: a UniqueID never changes, and otherwise identical devices differ.
        def ids(console):
            return sorted(d["UniqueID"] for d in management("/management/v1/configureddevices",
                                                            console))
        own = ids(CONSOLE)
        with another_console() as restarted:
            self.assertEqual(ids(restarted), own, "the same after a restart")
        others = []
        if UNDER_WINE:
            others.append(("the simulator", {"arguments": ["--simulate"]}))
        with another_machine() as wrapper:
            if wrapper is not None:
                others.append(("another machine", {"wrapper": wrapper}))
            for which, settings in others:
                with self.subTest(which), another_console(**settings) as other:
                    self.assertTrue(set(ids(other)).isdisjoint(own), which)
        if not others:
            self.skipTest("no other machine to be (needs root and unshare)")

    def test_setup_pages(self):
        manufacturer = self.management("/management/v1/description")["Manufacturer"]
        for path, status in (("/setup", 200), ("/setup/v1/filterwheel/0/setup", 200),
                             ("/setup/v1/switch/0/setup", 200),
                             ("/setup/v1/camera/0/setup", 403)):
            got, content_type, text = request("GET", path)
            self.assertEqual(got, status, path)
            self.assertTrue(content_type.startswith("text/html"), path)
            if status == 200:
                self.assertIn(manufacturer, text, "the page names its maker")


@contextlib.contextmanager
def another_machine():
    """A command that starts a console as on another machine, or None where this one
    cannot be another: under Wine, the prefix's MachineGuid changed for the while; on
    Linux, another /etc/machine-id mounted over it in a mount namespace of its own (root)."""
    if UNDER_WINE:
        key = r"HKLM\SOFTWARE\Microsoft\Cryptography"
        query = subprocess.run(COMMAND[:1] + ["reg", "query", key, "/v", "MachineGuid"],
                               capture_output=True, text=True, check=True).stdout
        guid = re.search(r"MachineGuid\s+REG_SZ\s+(\S+)", query).group(1)
        change = COMMAND[:1] + ["reg", "add", key, "/v", "MachineGuid", "/f", "/d"]
        subprocess.run(change + ["00000000-4242-4242-4242-000000000000"], check=True,
                       capture_output=True)
        try:
            yield []
        finally:
            subprocess.run(change + [guid], check=True, capture_output=True)
        return
    if os.geteuid() != 0 or not shutil.which("unshare"):
        yield None
        return
    with tempfile.NamedTemporaryFile("w", suffix="machine-id") as machine_id:
        machine_id.write("0123456789abcdef0123456789abcdef\n")
        machine_id.flush()
        yield ["unshare", "--mount", "--propagation", "private", "sh", "-c",
               'mount --bind "$0" /etc/machine-id && exec "$@"', machine_id.name]


class Protocol(AlpacaCase):
    """AlpacaProtocolTestManager: URLs, parameter names and values, transaction numbers,
    HTTP statuses."""

    def test_urls_are_lower_case_and_name_a_device_served(self):
        # TestCommon: "Bad Alpaca URL base element", "version element (no v / no number /
        # capital V / v2)", "device type (capitalised / baddevicetype)", "device number (-1
        # / 99999 / A)", "method name (descrip)": 400 (the base element answered as the
        # reference says, which ConformU leaves open).
        for path in ("/apii/v1/filterwheel/0/description", "/api/1/filterwheel/0/description",
                     "/api/v/filterwheel/0/description", "/api/V1/filterwheel/0/description",
                     "/api/v2/filterwheel/0/name", "/api/v1/FilterWheel/0/name",
                     "/api/v1/filterwheel/0/Name", "/api/v1/FILTERWHEEL/0/name",
                     "/api/v1/baddevicetype/0/description", "/api/v1/filterwheel/1/name",
                     "/api/v1/filterwheel/-1/name", "/api/v1/filterwheel/99999/name",
                     "/api/v1/filterwheel/A/name", "/api/v1/filterwheel/0/descrip",
                     "/api/v1/filterwheel/0/name/", "/management/v1/devices"):
            with self.subTest(path=path):
                self.call("GET", None, None, path=path, status=400)
        self.call("GET", None, None, path="/api/v1/switch/0/setswitch", status=400)
        self.call("PUT", None, None, path="/api/v1/switch/0/maxswitch", status=400)
        for method in ("POST", "DELETE"):
            status, _, _ = request(method, "/api/v1/filterwheel/0/connected", [("Connected", "True")])
            self.assertGreaterEqual(status, 400)
            self.assertLess(status, 500)

    def test_get_parameter_names_in_any_case(self):
        # GetOneParameter: "Parameter Id (Inverted casing)", "Different ClientID casing",
        # "Different ClientTransactionID casing": 200, the transaction number back.
        self.connect("switch")
        for name in ("Id", "id", "ID", "iD"):
            status, _, text = request("GET", "/api/v1/switch/0/getswitchname",
                                      [(name, "1"), ("clienttransactionid", "31"),
                                       ("clientid", "1")])
            self.assertEqual(status, 200, text)
            self.assertEqual(json.loads(text)["ClientTransactionID"], 31)
            self.assertEqual(json.loads(text)["ErrorNumber"], 0)

    def test_put_parameter_names_exactly(self):
        # PutOneParameter and PutTwoParameters: "Parameter {name} (Bad casing)": 400; "Bad
        # ClientTransactionID casing": 200, and in strict mode ClientTransactionID 0.
        self.connect("filterwheel")
        self.connect("switch")
        for device, member, parameters in (
                ("filterwheel", "connected", [("connected", "True")]),
                ("filterwheel", "position", [("POSITION", "3")]),
                ("switch", "setswitch", [("iD", "0"), ("State", "False")]),
                ("switch", "setswitch", [("Id", "0"), ("sTATE", "False")]),
                ("switch", "setswitchvalue", [("Id", "0"), ("vALUE", "0")]),
                ("switch", "setswitchname", [("Id", "0"), ("nAME", "X")])):
            with self.subTest(member=member, parameters=parameters):
                self.call("PUT", device, member, *parameters, status=400)
        status, _, text = request("PUT", "/api/v1/filterwheel/0/connected",
                                  [("Connected", "True"), ("clienttransactionid", "55"),
                                   ("clientid", "1")])
        self.assertEqual(status, 200, text)
        self.assertEqual(json.loads(text)["ClientTransactionID"], 0)

    def test_transaction_numbers(self):
        # TestBadIdValues, strict: an empty, blank, negative or non-numeric ClientID or
        # ClientTransactionID gets 400.
        served = []
        for sent in ("1", "4294967295", None):
            parameters = [] if sent is None else [("ClientTransactionID", sent)]
            status, _, text = request("GET", "/api/v1/switch/0/name", parameters)
            answer = json.loads(text)
            self.assertEqual(answer["ClientTransactionID"], int(sent or 0))
            served.append(answer["ServerTransactionID"])
        self.assertEqual(served, sorted(set(served)), "unique, counting up")
        for name in ("ClientID", "ClientTransactionID"):
            for bad in ("", "   ", "-12345", "asdasd", "4294967296", "1.5"):
                with self.subTest(name=name, value=bad):
                    self.call("GET", "switch", "name", (name, bad), status=400)
                    self.call("PUT", "switch", "connected", ("Connected", "True"), (name, bad),
                              status=400)

    def test_extra_parameters_are_ignored(self):
        # "Good ClientID and ClientTransactionID casing with additional parameter": 200.
        self.value("GET", "switch", "name", ("ExtraParameter", "ExtraValue"))
        self.value("PUT", "switch", "connected", ("Connected", "True"),
                   ("ExtraParameter", "ExtraValue"))

    def test_malformed_and_oversized_requests(self):
        self.assertEqual(request("PUT", "/api/v1/switch/0/connected", body="Connected=True",
                                 headers={"Content-Type": "application/json"})[0], 400)
        self.assertEqual(request("GET", "/api/v1/switch/0/name?Id=%zz")[0], 400)
        self.assertEqual(request("PUT", "/api/v1/switch/0/connected",
                                 body="Connected=True&X=" + "x" * 100000)[0], 400)
        self.assertEqual(raw_exchange(b"NONSENSE\r\n\r\n").split(b" ")[1], b"400")
        answer = raw_exchange(b"GET /api/v1/switch/0/name HTTP/1.1\r\nHost: x\r\n"
                              b"X-Long: " + b"y" * 20000 + b"\r\n\r\n")
        self.assertEqual(answer.split(b" ")[1], b"400")

    def test_a_client_that_never_finishes_holds_nobody_up(self):
        stuck = socket.create_connection((CONSOLE.address, CONSOLE.port))
        stuck.sendall(b"PUT /api/v1/switch/0/connected HTTP/1.1\r\nHost: x\r\n"
                      b"Content-Length: 40\r\n\r\nConnec")
        started = time.monotonic()
        self.value("GET", "switch", "name")
        self.assertLess(time.monotonic() - started, 1.0)
        stuck.settimeout(30)
        self.assertIn(stuck.recv(100), (b"",), "cut off after the server's limit")
        self.assertLess(time.monotonic() - started, 25)
        stuck.close()


def raw_exchange(data):
    global EXCHANGES
    EXCHANGES += 1
    with socket.create_connection((CONSOLE.address, CONSOLE.port), timeout=30) as raw:
        raw.sendall(data)
        return raw.recv(4096)


def probe(address, message=b"alpacadiscovery1", interface=None):
    """A discovery datagram sent to `address` (out of `interface` if given), on this run's
    port; the answers that come within 1.5 s, as (JSON, sender) pairs."""
    global EXCHANGES
    EXCHANGES += 1
    family = socket.AF_INET6 if ":" in address else socket.AF_INET
    with socket.socket(family, socket.SOCK_DGRAM) as udp:
        if interface:
            udp.setsockopt(socket.SOL_SOCKET, socket.SO_BINDTODEVICE, interface.encode())
        udp.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
        udp.settimeout(1.5)
        udp.sendto(message, (address, DISCOVERY_PORT))
        answers = []
        with contextlib.suppress(socket.timeout):
            while True:
                answer, sender = udp.recvfrom(1024)
                answers.append((json.loads(answer), sender))
        return answers


class Discovery(unittest.TestCase):
    """UDP discovery, on the port the console was given."""

    def test_the_probe_gets_the_port_from_the_servers_address(self):
        answers = probe(CONSOLE.address)
        self.assertEqual([answer for answer, _ in answers], [{"AlpacaPort": CONSOLE.port}])
        if not UNDER_WINE:
            # Wine binds a UDP socket given an interface's address to that interface as a
            # whole (so that it gets broadcasts, as on Windows): the answer leaves from the
            # interface's first address.
            self.assertEqual(answers[0][1][0], CONSOLE.address, "the address a client takes")

    def test_anything_else_gets_nothing(self):
        self.assertEqual(probe(CONSOLE.address, b"hello"), [])


def main():
    global COMMAND, CONSOLE, UNDER_WINE
    arguments = sys.argv[1:]
    COMMAND = arguments
    if arguments[:1] == ["--wine"]:
        UNDER_WINE = True
        COMMAND = [arguments[1]] + arguments[2:]
    CONSOLE = Console()
    try:
        result = unittest.main(argv=[sys.argv[0], "-v"], exit=False).result
    finally:
        CONSOLE.stop()
    print("%d exchanges with the console, each checked" % EXCHANGES)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
