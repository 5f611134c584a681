// Two games saving results at the same time, in processes of their own, one of them killed
// (SIGKILL) in the middle of its saves: no acknowledged result is lost, and a reader never sees
// the file empty or half-written.
//
// A writer acknowledges a result by writing it to its pipe once AddScore returned true. The
// results are distinct and come in shuffled order, so the best ten acknowledged ones are spread
// over the whole run and a save that overwrote another's would drop one of them.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ScoresTest.h"
#include "toolkit/scores/ScoreLines.h"

namespace OrloUtility {
namespace {

constexpr int kResultsPerWriter = 40;
// The first writer is killed right after acknowledging this many results.
constexpr int kAcksBeforeKill = 12;
const char* const kName = "WRITER";

struct Writer {
    pid_t pid = -1;
    int ack = -1;  // the read end of its pipe; -1 once it reached its end
    std::vector<int> results;
};

// In the child: adds the results one by one, acknowledging each that was added.
[[noreturn]] void RunWriter(int ack, const std::vector<int>& results) {
    Leaderboard board("Astrovex");
    for (int result : results) {
        if (board.AddScore(result, kName) && write(ack, &result, sizeof result) != sizeof result) _exit(2);
    }
    _exit(0);
}

Writer StartWriter(std::vector<int> results) {
    int ends[2];
    if (pipe(ends) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        RunWriter(ends[1], results);
    }
    close(ends[1]);
    return {pid, ends[0], std::move(results)};
}

// The acknowledgements the writer has sent (all of them once it ended); false at its end.
bool ReadAcks(Writer& writer, std::vector<int>& acked) {
    int result = 0;
    const ssize_t got = read(writer.ack, &result, sizeof result);
    if (got == sizeof result) {
        acked.push_back(result);
        return true;
    }
    close(writer.ack);
    writer.ack = -1;
    return false;
}

std::string BytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The scores in the file, which must be whole: one to ten of the game's lines, each ending in
// CR LF, best first, every one a result some writer tried to add.
std::vector<int> ScoresInWholeFile(const std::string& bytes, const std::set<int>& tried) {
    static const std::regex kLine("(\\d{8}) WRITER\r\n");
    std::vector<int> scores;
    std::string lines;
    for (std::sregex_iterator line(bytes.begin(), bytes.end(), kLine), end; line != end; ++line) {
        scores.push_back(std::stoi((*line)[1]));
        lines += line->str();
    }
    EXPECT_EQ(bytes, lines) << "only whole lines of the game";
    EXPECT_GE(scores.size(), 1U);
    EXPECT_LE(scores.size(), kMaxStoredLines);
    EXPECT_TRUE(std::is_sorted(scores.rbegin(), scores.rend()));
    for (int score : scores) EXPECT_TRUE(tried.count(score)) << score;
    return scores;
}

TEST_F(ScoresTest, TwoGamesSavingAtOnceLoseNoAcknowledgedResult) {
    std::vector<int> results(3 * kResultsPerWriter);
    std::iota(results.begin(), results.end(), 1000);
    std::shuffle(results.begin(), results.end(), std::mt19937(20240611));
    const std::set<int> tried(results.begin(), results.end());
    auto slice = [&](int part) {
        return std::vector<int>(results.begin() + part * kResultsPerWriter,
                                results.begin() + (part + 1) * kResultsPerWriter);
    };
    // The third writer takes over from the killed one, as a game started again would.
    std::vector<Writer> writers = {StartWriter(slice(0)), StartWriter(slice(1))};
    ASSERT_GT(writers[0].pid, 0);
    ASSERT_GT(writers[1].pid, 0);

    std::vector<int> acked;
    int firstWritersAcks = 0;
    while (std::any_of(writers.begin(), writers.end(), [](const Writer& w) { return w.ack >= 0; })) {
        std::vector<pollfd> open;
        for (const Writer& w : writers) open.push_back({w.ack, POLLIN, 0});
        ASSERT_GT(poll(open.data(), open.size(), -1), 0);
        // A writer started in this round is polled from the next one.
        for (std::size_t i = 0; i < open.size(); ++i) {
            if (writers[i].ack < 0 || !(open[i].revents & (POLLIN | POLLHUP))) continue;
            if (!ReadAcks(writers[i], acked)) continue;
            ScoresInWholeFile(BytesOf(FilePath()), tried);
            if (i == 0 && ++firstWritersAcks == kAcksBeforeKill) {
                kill(writers[0].pid, SIGKILL);
                writers.push_back(StartWriter(slice(2)));
                ASSERT_GT(writers.back().pid, 0);
            }
        }
    }
    int status = 0;
    for (const Writer& w : writers) waitpid(w.pid, &status, 0);

    // The killed writer's last result may be stored without its acknowledgement, so the best
    // ten acknowledged are looked for, not the file compared with them.
    ASSERT_GE(acked.size(), kMaxStoredLines);
    std::sort(acked.rbegin(), acked.rend());
    const std::vector<int> stored = ScoresInWholeFile(BytesOf(FilePath()), tried);
    for (std::size_t i = 0; i < kMaxStoredLines; ++i) {
        EXPECT_EQ(1, std::count(stored.begin(), stored.end(), acked[i])) << "acknowledged " << acked[i];
    }
}

}  // namespace
}  // namespace OrloUtility
