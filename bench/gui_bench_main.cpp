// korveld_gui_bench: the program's own figures. Each run is a fresh process (started by this one,
// so the time to the start screen includes loading the program and Qt) that paints the start
// screen, calculates the capacity worksheet again and again, makes a selection and reports.
//
//   korveld_gui_bench [--runs N] [--calculations K]
//
// Without a display it uses Qt's offscreen platform; under xvfb-run the X11 one.
#include "bench/gui_session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ; // NOLINT(readability-redundant-declaration): POSIX has the program declare it

namespace {

using Clock = korveld::bench::PaintClock::Clock;
using Millis = std::chrono::duration<double, std::milli>;

constexpr const char* kSessionFlag = "--session";

// The child: one session, its figures on one line of stdout (nanoseconds and KiB).
int runChild(int argc, char** argv) {
    // Qt's notes about what the offscreen platform cannot do are no fault of the session.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::cerr << message.toStdString() << '\n';
        }
    });
    const Clock::time_point started{Clock::duration{std::stoll(argv[2])}};
    const int calculations = std::stoi(argv[3]);
    korveld::bench::PaintClock application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const korveld::bench::SessionFigures figures = korveld::bench::RunSession(application, started, calculations);
    if (!figures.failure.empty()) {
        std::cerr << "korveld_gui_bench: " << figures.failure << '\n';
        return 1;
    }
    std::cout << figures.startup.count() << ' ' << figures.peakResidentKiB;
    for (const std::chrono::nanoseconds took : figures.calculate) {
        std::cout << ' ' << took.count();
    }
    std::cout << '\n';
    return 0;
}

// Starts this program as a session child and returns what it printed; empty when it failed.
std::string spawnSession(int calculations) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string self = "/proc/self/exe";
    std::string flag = kSessionFlag;
    std::string count = std::to_string(calculations);
    std::string started = std::to_string(Clock::now().time_since_epoch().count());
    char* args[] = {self.data(), flag.data(), started.data(), count.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return {};
    }
    return output;
}

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
}

void printRow(const char* what, const std::vector<double>& ms) {
    std::printf("%-38s min %8.2f ms   median %8.2f ms   (%zu samples)\n", what, *std::min_element(ms.begin(), ms.end()),
                median(ms), ms.size());
}

int option(int argc, char** argv, const std::string& name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (argv[i] == name) {
            return std::max(1, std::atoi(argv[i + 1]));
        }
    }
    return fallback;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == kSessionFlag) {
        return runChild(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const int runs = option(argc, argv, "--runs", 10);
    const int calculations = option(argc, argv, "--calculations", 20);

    std::vector<double> startup;
    std::vector<double> firstCalculate;
    std::vector<double> laterCalculate;
    long peakKiB = 0;
    for (int run = 0; run < runs; ++run) {
        std::istringstream line(spawnSession(calculations));
        long long startupNs = 0;
        long kib = 0;
        if (!(line >> startupNs >> kib)) {
            std::cerr << "korveld_gui_bench: run " << run + 1 << " failed\n";
            return 1;
        }
        startup.push_back(Millis(std::chrono::nanoseconds(startupNs)).count());
        peakKiB = std::max(peakKiB, kib);
        bool first = true;
        for (long long ns = 0; line >> ns; first = false) {
            (first ? firstCalculate : laterCalculate).push_back(Millis(std::chrono::nanoseconds(ns)).count());
        }
    }
    std::printf("korveld_gui_bench: %d runs of %d calculations, QT_QPA_PLATFORM=%s\n", runs, calculations,
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "(default)" : qgetenv("QT_QPA_PLATFORM").constData());
    printRow("Start to start screen painted", startup);
    printRow("Calculate to rows painted, first", firstCalculate);
    if (!laterCalculate.empty()) {
        printRow("Calculate to rows painted, later", laterCalculate);
    }
    std::printf("%-38s max %8.1f MiB\n", "Peak resident memory", static_cast<double>(peakKiB) / 1024.0);
    return 0;
}
