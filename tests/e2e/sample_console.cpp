// Stands in for a console program in the end-to-end tests. Under Wine a
// console's window has a class of Wine's own, so the tool's sweep would
// never find one; this program shows the window a console would have on
// Windows: class "ConsoleWindowClass", titled with the program's full path.
// It closes on WM_CLOSE, unless started with --stay, and appends what
// happens to it to standin.log beside itself, one line per event:
//   start|close|mark|end <process id> <full path>
// "mark" answers a posted WM_APP: as posted messages are taken in order,
// a mark in the log tells the tests that every close request posted
// before it has been handled.
#include <windows.h>

#include <string>

namespace {

std::string ownPath;
std::string logPath;
bool staysOpen = false;

bool appendLine(const char* event)
{
    HANDLE log = CreateFileA(logPath.c_str(), FILE_APPEND_DATA,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return false;
    const std::string line =
        std::string(event) + " " + std::to_string(GetCurrentProcessId()) + " " + ownPath + "\r\n";
    DWORD written = 0;
    const bool ok = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                    written == line.size();
    CloseHandle(log);
    return ok;
}

// Appends one line to the log. Stand-ins asked to close in the same sweep
// write at the same moment, and appending is not atomic under Wine: a
// mutex shared by every stand-in keeps their lines whole.
bool logEvent(const char* event)
{
    HANDLE turn = CreateMutexA(nullptr, FALSE, "korvalis-standin-log");
    if (turn == nullptr) return false;
    if (WaitForSingleObject(turn, 10000) != WAIT_OBJECT_0) {
        CloseHandle(turn);
        return false;
    }
    const bool ok = appendLine(event);
    ReleaseMutex(turn);
    CloseHandle(turn);
    return ok;
}

LRESULT CALLBACK consoleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        logEvent("close");
        if (!staysOpen) DestroyWindow(window);
        return 0;
    case WM_APP:
        logEvent("mark");
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool findOwnPath()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    ownPath.assign(path, length);
    logPath = ownPath.substr(0, ownPath.rfind('\\') + 1) + "standin.log";
    return true;
}

HWND createConsoleWindow(HINSTANCE instance, int showCommand)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = consoleProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1);
    windowClass.lpszClassName = "ConsoleWindowClass";
    if (!RegisterClassA(&windowClass)) return nullptr;
    // Placed low on the screen so that it does not cover the tool's window.
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, ownPath.c_str(),
                                  WS_OVERLAPPEDWINDOW, 20, 440, 360, 120, nullptr, nullptr,
                                  instance, nullptr);
    if (window) ShowWindow(window, showCommand);
    return window;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    if (!findOwnPath()) return 1;
    staysOpen = std::string(commandLine).find("--stay") != std::string::npos;
    if (!createConsoleWindow(instance, showCommand)) return 2;
    if (!logEvent("start")) return 3;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return logEvent("end") ? 0 : 3;
}
