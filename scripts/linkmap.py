"""The linker's map of a program (lld's, in the platform linker's layout): beside each symbol,
its address and the object or archive member that brought it (libmingwex:lib32_libmingwex_a-strnlen.o,
crt2.o, objects:StackGuard.cpp.obj). Read by scripts/third-party and by the tests."""
import os
import re

# section:offset, name, address (Rva+Base), object or library:member
SYMBOL = re.compile(r"^ [0-9a-f]{4}:[0-9a-f]{8} +(\S+) +([0-9a-f]+) +(\S+)$", re.M)
NO_FILE = {"<absolute>", "<linker-defined>", "<common>"}


class LinkMap:
    def __init__(self, path):
        # The build tree: the map lies in its bin folder, and CMake keeps the objects below CMakeFiles.
        self.build = os.path.dirname(os.path.dirname(os.path.abspath(path)))
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        if "Publics by Value" not in text:
            raise ValueError(f"{path} is no map of lld's in the platform linker's layout")
        self.symbols = SYMBOL.findall(text)

    def files(self):
        """{file name: the names of its members that went in} of each object (no members) and
        static library (name.a) that brought a symbol."""
        files = {}
        for source in {source for _, _, source in self.symbols} - NO_FILE:
            library, _, member = source.rpartition(":")
            files.setdefault(library + ".a" if library else member, set()).update([member] if library else [])
        return files

    def foreign(self):
        """files() without what the build made: the runtime's libraries and objects."""
        ours = set(os.listdir(self.build)) | {name for _, _, names in os.walk(os.path.join(self.build, "CMakeFiles"))
                                              for name in names}
        return {name: members for name, members in self.files().items() if name not in ours}

    def address(self, name):
        """The address of a symbol by its C name (a 32-bit map adds a leading underscore), or None."""
        return next((int(address, 16) for symbol, address, _ in self.symbols if symbol in (name, "_" + name)), None)
