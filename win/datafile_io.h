// Reading and writing the files of the data folder, each named by its full path.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/datafile.h"

// Puts a new version of the file in place whole: `write` makes it at the temporary path it is
// given, beside the file, where a temporary left by a save that was cut short is its to
// overwrite. Only once `write` says it succeeded is the new version flushed to the disk and moved
// over the old one in one step, so that however the process ends, the file is either its old
// version or its new one. False, with the old file as it was, when nothing was replaced.
bool ReplaceFileWhole(const std::string& path, const std::function<bool(const std::string& temporary)>& write);

// Makes the file hold exactly the bytes, creating it or cutting it back.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

// Replaces the list file whole with the framed payload (see ReplaceFileWhole).
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
