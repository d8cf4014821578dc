// Where the program keeps its files: the executable's folder and the folders beside it.
#pragma once
#include <string>

// The executable's drive and directory, ending in a backslash.
std::string ModuleProgramFolder();

// Set once at start; tests point it at a folder of their own.
void SetProgramFolder(const std::string& folder);
const std::string& ProgramFolder();

std::string DataFolder();
std::string PatternFolder();
// A file in the data folder, made as "%s%s\%s" from the program folder, "data" and the name.
std::string DataFilePath(const char* fileName);
