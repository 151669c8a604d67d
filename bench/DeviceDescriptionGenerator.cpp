#include "DeviceDescriptionGenerator.h"

#include <cstdio>

namespace bench {
namespace {

class Writer {
public:
    explicit Writer(std::string& out) : out_(out) {}
    // One element on its own line at the given depth.
    void line(int depth, const std::string& text)
    {
        out_.append(static_cast<size_t>(depth), '\t');
        out_ += text;
        out_ += "\r\n";
    }

private:
    std::string& out_;
};

std::string Hex(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

void Control(Writer& w, int depth, const std::string& element, const std::string& type, int x, int y,
             const std::string& tooltip, int entries)
{
    w.line(depth, "<" + element + " type=\"" + type + "\">");
    w.line(depth + 1, "<caption value=\"" + tooltip + "\"/>");
    w.line(depth + 1, "<max value=\"255\"/>");
    w.line(depth + 1, "<min value=\"0\"/>");
    w.line(depth + 1, "<pos x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\"/>");
    w.line(depth + 1, "<fg value=\"80000008\"/>");
    w.line(depth + 1, "<bg value=\"80000005\"/>");
    w.line(depth + 1, "<radix value=\"hex\"/>");
    w.line(depth + 1, "<height value=\"285\"/>");
    w.line(depth + 1, "<width value=\"1200\"/>");
    w.line(depth + 1, "<justify value=\"0\"/>");
    w.line(depth + 1, "<tooltip value=\"" + tooltip + " &amp; more\"/>");
    for (int i = 0; i < entries; ++i)
        w.line(depth + 1, "<indexvalue index=\"" + std::to_string(i) + "\" value=\"Mode " + std::to_string(i) +
                              "\" fg=\"FF\" bold=\"" + (i == 0 ? "true" : "false") + "\"/>");
    w.line(depth, "</" + element + ">");
}

}  // namespace

std::string DeviceDescription(int registers)
{
    std::string out;
    Writer w(out);
    w.line(0, "<file title=\"Generated benchmark board\">");
    w.line(1, "<author value=\"sax_bench\"/>");
    w.line(1, "<modified value=\"2026-01-01\"/>");
    w.line(1, "<device addr=\"0111xx00\" name=\"Bench device\">");
    for (int r = 0; r < registers; ++r) {
        const std::string name = "Register " + std::to_string(r);
        w.line(2, "<group name=\"" + name + "\" size=\"1\" addr=\"" + Hex(r) + "\" readonly=\"" +
                      (r % 7 == 0 ? "true" : "false") + "\" controlmode=\"" + std::to_string(r % 3) + "\">");
        for (int f = 0; f < 2; ++f) {
            const std::string field = name + " field " + std::to_string(f);
            w.line(3, "<field name=\"" + field + "\">");
            w.line(4, "<pos byte=\"0\" range=\"" + std::to_string(7 - 4 * f) + ":" + std::to_string(4 - 4 * f) + "\"/>");
            w.line(4, "<defaultvalue radix=\"hex\" value=\"" + Hex(r % 16) + "\"/>");
            w.line(4, "<namefg value=\"80000008\"/>");
            w.line(4, "<namebg value=\"80000005\"/>");
            if (f == 1) w.line(4, "<namebold/>");
            Control(w, 4, "control", "Combo", 2400, 120 * (r % 40), field, 4);
            w.line(3, "</field>");
        }
        Control(w, 3, "groupcontrol", "TextBox", 6000, 120 * (r % 40), name, 0);
        w.line(2, "</group>");
    }
    w.line(1, "</device>");
    w.line(0, "</file>");
    return out;
}

}  // namespace bench
