#include "tests/support/cli/cli_process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace guivarna::test {

namespace {

CliRun runWith(const std::vector<std::string>& args, const std::string& stdoutPath,
    long fileSizeLimit, const std::string& stdinPath)
{
    std::array<char, 32> outPath{"/tmp/guivarna-cli-out-XXXXXX"};
    std::array<char, 32> errPath{"/tmp/guivarna-cli-err-XXXXXX"};
    const int outFd = mkstemp(outPath.data());
    const int errFd = mkstemp(errPath.data());
    if (outFd < 0 || errFd < 0)
        throw std::runtime_error("cannot create capture files");

    std::vector<char*> argv;
    std::string program = GUIVARNA_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        const int target = stdoutPath.empty() ? outFd : open(stdoutPath.c_str(), O_WRONLY);
        if (target < 0)
            _exit(126);
        dup2(target, STDOUT_FILENO);
        dup2(errFd, STDERR_FILENO);
        if (!stdinPath.empty()) {
            const int input = open(stdinPath.c_str(), O_RDONLY);
            if (input < 0)
                _exit(124);
            dup2(input, STDIN_FILENO);
        }
        if (fileSizeLimit >= 0) {
            // An ignored signal stays ignored across exec.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                _exit(125);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    close(outFd);
    close(errFd);

    CliRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(outPath.data());
    run.err = ReadFile(errPath.data());
    std::remove(outPath.data());
    std::remove(errPath.data());
    return run;
}

}  // namespace

CliRun runCli(
    const std::vector<std::string>& args, const std::string& stdoutPath, long fileSizeLimit)
{
    return runWith(args, stdoutPath, fileSizeLimit, {});
}

CliRun runCliWithInput(const std::vector<std::string>& args, const std::string& input)
{
    std::array<char, 32> inPath{"/tmp/guivarna-cli-in-XXXXXX"};
    const int inFd = mkstemp(inPath.data());
    if (inFd < 0 || write(inFd, input.data(), input.size()) != static_cast<ssize_t>(input.size()))
        throw std::runtime_error("cannot create the input file");
    close(inFd);
    CliRun run = runWith(args, {}, -1, inPath.data());
    std::remove(inPath.data());
    return run;
}

CliRun ExpectPrints(const std::vector<std::string>& args, const std::string& out)
{
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, out);
    EXPECT_EQ(run.err, "");
    return run;
}

CliRun ExpectRefused(const std::vector<std::string>& args, const std::string& mentions)
{
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(!run.err.empty() && run.err.back() == '\n') << run.err;
    EXPECT_NE(run.err.find(mentions), std::string::npos) << run.err;
    return run;
}

std::vector<std::string> WithCommand(const std::string& command, std::vector<std::string> options)
{
    options.insert(options.begin(), command);
    return options;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace guivarna::test
