#include "platform/SingleInstance.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <filesystem>

namespace {

TEST(SingleInstance, OneInstallationRunsOnceAndOthersAreIndependent) {
    CTempDir runtime;
    CTempDir data;
    setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    auto first = std::make_unique<CSingleInstance>();
    CSingleInstance second;
    CSingleInstance otherInstallation;
    EXPECT_EQ(first->Acquire(data.File("a/")), CSingleInstance::Result::Acquired);
    EXPECT_EQ(second.Acquire(data.File("a/")), CSingleInstance::Result::HeldByAnother);
    EXPECT_EQ(otherInstallation.Acquire(data.File("b/")), CSingleInstance::Result::Acquired);
    first.reset(); // the lock goes with its holder
    EXPECT_EQ(second.Acquire(data.File("a/")), CSingleInstance::Result::Acquired);
    EXPECT_EQ(CSingleInstance::LockFilePath(data.File("a/")).rfind(runtime.Path(), 0), 0u);
    unsetenv("XDG_RUNTIME_DIR");
}

std::atomic<int> g_showRequests{0};

// A second start asks the first to show itself; a lock file that names another program's process
// asks nobody (to it the signal would be the end).
TEST(SingleInstance, SecondStartAsksTheHolderToShowItself) {
    CTempDir runtime;
    CTempDir data;
    setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
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
    unsetenv("XDG_RUNTIME_DIR");
}

// Whatever runtime directory each has (a login without one, cron, su), one folder is one meter.
TEST(SingleInstance, TheFolderItselfHoldsTheLockForEveryRuntimeDirectory) {
    CTempDir data;
    CTempDir runtimeA;
    CTempDir runtimeB;
    CSingleInstance first;
    setenv("XDG_RUNTIME_DIR", runtimeA.Path().c_str(), 1);
    ASSERT_EQ(first.Acquire(data.Path()), CSingleInstance::Result::Acquired);
    setenv("XDG_RUNTIME_DIR", runtimeB.Path().c_str(), 1);
    EXPECT_EQ(CSingleInstance().Acquire(data.Path()), CSingleInstance::Result::HeldByAnother);
    unsetenv("XDG_RUNTIME_DIR");
}

// A symbolic link, "..", a last '/': every name of one folder is one installation.
TEST(SingleInstance, EveryNameOfOneFolderIsOneInstallation) {
    CTempDir runtime;
    CTempDir folders;
    setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    std::filesystem::create_directory(folders.File("home"));
    std::filesystem::create_directory_symlink(folders.File("home"), folders.File("homelink"));
    CSingleInstance first;
    ASSERT_EQ(first.Acquire(folders.File("home")), CSingleInstance::Result::Acquired);
    for (const std::string& name : {folders.File("homelink"), folders.File("homelink/"), folders.File("x/../home/")}) {
        EXPECT_EQ(CSingleInstance().Acquire(name), CSingleInstance::Result::HeldByAnother) << name;
    }
    unsetenv("XDG_RUNTIME_DIR");
}

// No usable runtime directory (here a file where the directory should be): the data directory
// holds the lock instead.
TEST(SingleInstance, WithoutARuntimeDirectoryTheDataDirectoryHoldsTheLock) {
    CTempDir data;
    CTempDir runtime;
    WriteFile(runtime.File("file"), "");
    setenv("XDG_RUNTIME_DIR", runtime.File("file").c_str(), 1);
    CSingleInstance first;
    CSingleInstance second;
    EXPECT_EQ(first.Acquire(data.Path()), CSingleInstance::Result::Acquired);
    EXPECT_EQ(second.Acquire(data.Path()), CSingleInstance::Result::HeldByAnother);
    EXPECT_TRUE(FileExists(data.File("fernzahl.lock")));
    unsetenv("XDG_RUNTIME_DIR");
}

} // namespace
