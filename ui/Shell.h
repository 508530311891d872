#pragma once
// Opening a document through the shell: the program registered for the file's type gets
// it, as a double click in the file manager would do. The only place the application
// reaches the shell.
#include <functional>
#include <string>

class TWinControl;

// What the shell answered: its code (above 32 means it accepted the request).
struct TShellResult {
    int code = 0;
    bool Ok() const { return code > 32; }
    // A Russian text naming the failure for a user ("Файл «Help.htm» не найден."); empty
    // when the request was accepted.
    std::string Message(const std::string& fileName) const;
};

// Asks the shell to open `fileName` (UTF-8; relative names are taken from the current
// directory) with the default action of its type, the window shown restored. The owner's
// window (or none) owns whatever the shell shows. Returns at once; it does not wait for
// the program that opens the file.
TShellResult ShellOpenDocument(TWinControl* owner, const std::string& fileName);

// While set, requests go to `watcher` instead of the shell, and its answer is returned:
// tests see what the program asks for without a browser starting. Empty restores the
// shell.
using TShellWatcher = std::function<TShellResult(TWinControl* owner, const std::string& fileName)>;
void SetShellWatcher(TShellWatcher watcher);
