#include "tests/usage/event_runs.h"

#include "tests/usage/program_invariants.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVELD_LEAK_CHECK 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KORVELD_LEAK_CHECK 1
#endif
#ifdef KORVELD_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace korveld::usage {

namespace {

constexpr unsigned kChildSeconds = 300;

// The child's side of the pipe: one line per applied event, then the outcome.
class ChildChannel {
public:
    explicit ChildChannel(int fd) : m_out(fdopen(fd, "w")) {}
    void event(const UserEvent& event) { line("E " + Describe(event)); }
    void violation(const Violation& violation) { line("V " + violation.rule + "\t" + violation.detail); }
    void counts(const UsageSession::Counts& c) {
        line("C " + std::to_string(c.events) + " " + std::to_string(c.reached) + " " + std::to_string(c.calculations) +
             " " + std::to_string(c.selections) + " " + std::to_string(c.timers) + " " + std::to_string(c.restarts) +
             " " + std::to_string(c.resets));
    }
    [[noreturn]] void finish(bool failed) {
        std::fflush(m_out);
#ifdef KORVELD_LEAK_CHECK
        if (__lsan_do_recoverable_leak_check() != 0) {
            line("V no memory leaks\tthe sanitizer's report is on the error output");
            std::fflush(m_out);
            _exit(1);
        }
#endif
        _exit(failed ? 1 : 0);
    }

private:
    void line(const std::string& text) {
        std::fputs(text.c_str(), m_out);
        std::fputc('\n', m_out);
        std::fflush(m_out);
    }
    FILE* m_out;
};

template <class Body>
ChildReport inChild(bool quiet, Body body) {
    int fds[2];
    if (pipe(fds) != 0) {
        return {"crash: no pipe", {}, {}, {}};
    }
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        if (quiet) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDERR_FILENO);
        }
        alarm(kChildSeconds);
        ChildChannel channel(fds[1]);
        body(channel);
    }
    close(fds[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    ChildReport report;
    std::size_t start = 0;
    while (start < output.size()) {
        const std::size_t end = output.find('\n', start);
        const std::string_view line(output.data() + start, (end == std::string::npos ? output.size() : end) - start);
        start = end == std::string::npos ? output.size() : end + 1;
        if (line.starts_with("E ")) {
            if (std::optional<UserEvent> event = ParseEvent(line.substr(2))) {
                report.events.push_back(std::move(*event));
            }
        } else if (line.starts_with("V ")) {
            const std::size_t tab = line.find('\t');
            report.failure = std::string(line.substr(2, tab - 2));
            report.detail = tab == std::string_view::npos ? "" : std::string(line.substr(tab + 1));
        } else if (line.starts_with("C ")) {
            UsageSession::Counts& c = report.counts;
            std::sscanf(std::string(line.substr(2)).c_str(), "%d %d %d %d %d %d %d", &c.events, &c.reached,
                        &c.calculations, &c.selections, &c.timers, &c.restarts, &c.resets);
        }
    }
    if (WIFSIGNALED(status)) {
        report.failure = "crash";
        report.detail =
            "signal " + std::to_string(WTERMSIG(status)) + (WTERMSIG(status) == SIGALRM ? " (timeout)" : "");
    } else if (WEXITSTATUS(status) != 0 && report.failure.empty()) {
        report.failure = "crash";
        report.detail = "exit status " + std::to_string(WEXITSTATUS(status));
    }
    return report;
}

} // namespace

RunResult RunEvents(std::span<const UserEvent> events) {
    UsageSession session;
    RunResult result;
    for (const UserEvent& event : events) {
        ++result.eventsRun;
        session.apply(event);
        if ((result.violation = CheckInvariants(session))) {
            break;
        }
    }
    return result;
}

ChildReport ReplayInChild(std::span<const UserEvent> events, bool quiet) {
    return inChild(quiet, [events](ChildChannel& channel) {
        bool failed = false;
        {
            UsageSession session;
            for (const UserEvent& event : events) {
                channel.event(event);
                session.apply(event);
                if (const std::optional<Violation> violation = CheckInvariants(session)) {
                    channel.violation(*violation);
                    failed = true;
                    break;
                }
            }
            channel.counts(session.counts());
        }
        channel.finish(failed);
    });
}

ChildReport RandomUseInChild(std::uint32_t seed, int count, bool quiet) {
    return inChild(quiet, [seed, count](ChildChannel& channel) {
        bool failed = false;
        {
            UsageSession session;
            RandomUser user(seed, kAllWindows);
            for (int i = 0; i < count; ++i) {
                const UserEvent event = user.next(session.program(), session.decimal());
                channel.event(event);
                session.apply(event);
                if (const std::optional<Violation> violation = CheckInvariants(session)) {
                    channel.violation(*violation);
                    failed = true;
                    break;
                }
            }
            channel.counts(session.counts());
        }
        channel.finish(failed);
    });
}

std::vector<std::uint8_t> EncodeForByteUser(std::span<const UserEvent> events, std::optional<FormId> worksheet,
                                            WindowSet windows) {
    std::vector<std::uint8_t> bytes;
    UsageSession session(worksheet);
    for (const UserEvent& event : events) {
        UserEvent target = event;
        target.text.clear();
        const std::vector<Candidate> candidates = CandidateEvents(session.program(), windows);
        // The index among the reachable candidates, or among all with the top bit set.
        std::optional<std::size_t> index;
        std::size_t reachable = 0;
        for (std::size_t i = 0, r = 0; i < candidates.size(); ++i) {
            if (candidates[i].event == target) {
                index = candidates[i].reachable ? r : i;
                reachable = candidates[i].reachable ? 1 : 0;
                break;
            }
            r += candidates[i].reachable ? 1 : 0;
        }
        if (!index) {
            continue;
        }
        const std::size_t value = *index;
        bytes.push_back(static_cast<std::uint8_t>((reachable != 0 ? 0x00 : 0x80) | ((value >> 8) & 0x7F)));
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        if (event.kind == EventKind::Type) {
            const std::span<const std::string> texts = TroublesomeTexts();
            const auto known = std::find(texts.begin(), texts.end(), event.text);
            if (known != texts.end()) {
                bytes.push_back(static_cast<std::uint8_t>(known - texts.begin()));
            } else {
                const std::size_t length = std::min<std::size_t>(event.text.size(), 0x3F);
                bytes.push_back(static_cast<std::uint8_t>(0xC0 + length));
                bytes.insert(bytes.end(), event.text.begin(), event.text.begin() + static_cast<std::ptrdiff_t>(length));
            }
        }
        session.apply(event);
    }
    return bytes;
}

std::vector<UserEvent> ShrinkEvents(std::vector<UserEvent> events,
                                    const std::function<bool(std::span<const UserEvent>)>& stillFails) {
    // Remove chunks, halving their size down to single events, until nothing more can go.
    for (std::size_t chunk = std::max<std::size_t>(events.size() / 2, 1);;
         chunk = std::max<std::size_t>(chunk / 2, 1)) {
        bool removed = false;
        for (std::size_t start = 0; start < events.size();) {
            std::vector<UserEvent> shorter(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(start));
            const std::size_t end = std::min(events.size(), start + chunk);
            shorter.insert(shorter.end(), events.begin() + static_cast<std::ptrdiff_t>(end), events.end());
            if (!shorter.empty() && stillFails(shorter)) {
                events = std::move(shorter);
                removed = true;
            } else {
                start += chunk;
            }
        }
        if (chunk == 1 && !removed) {
            return events;
        }
    }
}

} // namespace korveld::usage
