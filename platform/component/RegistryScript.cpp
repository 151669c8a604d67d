#include "RegistryScript.h"

#include <charconv>
#include <optional>
#include <utility>
#include <vector>

#include "Registry.h"

namespace {

struct Token {
    std::string text;
    bool quoted = false;

    bool is(std::string_view word) const { return !quoted && RegistryNameEqual(text, word); }
    static bool RegistryNameEqual(std::string_view a, std::string_view b)
    {
        RegistryNameLess less;
        return !less(a, b) && !less(b, a);
    }
};

enum class KeyFlag { None, NoRemove, ForceRemove, Delete };

struct ScriptKey {
    KeyFlag flag = KeyFlag::None;
    std::string name;
    std::optional<RegistryValue> defaultValue;
    std::vector<std::pair<std::string, RegistryValue>> values;
    std::vector<ScriptKey> subKeys;
};

struct ScriptRoot {
    bool classesRoot;
    std::vector<ScriptKey> subKeys;
};

[[noreturn]] void Fail(const std::string& what) { throw RegistryError("registry script: " + what); }

std::string Substitute(std::string_view text, std::string_view modulePath)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const size_t end = text.find('%', i + 1);
        if (end == std::string_view::npos) Fail("unmatched % in '" + std::string(text) + "'");
        const std::string_view name = text.substr(i + 1, end - i - 1);
        if (name.empty())
            out += '%';
        else if (name == "MODULE")
            out += modulePath;
        else
            Fail("unknown replacement %" + std::string(name) + "%");
        i = end;
    }
    return out;
}

std::vector<Token> Tokenize(std::string_view script, std::string_view modulePath)
{
    std::vector<Token> tokens;
    size_t i = 0;
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (i < script.size()) {
        if (isBlank(script[i])) {
            ++i;
        } else if (script[i] == '\'') {
            std::string text;
            for (++i;; ++i) {
                if (i >= script.size()) Fail("unterminated quoted text");
                if (script[i] == '\'') {
                    if (i + 1 < script.size() && script[i + 1] == '\'') {
                        text += '\'';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += script[i];
            }
            tokens.push_back({Substitute(text, modulePath), true});
        } else if (script[i] == '=') {
            tokens.push_back({"=", false});
            ++i;
        } else {
            const size_t start = i;
            while (i < script.size() && !isBlank(script[i]) && script[i] != '=' && script[i] != '\'') ++i;
            tokens.push_back({Substitute(script.substr(start, i - start), modulePath), false});
        }
    }
    return tokens;
}

class ScriptParser {
public:
    explicit ScriptParser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    std::vector<ScriptRoot> roots()
    {
        std::vector<ScriptRoot> roots;
        while (pos_ < tokens_.size()) {
            const Token& name = next();
            ScriptRoot root{};
            if (name.is("HKCR") || name.is("HKEY_CLASSES_ROOT"))
                root.classesRoot = true;
            else if (name.is("HKLM") || name.is("HKEY_LOCAL_MACHINE"))
                root.classesRoot = false;
            else
                Fail("unknown root key " + name.text);
            expect("{");
            while (!peek("}")) root.subKeys.push_back(key());
            expect("}");
            roots.push_back(std::move(root));
        }
        return roots;
    }

private:
    const Token& next()
    {
        if (pos_ >= tokens_.size()) Fail("unexpected end");
        return tokens_[pos_++];
    }
    bool peek(std::string_view word) const
    {
        if (pos_ >= tokens_.size()) Fail("unexpected end");
        return tokens_[pos_].is(word);
    }
    void expect(std::string_view word)
    {
        if (!next().is(word)) Fail("expected " + std::string(word) + " before " + tokens_[pos_ - 1].text);
    }

    RegistryValue value()
    {
        const Token& kind = next();
        const Token& text = next();
        if (kind.is("s")) return text.text;
        if (!kind.is("d")) Fail("unknown value type " + kind.text);
        std::string_view digits = text.text;
        int base = 10;
        if (digits.starts_with("0x") || digits.starts_with("0X")) {
            digits.remove_prefix(2);
            base = 16;
        }
        uint32_t number = 0;
        auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number, base);
        if (error != std::errc() || end != digits.data() + digits.size() || digits.empty())
            Fail("not a 32-bit number: " + text.text);
        return number;
    }

    ScriptKey key()
    {
        ScriptKey key;
        if (peek("NoRemove"))
            key.flag = KeyFlag::NoRemove;
        else if (peek("ForceRemove"))
            key.flag = KeyFlag::ForceRemove;
        else if (peek("Delete"))
            key.flag = KeyFlag::Delete;
        if (key.flag != KeyFlag::None) ++pos_;
        const Token& name = next();
        if (name.is("{") || name.is("}") || name.is("=")) Fail("expected a key name before " + name.text);
        // Checked here, so that a script is refused before it changes anything.
        if (!IsValidKeyPath(name.text)) Fail("invalid key name \"" + name.text + "\"");
        key.name = name.text;
        if (pos_ < tokens_.size() && peek("=")) {
            ++pos_;
            key.defaultValue = value();
        }
        if (pos_ < tokens_.size() && peek("{")) {
            ++pos_;
            while (!peek("}")) {
                if (peek("val")) {
                    ++pos_;
                    std::string valueName = next().text;
                    expect("=");
                    key.values.emplace_back(std::move(valueName), value());
                } else {
                    key.subKeys.push_back(this->key());
                }
            }
            ++pos_;
        }
        return key;
    }

    std::vector<Token> tokens_;
    size_t pos_ = 0;
};

void Register(RegistryKey& parent, const ScriptKey& script)
{
    if (script.flag == KeyFlag::Delete || script.flag == KeyFlag::ForceRemove) parent.remove(script.name);
    if (script.flag == KeyFlag::Delete) return;
    RegistryKey& key = parent.create(script.name);
    if (script.defaultValue) key.setValue("", *script.defaultValue);
    for (const auto& [name, value] : script.values) key.setValue(name, value);
    for (const ScriptKey& sub : script.subKeys) Register(key, sub);
}

void Unregister(RegistryKey& parent, const ScriptKey& script)
{
    if (script.flag == KeyFlag::Delete) return;
    RegistryKey* key = parent.find(script.name);
    if (!key) return;
    if (script.flag == KeyFlag::ForceRemove) {
        parent.remove(script.name);
        return;
    }
    for (const ScriptKey& sub : script.subKeys) Unregister(*key, sub);
    if (script.flag != KeyFlag::NoRemove && key->subKeys().empty()) parent.remove(script.name);
}

}  // namespace

void RunRegistryScript(std::string_view script, RegistryKey& machineRoot, ScriptMode mode, std::string_view modulePath)
{
    for (const ScriptRoot& root : ScriptParser(Tokenize(script, modulePath)).roots()) {
        if (mode == ScriptMode::Register) {
            RegistryKey& base = root.classesRoot ? machineRoot.create(kClassesRoot) : machineRoot;
            for (const ScriptKey& key : root.subKeys) Register(base, key);
        } else if (RegistryKey* base = root.classesRoot ? machineRoot.find(kClassesRoot) : &machineRoot) {
            for (const ScriptKey& key : root.subKeys) Unregister(*base, key);
        }
    }
}
