#include "platform/SingleInstance.h"

#include "support/EnvironmentGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>

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

// A second start asks the first to show itself; a lock file that names another program's process
// asks nobody (to it the signal would be the end).
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
    WriteFile(CSingleInstance::LockFilePath(data.File("a/")), "1\n");
    WriteFile(data.File("a/fernzahl.lock"), "1\n");
    EXPECT_FALSE(second.AskHolderToShow());
    EXPECT_EQ(g_showRequests, 1);
    std::signal(SIGUSR1, previous);
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
