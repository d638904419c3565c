#include "desktop/app/application.h"

int main(int argc, char** argv) { return examsim::runApplication(argc, argv); }
