// A fixture for tests that start the real program in a temporary program folder and look at
// what it reads from and writes to t.ini there.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

class ProgramFolderTest : public testing::Test {
protected:
    StartOptions Options(int showCommand = SW_SHOWNORMAL) const {
        StartOptions options;
        options.programFolder = folder_.Path();
        options.showCommand = showCommand;
        return options;
    }
    // The program started in this folder on these paths, in front and past its first messages.
    std::unique_ptr<RunningProgram> StartOn(const std::vector<std::string>& paths) const {
        StartOptions options = Options();
        options.arguments = paths;
        auto program = std::make_unique<RunningProgram>(options);
        if (program->Window()) {
            SetForegroundWindow(program->Window());
            Pump(200);
        }
        return program;
    }
    std::string Ini() const { return folder_.Path() + "data\\t.ini"; }
    void Set(const char* section, const char* key, const char* value) const {
        CreateDirectoryA((folder_.Path() + "data").c_str(), nullptr);
        WritePrivateProfileStringA(section, key, value, Ini().c_str());
    }
    // The window opens at the screen's top left corner in the given size.
    void PlaceWindow(int width, int height) const {
        Set("POSITION", "X", "0");
        Set("POSITION", "Y", "0");
        Set("SIZE", "WIDTH", std::to_string(width).c_str());
        Set("SIZE", "HEIGHT", std::to_string(height).c_str());
    }
    std::string Value(const char* section, const char* key) const {
        char text[MAX_PATH] = {};
        GetPrivateProfileStringA(section, key, "<missing>", text, sizeof text, Ini().c_str());
        return text;
    }
    // Makes a folder in the program folder and gives its path.
    std::string MakeFolder(const char* name) const {
        std::string path = folder_.Path() + name;
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }
    TempFolder folder_;
};
