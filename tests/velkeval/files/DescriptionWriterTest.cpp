#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ControlType.h"
#include "DescriptionWriter.h"
#include "SavedModel.h"
#include "SaxFileReader.h"
#include "TempDir.h"

namespace velk::test {
namespace {

TEST(DescriptionWriter, WritesTheWorkedExampleByteForByte)
{
    SavedModel model("Scaler", "0111x0x0");
    BuildScalerExample(model);
    XmlLines out;
    WriteHeader(out, *model.state.currentFile, "3/14/2005");
    WriteDevice(out, *model.state.currentDevice, model.state.allGroups);
    out.Close(0, "file");
    EXPECT_EQ(out.text(), CrLfLines({
                              "<file title=\"Demo board\">",
                              "\t<author value=\"lab\"/>",
                              "\t<modified value=\"3/14/2005\"/>",
                              "\t<device addr=\"0111x0x0\" name=\"Scaler\">",
                              "\t\t<group name=\"Output control\" size=\"1\" addr=\"1A\" readonly=\"False\" controlmode=\"0\">",
                              "\t\t\t<field name=\"Enable\">",
                              "\t\t\t\t<pos byte=\"0\" range=\"0:0\" />",
                              "\t\t\t\t<defaultvalue radix=\"dec\" value=\"1\"/>",
                              "\t\t\t\t<namefg value=\"0\"/>",
                              "\t\t\t\t<namebg value=\"0\"/>",
                              "\t\t\t\t<control type=\"Combo\">",
                              "\t\t\t\t\t<max value=\"1\"/>",
                              "\t\t\t\t\t<min value=\"0\"/>",
                              "\t\t\t\t\t<pos x=\"100\" y=\"50\"/>",
                              "\t\t\t\t\t<radix value=\"dec\"/>",
                              "\t\t\t\t\t<width value=\"1000\"/>",
                              "\t\t\t\t\t<justify value=\"0\"/>",
                              "\t\t\t\t\t<tooltip value=\"Turns the output on\"/>",
                              "\t\t\t\t\t<indexvalue index=\"0\" value=\"Off\"/>",
                              "\t\t\t\t\t<indexvalue index=\"1\" value=\"On\" bold=\"true\" fg=\"FF\" bg=\"FFFFFF\"/>",
                              "\t\t\t\t</control>",
                              "\t\t\t</field>",
                              "\t\t\t<groupcontrol type=\"TextBox\">",
                              "\t\t\t\t<max value=\"255\"/>",
                              "\t\t\t\t<min value=\"0\"/>",
                              "\t\t\t\t<pos x=\"2000\" y=\"50\"/>",
                              "\t\t\t\t<radix value=\"hex\"/>",
                              "\t\t\t\t<height value=\"300\"/>",
                              "\t\t\t\t<width value=\"800\"/>",
                              "\t\t\t\t<justify value=\"1\"/>",
                              "\t\t\t\t<tooltip value=\"\"/>",
                              "\t\t\t</groupcontrol>",
                              "\t\t</group>",
                              "\t</device>",
                              "</file>",
                          }));
}

TEST(DescriptionWriter, FieldRowsCarryFlagsColoursAndTheRangeHighBitFirst)
{
    SavedModel model("Chip", "10000000");
    auto group = model.AddGroup("Status", "0E", 2);
    group->readonly = true;
    group->controlMode = 2;
    auto field = model.AddField(*group, "Level", 1, 4, 4);
    field->defaultValue = -3;
    field->fg = 0x0A0B0C;
    field->bg = static_cast<int32_t>(0x80000005);
    field->bold = field->italic = field->inhouse = field->Reserved = true;
    XmlLines out;
    WriteGroup(out, *group, 0);
    EXPECT_EQ(out.text(), CrLfLines({
                              "<group name=\"Status\" size=\"2\" addr=\"0E\" readonly=\"True\" controlmode=\"2\">",
                              "\t<field name=\"Level\">",
                              "\t\t<pos byte=\"1\" range=\"7:4\" />",
                              "\t\t<defaultvalue radix=\"dec\" value=\"-3\"/>",
                              "\t\t<namefg value=\"A0B0C\"/>",
                              "\t\t<namebg value=\"80000005\"/>",
                              "\t\t<namebold/>",
                              "\t\t<nameitalic/>",
                              "\t\t<inhouse/>",
                              "\t\t<reserved/>",
                              "\t</field>",
                              "</group>",
                          }));
}

TEST(DescriptionWriter, ControlRowsDependOnTheType)
{
    SavedModel model("Chip", "10000000");
    ControlRecCollection controls;
    auto scroll = model.AddControl(controls, ControlType::Scrollbar, false);
    scroll->colorsSet = true;  // a scroll bar writes neither colours nor a tooltip
    scroll->fg = 1;
    scroll->tooltip = "unused";
    scroll->max = 63;
    auto label = model.AddControl(controls, ControlType::Label, true);
    label->caption = "a<b>&\"c\"";
    label->colorsSet = true;
    label->fg = static_cast<int32_t>(0x80000008);
    label->bold = label->italic = true;
    auto display = model.AddControl(controls, ControlType::Display, false);
    display->min = 2;
    display->max = 4;  // entries 0 to max - min
    display->radix = "";
    display->setIndexValue(0, "two");
    display->setIndexValue(1, "three");
    display->setIndexItalic(1, true);
    display->setIndexFG(2, 5);
    display->setIndexBG(2, 5);  // equal colours are not written
    XmlLines out;
    for (const auto& control : controls) WriteControl(out, *control, 0);
    EXPECT_EQ(out.text(), CrLfLines({
                              "<control type=\"Scrollbar\">",
                              "\t<max value=\"63\"/>",
                              "\t<min value=\"0\"/>",
                              "\t<pos x=\"0\" y=\"0\"/>",
                              "\t<height value=\"0\"/>",
                              "\t<width value=\"0\"/>",
                              "\t<justify value=\"0\"/>",
                              "</control>",
                              "<groupcontrol type=\"Label\">",
                              "\t<caption value=\"a&lt;b&gt;&amp;&quot;c&quot;\"/>",
                              "\t<max value=\"0\"/>",
                              "\t<min value=\"0\"/>",
                              "\t<pos x=\"0\" y=\"0\"/>",
                              "\t<fg value=\"80000008\"/>",
                              "\t<bg value=\"0\"/>",
                              "\t<height value=\"0\"/>",
                              "\t<width value=\"0\"/>",
                              "\t<bold/>",
                              "\t<italics/>",
                              "\t<justify value=\"0\"/>",
                              "\t<tooltip value=\"\"/>",
                              "</groupcontrol>",
                              "<control type=\"Display\">",
                              "\t<max value=\"4\"/>",
                              "\t<min value=\"2\"/>",
                              "\t<pos x=\"0\" y=\"0\"/>",
                              "\t<height value=\"0\"/>",
                              "\t<width value=\"0\"/>",
                              "\t<justify value=\"0\"/>",
                              "\t<tooltip value=\"\"/>",
                              "\t<indexvalue index=\"0\" value=\"two\"/>",
                              "\t<indexvalue index=\"1\" value=\"three\" italic=\"true\"/>",
                              "\t<indexvalue index=\"2\" value=\"2\"/>",
                              "</control>",
                          }));
}

TEST(DescriptionWriter, ReservedCharactersAndNonAsciiTextReadBackUnchanged)
{
    const std::string awkward = "R&D \"x\" <y> &lt; \xC3\xA9\n2";
    SavedModel model(awkward, "1000xxx0");
    model.state.currentFile->title = awkward;
    auto group = model.AddGroup(awkward, "10", 1);
    auto field = model.AddField(*group, awkward, 0, 0, 8);
    auto box = model.AddControl(field->controls, ControlType::Combo, false);
    box->tooltip = awkward;
    box->radix = awkward;
    box->setIndexValue(0, awkward);
    auto label = model.AddControl(group->controls, ControlType::Label, true);
    label->caption = awkward;
    XmlLines out;
    WriteHeader(out, *model.state.currentFile, awkward);
    WriteDevice(out, *model.state.currentDevice, model.state.allGroups);
    out.Close(0, "file");
    TempDir dir;
    WriteBytes(dir.file("awkward.xml"), out.text());

    ElementRecorder recorder;
    const ParseOutcome outcome = ReadWithSax(dir.file("awkward.xml"), recorder);
    ASSERT_TRUE(outcome.ok) << outcome.lastError;
    const std::vector<std::pair<std::string, std::string>> written = {
        {"file", "title"}, {"modified", "value"}, {"device", "name"},     {"group", "name"},   {"field", "name"},
        {"tooltip", "value"}, {"radix", "value"}, {"indexvalue", "value"}, {"caption", "value"},
    };
    for (const auto& [element, attribute] : written) {
        const auto found = recorder.Named(element);
        ASSERT_FALSE(found.empty()) << element;
        EXPECT_EQ(found.front().attributes.at(attribute), awkward) << element;
    }
}

}  // namespace
}  // namespace velk::test
