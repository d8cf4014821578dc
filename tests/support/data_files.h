// The data folder as the tests look at it: its files by name with their bytes, and whether a file
// is whole as the program writes it, read back through the program's own codecs.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// File name to bytes.
using FolderFiles = std::map<std::string, std::string>;

// Every file directly in the folder; subfolders are left out.
FolderFiles ReadFolderFiles(const std::string& folder);

// The names of the files that the program keeps in its data folder.
const std::vector<std::string>& ProgramDataFileNames();

// Whether the bytes are the whole of the named data file as the program writes it: t.ini as lines
// of sections and keys, each ended, holding every key that the program writes; a list file as its
// header with the version it writes and a payload that its codec reads exactly to the end, or as
// the empty file that an empty list leaves.
testing::AssertionResult IsWholeDataFile(const std::string& name, const std::string& bytes);
