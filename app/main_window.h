// The tool's one window and its eleven controls, as the rest of the program
// reaches them.
#pragma once

#include "platform/platform.h"
#include "support/text.h"

// Handles of the window and its controls, valid from start-up until the
// process ends. They belong to the window thread, the only thread that
// touches them (the simulated desktop runs each simulated process on a
// thread of its own, which starts them afresh).
struct MainWindowControls {
    platform::Window window = 0;
    platform::Window 标签1 = 0, 标签2 = 0, 标签3 = 0, 标签4 = 0, 标签5 = 0, 标签6 = 0;
    platform::Window 编辑框1 = 0, 编辑框2 = 0, 编辑框3 = 0;
    platform::Window 按钮1 = 0, 按钮2 = 0;
};
extern thread_local MainWindowControls mainWindow;

// What the control shows at this moment, as a new text.
Text readControlText(platform::Window control);
// Gives the control its own copy of text as caption; a label draws it at
// its next paint.
void writeControlText(platform::Window control, const Text& text);

// True for MainWindow itself and for each of its controls.
bool belongsToMainWindow(platform::Window window);
// The window's keyboard interface, offered every message addressed to it
// or its controls before translation; true when it consumed the message.
bool preTranslate(const platform::Message& message);
