#include "TestSupport.h"

#include <fstream>
#include <iterator>

namespace tslq::test {

std::string DataPath(const std::string& name)
{
    return std::string(TSLQ_TEST_DATA_DIR) + "/" + name;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace tslq::test
