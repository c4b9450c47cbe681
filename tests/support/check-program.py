#!/usr/bin/env python3
"""Fails when a Windows program imports PSAPI.DLL or a Toolhelp32 function: both must be
reached by name at run time, so that the program starts on systems that lack them. With
--hardened, also when it lacks a mitigation of the platform (NO_SEH: 32-bit programs only),
stack guard checks (calls to the guard's failure handler), or a load configuration whose
SecurityCookie is the guard, which holds the platform's default for the loader to replace
(FILE.map, the linker's map, locates the handler and the guard).

Usage: check-program.py [--hardened] [--if-exists] FILE [[--if-exists] FILE...]
A FILE after --if-exists is checked only when it exists; every other must exist.
Everything is read from the files themselves, so no tool's text layout is involved.
"""
import os
import re
import struct
import sys

FORBIDDEN = re.compile(r"psapi\.dll|CreateToolhelp32Snapshot|(Process32|Module32)(First|Next)W?", re.I)
MITIGATIONS = {0x40: "DYNAMIC_BASE", 0x100: "NX_COMPAT", 0x8000: "TERMINAL_SERVER_AWARE", 0x400: "NO_SEH"}
GUARD_SYMBOLS = ("__stack_chk_fail", "__stack_chk_guard")
DEFAULT_GUARD = {False: 0xBB40E64E, True: 0x00002B992DDFA232}  # by bitness: 64-bit


def headers(data):
    """The optional header's offset, whether it is 64-bit, and the sections as (size, start, raw, flags)."""
    (pe,) = struct.unpack_from("<I", data, 0x3C)
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections, optional_size = struct.unpack_from("<2xH12xH", data, pe + 4)
    optional = pe + 24
    wide = {0x10B: False, 0x20B: True}[struct.unpack_from("<H", data, optional)[0]]
    table = optional + optional_size
    return optional, wide, [struct.unpack_from("<8xII4xI12xI", data, table + 40 * i) for i in range(sections)]


def directory(optional, wide, index):
    """The offset of a data directory entry (RVA, size) of the optional header."""
    return optional + (112 if wide else 96) + 8 * index


def file_offset(spans, rva):
    for size, start, raw, _ in spans:
        if start <= rva < start + size:
            return raw + rva - start
    raise ValueError(f"RVA {rva:#x} lies in no section")


def hardening(data, link_map):
    """The mitigations, stack guard checks and load configuration that the program lacks."""
    optional, wide, spans = headers(data)
    (flags,) = struct.unpack_from("<H", data, optional + 70)
    word = "<Q" if wide else "<I"
    (base,) = struct.unpack_from(word, data, optional + (24 if wide else 28))
    found = [re.search(rf"^ \S+ +_?{name} +([0-9a-f]+) ", link_map, re.M) for name in GUARD_SYMBOLS]
    if not all(found):
        raise ValueError("its link map names no " + " and no ".join(GUARD_SYMBOLS))
    (target, guard), calls = [int(symbol[1], 16) for symbol in found], 0
    for size, start, raw, kind in spans:
        code = data[raw:raw + size] if kind & 0x20000000 else b""  # executable
        calls += sum(base + start + at.start() + 5 + struct.unpack_from("<i", code, at.start() + 1)[0] == target
                     for at in re.finditer(rb"\xe8", code[:-4]))  # call rel32
    lacks = [name for bit, name in MITIGATIONS.items() if not flags & bit and not (wide and name == "NO_SEH")]
    config, _ = struct.unpack_from("<II", data, directory(optional, wide, 10))
    cookie = struct.unpack_from(word, data, file_offset(spans, config) + (0x58 if wide else 0x3C))[0] if config else 0
    if cookie != guard:
        lacks.append("a load configuration that locates the stack guard")
    elif struct.unpack_from(word, data, file_offset(spans, guard - base))[0] != DEFAULT_GUARD[wide]:
        lacks.append("the platform's default value in the stack guard")
    return lacks + ([] if calls else ["stack guard checks"])


def imports(data):
    """(DLL name, [function names]) for each DLL of the import table."""
    optional, wide, spans = headers(data)
    import_rva, _ = struct.unpack_from("<II", data, directory(optional, wide, 1))

    def text(rva):
        at = file_offset(spans, rva)
        return data[at:data.index(b"\0", at)].decode("latin-1")

    thunk_format, ordinal_bit = ("<Q", 1 << 63) if wide else ("<I", 1 << 31)
    result = []
    descriptor = file_offset(spans, import_rva) if import_rva else None
    while descriptor is not None:
        lookup, _, _, name, bound = struct.unpack_from("<5I", data, descriptor)
        if not (lookup or name or bound):
            break
        functions, at = [], file_offset(spans, lookup or bound)
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
        table, lacks = imports(data), []
        if hardened:
            with open(path + ".map", encoding="latin-1") as file:
                lacks = hardening(data, file.read())
    except (OSError, ValueError, KeyError, struct.error) as error:
        print(f"cannot read {path}: {error}")
        return 2
    names = [name for dll, functions in table for name in [dll, *functions]]
    if not any(functions for _, functions in table):
        print(f"cannot read the imports of {path}: no imported function")
        return 2
    failures = [f"forbidden import: {name} in {path}" for name in names if FORBIDDEN.fullmatch(name)]
    failures += [f"not hardened: {path} lacks {name}" for name in lacks]
    print("\n".join(failures) or f"no forbidden imports{', hardened' * hardened}: {path} "
          f"({len(names) - len(table)} functions of {len(table)} DLLs)")
    return 1 if failures else 0


def main(arguments):
    status, optional, hardened = 0, False, False
    for argument in arguments:
        if argument == "--hardened":
            hardened = True
        elif argument == "--if-exists":
            optional = True
        else:
            if os.path.isfile(argument):
                status = max(status, check(argument, hardened))
            elif not optional:
                print(f"missing: {argument}")
                status = 2
            optional = False
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
