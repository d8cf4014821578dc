// Where the program keeps its files: the executable's folder and the folders beside it.
#pragma once
#include <string>
#include <utility>

// The executable's drive and directory, ending in a backslash.
std::string ModuleProgramFolder();

class ProgramFolder {
public:
    // `path` ends in a backslash; tests give a folder of their own.
    explicit ProgramFolder(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    std::string DataFolder() const;
    std::string PatternFolder() const;
    // A file in the data folder, made as "%s%s\%s" from the program folder, "data" and the name.
    std::string DataFile(const char* fileName) const;

private:
    std::string path_;
};
