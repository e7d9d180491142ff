#include "diag/file_guard.h"

#include "diag/signal_cleanup.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace vx {
namespace {

std::string fs_name(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// Opening never waits and never reads what is not a regular file.
TEST(OpenInput, RefusesWhatIsNotARegularFileWithoutBlocking) {
    testkit::ScratchDir dir;
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    const auto start = std::chrono::steady_clock::now();
    for (const std::string& path : {fifo, dir.path(), std::string("/dev/zero")}) {
        std::string text;
        OpenedInput opened;
        EXPECT_FALSE(read_input_file(path, text, opened)) << path;
        EXPECT_EQ(opened.problem, InputProblem::not_regular) << path;
        EXPECT_EQ(input_problem_code(opened), msg::FICNONREG) << path;
        EXPECT_TRUE(text.empty()) << path;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    OpenedInput missing;
    std::string text;
    EXPECT_FALSE(read_input_file(dir.file("none"), text, missing));
    EXPECT_EQ(missing.problem, InputProblem::missing);
    EXPECT_EQ(missing.error, ENOENT);
    EXPECT_EQ(input_problem_code(missing), msg::IMPOUVFIC);
    EXPECT_EQ(input_problem_text("none", missing), "none (No such file or directory)");
}

TEST(OpenInput, ReadsARegularFileWholeAndRefusesAHugeOne) {
    testkit::ScratchDir dir;
    const std::string small = dir.file("small");
    std::string content(100000, 'x');
    content[5] = '\0';
    testkit::write_file(small, content);
    std::string text;
    OpenedInput opened;
    ASSERT_TRUE(read_input_file(small, text, opened));
    EXPECT_EQ(text, content);

    // A sparse file over the bound costs no disk.
    const std::string huge = dir.file("huge");
    int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(max_input_size + 1)), 0);
    ::close(fd);
    EXPECT_FALSE(read_input_file(huge, text, opened));
    EXPECT_EQ(opened.problem, InputProblem::too_large);
    EXPECT_EQ(input_problem_code(opened), msg::FICTROGRD);
}

TEST(OpenInput, AnUnreadableFileGivesItsReason) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not hold for root";
    }
    testkit::ScratchDir dir;
    const std::string closed = dir.file("closed");
    testkit::write_file(closed, "x");
    ASSERT_EQ(::chmod(closed.c_str(), 0), 0);
    std::string text;
    OpenedInput opened;
    EXPECT_FALSE(read_input_file(closed, text, opened));
    EXPECT_EQ(input_problem_text("closed", opened), "closed (Permission denied)");
}

// An output is recognised as an input through any link or spelling.
TEST(RunFiles, OutputsAreKnownByIdentityAndByName) {
    testkit::ScratchDir dir;
    const std::string script = dir.file("s.ptu");
    testkit::write_file(script, "x");
    const std::string hard = dir.file("hard.c");
    ASSERT_EQ(::link(script.c_str(), hard.c_str()), 0);
    const std::string soft = dir.file("soft.c");
    ASSERT_EQ(::symlink(script.c_str(), soft.c_str()), 0);

    RunFiles files;
    files.note_output(hard);
    files.note_output(dir.file("./new.c"));
    const FileIdentity identity = file_identity(script);
    ASSERT_NE(files.output_clash(script, identity), nullptr);
    EXPECT_EQ(*files.output_clash(script, identity), hard);
    // Not there yet: known by its canonical name.
    EXPECT_NE(files.output_clash(dir.path() + "/../" + fs_name(dir.path()) + "/new.c", {}),
              nullptr);
    EXPECT_EQ(files.output_clash(dir.file("other"), {}), nullptr);

    RunFiles by_link;
    by_link.note_output(soft);
    EXPECT_NE(by_link.output_clash(script, identity), nullptr);
}

TEST(RunFiles, AnInputIsKnownOnlyWhileItsNameLeadsToIt) {
    testkit::ScratchDir dir;
    const std::string path = dir.file("input");
    testkit::write_file(path, "x");
    RunFiles files;
    const FileIdentity identity = file_identity(path);
    files.note_input(path, identity);
    EXPECT_TRUE(files.is_input(identity));
    ASSERT_EQ(::unlink(path.c_str()), 0);
    // The inode number may now serve another file.
    EXPECT_FALSE(files.is_input(identity));
}

// The table of files to remove on a signal.
TEST(SignalCleanup, RemovesTheFilesOfTheTableAndEndsWithTheSignalStatus) {
    testkit::ScratchDir dir;
    const std::string kept = dir.file("kept");
    const std::string work = dir.file("work");
    const std::string staged = dir.file("staged");
    testkit::write_file(kept, "input");
    testkit::write_file(work, "w");
    testkit::write_file(staged, "s");

    for (int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        testkit::write_file(work, "w");
        testkit::write_file(staged, "s");
        int pipe_ends[2];
        ASSERT_EQ(::pipe(pipe_ends), 0);
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::dup2(pipe_ends[1], STDERR_FILENO);
            install_signal_cleanup(
                [](int number) { return "stopped by " + std::to_string(number) + "\n"; });
            add_removable_file(work);
            add_removable_file(staged);
            add_removable_file(dir.file("never-created"));
            drop_removable_file(dir.file("never-created"));
            ::kill(::getpid(), signal_number);
            ::_exit(0);
        }
        ::close(pipe_ends[1]);
        char buffer[64] = {};
        ssize_t got = ::read(pipe_ends[0], buffer, sizeof buffer - 1);
        ::close(pipe_ends[0]);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << signal_number;
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal_number);
        EXPECT_EQ(std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0),
                  "stopped by " + std::to_string(signal_number) + "\n");
        EXPECT_FALSE(testkit::file_exists(work));
        EXPECT_FALSE(testkit::file_exists(staged));
        EXPECT_EQ(testkit::read_file(kept), "input");
    }
}

TEST(SignalCleanup, DroppedNamesAreNotRemoved) {
    testkit::ScratchDir dir;
    const std::string done = dir.file("done");
    const std::string unfinished = dir.file("unfinished");
    testkit::write_file(done, "finished output");
    testkit::write_file(unfinished, "half an output");
    add_removable_file(done);
    add_removable_file(unfinished);
    drop_removable_file(done);
    remove_removable_files();
    EXPECT_TRUE(testkit::file_exists(done));
    EXPECT_FALSE(testkit::file_exists(unfinished));
}

}  // namespace
}  // namespace vx
