// Reading a whole file into memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reads the file as it is at the moment, even while another program has it open to read or to
// write. False, with bytes empty, when the file cannot be opened or read or holds more than
// maxBytes, however its size was reported when it was opened.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxBytes);
