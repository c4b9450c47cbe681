#include "driver/HelperPath.h"

namespace {

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// "X:\..." or "\\server\share...", where "/" counts wherever "\" does, as in Windows.
bool IsAbsolutePath(const std::string& path)
{
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && IsSeparator(path[2]))
        return true;
    if (path.size() < 2 || !IsSeparator(path[0]) || !IsSeparator(path[1]))
        return false;
    const std::string::size_type shareStart = path.find_first_of("\\/", 2);
    return shareStart != std::string::npos && shareStart > 2 && shareStart + 1 < path.size() &&
           !IsSeparator(path[shareStart + 1]);
}

}  // namespace

std::string HelperPathBelow(const std::string& directory)
{
    if (!IsAbsolutePath(directory))
        return std::string();
    return directory + "\\System\\" + kHelperFileName;
}
