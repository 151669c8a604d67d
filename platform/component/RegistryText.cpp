#include "RegistryText.h"

#include <cstdio>

namespace {

std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out + '"';
}

void FormatKey(const RegistryKey& key, const std::string& path, std::string& out)
{
    out += '[' + path + "]\n";
    for (const auto& [name, value] : key.values()) {
        out += name.empty() ? "@" : Quoted(name);
        out += '=';
        if (const auto* text = std::get_if<std::string>(&value)) {
            out += Quoted(*text);
        } else {
            char number[16];
            std::snprintf(number, sizeof number, "dword:%08x", std::get<uint32_t>(value));
            out += number;
        }
        out += '\n';
    }
    for (const auto& [name, sub] : key.subKeys()) FormatKey(*sub, path.empty() ? name : path + '\\' + name, out);
}

class LineReader {
public:
    LineReader(std::string_view line, int number) : line_(line), number_(number) {}

    [[noreturn]] void fail(const char* what) const
    {
        throw RegistryError("registry file line " + std::to_string(number_) + ": " + what);
    }
    bool take(char c)
    {
        if (pos_ >= line_.size() || line_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    bool takeWord(std::string_view word)
    {
        if (line_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }
    bool atEnd() const { return pos_ == line_.size(); }

    std::string quoted()
    {
        if (!take('"')) fail("expected a quoted text");
        std::string out;
        while (pos_ < line_.size() && line_[pos_] != '"') {
            char c = line_[pos_++];
            if (c == '\\') {
                if (pos_ >= line_.size()) fail("unfinished escape");
                c = line_[pos_++];
                if (c == 'n')
                    c = '\n';
                else if (c == 'r')
                    c = '\r';
                else if (c != '\\' && c != '"')
                    fail("unknown escape");
            }
            out += c;
        }
        if (!take('"')) fail("unterminated quoted text");
        return out;
    }

    uint32_t hexNumber()
    {
        const std::string_view digits = line_.substr(pos_);
        if (digits.empty() || digits.size() > 8) fail("expected up to 8 hexadecimal digits");
        uint32_t value = 0;
        for (char c : digits) {
            int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0) fail("expected a hexadecimal digit");
            value = value << 4 | static_cast<uint32_t>(d);
        }
        pos_ = line_.size();
        return value;
    }

private:
    std::string_view line_;
    int number_;
    size_t pos_ = 0;
};

}  // namespace

std::string FormatRegistry(const RegistryKey& root)
{
    std::string out = "; velk component registry\n";
    FormatKey(root, "", out);
    return out;
}

RegistryKey ParseRegistry(std::string_view text)
{
    RegistryKey root;
    RegistryKey* current = &root;
    int number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (line.empty() || line[0] == ';') continue;
        LineReader reader(line, number);
        if (line[0] == '[') {
            if (line.back() != ']') reader.fail("unterminated key path");
            try {
                current = &root.create(line.substr(1, line.size() - 2));
            } catch (const RegistryError& e) {
                reader.fail(e.what());
            }
            continue;
        }
        const std::string name = reader.take('@') ? std::string() : reader.quoted();
        if (!reader.take('=')) reader.fail("expected =");
        if (reader.takeWord("dword:"))
            current->setValue(name, reader.hexNumber());
        else
            current->setValue(name, reader.quoted());
        if (!reader.atEnd()) reader.fail("unexpected text after the value");
    }
    return root;
}
