#include "app/Startup.h"

#include <memory>

#include "core/Exception.h"
#include "ui/Application.h"

int RunGuarded(const std::function<void(TApplication&)>& start) {
    std::unique_ptr<TApplication> app;
    try {
        app = std::make_unique<TApplication>();
        app->Initialize();
        start(*app);
        app->Run();
    } catch (const Exception& e) {
        if (app) app->ShowException(e);
    } catch (...) {
        if (app) app->ShowException(Exception(""));
    }
    app.reset();  // the objects go in the reverse order of their creation
    return 0;
}
