#pragma once

#include "app/AcceleratorRouter.h"
#include "platform/DataPaths.h"
#include "platform/ResourceLibrary.h"
#include "platform/SingleInstance.h"
#include "ui/MessageBox.h"

#include <QApplication>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CIniSettingsStore;
class CTerminationSignals;

// The application object: start-up in a fixed order (locale, single instance, resource library,
// splash, delivered default tariff, example tariff), then the main window for the life of the program.
class CFernzahlApp : public QApplication {
    Q_OBJECT
public:
    CFernzahlApp(int& argc, char** argv);
    ~CFernzahlApp() override;

    // --help and --version, answered before there is a window, so that they work without a display
    // (over SSH): the help in the language the window would speak, read without taking the data
    // folder or writing a file. The exit code; nothing when the program is to start.
    static std::optional<int> AnswerWithoutWindow(int argc, char** argv);
    // Runs the program; the result is the process's exit code.
    int Run();

private:
    // The value of --data-dir as given, as its bytes; empty when there is none.
    static std::string DataDirectoryArgument(const std::vector<std::string>& arguments);
    // A second start: the running program is asked to show itself. The exit code.
    int AskHolderToShow();
    // Which process holds the data folder, and what the user can do about it.
    std::string DescribeHolder() const;
    void SetAsideDamagedSettings();
    void ReportUnreadableSettings();
    // A message of the start-up, shown once the window meters: a box open before would hold up
    // the meter until it is answered.
    void TellWhenMetering(const std::string& text, CMessageBox::Icon icon = CMessageBox::Icon::Information);
    void InstallDeliveredDefaultTariff();
    void InstallExampleTariff();
    // Runs the main window until it closes.
    void RunMainWindow(CTerminationSignals& termination);

    std::vector<std::string> m_arguments; // the command line as its bytes
    DataPaths m_paths;
    CSingleInstance m_instance;
    CResourceLibrary m_resources;
    std::unique_ptr<CIniSettingsStore> m_settings;
    CAcceleratorRouter m_accelerators;
    std::vector<std::function<void()>> m_startMessages;
    bool m_terminationRequested = false;
};
