// The program's entry: one process, one thread. The command line is not looked at.
#include <windows.h>

#include <memory>

#include "app/FormSet.h"
#include "core/Exception.h"
#include "ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::unique_ptr<TApplication> app;
    try {
        app = std::make_unique<TApplication>();
        app->Initialize();
        CreateFormSet(*app);   // the title, then the eight objects in order
        app->Run();
    } catch (const Exception& e) {
        if (app) app->ShowException(e);
    } catch (...) {
        if (app) app->ShowException(Exception(""));
    }
    app.reset();   // the objects go in the reverse order of their creation
    return 0;
}
