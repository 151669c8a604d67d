#include "DescriptionCommands.h"

#include <ostream>

#include "CliErrors.h"
#include "ControlType.h"
#include "DescriptionFormat.h"
#include "DescriptionSaver.h"
#include "ElementEvents.h"
#include "Json.h"
#include "SaxFileReader.h"
#include "TextCase.h"
#include "TextTable.h"

namespace velk::cli {
namespace {

// Collects the name and address pattern of every device element.
class DeviceLister final : public ElementEvents {
public:
    struct Device {
        std::string name;
        std::string pattern;
    };
    std::vector<Device> devices;

    void startElement(const std::string& localName, const AttributeList& attributes) override
    {
        if (localName == format::Device)
            devices.push_back({GetAttribute(attributes, format::Name),
                               LowerCase(GetAttribute(attributes, format::Addr))});
    }
    void endElement(const std::string&) override {}
};

std::string ModeName(int32_t controlMode)
{
    if (controlMode == ControlMode::Parallel) return "Parallel";
    return controlMode == ControlMode::Series ? "Series" : "Reverse Series";
}

std::string BitRange(const Field& field)
{
    return std::to_string(field.bitIndex + field.size - 1) + ":" + std::to_string(field.bitIndex);
}

void PrintRegisterTable(const ProgramState& state, std::ostream& out)
{
    enum { RegisterRow, FieldRow };
    TextTable table;
    table.AddRow({"ADDR", "REGISTER", "SIZE", "MODE", "ACCESS"}, RegisterRow);
    for (const auto& group : state.allGroups) {
        table.AddRow({group->address, group->groupName, std::to_string(group->size), ModeName(group->controlMode),
                      group->readonly ? "read-only" : "read-write"},
                     RegisterRow);
        for (const auto& field : group->childFields)
            table.AddRow({"", field->fieldName, "byte " + std::to_string(field->byteIndex), "bits " + BitRange(*field),
                          "default " + std::to_string(field->defaultValue)},
                         FieldRow);
    }
    table.Print(out);
}

void PrintRegisterJson(const ProgramState& state, std::ostream& out)
{
    const DeviceRecord& device = *state.currentDevice;
    out << "{\"device\": " << JsonQuoted(device.devName) << ", \"address\": " << JsonQuoted(device.address)
        << ", \"registers\": [";
    const char* registerSeparator = "\n";
    for (const auto& group : state.allGroups) {
        out << registerSeparator << "  {\"address\": " << JsonQuoted(group->address)
            << ", \"name\": " << JsonQuoted(group->groupName) << ", \"size\": " << group->size
            << ", \"controlMode\": " << JsonQuoted(ModeName(group->controlMode))
            << ", \"readOnly\": " << (group->readonly ? "true" : "false") << ", \"fields\": [";
        const char* fieldSeparator = "\n";
        for (const auto& field : group->childFields) {
            out << fieldSeparator << "    {\"name\": " << JsonQuoted(field->fieldName)
                << ", \"byte\": " << field->byteIndex << ", \"bits\": " << JsonQuoted(BitRange(*field))
                << ", \"default\": " << field->defaultValue << "}";
            fieldSeparator = ",\n";
        }
        out << (group->childFields.count() > 0 ? "\n  ]}" : "]}");
        registerSeparator = ",\n";
    }
    out << (state.allGroups.count() > 0 ? "\n]}\n" : "]}\n");
}

}  // namespace

void RunDevices(CliSession& session, const CliOptions& options, std::ostream& out)
{
    const std::string& file = options.operands[0];
    // The load reports a file that cannot be read or breaks the format's
    // rules as every other command does; the listing then reads it again.
    session.LoadDescription(file);
    DeviceLister lister;
    const ParseOutcome outcome = ReadWithSax(file, lister);
    if (!outcome.ok) throw CommandFailure("the description \"" + file + "\" cannot be read again");
    TextTable table;
    for (const auto& device : lister.devices) table.AddRow({device.name, device.pattern});
    table.Print(out);
}

void RunRegisters(CliSession& session, const CliOptions& options, std::ostream& out)
{
    session.LoadDescription(options.operands[0]);
    if (options.json)
        PrintRegisterJson(session.state(), out);
    else
        PrintRegisterTable(session.state(), out);
}

void RunSave(CliSession& session, const CliOptions& options, std::ostream& out)
{
    session.LoadDescription(options.operands[0]);
    const std::string& target = options.operands[1];
    if (!doXMLSave(session.state(), session.window(), target, TodayShortDate()))
        throw CommandFailure(session.dialogs().TakeMessage().value_or("the description was not saved"));
    out << "saved device \"" << session.device().devName << "\" to " << target << '\n';
}

}  // namespace velk::cli
