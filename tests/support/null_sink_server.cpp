#include "support/null_sink_server.h"

#include <QEventLoop>
#include <QProcessEnvironment>
#include <QTimer>
#include <cstdlib>

namespace orv::test {

NullSinkServer::NullSinkServer(const TempDir& dir) {
  const QString runtime = QString::fromStdString(dir.Str() + "pulse");
  socket_ = runtime + "/native";
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_RUNTIME_DIR", runtime);
  env.insert("HOME", runtime);
  server_.setProcessEnvironment(env);
  server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                               "-L", "module-null-sink sink_name=orvnull", "-L",
                               "module-remap-source source_name=orvmic master=orvnull.monitor",
                               "-L", "module-native-protocol-unix socket=" + socket_});
  ::setenv("PULSE_SERVER", ("unix:" + socket_).toLocal8Bit().constData(), 1);
}

NullSinkServer::~NullSinkServer() {
  server_.kill();
  server_.waitForFinished();
}

bool NullSinkServer::Ready() {
  for (int tries = 0; tries < 100; ++tries) {
    QProcess info;
    info.start("pactl", {"--server", "unix:" + socket_, "info"});
    if (info.waitForFinished() && info.exitCode() == 0) return true;
    RunEvents(100);
  }
  return false;
}

void RunEvents(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void RunEventsUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 200 && !done(); ++i) RunEvents(50);
}

}  // namespace orv::test
