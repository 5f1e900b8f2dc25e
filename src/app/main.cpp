#include "app/FernzahlApp.h"

int main(int argc, char** argv) {
    CFernzahlApp app(argc, argv);
    return app.Run();
}
