// std::string's members, compiled here for size.
//
// The runtime keeps them in one object file that the linker can only take whole (the
// unwind table of every function in it is kept, and with it the function): about 33 KB
// of the 32-bit program. Compiled here from the same headers with the program's size
// options, the whole class is about 20 KB, and the runtime's copy is no longer linked.
#include <string>

template class std::basic_string<char>;
