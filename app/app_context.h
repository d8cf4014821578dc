// What the whole program shares while it runs: where its files are, its settings and fonts, its
// sounds and the shell services. One is made at start and handed to whoever needs a part of it.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "app/fonts.h"
#include "core/comments.h"
#include "core/gesture_recognizer.h"
#include "app/sounds.h"
#include "core/settings_table.h"
#include "shell/shell_execute.h"
#include "shell/shell_services.h"
#include "win/owners.h"
#include "win/platform.h"
#include "win/program_folder.h"

struct AppContext {
    AppContext(HINSTANCE module, std::string programFolder) : instance(module), folder(std::move(programFolder)) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    HINSTANCE instance;
    ProgramFolder folder;
    Platform platform = CurrentPlatform();
    // COM and OLE start here and end after everything below is gone.
    ShellServices shell;
    // Files and addresses that the user opens go to the shell through this; tests put one that
    // records them in its place.
    std::unique_ptr<ShellExecutor> executor = std::make_unique<ShellExecutor>();
    Settings settings = DefaultSettings();
    FontChoices fonts = DefaultFontChoices();
    EventSounds sounds{settings, folder};
    // The users' comments on files, kept in comment.dat.
    CommentTable comments;
    // The mouse gestures of both lists: the switch and the table of codes, kept in gesture.dat.
    GestureRecognizer gestures;
    // Held from the first start until the main window is destroyed: a start meanwhile hands its
    // paths over instead.
    Handle instanceMutex;
};
