#pragma once

#include <cstdint>

// The device description format, shared by the loader and the writer: the
// element and attribute names (compared exactly, letter case included, for
// elements; attributes are found case-insensitively by GetAttribute), and
// the values an item takes when its attribute is missing or unreadable.
namespace velk::format {

// Elements, in the order the writer emits them.
inline constexpr const char* File = "file";
inline constexpr const char* Author = "author";
inline constexpr const char* Modified = "modified";
inline constexpr const char* Device = "device";
inline constexpr const char* GroupElement = "group";
inline constexpr const char* FieldElement = "field";
inline constexpr const char* Pos = "pos";  // a field's byte and bits, or a control's position
inline constexpr const char* DefaultValue = "defaultvalue";
inline constexpr const char* NameFg = "namefg";
inline constexpr const char* NameBg = "namebg";
inline constexpr const char* NameBold = "namebold";
inline constexpr const char* NameItalic = "nameitalic";
inline constexpr const char* Inhouse = "inhouse";
inline constexpr const char* ReservedElement = "reserved";
inline constexpr const char* Control = "control";
inline constexpr const char* GroupControl = "groupcontrol";
// Control children.
inline constexpr const char* Caption = "caption";
inline constexpr const char* Max = "max";
inline constexpr const char* Min = "min";
inline constexpr const char* Fg = "fg";
inline constexpr const char* Bg = "bg";
inline constexpr const char* Radix = "radix";
inline constexpr const char* Height = "height";
inline constexpr const char* Width = "width";
inline constexpr const char* Bold = "bold";
inline constexpr const char* Italics = "italics";  // the name the writer emits
inline constexpr const char* Italic = "italic";    // also accepted by the reader
inline constexpr const char* Justify = "justify";
inline constexpr const char* Tooltip = "tooltip";
inline constexpr const char* IndexValue = "indexvalue";
// Values files.
inline constexpr const char* DeviceValues = "devicevalues";
inline constexpr const char* RegisterVal = "registerval";

// Attributes.
inline constexpr const char* Title = "title";
inline constexpr const char* Value = "value";
inline constexpr const char* Addr = "addr";
inline constexpr const char* Name = "name";
inline constexpr const char* Size = "size";
inline constexpr const char* Readonly = "readonly";
inline constexpr const char* ControlModeAttribute = "controlmode";
inline constexpr const char* Byte = "byte";
inline constexpr const char* Range = "range";
inline constexpr const char* Type = "type";
inline constexpr const char* X = "x";
inline constexpr const char* Y = "y";
inline constexpr const char* Index = "index";

// What a text item holds when its attribute is missing ("GANone", which
// GetAttribute also returns), and the numeric fallbacks.
inline constexpr const char* NoText = "GANone";
inline constexpr int16_t FallbackRangeHigh = 1;
inline constexpr int16_t FallbackRangeLow = 0;
inline constexpr int16_t FallbackMax = 1;
inline constexpr int16_t FallbackMin = 0;
inline constexpr int16_t FallbackHeight = 100;
inline constexpr int16_t FallbackWidth = 300;
// The radix a control read from a file starts with, and the one the writer
// gives every default value.
inline constexpr const char* StartingRadix = "dec";

// The line end and the indentation of written files.
inline constexpr const char* LineEnd = "\r\n";
inline constexpr char Indent = '\t';

}  // namespace velk::format
