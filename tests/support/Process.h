#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

struct ProcessResult {
    int exitCode = -1; // -1 when the process was killed or did not end in time
    std::string out;
    std::string err;
};

// Environment changes for a child: a value sets the variable, nullopt-like "" with unset removes it.
struct ProcessEnvironment {
    std::map<std::string, std::string> set = {};
    std::vector<std::string> unset = {};
};

// Runs a program to its end (killed after the timeout) and collects its output.
ProcessResult RunProcess(const std::vector<std::string>& argv, const ProcessEnvironment& env = {},
                         std::chrono::milliseconds timeout = std::chrono::seconds(30));

// The text of a PDF file as pdftotext reads it with its layout kept, one string per page.
std::vector<std::string> PdfTextPages(const std::string& pdf);

// A program started in the background; killed when the handle goes.
class CChildProcess {
public:
    // Its standard output and error go to outputFile when one is named ("/dev/null" to silence it).
    CChildProcess(const std::vector<std::string>& argv, const ProcessEnvironment& env = {},
                  const std::string& outputFile = "");
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    bool IsRunning();
    // Waits for the end; the exit code, or -1 when it did not end in time (then it is killed).
    int Wait(std::chrono::milliseconds timeout);
    void Signal(int signal);
    pid_t Pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    int m_status = -1;
    bool m_ended = false;
};

std::string BinaryPath(const std::string& name);

// Looks at the condition every 20 ms until it holds (true) or the time is up (false): how a test
// waits for another process, never for a fixed time.
bool PollUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(30));
