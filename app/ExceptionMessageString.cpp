// The string that the standard exceptions keep their message in.
//
// std::out_of_range and the other standard exceptions hold their text in the runtime's
// older, reference-counted std::string. The runtime keeps that string's members in one
// object file, and the linker can only take such a file whole: the unwind table of every
// function in it is kept, and with it the function. That file, and std::random_device
// which it brings along, would be about 33 KB of the 32-bit program; the exception code
// calls only the members below. Compiled here from the same headers, they stand in for it.
// Should a later runtime call a member that is not listed, the linker takes the runtime's
// file again: the program grows and works the same.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the runtime's own switch
#define _GLIBCXX_USE_CXX11_ABI 0  // the older string, in this file only

#include <string>

template void std::string::swap(std::string&);
template std::string& std::string::assign(const std::string&);
template char* std::string::_S_construct(size_type, char, const std::allocator<char>&);
template void std::string::_M_copy(char*, const char*, size_type);
template void std::string::_M_assign(char*, size_type, char);
template std::string::_Rep* std::string::_Rep::_S_create(size_type, size_type,
                                                         const std::allocator<char>&);
template char* std::string::_Rep::_M_clone(const std::allocator<char>&, size_type);
template char* std::string::_Rep::_M_refcopy();
template bool std::string::_Rep::_M_is_leaked() const;
template void std::string::_Rep::_M_set_length_and_sharable(size_type);
template void std::string::_Rep::_M_dispose(const std::allocator<char>&);
template void std::string::_Rep::_M_destroy(const std::allocator<char>&);
