// The skinned windows' costs against the same program without a skin, in one run:
//   start     the form set made and the main window shown until its first paint is done
//             (skinned: with its skinned frame)
//   repaint   the main window and all its controls repainted, frame included
//   switch    iTunes.skn replaced by Graphite.skn and applied to the main window (the
//             manager's 250 ms delay left out: its action is run at once); "load" is the
//             part of it that reads the skin file
//   attach    every painter of the main window attached by the form's walk, on the
//             unskinned window (the painters' count is printed with it)
// Prints the median and the quartiles of each in milliseconds, and the ratios. It works in
// a temporary folder holding copies of the default tables and skins.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/FormSet.h"
#include "app/StartOptions.h"
#include "app/U_main.h"
#include "core/Utf16.h"
#include "data/Session.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/manager/SkinManage.h"
#include "skin/controls/painters/PainterFactory.h"
#include "skin/manager/ControlWalk_win.h"
#include "skin/manager/SkinManager_win.h"
#include "skin/manager/WinSkinFormFactory_win.h"
#include "ui/Application.h"

namespace {

double Now() {
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

struct Stats {
    double q1, median, q3;
};

Stats Of(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    auto at = [&](double p) { return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5)]; };
    return {at(0.25), at(0.5), at(0.75)};
}

// Handles every waiting message; then the windows have painted what they had to.
void Drain() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

bool Skinned(HWND w) { return SendMessageW(w, skin::SKM_ISSKINNED, 0, 0) == 1; }

void CopyInto(const std::wstring& dir, const std::string& from, std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* n : names) CopyFileW((Utf8ToWide(from) + L"/" + n).c_str(), (dir + L"\\" + n).c_str(), FALSE);
}

struct Run {
    std::unique_ptr<TApplication> app;
    skin::TWinSkinFormFactory factory;

    // Makes the form set and shows the main window until it has painted (skinned, when
    // asked, with its frame attached). Returns the milliseconds it took.
    double Start(bool skinned) {
        StartOptions() = ParseStartOptions({skinned ? "/skin:iTunes.skn" : "/noskin"});
        const double t0 = Now();
        skin::StartSkinManager(factory);
        app = std::make_unique<TApplication>();
        CreateFormSet(*app);
        Form1->Show();
        Drain();
        while (skinned && !Skinned(Form1->Handle())) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            Drain();
        }
        UpdateWindow(Form1->Handle());
        Drain();
        return Now() - t0;
    }
    void Stop() {
        app.reset();
        skin::StopSkinManager();
        Session().Reset();
        Drain();
    }
    double Repaint() {
        const double t0 = Now();
        RedrawWindow(Form1->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Drain();
        return Now() - t0;
    }
    double Switch(const char* file, double& load) {
        const double t0 = Now();
        Form1->SkinData1->SetSkinFile(file);
        load = Now() - t0;
        if (skin::TSkinManage* m = skin::SkinManager()) m->OnTimer();  // the deferred action, now
        RedrawWindow(Form1->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Drain();
        return Now() - t0;
    }
    // Attaches every painter of the unskinned main window, then takes them off again.
    double Attach(skin::TSkinData& data, int& painters) {
        skin::TControlWalk walk(&data, skin::DefaultPainterFactory());
        const double t0 = Now();
        walk.InitControls(Form1);
        const double took = Now() - t0;
        painters = walk.List().Count();
        walk.DeleteControls();
        Drain();
        return took;
    }
};

void Report(const char* what, const std::vector<double>& skinned, const std::vector<double>& plain) {
    const Stats s = Of(skinned);
    if (plain.empty()) {
        std::printf("%-8s skinned median %8.2f ms (q1 %.2f, q3 %.2f)\n", what, s.median, s.q1, s.q3);
        return;
    }
    const Stats p = Of(plain);
    std::printf("%-8s skinned median %8.2f ms (q1 %.2f, q3 %.2f)   unskinned %8.2f ms (q1 %.2f, q3 %.2f)   %.2fx\n",
                what, s.median, s.q1, s.q3, p.median, p.q1, p.q3, s.median / p.median);
}

}  // namespace

int main() {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    const std::wstring dir = std::wstring(tmp) + L"lorvena-skin-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(dir.c_str(), nullptr);
    CopyInto(dir, LORVENA_TABLES_DIR, {L"Food.DB", L"\u0421ateg.db", L"Menu.DB", L"Diet.DB"});
    CopyInto(dir, LORVENA_SKINS_DIR, {L"iTunes.skn", L"Graphite.skn"});
    SetCurrentDirectoryW(dir.c_str());

    const int starts = 12, repaints = 60, switches = 20;
    std::vector<double> startSkinned, startPlain, repaintSkinned, repaintPlain, switchSkinned, switchLoad, attach;
    int painters = 0;
    skin::TSkinData attachSkin;
    attachSkin.LoadFromFile("iTunes.skn");
    for (int i = 0; i < starts; ++i) {
        for (bool skinned : {true, false}) {  // alternated, so that drift hits both alike
            Run r;
            (skinned ? startSkinned : startPlain).push_back(r.Start(skinned));
            if (i == 0) {
                for (int k = 0; k < repaints; ++k) (skinned ? repaintSkinned : repaintPlain).push_back(r.Repaint());
                if (skinned) {
                    for (int k = 0; k < switches; ++k) {
                        double load = 0;
                        switchSkinned.push_back(r.Switch(k % 2 ? "iTunes.skn" : "Graphite.skn", load));
                        switchLoad.push_back(load);
                    }
                } else {
                    for (int k = 0; k < repaints; ++k) attach.push_back(r.Attach(attachSkin, painters));
                }
            }
            r.Stop();
        }
    }
    std::printf("skinned windows under Wine: %d starts, %d repaints, %d switches each\n", starts, repaints, switches);
    Report("start", startSkinned, startPlain);
    Report("repaint", repaintSkinned, repaintPlain);
    Report("switch", switchSkinned, {});
    Report("load", switchLoad, {});
    Report("attach", attach, {});
    std::printf("attach   %d painters on the main window\n", painters);
    std::fflush(stdout);

    for (const wchar_t* n : {L"Food.DB", L"\u0421ateg.db", L"Menu.DB", L"Diet.DB", L"iTunes.skn", L"Graphite.skn"})
        DeleteFileW((dir + L"\\" + n).c_str());
    SetCurrentDirectoryW(tmp);
    RemoveDirectoryW(dir.c_str());
    return 0;
}
