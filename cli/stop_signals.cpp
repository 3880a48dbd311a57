#include "cli/stop_signals.h"

#ifdef _WIN32
void PrepareStopSignals() {}
#else
#include <signal.h>

#include <cstring>

#include "output/temporary_file.h"

// Runs once (SA_RESETHAND): the signal, held while the handler runs, then takes its
// default course and ends the tool with the status a shell expects.
static void OnStopSignal(int number) {
    RemovePendingTemporaryFile();
    raise(number);
}

// A signal the tool was started to ignore (as a shell does for a job in the background)
// stays ignored.
static void HandleUnlessIgnored(int number, const struct sigaction& action) {
    struct sigaction current;
    if (sigaction(number, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) {
        return;
    }
    sigaction(number, &action, nullptr);
}

void PrepareStopSignals() {
    struct sigaction stop;
    memset(&stop, 0, sizeof stop);
    stop.sa_handler = OnStopSignal;
    stop.sa_flags = SA_RESETHAND;
    sigemptyset(&stop.sa_mask);
    sigaddset(&stop.sa_mask, SIGINT);
    sigaddset(&stop.sa_mask, SIGTERM);
    HandleUnlessIgnored(SIGINT, stop);
    HandleUnlessIgnored(SIGTERM, stop);
    signal(SIGPIPE, SIG_IGN);
}
#endif
