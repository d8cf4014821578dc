// Reading and writing the binary list files of the data folder, each named by its full path.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/datafile.h"

// Writes the file beside the old one and puts it in place only once it is complete, so a save
// that fails part-way leaves the previous file as it was. Returns false when nothing was replaced.
bool WriteDataFile(const std::string& path, uint32_t version, const datafile::PayloadWriter& payload);

// Writes the bytes as they are, without a header (lists that store nothing leave such files).
bool WriteRawDataFile(const std::string& path, const std::vector<uint8_t>& bytes);

// A data file read whole. Invalid when missing, unreadable, foreign or shorter than its header.
class DataFileContents {
public:
    explicit DataFileContents(const std::string& path);
    DataFileContents(const DataFileContents&) = delete;
    DataFileContents& operator=(const DataFileContents&) = delete;

    bool Valid() const { return parsed_.valid; }
    uint32_t Version() const { return parsed_.version; }
    datafile::PayloadReader& Payload() { return parsed_.payload; }

private:
    std::vector<uint8_t> bytes_;
    datafile::Parsed parsed_;
};
