// Typing filters on edit controls: the control is subclassed, and character
// messages its filter rejects never reach the control's own procedure.
#include <algorithm>
#include <vector>

#include "platform/win32/native.h"

namespace platform {
namespace {

struct FilteredEdit {
    HWND edit;
    WNDPROC original;
    bool (*accepts)(WParam code);
};

// Window thread only. An entry lives until its control is destroyed, so a
// handle value the system hands out again later is not mistaken for it.
std::vector<FilteredEdit>& filteredEdits() {
    static std::vector<FilteredEdit> edits;
    return edits;
}

std::vector<FilteredEdit>::iterator findFilteredEdit(HWND edit) {
    auto& edits = filteredEdits();
    return std::find_if(edits.begin(), edits.end(),
                        [edit](const FilteredEdit& entry) { return entry.edit == edit; });
}

LRESULT CALLBACK filterChars(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    const auto entry = findFilteredEdit(hwnd);
    if (entry == filteredEdits().end()) {
        // Not one of ours after all: the control's class knows what to do.
        const auto classProc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd, GCLP_WNDPROC));
        return CallWindowProcA(classProc, hwnd, id, wParam, lParam);
    }
    // Copied out: the control's procedure may filter further edits and so
    // move the list while it runs.
    const FilteredEdit edit = *entry;
    if (id == WM_CHAR && !edit.accepts(wParam)) return 0;
    if (id == WM_NCDESTROY) filteredEdits().erase(entry);
    return CallWindowProcA(edit.original, hwnd, id, wParam, lParam);
}

}  // namespace

bool setCharFilter(Window edit, bool (*accepts)(WParam code)) {
    const HWND hwnd = native::toHwnd(edit);
    const auto existing = findFilteredEdit(hwnd);
    if (existing != filteredEdits().end()) {
        existing->accepts = accepts;
        return true;
    }
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(filterChars)));
    if (original == nullptr) return false;
    filteredEdits().push_back(FilteredEdit{hwnd, original, accepts});
    return true;
}

}  // namespace platform
