#include "game/FormMain.h"
#include "resources/resource.h"
#include "toolkit/MessageLoop.h"

#include <string>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const std::string title = std::string(CARVELLA_NAME) + " " + CARVELLA_COPYRIGHT;
    auto* form = new MyGame::FormMain(instance, title);
    Tavrik::RunMessageLoop(form);
    delete form;
    return 0;
}
