#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Group.h"
#include "ProgramState.h"

// Builds a device into a program state the way the description loader does:
// each group and field registered and keyed, each described control's
// widget created as its element is read, and each group laid out with
// Initialize(false) as soon as it is complete.

struct ControlSpec {
    int32_t controlType = 0;
    int16_t min = 0;
    int16_t max = 255;
    std::string radix = "dec";
    int16_t X = 0;
    int16_t y = 50;
    int16_t width = 900;
    int16_t height = 285;
    std::vector<std::string> items;  // list captions of a Combo or Display, from min on
};

// A described control of a type and range at (X, y) from the band's control
// column and top.
ControlSpec Described(int32_t controlType, int16_t min, int16_t max, int16_t X, int16_t y, int16_t width,
                      std::vector<std::string> items = {});

struct FieldSpec {
    FieldSpec(std::string fieldName, int16_t byte, int16_t bit, int16_t bits, std::vector<ControlSpec> described = {})
        : name(std::move(fieldName)), byteIndex(byte), bitIndex(bit), size(bits), controls(std::move(described))
    {
    }
    std::string name;
    int16_t byteIndex;
    int16_t bitIndex;
    int16_t size;
    std::vector<ControlSpec> controls;
    bool reserved = false;
};

struct GroupSpec {
    GroupSpec(std::string groupName, std::string groupAddress, int16_t bytes, std::vector<FieldSpec> groupFields,
              std::vector<ControlSpec> described = {})
        : name(std::move(groupName)),
          address(std::move(groupAddress)),
          size(bytes),
          fields(std::move(groupFields)),
          controls(std::move(described))
    {
    }
    std::string name;
    std::string address;
    int16_t size;
    std::vector<FieldSpec> fields;
    std::vector<ControlSpec> controls;
    int32_t controlMode = 0;
    bool readonly = false;
};

// The device header: name, current address and address pattern.
void SetDevice(velk::ProgramState& state, const std::string& name, const std::string& currAddress,
               const std::string& pattern);

std::shared_ptr<velk::Group> AddGroup(velk::ProgramState& state, const GroupSpec& plan);
