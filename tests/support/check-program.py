#!/usr/bin/python3
"""Fails when a Windows program imports PSAPI.DLL or a Toolhelp32 function: both must be
reached by name at run time, so that the program starts on systems that lack them. With
--hardened, also when it lacks a mitigation of the platform (NO_SEH: 32-bit programs only),
stack guard checks (calls to the guard's failure handler), or a load configuration whose
Size covers SecurityCookie and is its directory entry's, and whose SecurityCookie is the
guard, stored as the platform's default (FILE.map, the linker's map, locates both).

Usage: check-program.py [--hardened] [--if-exists] FILE [[--if-exists] FILE...]
A FILE after --if-exists is checked only when it exists. Debian's python3, for python3-pefile.
"""
import os
import re
import sys

import pefile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from linkmap import LinkMap  # noqa: E402

FORBIDDEN = re.compile(r"psapi\.dll|CreateToolhelp32Snapshot|(Process32|Module32)(First|Next)W?", re.I)
MITIGATIONS = {0x40: "DYNAMIC_BASE", 0x100: "NX_COMPAT", 0x8000: "TERMINAL_SERVER_AWARE", 0x400: "NO_SEH"}
# By bitness (64-bit): the platform's default guard, and where SecurityCookie ends in the load configuration.
DEFAULT_GUARD = {False: 0xBB40E64E, True: 0x00002B992DDFA232}
COOKIE_END = {False: 0x40, True: 0x60}


def hardening(pe, link_map):
    """The mitigations, stack guard checks and load configuration that the program lacks."""
    header = pe.OPTIONAL_HEADER
    wide = header.Magic == pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS
    handler, guard = link_map.address("__stack_chk_fail"), link_map.address("__stack_chk_guard")
    if handler is None or guard is None:
        raise ValueError("its link map names no __stack_chk_fail or no __stack_chk_guard")
    lacks = [name for bit, name in MITIGATIONS.items()
             if not header.DllCharacteristics & bit and not (wide and name == "NO_SEH")]
    config = getattr(pe, "DIRECTORY_ENTRY_LOAD_CONFIG", None)
    entry = header.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG"]]
    if config is None:
        lacks.append("a load configuration")
    elif not COOKIE_END[wide] <= config.struct.Size == entry.Size:
        lacks.append(f"a load configuration whose Size ({config.struct.Size}) covers SecurityCookie "
                     f"({COOKIE_END[wide]}) and is its directory entry's ({entry.Size})")
    elif config.struct.SecurityCookie != guard:
        lacks.append("a load configuration that locates the stack guard")
    elif (pe.get_qword_at_rva if wide else pe.get_dword_at_rva)(guard - header.ImageBase) != DEFAULT_GUARD[wide]:
        lacks.append("the platform's default value in the stack guard")
    calls = 0  # call rel32 to the failure handler
    for section in pe.sections:
        if section.Characteristics & pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_EXECUTE"]:
            code, start = section.get_data(), header.ImageBase + section.VirtualAddress
            calls += sum(start + at.start() + 5 + int.from_bytes(code[at.start() + 1:at.start() + 5], "little",
                                                                  signed=True) == handler
                         for at in re.finditer(rb"\xe8", code[:-4]))
    return lacks + ([] if calls else ["stack guard checks"])


def check(path, hardened):
    try:
        pe = pefile.PE(path, fast_load=True)
        pe.parse_data_directories([pefile.DIRECTORY_ENTRY[d] for d in
                                   ("IMAGE_DIRECTORY_ENTRY_IMPORT", "IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG")])
        table = [(entry.dll.decode("latin-1"), [i.name.decode("latin-1") for i in entry.imports if i.name])
                 for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])]
        lacks = hardening(pe, LinkMap(path + ".map")) if hardened else []
    except (OSError, ValueError, pefile.PEFormatError) as error:
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
