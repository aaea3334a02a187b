#include "app/marking_app.h"

// The one application object; the framework finds it and calls InitInstance.
static kolvar::CMarkingApp theApp;

int main(int argc, char** argv) {
    return kolvar::AfxWinMain(argc, argv);
}
