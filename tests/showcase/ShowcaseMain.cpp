// The showcase program: started like the game, through the platform's program entry, so that
// a missing display is reported the same way. Everything it does goes to the event log, which
// the end-to-end test reads.
#include <cstdio>
#include <memory>

#include "ProgramEntry.h"
#include "tests/showcase/EventLog.h"
#include "tests/showcase/ShowcaseForm.h"
#include "toolkit/elements/MessageLoop.h"

namespace {

// Exit code when the event log cannot be opened: nothing the program did could be checked.
constexpr int kNoLogExitCode = 3;

int ShowcaseEntry(HINSTANCE instance, int) {
    std::unique_ptr<showcase::EventLog> log = showcase::EventLog::Open();
    if (!log) {
        std::fprintf(stderr, "showcase: cannot write the event log named by %s\n", showcase::EventLog::kFileVariable);
        return kNoLogExitCode;
    }
    auto form = std::make_unique<showcase::ShowcaseForm>(instance, *log);
    form->Create();
    log->Write("ready");
    const int exitCode = OrloUtility::RunMessageLoop(form.get());
    log->Write("exit: " + std::to_string(exitCode));
    return exitCode;
}

}  // namespace

int main() { return platform::RunOnDisplay("showcase", ShowcaseEntry); }
