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

    void push();
    void pop();
    // Binds a prefix in the innermost scope ("" is the default namespace).
    void declare(std::u16string_view prefix, std::u16string_view uri);
    // Searches from the innermost scope outwards; "xmlns" is always bound.
    std::optional<std::u16string_view> lookup(std::u16string_view prefix) const;

private:
    std::unordered_map<std::u16string, std::vector<std::u16string>> bindings_;
    std::vector<const std::u16string*> declaredPrefixes_;  // in declaration order, to undo at pop
    std::vector<size_t> scopeStarts_;
};

}  // namespace sax
