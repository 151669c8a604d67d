#include "TextTable.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>

namespace velk::cli {
namespace {

void PrintLine(std::ostream& out, std::string line)
{
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
}

}  // namespace

void TextTable::AddRow(std::vector<std::string> cells, int kind) { rows_.push_back({kind, std::move(cells)}); }

void TextTable::Print(std::ostream& out) const
{
    std::map<int, std::vector<size_t>> widths;
    for (const Row& row : rows_) {
        auto& width = widths[row.kind];
        width.resize(std::max(width.size(), row.cells.size()));
        for (size_t i = 0; i < row.cells.size(); ++i) width[i] = std::max(width[i], row.cells[i].size());
    }
    for (const Row& row : rows_) {
        std::string line;
        for (size_t i = 0; i < row.cells.size(); ++i) {
            line += row.cells[i];
            if (i + 1 < row.cells.size()) line += std::string(widths[row.kind][i] - row.cells[i].size() + 2, ' ');
        }
        PrintLine(out, line);
    }
}

std::string HexByte(unsigned value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02x", value & 0xFF);
    return text;
}

void PrintHexTable(std::ostream& out, int count, const HexCell& cell, const std::string& headerTrailer,
                   const HexRowTrailer& trailer)
{
    std::string header = "   ";
    for (int column = 0; column < 16; ++column) header += "  " + std::string(1, "0123456789abcdef"[column]);
    if (!headerTrailer.empty()) header += "    " + headerTrailer;
    PrintLine(out, header);
    for (int rowStart = 0; rowStart < count; rowStart += 16) {
        std::string line = HexByte(static_cast<unsigned>(rowStart)) + ":";
        for (int column = 0; column < 16; ++column) line += " " + cell(rowStart + column);
        if (trailer) line += "    " + trailer(rowStart);
        PrintLine(out, line);
    }
}

}  // namespace velk::cli
