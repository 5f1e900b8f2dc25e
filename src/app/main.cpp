#include "app/FernzahlApp.h"

int main(int argc, char** argv) {
    if (const std::optional<int> answered = CFernzahlApp::AnswerWithoutWindow(argc, argv)) {
        return *answered;
    }
    CFernzahlApp app(argc, argv);
    return app.Run();
}
