#!/usr/bin/env python3
"""Fails when a Windows program imports PSAPI.DLL or a Toolhelp32 function: both must be
reached by name at run time, so that the program starts on systems that lack them. With
--hardened, it also fails when the program's header lacks one of the platform's mitigations
(ASLR, DEP, terminal-server awareness, and for a 32-bit program NO_SEH), or when the program
has no stack guard check: no call to the guard's failure handler, which its link map
(FILE.map) locates.

Usage: check-program.py [--hardened] [--if-exists] FILE [[--if-exists] FILE...]
A FILE after --if-exists is checked only when it exists; every other must exist.
Everything is read from the files themselves, so no tool's text layout is involved.
"""
import os
import re
import struct
import sys

FORBIDDEN = re.compile(r"psapi\.dll|CreateToolhelp32Snapshot|(Process32|Module32)(First|Next)W?", re.I)


MITIGATIONS = {0x40: "DYNAMIC_BASE", 0x100: "NX_COMPAT", 0x8000: "TERMINAL_SERVER_AWARE"}
NO_SEH = 0x400  # a 64-bit program unwinds through its tables, so only a 32-bit one can claim it
EXECUTABLE = 0x20000000


def headers(data):
    """The optional header's offset, whether it is 64-bit, and the sections as (size, start, raw, flags)."""
    (pe,) = struct.unpack_from("<I", data, 0x3C)
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections, optional_size = struct.unpack_from("<2xH12xH", data, pe + 4)
    optional = pe + 24
    (magic,) = struct.unpack_from("<H", data, optional)
    table = optional + optional_size
    return optional, {0x10B: False, 0x20B: True}[magic], [
        struct.unpack_from("<8xII4xI12xI", data, table + 40 * i) for i in range(sections)]


def hardening(data, link_map):
    """The mitigations that the header lacks, and the number of calls to the stack guard's failure handler."""
    optional, wide, spans = headers(data)
    (flags,) = struct.unpack_from("<H", data, optional + 70)
    wanted = MITIGATIONS if wide else {**MITIGATIONS, NO_SEH: "NO_SEH"}
    (base,) = struct.unpack_from("<Q", data, optional + 24) if wide else struct.unpack_from("<I", data, optional + 28)
    handler = re.search(r"^ +0x([0-9a-f]+) +_?__stack_chk_fail$", link_map, re.M)
    calls = 0
    for size, start, raw, characteristics in spans if handler else []:
        code = data[raw:raw + size] if characteristics & EXECUTABLE else b""
        at = code.find(b"\xe8")  # call rel32
        while 0 <= at <= len(code) - 5:
            calls += base + start + at + 5 + struct.unpack_from("<i", code, at + 1)[0] == int(handler[1], 16)
            at = code.find(b"\xe8", at + 1)
    return [name for bit, name in wanted.items() if not flags & bit], calls


def imports(data):
    """(DLL name, [function names]) for each DLL of the import table."""
    optional, wide, spans = headers(data)
    directories = optional + (112 if wide else 96)
    import_rva, _ = struct.unpack_from("<II", data, directories + 8)

    def offset(rva):
        for size, start, raw, _ in spans:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError(f"RVA {rva:#x} lies in no section")

    def text(rva):
        at = offset(rva)
        return data[at:data.index(b"\0", at)].decode("latin-1")

    thunk_format, ordinal_bit = ("<Q", 1 << 63) if wide else ("<I", 1 << 31)
    result = []
    descriptor = offset(import_rva) if import_rva else None
    while descriptor is not None:
        lookup, _, _, name, bound = struct.unpack_from("<5I", data, descriptor)
        if not (lookup or name or bound):
            break
        functions, at = [], offset(lookup or bound)
        while True:
            (thunk,) = struct.unpack_from(thunk_format, data, at)
            if not thunk:
                break
            if not thunk & ordinal_bit:
                functions.append(text(thunk + 2))  # past the hint
            at += struct.calcsize(thunk_format)
        result.append((text(name), functions))
        descriptor += 20
    return result


def check(path, hardened):
    try:
        with open(path, "rb") as file:
            data = file.read()
        table = imports(data)
        if hardened:
            with open(path + ".map", encoding="latin-1") as file:
                missing, guards = hardening(data, file.read())
    except (OSError, ValueError, KeyError, struct.error) as error:
        print(f"cannot read {path}: {error}")
        return 2
    names = [name for dll, functions in table for name in [dll, *functions]]
    if not any(functions for _, functions in table):
        print(f"cannot read the imports of {path}: no imported function")
        return 2
    forbidden = [name for name in names if FORBIDDEN.fullmatch(name)]
    for name in forbidden:
        print(f"forbidden import: {name} in {path}")
    if not forbidden:
        print(f"no forbidden imports: {path} ({len(names) - len(table)} functions of {len(table)} DLLs)")
    if not hardened:
        return 1 if forbidden else 0
    for name in missing:
        print(f"not hardened: {path} lacks {name}")
    print(f"{guards} stack guard checks in {path}" if guards else f"not hardened: no stack guard check in {path}")
    return 1 if forbidden or missing or not guards else 0


def main(arguments):
    status, optional, hardened = 0, False, False
    for argument in arguments:
        if argument == "--hardened":
            hardened = True
            continue
        if argument == "--if-exists":
            optional = True
            continue
        if not os.path.isfile(argument):
            if not optional:
                print(f"missing: {argument}")
                status = 2
            optional = False
            continue
        optional = False
        status = max(status, check(argument, hardened))
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
