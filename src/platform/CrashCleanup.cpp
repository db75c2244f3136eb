#include "platform/CrashCleanup.h"

#include <signal.h>

#include <atomic>
#include <cstdlib>
#include <iterator>

namespace tavlo {
namespace {

// Interrupts and terminations are not among them: the window library turns
// those into a request to close, which the program answers in its own order.
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGHUP, SIGQUIT};

std::atomic<void (*)()> g_cleanup{nullptr};
struct sigaction g_previous[std::size(kFatalSignals)];
bool g_installed = false;

void RunCleanupOnce() {
  if (auto* cleanup = g_cleanup.exchange(nullptr)) cleanup();
}

void OnFatalSignal(int signal_number) {
  RunCleanupOnce();
  // The handler that was there before (the default one, or a sanitizer's)
  // then deals with the signal as if this one had never been.
  for (size_t i = 0; i < std::size(kFatalSignals); ++i) {
    if (kFatalSignals[i] == signal_number) sigaction(signal_number, &g_previous[i], nullptr);
  }
  raise(signal_number);
}

void Install() {
  for (size_t i = 0; i < std::size(kFatalSignals); ++i) {
    struct sigaction action = {};
    action.sa_handler = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    sigaction(kFatalSignals[i], &action, &g_previous[i]);
  }
  std::atexit(RunCleanupOnce);
  g_installed = true;
}

}  // namespace

void SetCrashCleanup(void (*cleanup)()) {
  if (cleanup && !g_installed) Install();
  g_cleanup.store(cleanup);
}

}  // namespace tavlo
