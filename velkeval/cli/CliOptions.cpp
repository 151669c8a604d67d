#include "CliOptions.h"

#include <algorithm>
#include <array>
#include <optional>

#include "CliErrors.h"
#include "CommandLine.h"
#include "CliNumbers.h"

namespace velk::cli {
namespace {

struct OptionDefinition {
    const char* longName;
    char shortName;  // 0: none
    bool takesValue;
};

constexpr std::array<OptionDefinition, 13> Options{{
    {"device", 'd', true},
    {"link", 0, true},
    {"bus", 0, true},
    {"backend", 0, true},
    {"trace", 0, true},
    {"output", 'o', true},
    {"radix", 0, true},
    {"no-probe", 0, false},
    {"register", 0, false},
    {"addr8", 0, false},
    {"json", 0, false},
    {"help", 'h', false},
    {"version", 0, false},
}};

const OptionDefinition* FindOption(const std::string& word)
{
    for (const OptionDefinition& definition : Options) {
        if (word.size() == 2 && word[0] == '-' && definition.shortName != 0 && word[1] == definition.shortName)
            return &definition;
        if (word == std::string("--") + definition.longName) return &definition;
    }
    return nullptr;
}

void RequireOneOf(const std::string& option, const std::string& value, std::initializer_list<const char*> choices)
{
    if (std::any_of(choices.begin(), choices.end(), [&](const char* choice) { return value == choice; })) return;
    std::string list;
    for (const char* choice : choices) list += (list.empty() ? "" : ", ") + std::string(choice);
    throw UsageError("--" + option + " \"" + value + "\" is not one of " + list);
}

// "com:2" is the link "com" and its target "2".
std::pair<std::string, std::string> SplitLinkTarget(const std::string& value)
{
    const auto colon = value.find(':');
    if (colon == std::string::npos) return {value, {}};
    return {value.substr(0, colon), value.substr(colon + 1)};
}

// The serial link takes a COM number or a device path, the USB link a board
// number; the others take nothing.
void CheckLinkTarget(const std::string& link, const std::string& target)
{
    if (target.empty()) return;
    if (link == "com" && target[0] == '/') return;
    if (link == "com" || link == "usb") {
        ParseOperand(target, link == "com" ? 255 : 31, link == "com" ? "COM port" : "USB board");
        return;
    }
    throw UsageError("--link " + link + " takes no \":" + target + "\"");
}

void Store(CliOptions& options, const std::string& name, const std::string& value)
{
    options.given.insert(name);
    if (name == "device") options.device = value;
    else if (name == "link") {
        const auto [link, target] = SplitLinkTarget(value);
        RequireOneOf(name, link, {"lpt1", "lpt2", "ecp", "com", "usb", "i2c-dev"});
        CheckLinkTarget(link, target);
        options.link = link;
        options.linkTarget = target;
    } else if (name == "bus") {
        if (!IsBusNumber(value))
            throw UsageError("--bus \"" + value + "\" is not a bus number (see velkeval-cli buses)");
        options.i2cBus = std::stoi(value);
    } else if (name == "backend") {
        RequireOneOf(name, value, {"auto", "ppdev", "direct", "sim", "null"});
        options.backend = value;
    } else if (name == "trace") options.tracePath = value;
    else if (name == "output") options.outputPath = value;
    else if (name == "radix") {
        RequireOneOf(name, value, {"dec", "hex", "oct", "bin"});
        options.radix = value;
    } else if (name == "no-probe") options.noProbe = true;
    else if (name == "register") options.forceRegister = true;
    else if (name == "addr8") options.addr8 = true;
    else if (name == "json") options.json = true;
    else if (name == "help") options.help = true;
    else if (name == "version") options.version = true;
}

}  // namespace

CliOptions ParseCliOptions(const std::vector<std::string>& arguments)
{
    CliOptions options;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string word = arguments[i];
        const bool looksLikeOption = !optionsEnded && word.size() > 1 && word[0] == '-';
        if (!looksLikeOption) {
            if (options.command.empty()) options.command = word;
            else options.operands.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string> inlineValue;
        if (const auto equals = word.find('='); word.rfind("--", 0) == 0 && equals != std::string::npos) {
            inlineValue = word.substr(equals + 1);
            word.resize(equals);
        }
        const OptionDefinition* definition = FindOption(word);
        if (definition == nullptr) throw UsageError("unknown option " + word);
        if (!definition->takesValue) {
            if (inlineValue) throw UsageError(word + " takes no value");
            Store(options, definition->longName, {});
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= arguments.size()) throw UsageError(word + " needs a value");
            inlineValue = arguments[++i];
        }
        Store(options, definition->longName, *inlineValue);
    }
    if (options.link == "i2c-dev" && !options.has("bus"))
        throw UsageError("--link i2c-dev needs --bus N (see velkeval-cli buses)");
    if (options.has("bus") && options.link != "i2c-dev") throw UsageError("--bus goes with --link i2c-dev");
    return options;
}

}  // namespace velk::cli
