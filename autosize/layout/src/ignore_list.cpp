#include "trellauto/ignore_list.h"

#include <algorithm>

namespace trellauto {

std::vector<std::string> splitIgnoreNames(std::string_view lowerIgnore)
{
    std::vector<std::string> names;
    std::string_view rest = lowerIgnore;
    for (auto semicolon = rest.find(';');
         semicolon != std::string_view::npos && names.size() < kMaxIgnoreNames;
         semicolon = rest.find(';')) {
        names.emplace_back(rest.substr(0, semicolon));
        rest.remove_prefix(semicolon + 1);
    }
    return names;
}

bool isIgnoredName(const std::vector<std::string>& names, std::string_view lowerName)
{
    if (lowerName.empty())
        return false;
    return std::find(names.begin(), names.end(), lowerName) != names.end();
}

} // namespace trellauto
