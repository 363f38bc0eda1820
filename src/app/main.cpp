#include "app/forms.h"

int main(int argc, char** argv) {
    return tarvex::ui::RunApplication(argc, argv);
}
