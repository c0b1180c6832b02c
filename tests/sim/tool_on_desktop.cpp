#include "tool_on_desktop.h"

#include <gtest/gtest.h>

#include "app/lifecycle.h"

void ToolOnDesktop::start()
{
    desk.setModulePath(modulePath);
    desk.start([] { return runProgram(); });
    desk.runFor(1000);  // the notice closes by itself after half a second
    for (platform::Window w : desk.topLevelWindows()) {
        const sim::WindowState* state = desk.window(w);
        if (state->kind == sim::WindowKind::Program && state->visible) main = w;
    }
    ASSERT_NE(main, 0u) << "the main window is not on the screen";
    // Children are listed in creation order, which is the stored order.
    controls_ = desk.children(main);
    ASSERT_EQ(controls_.size(), static_cast<std::size_t>(layout::controlCount));
}

platform::Window ToolOnDesktop::control(Member member) const
{
    for (std::size_t i = 0; i < layout::controls.size(); ++i)
        if (layout::controls[i].handle == member) return controls_.at(i);
    return 0;
}

void ToolOnDesktop::setSetting(Member edit, std::string text)
{
    sentTexts_.push_back(std::move(text));
    desk.send(control(edit), platform::wm::SetText, 0,
              reinterpret_cast<platform::LParam>(sentTexts_.back().c_str()));
}

std::string ToolOnDesktop::shown(Member label) const
{
    const sim::WindowState* state = desk.window(control(label));
    if (state == nullptr || state->paint.texts.empty()) return {};
    return state->paint.texts.back().text;
}

std::vector<ToolOnDesktop::Write> ToolOnDesktop::writesTo(Member label, sim::Millis since) const
{
    std::vector<Write> writes;
    for (const sim::TextChange& change : desk.textChanges())
        if (change.window == control(label) && change.time >= since)
            writes.push_back({change.time - since, change.text});
    return writes;
}

void ToolOnDesktop::click(Member button)
{
    ASSERT_TRUE(desk.click(control(button)));
    desk.runFor(0);
}

void ToolOnDesktop::launchesOpenConsoles()
{
    desk.onLaunch([this](sim::Launch&) {
        consoles_.push_back(desk.foreignWindow("ConsoleWindowClass", monitoredPath));
    });
}

std::size_t countMessages(const sim::Desktop& desk, platform::Window window, platform::MessageId id)
{
    std::size_t count = 0;
    for (const sim::ForeignMessage& m : desk.messagesTo(window))
        if (m.id == id) ++count;
    return count;
}
