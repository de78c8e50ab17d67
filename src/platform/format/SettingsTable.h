#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

class Folder;

// The settings table: the lines of "Config.ini", each "key=value", addressed
// by row number counted from 1. The value is everything after the first '=',
// untrimmed; a line without '=' has an empty key and is all value.
class SettingsTable {
public:
    static constexpr std::string_view kFileName = "Config.ini";

    void load(const Folder& folder);
    void save(const Folder& folder) const;

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Throws "List index out of bounds (row)" for a row the file does not have.
    std::string value(int row) const;
    // The text before the first '='; empty for a line without one.
    std::string key(int row) const;
    void setValue(int row, std::string_view value);
    // Sets the first row whose key equals `key` ignoring case, or adds one at the end.
    void setValueByKey(std::string_view key, std::string_view value);

    // The value of a colour or size row as a number. Throws "'%s' is not a
    // valid integer value" for anything but a 32-bit decimal or hexadecimal
    // integer. Failures name the file and the row after the designed text.
    int integer(int row) const;

private:
    struct Row {
        std::string key;
        std::string value;
        bool hasEquals = false;
    };
    std::size_t indexOf(int row) const;

    std::vector<Row> rows_;
};

struct FontStyle {
    bool bold = false;
    bool italic = false;
};

// One of "[]", "[fsItalic]", "[fsBold]", "[fsBold,fsItalic]", compared
// ignoring case but not blanks or the order of words; nothing for any other text.
std::optional<FontStyle> fontStyleOf(std::string_view text);

// Decimal with optional leading blanks and sign, or hexadecimal after '$' or
// "0x"; nothing may follow the digits. Nothing for any other text.
std::optional<int> integerOf(std::string_view text);
// The same, throwing Failure::notInteger(text) for any other text.
int parseInteger(std::string_view text);

} // namespace orlevan
