#pragma once

#include <cstdint>
#include <string>

// What the option code and value of DiskInfo.txt set off, in words, a line each: the make's
// read-back and the diff of two disks tell them.
struct OptionText {
    std::string installation; // the installation and where the cabinet tool puts ZR7KMSYS1.cab
    std::string preparations;
    std::string tests;
    std::string label; // what the build folder carries before the extraction
};

OptionText DescribeOption(int32_t optionCode, double optionValue);

// The number the relabel gives the build folder for a value ("3.10" for 3.1); empty when the
// label would not fit.
std::string LabelNumber(double value);
