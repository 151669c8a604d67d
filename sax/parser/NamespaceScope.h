#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sax {

// The stack of prefix-to-URI scopes, one per open element. Each prefix keeps
// its own stack of URIs, so a lookup costs the same at any depth.
class NamespaceScope {
public:
    static constexpr std::u16string_view kXmlnsUri = u"http://www.w3.org/2000/xmlns/";

    // Inline: every element opens and closes a scope, and few declare anything.
    void push() { scopeStarts_.push_back(declaredPrefixes_.size()); }
    void pop()
    {
        if (!scopeStarts_.empty() && declaredPrefixes_.size() == scopeStarts_.back())
            scopeStarts_.pop_back();
        else
            popDeclarations();
    }
    // Binds a prefix in the innermost scope ("" is the default namespace).
    void declare(std::u16string_view prefix, std::u16string_view uri);
    // Searches from the innermost scope outwards; "xmlns" is always bound.
    std::optional<std::u16string_view> lookup(std::u16string_view prefix) const;
    // The default namespace's URI, empty where none is declared: what every
    // unprefixed name takes.
    std::u16string_view defaultUri() const
    {
        return defaultBindings_.empty() ? std::u16string_view() : std::u16string_view(defaultBindings_.back());
    }

private:
    // pop() for a scope that declared prefixes: undoes them too.
    void popDeclarations();

    // Lets find() take a view, so a lookup builds no string.
    struct ViewHash {
        using is_transparent = void;
        size_t operator()(std::u16string_view text) const { return std::hash<std::u16string_view>{}(text); }
    };
    // A prefix leaves the map when its last binding goes out of scope, so
    // the map holds only the prefixes of the open elements.
    std::unordered_map<std::u16string, std::vector<std::u16string>, ViewHash, std::equal_to<>> bindings_;
    // The default namespace, asked for by every unprefixed name, is kept apart from the map.
    std::vector<std::u16string> defaultBindings_;
    // In declaration order, to undo at pop; null stands for the default namespace.
    std::vector<const std::u16string*> declaredPrefixes_;
    std::vector<size_t> scopeStarts_;
};

}  // namespace sax
