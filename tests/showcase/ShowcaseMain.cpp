// The showcase program: started like the game, through the platform's program entry, so that
// a missing display is reported the same way. Everything it does goes to the event log, which
// the end-to-end tests read. With the argument --controls it shows only its second form, as
// the comparison with the real platform drives it; the Windows build runs there.
#include <cstdio>
#include <cstring>
#include <memory>

#include "PlatformApi.h"
#include "tests/showcase/ControlsForm.h"
#include "tests/showcase/EventLog.h"
#include "tests/showcase/ShowcaseForm.h"
#include "toolkit/elements/MessageLoop.h"

#if !defined(_WIN32)
#include "ProgramEntry.h"
#endif

namespace {

// Exit code when the event log cannot be opened: nothing the program did could be checked.
constexpr int kNoLogExitCode = 3;

bool controlsOnly = false;

template <typename FormType, typename... Extra>
int RunForm(HINSTANCE instance, showcase::EventLog& log, Extra... extra) {
    auto form = std::make_unique<FormType>(instance, log, extra...);
    form->Create();
    log.Write("ready");
    return OrloUtility::RunMessageLoop(form.get());
}

int ShowcaseEntry(HINSTANCE instance, int) {
    std::unique_ptr<showcase::EventLog> log = showcase::EventLog::Open();
    if (!log) {
        std::fprintf(stderr, "showcase: cannot write the event log named by %s\n", showcase::EventLog::kFileVariable);
        return kNoLogExitCode;
    }
    const int exitCode = controlsOnly ? RunForm<showcase::ControlsForm>(instance, *log, true)
                                      : RunForm<showcase::ShowcaseForm>(instance, *log);
    log->Write("exit: " + std::to_string(exitCode));
    return exitCode;
}

bool AskedForControlsOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--controls") == 0) return true;
    return false;
}

}  // namespace

#if defined(_WIN32)
int main(int argc, char** argv) {
    controlsOnly = AskedForControlsOnly(argc, argv);
    return ShowcaseEntry(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
}
#else
int main(int argc, char** argv) {
    controlsOnly = AskedForControlsOnly(argc, argv);
    return platform::RunOnDisplay("showcase", ShowcaseEntry);
}
#endif
