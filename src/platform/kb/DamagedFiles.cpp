#include "platform/kb/DamagedFiles.h"

#include "platform/format/Cp1251.h"
#include "platform/system/Failure.h"

#include <algorithm>
#include <ctime>
#include <utility>

namespace orlevan {
namespace {

std::string stampOfNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    return stamp;
}

// What the user is told was found in a file.
std::string_view foundIn(FileDamage damage) {
    switch (damage) {
    case FileDamage::CutShort:
        return "is cut short: only the lines before the cut were read";
    case FileDamage::NestedTooDeep:
        return "nests its groups deeper than any editor writes: it cannot be read as it was meant";
    case FileDamage::Utf8:
        return "was saved as UTF-8: it was read as UTF-8 and will be saved as Windows-1251";
    case FileDamage::Utf8Lossy:
        return "was saved as UTF-8 and holds characters that Windows-1251 lacks: they were read "
               "as '?'";
    case FileDamage::None:
        break;
    }
    return {};
}

} // namespace

const DamagedFiles::Damaged* DamagedFiles::find(const std::filesystem::path& path) const {
    const auto known = std::find_if(damaged_.begin(), damaged_.end(),
                                    [&](const Damaged& d) { return d.path == path; });
    return known == damaged_.end() ? nullptr : &*known;
}

void DamagedFiles::loaded(const std::filesystem::path& path, std::string_view name,
                          FileDamage damage) {
    if (damage == FileDamage::None) {
        settled(path);
        return;
    }
    if (find(path)) {
        return;
    }
    // Named as the notice spells it, beside the file whatever its stored case.
    const std::string kept =
        std::string(name) + (damage == FileDamage::Utf8 ? ".utf-8-" : ".damaged-") + stampOfNow();
    const std::string_view keptFile = std::string_view(kept).substr(kept.find_last_of("\\/") + 1);
    damaged_.push_back({path, path.parent_path() / cp1251::toUtf8(keptFile), damage});
    notices_.push_back(visibleText("File " + std::string(name) + " " +
                                   std::string(foundIn(damage)) +
                                   ", and before saving over it the program keeps it as " + kept));
}

FileDamage DamagedFiles::damageOf(const std::filesystem::path& path) const {
    const Damaged* known = find(path);
    return known ? known->damage : FileDamage::None;
}

std::filesystem::path DamagedFiles::keepBeforeSaving(const std::filesystem::path& path) const {
    const Damaged* known = find(path);
    return known ? known->keepAs : std::filesystem::path();
}

void DamagedFiles::settled(const std::filesystem::path& path) {
    std::erase_if(damaged_, [&](const Damaged& d) { return d.path == path; });
}

std::vector<std::string> DamagedFiles::takeNotices() {
    return std::exchange(notices_, {});
}

} // namespace orlevan
