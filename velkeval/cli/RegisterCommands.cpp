#include "RegisterCommands.h"

#include <algorithm>
#include <ostream>

#include "AtomicFile.h"
#include "CliErrors.h"
#include "CliNumbers.h"
#include "ControlType.h"
#include "Conversions.h"
#include "DescriptionFormat.h"
#include "Group.h"
#include "TextCase.h"
#include "ValuesFileReader.h"
#include "ValuesFileWriter.h"

namespace velk::cli {
namespace {

// The widest register get and set take: its value must fit 32 bits.
constexpr int16_t MaxValueBytes = 4;

// A named field, or a whole register when field is empty.
struct Target {
    std::string name;
    std::shared_ptr<Group> group;
    std::shared_ptr<Field> field;
};

Target Resolve(const ProgramState& state, const std::string& name, bool forceRegister)
{
    if (!forceRegister)
        if (const auto* found = state.nameRegistry.Find(FieldRegistryKey(name)))
            if (const auto* field = std::get_if<std::shared_ptr<Field>>(found))
                return {name, (*field)->ParentGroup(), *field};
    if (const auto* found = state.nameRegistry.Find(GroupRegistryKey(name)))
        if (const auto* group = std::get_if<std::shared_ptr<Group>>(found)) return {name, *group, nullptr};
    throw CommandFailure("device \"" + state.currentDevice->devName + "\" has no " +
                         (forceRegister ? "register" : "field or register") + " named \"" + name + "\"");
}

std::vector<Target> ResolveAll(const ProgramState& state, const std::vector<std::string>& names, bool forceRegister)
{
    std::vector<Target> targets;
    for (const std::string& name : names) {
        Target target = Resolve(state, name, forceRegister);
        if (!target.field && target.group->size > MaxValueBytes)
            throw CommandFailure("register \"" + name + "\" has " + std::to_string(target.group->size) +
                                 " bytes; a register value takes at most " + std::to_string(MaxValueBytes));
        targets.push_back(std::move(target));
    }
    return targets;
}

// Runs a group's transfer, naming the register when the link fails.
template <class Transfer>
void OnChip(ProgramState& state, const Group& group, const char* what, Transfer transfer)
{
    try {
        transfer();
    } catch (const std::exception& error) {
        throw CommandFailure(std::string(what) + " register \"" + group.groupName + "\" of \"" +
                             state.currentDevice->devName + "\" failed: " + error.what());
    }
}

void ReadGroup(ProgramState& state, Group& group)
{
    OnChip(state, group, "reading", [&] { group.doRead(state); });
}

void WriteGroup(ProgramState& state, Group& group)
{
    OnChip(state, group, "writing", [&] { group.doWrite(state); });
}

// A register's value: its bytes in address order, the first the most
// significant.
uint32_t RegisterValue(const Group& group)
{
    uint32_t value = 0;
    for (int16_t i = 0; i < group.size; ++i) value = value << 8 | static_cast<uint8_t>(group.GetValue(i));
    return value;
}

void SetRegisterValue(ProgramState& state, Group& group, const std::string& name, uint32_t value)
{
    const uint64_t limit = uint64_t{1} << (8 * group.size);
    if (value >= limit)
        throw CommandFailure("register \"" + name + "\": " + std::to_string(value) + " is outside its range 0.." +
                             std::to_string(limit - 1));
    std::vector<int16_t> bytes(static_cast<size_t>(group.size));
    for (int16_t i = group.size - 1; i >= 0; --i, value >>= 8) bytes[static_cast<size_t>(i)] = static_cast<int16_t>(value & 0xFF);
    group.processRead(state, bytes, 0);
}

// The control a value typed for the field would go through: its first
// TextBox or UpDown.
std::shared_ptr<ControlRecord> TextControl(const Field& field)
{
    for (const auto& record : field.controls)
        if (record->controlType == ControlType::TextBox || record->controlType == ControlType::UpDown) return record;
    return nullptr;
}

void SetFieldValue(ProgramState& state, Field& field, const std::string& name, uint32_t value)
{
    const int widest = (1 << field.size) - 1;
    const auto record = TextControl(field);
    const int low = record ? std::max<int>(record->min, 0) : 0;
    const int high = record ? std::min<int>(record->max, widest) : widest;
    bool accepted = value <= static_cast<uint32_t>(INT16_MAX);
    if (accepted && record) {
        // As if typed into the control: the model checks the range and packs.
        const auto typed = static_cast<int16_t>(value);
        field.processChange(state, true, record->controlType, record->Index,
                            ValueToText(typed, LowerCase(record->radix)));
        accepted = field.value == typed;
    } else if (accepted) {
        accepted = value <= static_cast<uint32_t>(widest);
        if (accepted) {
            field.value = static_cast<int16_t>(value);
            field.ParentGroup()->processChange(state, false, 0, 0, {});
        }
    }
    if (!accepted)
        throw CommandFailure("field \"" + name + "\": " + std::to_string(value) +
                             (low <= high ? " is outside its range " + std::to_string(low) + ".." + std::to_string(high)
                                          : " refused: the field accepts no value"));
}

struct Assignment {
    std::string name;
    uint32_t value;
};

Assignment ParseAssignment(const std::string& operand)
{
    const auto equals = operand.rfind('=');
    if (equals == std::string::npos || equals == 0)
        throw UsageError("\"" + operand + "\" is not NAME=VALUE");
    return {operand.substr(0, equals), ParseOperand(operand.substr(equals + 1), UINT32_MAX,
                                                    "value of " + operand.substr(0, equals))};
}

std::string ValuesFileText(const ProgramState& state)
{
    XmlLines lines;
    lines.Open(0, format::DeviceValues).Attribute(format::Name, state.currentDevice->devName).EndStartTag();
    for (const auto& group : state.allGroups) SaveValuesToFile(lines, *group, 1);
    lines.Close(0, format::DeviceValues);
    return lines.text();
}

}  // namespace

void RunRead(CliSession& session, const CliOptions& options, std::ostream& out)
{
    session.LoadDescription(options.operands[0]);
    session.ConnectToDevice(ChipAccess::Read);
    ProgramState& state = session.state();
    for (const auto& group : state.allGroups) ReadGroup(state, *group);
    if (options.outputPath.empty())
        out << ValuesFileText(state);
    else
        WriteFileAtomically(options.outputPath, ValuesFileText(state));
}

void RunLoad(CliSession& session, const CliOptions& options, std::ostream& out)
{
    session.LoadDescription(options.operands[0]);
    ProgramState& state = session.state();
    ReadValuesFile(state, session.window(), options.operands[1]);
    if (!state.valuesFileMatch)
        session.err() << "velkeval-cli: warning: the values file names another device; its values are applied to \""
                      << state.currentDevice->devName << "\"\n";
    session.ConnectToDevice(ChipAccess::Write);
    int written = 0;
    for (const auto& group : state.allGroups) {
        if (group->readonly) continue;
        WriteGroup(state, *group);
        written += group->size;
    }
    out << "wrote " << written << " bytes to \"" << state.currentDevice->devName << "\"\n";
}

void RunGet(CliSession& session, const CliOptions& options, std::ostream& out)
{
    session.LoadDescription(options.operands[0]);
    ProgramState& state = session.state();
    const auto targets =
        ResolveAll(state, {options.operands.begin() + 1, options.operands.end()}, options.forceRegister);
    session.ConnectToDevice(ChipAccess::Read);
    for (const Target& target : targets) {
        ReadGroup(state, *target.group);
        const uint32_t value = target.field ? static_cast<uint32_t>(target.field->value) : RegisterValue(*target.group);
        out << target.name << ' ' << FormatValue(value, options.radix) << '\n';
    }
}

void RunSet(CliSession& session, const CliOptions& options, std::ostream&)
{
    std::vector<Assignment> assignments;
    std::vector<std::string> names;
    for (auto operand = options.operands.begin() + 1; operand != options.operands.end(); ++operand) {
        assignments.push_back(ParseAssignment(*operand));
        names.push_back(assignments.back().name);
    }
    session.LoadDescription(options.operands[0]);
    ProgramState& state = session.state();
    const auto targets = ResolveAll(state, names, options.forceRegister);
    for (const Target& target : targets)
        if (target.group->readonly)
            throw CommandFailure("register \"" + target.group->groupName + "\" is read-only; nothing was written");
    session.ConnectToDevice(ChipAccess::Read);
    for (size_t i = 0; i < targets.size(); ++i) {
        const Target& target = targets[i];
        ReadGroup(state, *target.group);
        if (target.field)
            SetFieldValue(state, *target.field, target.name, assignments[i].value);
        else
            SetRegisterValue(state, *target.group, target.name, assignments[i].value);
        WriteGroup(state, *target.group);
    }
}

}  // namespace velk::cli
