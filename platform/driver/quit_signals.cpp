// SIGINT (Ctrl+C), SIGTERM (a logout, kill) and SIGHUP (the terminal closed)
// end a program as a quit does: WM_QUIT is posted, so the program's wait
// returns its quit and the program ends through its own clean-up (an open
// script is closed with every event in it). A second SIGINT while the first
// is still pending ends the process at once, by the signal's default action.
//
// The handler only writes one byte to a pipe (async-signal-safe); a watcher
// thread reads it and posts the quit, which wakes any driver's wait. A
// signal that the program already handles or ignores is left alone.
// Depends on POSIX (sigaction, pipe, threads).
#include "quit_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "win32.h"

namespace zt::platform {
namespace {

int quitPipe[2] = {-1, -1};
volatile sig_atomic_t quitPending = 0;

void onSignal(int signal) {
  if (signal == SIGINT && quitPending) {
    // Blocked while this handler runs: delivered, with the default action,
    // as it returns.
    ::signal(SIGINT, SIG_DFL);
    raise(SIGINT);
    return;
  }
  quitPending = 1;
  int saved = errno;
  char byte = static_cast<char>(signal);
  if (write(quitPipe[1], &byte, 1) < 0) {
    // A full pipe already holds a quit.
  }
  errno = saved;
}

void watch() {
  for (;;) {
    char byte;
    ssize_t got = read(quitPipe[0], &byte, 1);
    if (got == 1) {
      PostQuitMessage(0);
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else {
      return;
    }
  }
}

}  // namespace

void installQuitSignals() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  if (pipe2(quitPipe, O_CLOEXEC) != 0) return;
  fcntl(quitPipe[1], F_SETFL, O_NONBLOCK);
  std::thread(watch).detach();
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction old {};
    if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler != SIG_DFL) continue;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
  }
}

}  // namespace zt::platform
