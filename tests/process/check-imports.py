#!/usr/bin/env python3
"""Fails when a Windows program imports PSAPI.DLL or a Toolhelp32 function: both must be
reached by name at run time, so that the program starts on systems that lack them.

Usage: check-imports.py [--if-exists] FILE [[--if-exists] FILE...]
A FILE after --if-exists is checked only when it exists; every other must exist.
The import table is read from the file itself, so no tool's text layout is involved.
"""
import os
import re
import struct
import sys

FORBIDDEN = re.compile(r"psapi\.dll|CreateToolhelp32Snapshot|(Process32|Module32)(First|Next)W?", re.I)


def imports(data):
    """(DLL name, [function names]) for each DLL of the import table."""
    (pe,) = struct.unpack_from("<I", data, 0x3C)
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections, optional_size = struct.unpack_from("<2xH12xH", data, pe + 4)
    optional = pe + 24
    (magic,) = struct.unpack_from("<H", data, optional)
    wide = {0x10B: False, 0x20B: True}[magic]
    directories = optional + (112 if wide else 96)
    import_rva, _ = struct.unpack_from("<II", data, directories + 8)
    table = optional + optional_size
    spans = [struct.unpack_from("<8xII4xI", data, table + 40 * i) for i in range(sections)]

    def offset(rva):
        for size, start, raw in spans:
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


def check(path):
    try:
        with open(path, "rb") as file:
            table = imports(file.read())
    except (OSError, ValueError, KeyError, struct.error) as error:
        print(f"cannot read the imports of {path}: {error}")
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
    return 1 if forbidden else 0


def main(arguments):
    status, optional = 0, False
    for argument in arguments:
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
        status = max(status, check(argument))
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
