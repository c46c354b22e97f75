// A signal handler may only write to a pipe: the event loop reads it and calls the game.
#include "common/qt/session_end.h"

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace common::qt {
namespace {

int signalPipe[2] = {-1, -1};

extern "C" void TellEventLoop(int) {
    const char mark = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &mark, 1);
}

}  // namespace

SessionEnd::SessionEnd(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        return;
    }
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char marks[16];
        while (::read(signalPipe[0], marks, sizeof marks) > 0) {
        }
        onEnd_();
    });
    struct sigaction action {};
    action.sa_handler = &TellEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

SessionEnd::~SessionEnd() {
    if (notifier_ == nullptr) {
        return;
    }
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    delete notifier_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
}

}  // namespace common::qt
