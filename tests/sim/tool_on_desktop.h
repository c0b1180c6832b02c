// The tool running on a simulated desktop, as the scenario tests see it:
// started, its notice dismissed, its window and controls found.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/layout.h"
#include "app/main_window.h"
#include "platform/sim/sim.h"

class ToolOnDesktop {
public:
    using Member = platform::Window MainWindowControls::*;

    static constexpr const char* modulePath = "C:\\tools\\korvalis.exe";
    static constexpr const char* monitoredPath = "C:\\tools\\click.exe";

    sim::Desktop desk;
    platform::Window main = 0;

    // Starts the tool and runs it until its window is on the screen.
    void start();
    platform::Window control(Member member) const;

    // What the user sees: a setting as typed, a label as last painted.
    void setSetting(Member edit, std::string text);
    std::string shown(Member label) const;

    // The texts written to a label since the tool started, with the virtual
    // time relative to `since`.
    struct Write {
        sim::Millis at;
        std::string text;
        bool operator==(const Write&) const = default;
    };
    std::vector<Write> writesTo(Member label, sim::Millis since = 0) const;

    // Clicks a button now and lets the program take the click.
    void click(Member button);

    // Every launch opens a console window titled with the monitored
    // program's full path, which closes on WM_CLOSE as a console does.
    void launchesOpenConsoles();
    std::vector<platform::Window> consolesOpened() const { return consoles_; }

private:
    std::vector<platform::Window> controls_;  // in stored order, kept past the window's end
    std::deque<std::string> sentTexts_;  // alive until the program has read them
    std::vector<platform::Window> consoles_;
};

// Messages of one id that the program posted or sent to a window.
std::size_t countMessages(const sim::Desktop& desk, platform::Window window, platform::MessageId id);
