#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
"""The load configuration of a Windows program, 64-bit or 32-bit.

point: GNU ld 2.40 links the structure _load_config_used (cmake/dll_search.cpp) into the program but leaves the
header's load configuration entry empty, so Windows never reads it; this points the entry at the structure, found by
the program's symbol table (before it is stripped). cmake/windows.cmake runs it after each program's link.
show: prints the entry and the fields of the structure that it points at (what scripts/build-windows.sh checks).

Usage: scripts/pe-load-config.py point|show PROGRAM.exe
"""
import array
import struct
import sys

LOAD_CONFIG_ENTRY = 10
# A 32-bit program's C names begin with one more underscore.
SYMBOLS = {0x20B: b"_load_config_used", 0x10B: b"__load_config_used"}
# Where the optional header's data directories begin, and where DependentLoadFlags stands in the structure.
DIRECTORIES = {0x20B: 112, 0x10B: 96}
DEPENDENT_LOAD_FLAGS = {0x20B: 0x4E, 0x10B: 0x36}


class Program:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            sys.exit("pe-load-config.py: not a Windows program")
        sections, self.symbols, self.symbol_count, optional_size = struct.unpack_from("<2xH4xIIH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        if self.magic not in SYMBOLS:
            sys.exit("pe-load-config.py: neither a 64-bit nor a 32-bit program")
        self.checksum = optional + 64
        self.entry = optional + DIRECTORIES[self.magic] + 8 * LOAD_CONFIG_ENTRY
        first = optional + optional_size
        # Each section: its address in memory, its size and place in the file.
        self.sections = [struct.unpack_from("<8xIIII", data, first + 40 * i) for i in range(sections)]

    def update_checksum(self):
        """The header's checksum, as the linker writes it: 16-bit words added with their carries, then the length."""
        struct.pack_into("<I", self.data, self.checksum, 0)
        words = array.array("H", self.data + b"\0" * (len(self.data) % 2))
        if sys.byteorder == "big":
            words.byteswap()
        total = sum(words)
        while total >> 16:
            total = (total & 0xFFFF) + (total >> 16)
        struct.pack_into("<I", self.data, self.checksum, total + len(self.data))

    def offset(self, address):
        for size, start, raw_size, raw in self.sections:
            if start <= address < start + min(size, raw_size):
                return raw + address - start
        sys.exit(f"pe-load-config.py: address {address:#x} is in no section of the file")

    def symbol_address(self, name):
        strings = self.symbols + 18 * self.symbol_count
        i = 0
        while i < self.symbol_count:
            record = self.symbols + 18 * i
            raw, value, section, aux = struct.unpack_from("<8sIh3xB", self.data, record)
            if raw[:4] == b"\0\0\0\0":
                start = strings + struct.unpack_from("<I", raw, 4)[0]
                raw = self.data[start:self.data.index(b"\0", start)]
            if raw.rstrip(b"\0") == name and section > 0:
                return self.sections[section - 1][1] + value
            i += 1 + aux
        sys.exit(f"pe-load-config.py: no symbol {name.decode()} (stripped, or not linked in)")


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("point", "show"):
        sys.exit(__doc__.strip().splitlines()[-1])
    path = sys.argv[2]
    with open(path, "rb") as file:
        program = Program(bytearray(file.read()))
    if sys.argv[1] == "point":
        address = program.symbol_address(SYMBOLS[program.magic])
        size = struct.unpack_from("<I", program.data, program.offset(address))[0]
        struct.pack_into("<II", program.data, program.entry, address, size)
        program.update_checksum()
        with open(path, "wb") as file:
            file.write(program.data)
        return
    address, size = struct.unpack_from("<II", program.data, program.entry)
    print(f"entry {address:#x} {size}")
    if address:
        at = program.offset(address)
        fields = struct.unpack_from("<I4xHH", program.data, at) + struct.unpack_from("<H", program.data, at + DEPENDENT_LOAD_FLAGS[program.magic])
        print("Size {}\nMajorVersion {}\nMinorVersion {}\nDependentLoadFlags {:#x}".format(*fields))


main()
