// Fuzz entry for the component registry file and the registration scripts.
// The first byte picks the script mode; the rest is registry text, then a
// NUL and a script. Either is read or refused with RegistryError; a refused
// script changes nothing, and every registry read or scripted formats to
// text that reads back as itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "RegistryScript.h"
#include "RegistryText.h"

namespace {

// Formats `key`, and aborts unless the text reads back to the same text.
std::string CheckedFormat(const RegistryKey& key)
{
    const std::string text = FormatRegistry(key);
    if (FormatRegistry(ParseRegistry(text)) != text) std::abort();
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const ScriptMode mode = data[0] & 1 ? ScriptMode::Unregister : ScriptMode::Register;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t separator = input.find('\0');
    const std::string_view script = separator == std::string_view::npos ? std::string_view() : input.substr(separator + 1);

    RegistryKey root;
    try {
        root = ParseRegistry(input.substr(0, separator));
    } catch (const RegistryError&) {
        return 0;
    }
    const std::string before = CheckedFormat(root);
    try {
        RunRegistryScript(script, root, mode, "/opt/velk/lib/module.so");
    } catch (const RegistryError&) {
        if (FormatRegistry(root) != before) std::abort();
        return 0;
    }
    CheckedFormat(root);
    return 0;
}
