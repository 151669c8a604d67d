#include "BenchDevice.h"

#include "ControlType.h"
#include "Conversions.h"
#include "frmAutoControls.h"

using namespace velk;

namespace bench {
namespace {

constexpr int ListItems = 16;

// Appends one element line at its depth.
void Line(std::string& out, int depth, const std::string& text)
{
    out.append(static_cast<size_t>(depth), '\t');
    out += text;
    out += "\r\n";
}

std::string Value(const char* element, int value)
{
    return std::string("<") + element + " value=\"" + std::to_string(value) + "\"/>";
}

void WriteControl(std::string& out, int depth, const ControlSpec& control, bool isGroup)
{
    const char* element = isGroup ? "groupcontrol" : "control";
    Line(out, depth, std::string("<") + element + " type=\"" + ControlTypeName(control.controlType) + "\">");
    Line(out, depth + 1, Value("max", control.max));
    Line(out, depth + 1, Value("min", control.min));
    Line(out, depth + 1, "<pos x=\"" + std::to_string(control.X) + "\" y=\"" + std::to_string(control.y) + "\"/>");
    Line(out, depth + 1, "<radix value=\"" + control.radix + "\"/>");
    if (control.controlType != ControlType::Combo) Line(out, depth + 1, Value("height", control.height));
    Line(out, depth + 1, Value("width", control.width));
    for (size_t i = 0; i < control.items.size(); ++i)
        Line(out, depth + 1, "<indexvalue index=\"" + std::to_string(i) + "\" value=\"" + control.items[i] + "\"/>");
    Line(out, depth, std::string("</") + element + ">");
}

}  // namespace

std::vector<std::string> BenchListCaptions()
{
    std::vector<std::string> items;
    for (int i = 0; i < ListItems; ++i) items.push_back("value " + std::to_string(i));
    return items;
}

GroupSpec BenchRegister(int r)
{
    const std::string name = "R" + std::to_string(r);
    GroupSpec plan{name, AddressHex(static_cast<int16_t>(2 * r)), 2, {}};
    for (int16_t byte = 0; byte < 2; ++byte) {
        for (const int16_t bit : {int16_t{4}, int16_t{0}}) {
            const auto row = static_cast<int16_t>(50 + 350 * (2 * byte + (bit == 4 ? 0 : 1)));
            plan.fields.emplace_back(name + "F" + std::to_string(byte) + std::to_string(bit), byte, bit, 4,
                                     std::vector<ControlSpec>{Described(ControlType::TextBox, 0, 15, 0, row, 500),
                                                              Described(ControlType::Combo, 0, 15, 550, row, 900,
                                                                        BenchListCaptions())});
        }
    }
    plan.controls = {Described(ControlType::TextBox, 0, 255, 1500, 50, 500)};
    return plan;
}

void BuildBenchDevice(frmAutoControls& window, int registers)
{
    SetDevice(window.state(), "Bench", "10011000", "10011000");
    for (int r = 0; r < registers; ++r) AddGroup(window.state(), BenchRegister(r));
    window.ReapplyMaxHeight();
}

std::string BenchDescription(int registers)
{
    std::string out;
    Line(out, 0, "<file title=\"Bench board\">");
    Line(out, 1, "<author value=\"load_bench\"/>");
    Line(out, 1, "<modified value=\"1/1/2026\"/>");
    Line(out, 1, "<device addr=\"10011000\" name=\"Bench\">");
    for (int r = 0; r < registers; ++r) {
        const GroupSpec plan = BenchRegister(r);
        Line(out, 2, "<group name=\"" + plan.name + "\" size=\"" + std::to_string(plan.size) + "\" addr=\"" +
                         plan.address + "\" readonly=\"False\" controlmode=\"0\">");
        for (const FieldSpec& field : plan.fields) {
            Line(out, 3, "<field name=\"" + field.name + "\">");
            Line(out, 4, "<pos byte=\"" + std::to_string(field.byteIndex) + "\" range=\"" +
                             std::to_string(field.bitIndex + field.size - 1) + ":" + std::to_string(field.bitIndex) +
                             "\" />");
            Line(out, 4, "<defaultvalue radix=\"dec\" value=\"0\"/>");
            for (const ControlSpec& control : field.controls) WriteControl(out, 4, control, false);
            Line(out, 3, "</field>");
        }
        for (const ControlSpec& control : plan.controls) WriteControl(out, 3, control, true);
        Line(out, 2, "</group>");
    }
    Line(out, 1, "</device>");
    Line(out, 0, "</file>");
    return out;
}

}  // namespace bench
