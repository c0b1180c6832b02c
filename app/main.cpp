// The process entry. The runtime calls main in a GUI-subsystem exe too.
#include "app/lifecycle.h"

int main() { return runProgram(); }
