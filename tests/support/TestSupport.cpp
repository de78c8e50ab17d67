#include "TestSupport.h"

#include "platform/format/Cp1251.h"
#include "platform/system/Failure.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace orlevan::test {

ScratchFolder::ScratchFolder() {
    std::random_device entropy;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("orlevan-test-" + std::to_string(entropy()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = std::move(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot make a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::write(std::string_view name, std::string_view bytes) const {
    const auto target = path_ / std::filesystem::path(name);
    std::filesystem::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + target.string());
    }
}

std::string ScratchFolder::read(std::string_view name) const {
    return readFile(path_ / std::filesystem::path(name));
}

void ScratchFolder::remove(std::string_view name) const {
    std::filesystem::remove(path_ / std::filesystem::path(name));
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "no failure";
}

std::string w(std::string_view utf8) {
    const auto bytes = cp1251::fromUtf8Exactly(utf8);
    if (!bytes) {
        throw std::invalid_argument("not Windows-1251 text: " + std::string(utf8));
    }
    return *bytes;
}

int ScriptedRandom::below(int n) {
    if (n <= 0) {
        return 0;
    }
    if (draws.empty()) {
        return n - 1;
    }
    const int draw = draws.front();
    draws.pop_front();
    return draw < 0 ? 0 : (draw >= n ? n - 1 : draw);
}

} // namespace orlevan::test
