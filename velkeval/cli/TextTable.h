#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace velk::cli {

// Rows of cells printed with every column as wide as its widest cell, two
// blanks between columns and none at the end of a line. Rows of different
// kinds (registers and their fields, say) are aligned per kind.
class TextTable {
public:
    void AddRow(std::vector<std::string> cells, int kind = 0);
    void Print(std::ostream& out) const;

private:
    struct Row {
        int kind;
        std::vector<std::string> cells;
    };
    std::vector<Row> rows_;
};

// The 16 x 16 address table the bus tools print: a header "     0  1 ...  f"
// and per sixteen of the `count` addresses a row "00: " with one two-character cell per
// address (blank cells allowed), optionally followed by a trailer (the
// characters column of a dump) after four blanks. Lines end without blanks.
using HexCell = std::function<std::string(int address)>;
using HexRowTrailer = std::function<std::string(int rowStart)>;
void PrintHexTable(std::ostream& out, int count, const HexCell& cell, const std::string& headerTrailer = {},
                   const HexRowTrailer& trailer = {});

// Two lower-case hexadecimal digits.
std::string HexByte(unsigned value);

}  // namespace velk::cli
