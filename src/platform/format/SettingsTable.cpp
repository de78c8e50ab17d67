#include "platform/format/SettingsTable.h"

#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"
#include "platform/kb/TextFile.h"
#include "platform/system/Failure.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace orlevan {

void SettingsTable::load(const Folder& folder) {
    std::vector<Row> rows;
    for (auto& line : readTextFile(folder, kFileName)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            rows.push_back({{}, std::move(line), false});
        } else {
            rows.push_back({line.substr(0, equals), line.substr(equals + 1), true});
        }
    }
    rows_ = std::move(rows);
}

void SettingsTable::save(const Folder& folder) const {
    std::vector<std::string> lines;
    lines.reserve(rows_.size());
    for (const auto& row : rows_) {
        lines.push_back(row.hasEquals ? row.key + "=" + row.value : row.value);
    }
    writeTextFile(folder, kFileName, lines);
}

namespace {

// The designed message first, then where in the settings file it happened,
// so that the user knows which line to mend.
Failure inRow(const Failure& failure, int row) {
    return Failure(std::string(failure.what()) + cp1251::fromUtf8(" — ") +
                   std::string(SettingsTable::kFileName) + ", row " + std::to_string(row));
}

} // namespace

std::size_t SettingsTable::indexOf(int row) const {
    if (row < 1 || row > rowCount()) {
        // The list counts its lines from 0.
        throw inRow(Failure::indexOutOfBounds(row - 1), row);
    }
    return static_cast<std::size_t>(row - 1);
}

std::string SettingsTable::value(int row) const {
    return rows_[indexOf(row)].value;
}

std::string SettingsTable::key(int row) const {
    return rows_[indexOf(row)].key;
}

void SettingsTable::setValue(int row, std::string_view value) {
    Row& target = rows_[indexOf(row)];
    target.value = value;
    target.hasEquals = true;
}

void SettingsTable::setValueByKey(std::string_view key, std::string_view value) {
    const std::string wanted = casing::upper(key);
    for (auto& row : rows_) {
        if (row.hasEquals && casing::upper(row.key) == wanted) {
            row.value = value;
            return;
        }
    }
    rows_.push_back({std::string(key), std::string(value), true});
}

int SettingsTable::integer(int row) const {
    const std::string text = value(row);
    if (const auto number = integerOf(text)) {
        return *number;
    }
    throw inRow(Failure::notInteger(text), row);
}

std::optional<FontStyle> fontStyleOf(std::string_view text) {
    struct Spelling {
        std::string_view text;
        FontStyle style;
    };
    static constexpr std::array<Spelling, 4> kSpellings = {{
        {"[]", {false, false}},
        {"[FSITALIC]", {false, true}},
        {"[FSBOLD]", {true, false}},
        {"[FSBOLD,FSITALIC]", {true, true}},
    }};
    const std::string upper = casing::upper(text);
    for (const auto& spelling : kSpellings) {
        if (upper == spelling.text) {
            return spelling.style;
        }
    }
    return std::nullopt;
}

std::optional<int> integerOf(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        magnitude > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    // A hexadecimal value fills all 32 bits ("$FF000005" is a system colour);
    // a decimal one must fit a signed integer.
    if (base == 10 && magnitude > (negative ? 0x80000000ull : 0x7FFFFFFFull)) {
        return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(negative ? (~magnitude + 1) : magnitude);
    return static_cast<int>(bits);
}

int parseInteger(std::string_view text) {
    if (const auto value = integerOf(text)) {
        return *value;
    }
    throw Failure::notInteger(text);
}

} // namespace orlevan
