#include "platform/SingleInstance.h"

#include "support/EnvironmentGuard.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace {

TEST(SingleInstance, OneInstallationRunsOnceAndOthersAreIndependent) {
    CTempDir runtime;
    CTempDir data;
    const CEnvironmentGuard runtimeDirectory("XDG_RUNTIME_DIR", runtime.Path());
    auto first = std::make_unique<CSingleInstance>();
    CSingleInstance second;
    CSingleInstance otherInstallation;
    EXPECT_EQ(first->Acquire(data.File("a/")), CSingleInstance::Result::Acquired);
    EXPECT_EQ(second.Acquire(data.File("a/")), CSingleInstance::Result::HeldByAnother);
    EXPECT_EQ(otherInstallation.Acquire(data.File("b/")), CSingleInstance::Result::Acquired);
    first.reset(); // the lock goes with its holder
    EXPECT_EQ(second.Acquire(data.File("a/")), CSingleInstance::Result::Acquired);
    EXPECT_EQ(CSingleInstance::LockFilePath(data.File("a/")).rfind(runtime.Path(), 0), 0u);
}

std::atomic<int> g_showRequests{0};

// A second start asks the first to show itself; the holder is the process the kernel names, not
// whatever its lock file says (a pid long gone, another program's).
TEST(SingleInstance, SecondStartAsksTheHolderToShowItself) {
    CTempDir runtime;
    CTempDir data;
    const CEnvironmentGuard runtimeDirectory("XDG_RUNTIME_DIR", runtime.Path());
    const auto previous = std::signal(SIGUSR1, [](int) { ++g_showRequests; });
    CSingleInstance first;
    CSingleInstance second;
    ASSERT_EQ(first.Acquire(data.File("a/")), CSingleInstance::Result::Acquired);
    EXPECT_FALSE(second.AskHolderToShow()) << "nothing held yet";
    ASSERT_EQ(second.Acquire(data.File("a/")), CSingleInstance::Result::HeldByAnother);
    EXPECT_TRUE(second.AskHolderToShow());
    EXPECT_EQ(g_showRequests, 1);
    WriteFile(CSingleInstance::LockFilePath(data.File("a/")), "1 meter\n");
    const std::optional<CSingleInstance::Holder> holder = second.FindHolder();
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->pid, getpid());
    EXPECT_EQ(holder->kind, CSingleInstance::Holder::Kind::ThisProgram);
    std::signal(SIGUSR1, previous);
}

// Another program that holds the folder's lock file is named as it is and never sent the signal,
// which would end it.
TEST(SingleInstance, AnotherProgramHoldingTheLockIsNamedAndNotSignalled) {
    CTempDir runtime;
    CTempDir data;
    const CEnvironmentGuard runtimeDirectory("XDG_RUNTIME_DIR", runtime.Path());
    WriteFile(data.File("fernzahl.lock"), std::to_string(getpid()) + " window\n");
    CChildProcess other({"/usr/bin/flock", "--no-fork", data.File("fernzahl.lock"), "/usr/bin/sleep", "60"});
    ASSERT_TRUE(PollUntil([&] {
        const CFileDescriptor probe(open(data.File("fernzahl.lock").c_str(), O_RDONLY | O_CLOEXEC));
        return flock(probe.Get(), LOCK_EX | LOCK_NB) != 0;
    }));
    CSingleInstance second;
    ASSERT_EQ(second.Acquire(data.Path()), CSingleInstance::Result::HeldByAnother);
    const std::optional<CSingleInstance::Holder> holder = second.FindHolder();
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->program, "/usr/bin/sleep");
    EXPECT_EQ(holder->kind, CSingleInstance::Holder::Kind::OtherProgram);
    EXPECT_EQ(second.HeldPath(), data.File("fernzahl.lock"));
    EXPECT_FALSE(second.AskHolderToShow());
    EXPECT_TRUE(other.IsRunning());
}

TEST(SingleInstance, HolderIsToldByItsProgramFileAndPurpose) {
    using Kind = CSingleInstance::Holder::Kind;
    const std::string self = "/usr/bin/fernzahl";
    EXPECT_EQ(CSingleInstance::Classify(self, "window", self), Kind::ThisProgram);
    EXPECT_EQ(CSingleInstance::Classify("/opt/old/fernzahl", "window", self), Kind::OtherCopy);
    EXPECT_EQ(CSingleInstance::Classify(self + " (deleted)", "window", self), Kind::ReplacedProgram);
    EXPECT_EQ(CSingleInstance::Classify("/usr/bin/fernzahl-cli", "run", self), Kind::HeadlessMeter);
    EXPECT_EQ(CSingleInstance::Classify("/usr/bin/fernzahl-cli (deleted)", "", self), Kind::HeadlessMeter);
    EXPECT_EQ(CSingleInstance::Classify("/usr/bin/fernzahl-cli", "meter", self), Kind::Simulation);
    EXPECT_EQ(CSingleInstance::Classify("/usr/bin/flock", "window", self), Kind::OtherProgram);
    EXPECT_EQ(CSingleInstance::Classify("sleep", "", self), Kind::OtherProgram);
}

// Whatever runtime directory each has (a login without one, cron, su), one folder is one meter.
TEST(SingleInstance, TheFolderItselfHoldsTheLockForEveryRuntimeDirectory) {
    CTempDir data;
    CTempDir runtimeA;
    CTempDir runtimeB;
    CSingleInstance first;
    const CEnvironmentGuard runtimeDirectory("XDG_RUNTIME_DIR", runtimeA.Path());
    ASSERT_EQ(first.Acquire(data.Path()), CSingleInstance::Result::Acquired);
    runtimeDirectory.Set(runtimeB.Path());
    EXPECT_EQ(CSingleInstance().Acquire(data.Path()), CSingleInstance::Result::HeldByAnother);
}

// A symbolic link, "..", a last '/': every name of one folder is one installation.
TEST(SingleInstance, EveryNameOfOneFolderIsOneInstallation) {
    CTempDir runtime;
    CTempDir folders;
    const CEnvironmentGuard runtimeDirectory("XDG_RUNTIME_DIR", runtime.Path());
    std::filesystem::create_directory(folders.File("home"));
    std::filesystem::create_directory_symlink(folders.File("home"), folders.File("homelink"));
    CSingleInstance first;
    ASSERT_EQ(first.Acquire(folders.File("home")), CSingleInstance::Result::Acquired);
    for (const std::string& name : {folders.File("homelink"), folders.File("homelink/"), folders.File("x/../home/")}) {
        EXPECT_EQ(CSingleInstance().Acquire(name), CSingleInstance::Result::HeldByAnother) << name;
    }
}

// No usable runtime directory (here a file where the directory should be): the data directory
// holds the lock instead.
TEST(SingleInstance, WithoutARuntimeDirectoryTheDataDirectoryHoldsTheLock) {
    CTempDir data;
    CTempDir runtime;
    WriteFile(runtime.File("file"), "");
    const CEnvironmentGuard runtimeDirectory("XDG_RUNTIME_DIR", runtime.File("file"));
    CSingleInstance first;
    CSingleInstance second;
    EXPECT_EQ(first.Acquire(data.Path()), CSingleInstance::Result::Acquired);
    EXPECT_EQ(second.Acquire(data.Path()), CSingleInstance::Result::HeldByAnother);
    EXPECT_TRUE(FileExists(data.File("fernzahl.lock")));
}

} // namespace
