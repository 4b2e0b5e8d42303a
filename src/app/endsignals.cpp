#include "app/endsignals.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace orv {
namespace {

sigset_t EndSignalSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGHUP);
  return set;
}

}  // namespace

void BlockEndSignals() {
  const sigset_t set = EndSignalSet();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

EndSignals::EndSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  const sigset_t set = EndSignalSet();
  descriptor_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
  if (descriptor_ < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(descriptor_, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &EndSignals::Read);
}

EndSignals::~EndSignals() {
  notifier_.reset();
  if (descriptor_ >= 0) close(descriptor_);
}

void EndSignals::Read() {
  signalfd_siginfo info;
  bool received = false;
  while (read(descriptor_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
    received = true;
  }
  if (received && onSignal_) onSignal_();
}

}  // namespace orv
