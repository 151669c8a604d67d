#include "NamespaceScope.h"

#include <stdexcept>

namespace sax {

void NamespaceScope::popDeclarations()
{
    if (scopeStarts_.empty()) throw std::logic_error("NamespaceScope::pop on an empty stack");
    while (declaredPrefixes_.size() > scopeStarts_.back()) {
        const std::u16string* prefix = declaredPrefixes_.back();
        declaredPrefixes_.pop_back();
        if (!prefix) {
            defaultBindings_.pop_back();
            continue;
        }
        const auto it = bindings_.find(*prefix);
        it->second.pop_back();
        if (it->second.empty()) bindings_.erase(it);
    }
    scopeStarts_.pop_back();
}

void NamespaceScope::declare(std::u16string_view prefix, std::u16string_view uri)
{
    if (scopeStarts_.empty()) throw std::logic_error("NamespaceScope::declare without an open scope");
    if (prefix.empty()) {
        defaultBindings_.emplace_back(uri);
        declaredPrefixes_.push_back(nullptr);
        return;
    }
    // Map nodes never move, so the key's address stays valid for the undo list.
    auto it = bindings_.find(prefix);
    if (it == bindings_.end()) it = bindings_.try_emplace(std::u16string(prefix)).first;
    it->second.emplace_back(uri);
    declaredPrefixes_.push_back(&it->first);
}

std::optional<std::u16string_view> NamespaceScope::lookup(std::u16string_view prefix) const
{
    if (prefix.empty()) {
        if (defaultBindings_.empty()) return std::nullopt;
        return std::u16string_view(defaultBindings_.back());
    }
    if (!bindings_.empty()) {
        const auto it = bindings_.find(prefix);
        if (it != bindings_.end()) return std::u16string_view(it->second.back());
    }
    if (prefix == u"xmlns") return kXmlnsUri;
    return std::nullopt;
}

}  // namespace sax
