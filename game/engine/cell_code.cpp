#include "engine/cell_code.h"

namespace bramlow {

std::string pictureFile(CellCode code)
{
    const std::string name = "0" + std::to_string(code) + ".bmp";
    return name.size() > 6 ? name.substr(name.size() - 6) : name;
}

} // namespace bramlow
